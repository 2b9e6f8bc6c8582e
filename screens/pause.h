// The pause screen.
#pragma once

#include <SDL.h>

// Holds the game still until left Shift is pressed again (the press that
// paused was taken by the caller). The pause panel is drawn over the frozen
// frame; without its picture the game still pauses. A window close ends the
// program with status 0.
void pause_screen(SDL_Surface* target);
