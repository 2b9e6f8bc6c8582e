// Window or full screen: the mode the display opens in, and F11 / Alt+Enter
// switching between them on every screen without disturbing the game.
#pragma once

#include <SDL.h>

// SDL_FULLSCREEN or 0, for the start-up's SDL_SetVideoMode.
Uint32 display_mode_flag();
// Handles F11 and Alt+Enter; true when the key was one of them.
bool display_key(const SDL_keysym& key);
// Switches between window and full screen, keeping what is drawn.
void toggle_display_mode();
// SDL_SetVideoMode for the start-up. On the SDL 1.2 layer over SDL 2, a full
// screen first opens as a window covering the desktop, so that it covers it
// also where no window manager resizes windows (a bare X server) and the
// whole picture shows, scaled. The classic SDL 1.2 is asked as it is.
SDL_Surface* open_display(int w, int h, int bpp, Uint32 flags);
