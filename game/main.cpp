// Program entry: the command line and the player's files, then the whole
// game runs in run_game.
#include "desktop/desktop.h"
#include "game/game.h"

int main(int argc, char** argv) {
    const int status = start_desktop(argc, argv);
    if (status >= 0) return status;  // --help, --version or a bad argument
    return run_game();
}
