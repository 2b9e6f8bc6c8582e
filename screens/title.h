// The title screen and difficulty menu.
#pragma once

#include <SDL.h>

// Plays the title music and returns when a game is to start, leaving the
// choice in `difficulty` and `resume_game` (which, once set, stays set). The
// quit row and a window close end the program with status 0; a missing
// cursor picture ends it with status 1.
void title_screen(SDL_Surface* target);
