// Program entry: the whole game runs in run_game.
#include "core/game.h"

int main() {
    return run_game();
}
