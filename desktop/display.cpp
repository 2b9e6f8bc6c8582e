// Window or full screen, chosen on the command line or in the settings, and
// switched by F11 or Alt+Enter.
#include "desktop/display.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/game_state.h"
#include "desktop/desktop_state.h"
#include "desktop/settings.h"
#include "present/presenter.h"

namespace {

// The size and depth of the picture the start-up opens (io/picture.cpp).
constexpr int DISPLAY_WIDTH = 800;
constexpr int DISPLAY_HEIGHT = 600;
constexpr int DISPLAY_BPP = 16;

bool mode_available(Uint32 mode) {
    return SDL_VideoModeOK(DISPLAY_WIDTH, DISPLAY_HEIGHT, DISPLAY_BPP, DISPLAY_VIDEO_FLAGS | mode) != 0;
}

// A screen smaller than the game has no full-screen mode for it; the game
// plays in a window instead of not at all. Said once a run.
void say_no_full_screen(const char* what_instead) {
    if (desktop.no_full_screen_said) return;
    desktop.no_full_screen_said = true;
    std::fprintf(stderr, "cloudpiercer: this screen has no %dx%d full-screen mode; %s\n", DISPLAY_WIDTH,
                 DISPLAY_HEIGHT, what_instead);
}

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
    const SDL_VideoInfo* shown = SDL_GetVideoInfo();
    if (screen || !(flags & SDL_FULLSCREEN) || !on_sdl2_layer() || !shown || shown->current_w <= 0 ||
        shown->current_h <= 0 || std::getenv("SDL12COMPAT_WINDOW_SCALING") ||
        std::getenv("SDL_VIDEO_WINDOW_POS")) {
        return SDL_SetVideoMode(w, h, bpp, flags);
    }
    const double scale = std::max(double(shown->current_w) / w, double(shown->current_h) / h);
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
    if (!desktop.on) return SDL_FULLSCREEN;
    if (!desktop.settings.fullscreen) return 0;
    // With neither mode the start-up says it cannot open the display.
    if (mode_available(SDL_FULLSCREEN) || !mode_available(0)) return SDL_FULLSCREEN;
    say_no_full_screen("playing in a window");
    if (desktop.fullscreen_unconfirmed) desktop.settings.fullscreen = false;  // as the file has it
    desktop.fullscreen_unconfirmed = false;
    return 0;
}

void keep_display_choice() {
    if (!desktop.on || !screen || !desktop.fullscreen_unconfirmed) return;
    desktop.fullscreen_unconfirmed = false;
    const bool fullscreen = presenter_on() ? presenter_fullscreen() : (screen->flags & SDL_FULLSCREEN) != 0;
    if (fullscreen) save_settings();
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
    const bool to_full_screen = (screen->flags & SDL_FULLSCREEN) == 0;
    if (to_full_screen && !mode_available(SDL_FULLSCREEN)) {
        say_no_full_screen("staying in a window");
        return;  // and nothing saved: the next start must still open
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
    const bool fullscreen = (screen->flags & SDL_FULLSCREEN) != 0;
    if (fullscreen == desktop.settings.fullscreen) return;  // the switch did not take
    desktop.settings.fullscreen = fullscreen;
    save_settings();
}
