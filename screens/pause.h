// The pause screen.
#pragma once

#include <SDL.h>

// Holds the game still until left Shift is pressed again.
void pause_screen(SDL_Surface* target);
