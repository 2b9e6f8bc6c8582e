// The title screen and difficulty menu.
#pragma once

#include <SDL.h>

// Plays the title music and returns when a game is to start, leaving the
// choice in `difficulty` and `resume_game` (which, once set, stays set). The
// quit row and a window close end the program with status 0; a missing
// cursor picture ends it with status 1.
void title_screen(SDL_Surface* target);

// What the title ended with.
enum TitleChoice {
    TITLE_GAME,  // a game is to start, as chosen
    TITLE_IDLE,  // no key came for idle_ms: time for the demo
};
// The title screen, which with idle_ms above 0 also returns once no key or
// pad button has come for that long (the real program's demo).
TitleChoice title_menu(SDL_Surface* target, Uint32 idle_ms);
