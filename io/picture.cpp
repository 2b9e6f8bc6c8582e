// The picture on the screen: handed to the OpenGL presenter when the game
// runs on the player's desktop and OpenGL can be had there; otherwise
// today's software path, the display surface itself, flipped.
#include "io/picture.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "present/presenter.h"

namespace {

// The SDL 1.2 layer over SDL 2 reports patch numbers far above the classic
// library's last (15).
bool on_compat_layer() {
    return SDL_Linked_Version()->patch >= 50;
}

PresentChoice present_choice() {
    const Settings& s = desktop.settings;
    PresentChoice c;
    // Through OpenGL full screen is the desktop's own size, which even a screen
    // smaller than the picture has: the picture is scaled down to it.
    c.fullscreen = desktop.settings.fullscreen;
    c.scale = s.scale == SETTING_SCALE_INTEGER ? SCALE_INTEGER : SCALE_FIT;
    c.smooth = s.filter == SETTING_FILTER_SMOOTH;
    c.vsync = s.vsync != 0;
    c.window_scale = s.window_scale;
    return c;
}

// On the software path the layer over SDL 2 can still scale a window on the
// graphics card: as many times as the presenter's window would be. Read at
// each mode set; a player's own value is kept.
void scale_compat_window() {
    if (!on_compat_layer()) return;
    int desktop_w = 0, desktop_h = 0, w = 0, h = 0;
    desktop_size(&desktop_w, &desktop_h);
    presenter_window_size(present_choice(), desktop_w, desktop_h, PICTURE_WIDTH, PICTURE_HEIGHT, &w, &h);
    setenv("SDL12COMPAT_WINDOW_SCALING", std::to_string(w / PICTURE_WIDTH).c_str(), 0);
}

}  // namespace

void prepare_picture() {
    if (!desktop.own_display || !on_compat_layer()) return;
    // Read at SDL_Init. The presenter scales the picture itself: the layer
    // need not scale the OpenGL display once more through a buffer of its own.
    setenv("SDL12COMPAT_SCALE_METHOD",
           desktop.settings.filter == SETTING_FILTER_SMOOTH ? "linear" : "nearest", 0);
    setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
}

SDL_Surface* open_picture() {
    if (presenter_on()) return presenter_picture();  // a new game after a game over: the display stays
    // Refused once, OpenGL is not asked again in this run (after a game over).
    static bool refused = false;
    if (desktop.own_display && !refused) {
        std::string why;
        SDL_Surface* picture = open_presenter(present_choice(), PICTURE_WIDTH, PICTURE_HEIGHT, &why);
        if (picture) return picture;
        refused = true;
        std::fprintf(stderr, "cloudpiercer: no OpenGL (%s); showing the picture without it\n", why.c_str());
    }
    const Uint32 mode = display_mode_flag();
    // A window is scaled by the layer; a full screen covers the desktop by itself.
    if (desktop.on && !mode) scale_compat_window();
    return open_display(PICTURE_WIDTH, PICTURE_HEIGHT, PICTURE_BPP, DISPLAY_VIDEO_FLAGS | mode);
}

void show_picture(SDL_Surface* picture) {
    if (presenter_on()) {
        present_picture(picture);
    } else {
        SDL_Flip(picture);
    }
}

SDL_Surface* picture_format(SDL_Surface* loaded) {
    if (!presenter_on()) return SDL_DisplayFormat(loaded);
    // The picture's own 16 bits, so that a colour key matches the same
    // colours as on the software path (all that round to it in 16 bits).
    const Uint32 kept = loaded->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA | SDL_RLEACCELOK);
    return SDL_ConvertSurface(loaded, presenter_picture()->format, SDL_SWSURFACE | kept);
}
