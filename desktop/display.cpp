// Window or full screen, chosen on the command line or in the settings, and
// switched by F11 or Alt+Enter.
#include "desktop/display.h"

#include <cstdio>
#include <cstdlib>

#include "core/game_state.h"
#include "desktop/desktop_state.h"
#include "desktop/settings.h"
#include "present/presenter.h"

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
    // Through OpenGL the display is set again around the game's own picture,
    // which every screen keeps drawing into.
    if (presenter_on()) {
        if (!switch_presenter_mode()) {
            std::fprintf(stderr, "cloudpiercer: cannot set the display again: %s\n", SDL_GetError());
            std::exit(1);
        }
        desktop.settings.fullscreen = presenter_fullscreen();
        save_settings();
        return;
    }
    // The X11 driver switches the window it has: the display surface, and
    // every screen's pointer to it, stays valid. Drivers that cannot (the
    // dummy one) get the mode set again on the same surface record.
    if (!SDL_WM_ToggleFullScreen(screen)) {
        const int w = screen->w, h = screen->h, bpp = screen->format->BitsPerPixel;
        const Uint32 now = screen->flags & SDL_FULLSCREEN;
        SDL_Surface* again = SDL_SetVideoMode(w, h, bpp, DISPLAY_VIDEO_FLAGS | (now ^ SDL_FULLSCREEN));
        if (!again) again = SDL_SetVideoMode(w, h, bpp, DISPLAY_VIDEO_FLAGS | now);  // back to the old mode
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
