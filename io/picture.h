// The game's one way to the screen: every screen draws its finished picture
// into the 800x600 16-bit surface that open_picture gives, and shows it with
// show_picture. Behind it sits how the picture reaches the display: through
// the OpenGL presenter (present/), scaled to the desktop, when the player's
// desktop has OpenGL; otherwise the display surface itself, flipped.
#pragma once

#include <SDL.h>

constexpr int PICTURE_WIDTH = 800;
constexpr int PICTURE_HEIGHT = 600;
constexpr int PICTURE_BPP = 16;

// Before SDL_Init: the hints the SDL 1.2 layer over SDL 2 reads there.
void prepare_picture();
// Opens the display, window or full screen as the player chose, and returns
// the picture to draw into; null when no display could be opened.
SDL_Surface* open_picture();
// Shows the finished picture (in place of SDL_Flip).
void show_picture(SDL_Surface* picture);
// A loaded picture converted for fast blits onto the picture, as
// SDL_DisplayFormat does (null when it cannot be). Through OpenGL the
// display's format is the desktop's, not the picture's, so that is not used.
SDL_Surface* picture_format(SDL_Surface* loaded);
