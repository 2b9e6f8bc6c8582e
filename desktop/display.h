// Window or full screen: the mode the display opens in, and F11 / Alt+Enter
// switching between them on every screen without disturbing the game.
#pragma once

#include <SDL.h>

// The display's flags besides the mode, at start-up and at every switch.
constexpr Uint32 DISPLAY_VIDEO_FLAGS = SDL_HWSURFACE | SDL_DOUBLEBUF;

// SDL_FULLSCREEN or 0, for the start-up's SDL_SetVideoMode. Full screen when
// chosen and the screen has an 800x600 mode; otherwise a window, with one
// line saying so.
Uint32 display_mode_flag();
// After the display has opened: --fullscreen is kept for the next run once
// the full screen it asked for has been had.
void keep_display_choice();
// Handles F11 and Alt+Enter; true when the key was one of them.
bool display_key(const SDL_keysym& key);
// Switches between window and full screen, keeping what is drawn; writes the
// mode switched to. Not to a full screen the screen cannot have.
void toggle_display_mode();
// SDL_SetVideoMode for the start-up. On the SDL 1.2 layer over SDL 2, a full
// screen first opens as a window covering the desktop, so that it covers it
// also where no window manager resizes windows (a bare X server) and the
// whole picture shows, scaled. The classic SDL 1.2 is asked as it is.
SDL_Surface* open_display(int w, int h, int bpp, Uint32 flags);
