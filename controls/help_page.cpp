// The help page: a forged panel with the player's keys lettered on it.
#include "controls/help_page.h"

#include <string>

#include "assets/image_bank.h"
#include "controls/key_map.h"
#include "controls/letters.h"
#include "core/clock.h"
#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "desktop/gamepad.h"
#include "desktop/screenshot.h"
#include "desktop/volume.h"
#include "io/picture.h"
#include "render/scene.h"

namespace {

// The panel's place and its rows, as the forge draws them (screens_controls.cpp).
constexpr int PANEL_W = 600;
constexpr int PANEL_H = 420;
constexpr int PANEL_X = (PICTURE_WIDTH - PANEL_W) / 2;
constexpr int PANEL_Y = (PICTURE_HEIGHT - PANEL_H) / 2;
constexpr int FIRST_ROW_Y = PANEL_Y + 96;
constexpr int ROW_STEP = 30;
constexpr int KEY_X = PANEL_X + 110;

constexpr Uint32 REST_MS = 5;
constexpr Uint32 REFRESH_MS = 500;

// What a control's row says: the key, and for fire and pause the pad button.
std::string control_text(int c) {
    std::string text = key_name(desktop.settings.keys.key[c]);
    if (c == CONTROL_FIRE) text += ", pad " + std::to_string(desktop.settings.pad_fire_button);
    if (c == CONTROL_PAUSE) text += ", pad " + std::to_string(desktop.settings.pad_start_button);
    return text;
}

void draw_help(SDL_Surface* help_panel, SDL_Surface* under, SDL_Surface* target) {
    SDL_BlitSurface(under, nullptr, target, nullptr);
    blit_picture(help_panel, nullptr, PANEL_X, PANEL_Y, target);
    for (int c = 0; c < CONTROL_COUNT; ++c) {
        draw_letters(target, KEY_X, FIRST_ROW_Y + c * ROW_STEP, control_text(c), LETTERS_GOLD);
    }
    show_picture(target);
}

// Takes every pending event: true when the page is to close.
bool close_pressed(SDL_Surface* picture) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        // the pad's state follows it; its keys do nothing here
        if (translate_pad_event(&desktop.pad, event, desktop.settings)) {
            SDL_Event pad_key;
            while (take_pad_key(&desktop.pad, &pad_key)) {
            }
            continue;
        }
        if (event.type == SDL_QUIT) {
            SDL_PushEvent(&event);  // for the screen below, after the page has gone
            return true;
        }
        if (event.type != SDL_KEYDOWN) continue;
        const SDL_keysym& key = event.key.keysym;
        if (key.sym == SDLK_F1 || key.sym == SDLK_ESCAPE) return true;
        if (key.sym == SDLK_F12) take_screenshot(picture);
        display_key(key) || volume_key(key.sym);
    }
    return false;
}

}  // namespace

void help_page(SDL_Surface* picture) {
    if (!picture) return;
    SDL_Surface* panel = load_raw_picture("controls/help.bmp");
    SDL_Surface* under = SDL_ConvertSurface(picture, picture->format, picture->flags);
    if (!panel || !under) {
        SDL_FreeSurface(panel);
        SDL_FreeSurface(under);
        return;
    }
    bool closing = false;
    Uint32 last_draw = clock_now() - REFRESH_MS;
    while (!closing) {
        if (clock_now() - last_draw >= REFRESH_MS) {
            draw_help(panel, under, picture);
            last_draw = clock_now();
        }
        closing = close_pressed(picture);
        if (!closing) clock_rest(REST_MS);
    }
    SDL_BlitSurface(under, nullptr, picture, nullptr);
    show_picture(picture);
    SDL_FreeSurface(under);
    SDL_FreeSurface(panel);
}
