// The title screen and difficulty menu.
#pragma once

#include <SDL.h>

// Returns when a game is to start; its quit row ends the program.
void title_screen(SDL_Surface* target);
