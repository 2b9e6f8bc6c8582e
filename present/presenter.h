// The picture through OpenGL: the game draws into an 800x600 16-bit surface
// of its own, and each shown picture is uploaded as a texture and drawn as
// one quad, scaled on the graphics card to a full screen at the desktop's
// own size or to a window a whole multiple of the picture's size. The
// display's mode is never changed.
#pragma once

#include <SDL.h>

#include <string>

#include "present/layout.h"

struct PresentChoice {
    bool fullscreen = true;
    PictureScale scale = SCALE_FIT;
    bool smooth = true;    // linear filtering; false: nearest, sharp pixels
    bool vsync = true;     // swaps wait for the display's refresh
    int window_scale = 0;  // 1 and up; 0: the largest that fits the desktop
};

// The desktop's size as SDL reported it before the first mode was set (0x0
// when it reports none, as the dummy driver does). Read once.
void desktop_size(int* w, int* h);

// Opens the display through OpenGL and returns the picture to draw into (an
// RGB565 surface of picture_w x picture_h), or null with *why filled when
// OpenGL cannot be had; the display is then left for the caller to set.
SDL_Surface* open_presenter(const PresentChoice& choice, int picture_w, int picture_h, std::string* why);
// True once open_presenter has succeeded: every picture goes through it.
bool presenter_on();
// The picture open_presenter returned.
SDL_Surface* presenter_picture();
// Uploads the picture and shows it.
void present_picture(SDL_Surface* picture);
// Sets the display again in the other mode, window or full screen, around
// the same picture. False when neither that mode nor the old one could be set.
bool switch_presenter_mode();
bool presenter_fullscreen();
// The window's size in pixels for a choice on a desktop (0x0: unknown).
void presenter_window_size(const PresentChoice& choice, int desktop_w, int desktop_h, int picture_w,
                           int picture_h, int* w, int* h);
