// The picture on the screen: today the display surface itself, flipped.
#include "io/picture.h"

#include "desktop/display.h"

SDL_Surface* open_picture() {
    return SDL_SetVideoMode(PICTURE_WIDTH, PICTURE_HEIGHT, PICTURE_BPP,
                            DISPLAY_VIDEO_FLAGS | display_mode_flag());
}

void show_picture(SDL_Surface* picture) {
    SDL_Flip(picture);
}
