// The game's one way to the screen: every screen draws its finished picture
// into the 800x600 16-bit surface that open_picture gives, and shows it with
// show_picture. Behind it sits how the picture reaches the display (today
// the display surface itself, flipped).
#pragma once

#include <SDL.h>

constexpr int PICTURE_WIDTH = 800;
constexpr int PICTURE_HEIGHT = 600;
constexpr int PICTURE_BPP = 16;

// Opens the display, window or full screen as the player chose, and returns
// the picture to draw into; null when no display could be opened.
SDL_Surface* open_picture();
// Shows the finished picture (in place of SDL_Flip).
void show_picture(SDL_Surface* picture);
