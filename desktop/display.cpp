// Window or full screen, chosen on the command line or in the settings, and
// switched by F11 or Alt+Enter.
#include "desktop/display.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/game_state.h"
#include "desktop/desktop_state.h"
#include "desktop/settings.h"

namespace {

// The start-up's flags besides the mode (core/game.cpp).
constexpr Uint32 VIDEO_FLAGS = SDL_HWSURFACE | SDL_DOUBLEBUF;

// The layer over SDL 2 calls itself SDL 1.2.50 or later.
bool on_sdl2_layer() {
    return SDL_Linked_Version()->patch >= 50;
}

}  // namespace

SDL_Surface* open_display(int w, int h, int bpp, Uint32 flags) {
    // The layer makes a window full screen after creating it at the game's
    // size, and only a window manager resizes it: on a bare X server it would
    // stay 800x600 while the picture is scaled for the whole desktop, most of
    // it cut off. A window made to cover the desktop is already what full
    // screen needs. Once open (a restart after a game over), it is kept.
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    if (screen || !(flags & SDL_FULLSCREEN) || !on_sdl2_layer() || !desktop || desktop->current_w <= 0 ||
        desktop->current_h <= 0 || std::getenv("SDL12COMPAT_WINDOW_SCALING") ||
        std::getenv("SDL_VIDEO_WINDOW_POS")) {
        return SDL_SetVideoMode(w, h, bpp, flags);
    }
    const double scale = std::max(double(desktop->current_w) / w, double(desktop->current_h) / h);
    char scaling[32];
    std::snprintf(scaling, sizeof scaling, "%.4f", scale);
    setenv("SDL12COMPAT_WINDOW_SCALING", scaling, 1);
    setenv("SDL_VIDEO_WINDOW_POS", "0,0", 1);
    SDL_Surface* covering = SDL_SetVideoMode(w, h, bpp, flags & ~SDL_FULLSCREEN);
    unsetenv("SDL12COMPAT_WINDOW_SCALING");
    unsetenv("SDL_VIDEO_WINDOW_POS");
    if (!covering) return SDL_SetVideoMode(w, h, bpp, flags);
    SDL_WM_ToggleFullScreen(covering);
    return covering;
}

Uint32 display_mode_flag() {
    return !desktop.on || desktop.settings.fullscreen ? SDL_FULLSCREEN : 0;
}

bool display_key(const SDL_keysym& key) {
    const bool alt_enter = key.sym == SDLK_RETURN && (key.mod & KMOD_ALT) != 0;
    if (key.sym != SDLK_F11 && !alt_enter) return false;
    toggle_display_mode();
    return true;
}

void toggle_display_mode() {
    if (!screen) return;
    // The X11 driver switches the window it has: the display surface, and
    // every screen's pointer to it, stays valid. Drivers that cannot (the
    // dummy one) get the mode set again on the same surface record.
    if (!SDL_WM_ToggleFullScreen(screen)) {
        const int w = screen->w, h = screen->h, bpp = screen->format->BitsPerPixel;
        const Uint32 now = screen->flags & SDL_FULLSCREEN;
        SDL_Surface* again = SDL_SetVideoMode(w, h, bpp, VIDEO_FLAGS | (now ^ SDL_FULLSCREEN));
        if (!again) again = SDL_SetVideoMode(w, h, bpp, VIDEO_FLAGS | now);  // back to the old mode
        if (!again) {
            std::fprintf(stderr, "cloudpiercer: cannot set the %dx%d display again: %s\n", w, h,
                         SDL_GetError());
            std::exit(1);
        }
        screen = again;
    }
    desktop.settings.fullscreen = (screen->flags & SDL_FULLSCREEN) != 0;
    save_settings();
}
