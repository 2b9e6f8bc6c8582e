// Window or full screen: the mode the display opens in, and F11 / Alt+Enter
// switching between them on every screen without disturbing the game.
#pragma once

#include <SDL.h>

// The display's flags besides the mode, at start-up and at every switch.
constexpr Uint32 DISPLAY_VIDEO_FLAGS = SDL_HWSURFACE | SDL_DOUBLEBUF;

// SDL_FULLSCREEN or 0, for the start-up's SDL_SetVideoMode.
Uint32 display_mode_flag();
// Handles F11 and Alt+Enter; true when the key was one of them.
bool display_key(const SDL_keysym& key);
// Switches between window and full screen, keeping what is drawn.
void toggle_display_mode();
