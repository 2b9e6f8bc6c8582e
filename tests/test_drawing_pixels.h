// Pixel checks shared by the drawing, display and screen tests: what the
// screen should show where a picture was blitted over a plain backdrop.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "tests/harness.h"

// A colour no picture of the game uses as a whole area, laid under the
// drawing so that every pixel a picture leaves alone can be told apart.
constexpr Rgb BACKDROP{255, 0, 255};

// The colour as the screen stores it (the display drops low bits).
Rgb on_screen(Rgb c);
void fill_screen(Rgb c);

// What the screen shows at picture pixel (px, py) blitted over `under`: the
// backdrop where the colour key or a clear alpha leaves it, else the pixel.
Rgb blitted_pixel(SDL_Surface* pic, int px, int py, Rgb under);

// A picture (or the part of it) blitted at (x, y).
struct Layer {
    SDL_Surface* pic;
    SDL_Rect part;
    int x, y;
};
Layer whole(SDL_Surface* pic, int x, int y);
// Whether the screen shows exactly these layers, blitted in order over
// `under`, everywhere in the area.
bool shows_layers(const std::vector<Layer>& layers, SDL_Rect area, Rgb under = BACKDROP);

// Whether the part of the picture, blitted at (x, y) over a screen filled
// with `under`, is exactly what the screen shows (clipped to the screen).
bool shows(SDL_Surface* pic, SDL_Rect part, int x, int y, Rgb under = BACKDROP);
bool shows_whole(SDL_Surface* pic, int x, int y, Rgb under = BACKDROP);
// Whether the screen still shows only `under` in the rectangle.
bool untouched(SDL_Rect area, Rgb under = BACKDROP);

// Whether two pictures look the same pixel for pixel (test preconditions:
// a check that tells two pictures apart needs them to differ).
bool same_pictures(SDL_Surface* a, SDL_Surface* b);

// An empty folder made current for the life of the value: the data files
// are missing there. The previous folder is current again afterwards.
struct EmptyFolder {
    EmptyFolder();
    ~EmptyFolder();
    std::string previous;
    std::string path;
};
