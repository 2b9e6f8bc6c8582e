// Stand-in until the title screen lands: a normal game starts at once.
#include "screens/title.h"

#include "core/game_state.h"

void title_screen(SDL_Surface*) {
    difficulty = DIFFICULTY_NORMAL;
}
