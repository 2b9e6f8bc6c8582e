// The controls screen: pick a row, press the new key (or pad button); a key
// another control has swaps the two; the desktop's keys are refused; Escape
// cancels; resetting asks first.
#include "controls/controls_screen.h"

#include <cstdlib>
#include <string>

#include "assets/image_bank.h"
#include "assets/sound_bank.h"
#include "controls/key_map.h"
#include "controls/letters.h"
#include "core/clock.h"
#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "desktop/gamepad.h"
#include "desktop/screenshot.h"
#include "desktop/settings.h"
#include "desktop/volume.h"
#include "io/picture.h"
#include "render/scene.h"

namespace {

// The rows after the six controls, as the forge letters them (screens_controls.cpp).
enum ExtraRow { ROW_DEAD_ZONE = CONTROL_COUNT, ROW_MUSIC, ROW_EFFECTS, ROW_RESET, ROW_BACK, ROW_COUNT };
constexpr int FIRST_ROW_Y = 146;
constexpr int ROW_STEP = 34;
constexpr int ROW_LEFT = 112;
constexpr int ROW_WIDTH = 576;
constexpr int KEY_X = 380;
constexpr int PAD_X = 590;
constexpr int MESSAGE_Y = 540;
constexpr int FOOTER_Y = 567;  // the title's footer, over its line of hints
// The line of the pause panel that names the key (bmp/paused.bmp), and the
// panel's colour around it.
constexpr SDL_Rect PAUSE_HINT{190, 322, 420, 34};
constexpr int PAUSE_HINT_TEXT_Y = 328;
constexpr Uint8 HINT_RED = 15, HINT_GREEN = 19, HINT_BLUE = 62;

constexpr int DEAD_ZONE_STEP = 2000;
constexpr Uint32 REST_MS = 5;
constexpr Uint32 REFRESH_MS = 500;
constexpr Uint8 CURSOR_RED = 255, CURSOR_GREEN = 208, CURSOR_BLUE = 64;

enum Mode {
    MODE_CHOOSE,   // moving between rows
    MODE_CAPTURE,  // waiting for the new key or button of the row
    MODE_CONFIRM,  // asking before the reset
    MODE_LEAVE,
};

struct ControlsMenu {
    int row = 0;
    Mode mode = MODE_CHOOSE;
    std::string message;  // under the rows: what to do now, or what went wrong
    int edits = 0;        // changes made: the settings need writing
};

std::string level_text(int amount) {
    return std::to_string(amount) + " of " + std::to_string(VOLUME_LEVELS);
}

void draw_row(const ControlsMenu& m, int row, SDL_Surface* target) {
    const Settings& s = desktop.settings;
    const int y = FIRST_ROW_Y + row * ROW_STEP;
    const LetterColour colour = row == m.row ? LETTERS_GOLD : LETTERS_WHITE;
    std::string key, pad;
    if (row < CONTROL_COUNT) {
        key = m.mode == MODE_CAPTURE && row == m.row ? "..." : key_name(s.keys.key[row]);
        pad = row == CONTROL_FIRE    ? std::to_string(s.pad_fire_button)
              : row == CONTROL_PAUSE ? std::to_string(s.pad_start_button)
                                     : "stick, hat";
    } else if (row == ROW_DEAD_ZONE) {
        pad = std::to_string(s.pad_dead_zone);
    } else if (row == ROW_MUSIC) {
        key = level_text(s.music_volume);
    } else if (row == ROW_EFFECTS) {
        key = level_text(s.effects_volume);
    }
    draw_letters(target, KEY_X, y, key, colour);
    draw_letters(target, PAD_X, y, pad, colour);
}

void draw_screen(SDL_Surface* background, const ControlsMenu& m, SDL_Surface* target) {
    blit_picture(background, nullptr, 0, 0, target);
    // a gold frame around the chosen row
    const Uint32 gold = SDL_MapRGB(target->format, CURSOR_RED, CURSOR_GREEN, CURSOR_BLUE);
    const int top = FIRST_ROW_Y + m.row * ROW_STEP - 5;
    const int height = LETTER_H + 8;
    SDL_Rect edges[4] = {
        {Sint16(ROW_LEFT), Sint16(top), Uint16(ROW_WIDTH), 2},
        {Sint16(ROW_LEFT), Sint16(top + height - 2), Uint16(ROW_WIDTH), 2},
        {Sint16(ROW_LEFT), Sint16(top), 2, Uint16(height)},
        {Sint16(ROW_LEFT + ROW_WIDTH - 2), Sint16(top), 2, Uint16(height)},
    };
    for (SDL_Rect& edge : edges) SDL_FillRect(target, &edge, gold);
    for (int row = 0; row < ROW_COUNT; ++row) draw_row(m, row, target);
    const int x = (PICTURE_WIDTH - letters_width(m.message)) / 2;
    draw_letters(target, x, MESSAGE_Y, m.message, LETTERS_GOLD);
    show_picture(target);
}

void reset_to_defaults() {
    const Settings defaults;
    Settings& s = desktop.settings;
    s.keys = defaults.keys;
    s.pad_fire_button = defaults.pad_fire_button;
    s.pad_start_button = defaults.pad_start_button;
    s.pad_dead_zone = defaults.pad_dead_zone;
    s.music_volume = defaults.music_volume;
    s.effects_volume = defaults.effects_volume;
    apply_volume();
}

// Left and right on a row with a level.
void step_level(ControlsMenu* m, int step) {
    Settings& s = desktop.settings;
    int* setting = nullptr;
    int max = VOLUME_LEVELS, size = 1;
    if (m->row == ROW_DEAD_ZONE) {
        setting = &s.pad_dead_zone;
        max = 32767;
        size = DEAD_ZONE_STEP;
    } else if (m->row == ROW_MUSIC) {
        setting = &s.music_volume;
    } else if (m->row == ROW_EFFECTS) {
        setting = &s.effects_volume;
    }
    if (!setting) return;
    const int next = *setting + step * size;
    *setting = next < 0 ? 0 : next > max ? max : next;
    m->edits += 1;
    apply_volume();
    play_sound(sounds.beep);  // heard at the effects' new setting
}

void select_row(ControlsMenu* m) {
    if (m->row < CONTROL_COUNT) {
        m->mode = MODE_CAPTURE;
        m->message = m->row == CONTROL_FIRE || m->row == CONTROL_PAUSE
                         ? std::string("Press a key or pad button for ") + control_label(m->row)
                         : std::string("Press the new key for ") + control_label(m->row);
    } else if (m->row == ROW_RESET) {
        m->mode = MODE_CONFIRM;
        m->message = "Reset every key, button and level? Return: yes, Esc: no";
    } else if (m->row == ROW_BACK) {
        m->mode = MODE_LEAVE;
    }
}

// The player's key pressed while waiting for one.
void capture_key(ControlsMenu* m, SDLKey key) {
    if (key == SDLK_ESCAPE) {
        m->message = "";
    } else if (!assign_key(&desktop.settings.keys, m->row, key)) {
        const std::string name = key_name(key).empty() ? std::string("that key") : key_name(key);
        m->message = name + " is the desktop's own: choose another";
        return;
    } else {
        m->message = "";
        m->edits += 1;
        play_sound(sounds.beep);
    }
    m->mode = MODE_CHOOSE;
}

// A pad button while waiting: fire and pause take it; another control's
// button swaps.
void capture_button(ControlsMenu* m, int button) {
    Settings& s = desktop.settings;
    int* chosen = m->row == CONTROL_FIRE    ? &s.pad_fire_button
                  : m->row == CONTROL_PAUSE ? &s.pad_start_button
                                            : nullptr;
    if (!chosen) return;  // the stick and hat steer
    int* other = chosen == &s.pad_fire_button ? &s.pad_start_button : &s.pad_fire_button;
    if (*other == button) *other = *chosen;
    *chosen = button;
    m->message = "";
    m->edits += 1;
    m->mode = MODE_CHOOSE;
    play_sound(sounds.beep);
}

void move_cursor(ControlsMenu* m, int step) {
    const int row = m->row + step;
    if (row < 0 || row >= ROW_COUNT) return;
    m->row = row;
    play_sound(sounds.beep);
}

// The row's step for a key: the arrows always move (a player whose keys went
// wrong can still put them right), then the player's own steering keys.
int step_of(SDLKey key, int back, int forward, SDLKey back_arrow, SDLKey forward_arrow) {
    if (key == back_arrow) return -1;
    if (key == forward_arrow) return +1;
    if (key == desktop.settings.keys.key[back]) return -1;
    if (key == desktop.settings.keys.key[forward]) return +1;
    return 0;
}

bool choose_pressed(SDLKey key) {
    return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == desktop.settings.keys.key[CONTROL_FIRE];
}

void choose_key(ControlsMenu* m, SDLKey key) {
    if (m->mode == MODE_CONFIRM) {
        if (choose_pressed(key)) {
            reset_to_defaults();
            m->edits += 1;
            play_sound(sounds.beep);
        }
        m->message = "";
        m->mode = MODE_CHOOSE;
        return;
    }
    if (key == SDLK_ESCAPE || key == SDLK_F2) {
        m->mode = MODE_LEAVE;
        return;
    }
    const int row_step = step_of(key, CONTROL_UP, CONTROL_DOWN, SDLK_UP, SDLK_DOWN);
    const int level_step = step_of(key, CONTROL_LEFT, CONTROL_RIGHT, SDLK_LEFT, SDLK_RIGHT);
    if (row_step != 0) {
        move_cursor(m, row_step);
    } else if (level_step != 0) {
        step_level(m, level_step);
    } else if (choose_pressed(key)) {
        select_row(m);
    }
}

void take_events(ControlsMenu* m, SDL_Surface* picture) {
    SDL_Event event;
    while (m->mode != MODE_LEAVE && SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT:
                std::exit(0);
            case SDL_JOYBUTTONDOWN:
                if (event.jbutton.which == 0 && m->mode == MODE_CAPTURE) {
                    capture_button(m, event.jbutton.button);
                    break;
                }
                if (event.jbutton.which == 0 && m->mode == MODE_CHOOSE &&
                    event.jbutton.button == desktop.settings.pad_fire_button) {
                    select_row(m);
                }
                break;
            case SDL_KEYDOWN: {
                const SDL_keysym& key = event.key.keysym;
                if (key.sym == SDLK_F12) {
                    take_screenshot(picture);
                } else if (m->mode == MODE_CAPTURE) {
                    capture_key(m, key.sym);
                } else if (!display_key(key) && !volume_key(key.sym)) {
                    choose_key(m, key.sym);
                }
                break;
            }
            default:
                break;
        }
        // the pad's state follows it (its keys do nothing here)
        if (translate_pad_event(&desktop.pad, event, desktop.settings)) {
            SDL_Event pad_key;
            while (take_pad_key(&desktop.pad, &pad_key)) {
            }
        }
    }
}

}  // namespace

void controls_screen(SDL_Surface* picture) {
    if (!picture) return;
    SDL_Surface* background = load_raw_picture("controls/controls.bmp");
    SDL_Surface* under = SDL_ConvertSurface(picture, picture->format, picture->flags);
    ControlsMenu menu;
    Uint32 last_draw = clock_now() - REFRESH_MS;
    ControlsMenu drawn;
    while (menu.mode != MODE_LEAVE) {
        take_events(&menu, picture);
        const bool changed = menu.row != drawn.row || menu.mode != drawn.mode ||
                             menu.message != drawn.message || menu.edits != drawn.edits;
        if (menu.mode != MODE_LEAVE && (changed || clock_now() - last_draw >= REFRESH_MS)) {
            draw_screen(background, menu, picture);
            drawn = menu;
            last_draw = clock_now();
        }
        if (menu.mode != MODE_LEAVE) clock_rest(REST_MS);
    }
    if (menu.edits > 0) save_settings();
    if (under) {
        SDL_BlitSurface(under, nullptr, picture, nullptr);
        show_picture(picture);
    }
    SDL_FreeSurface(under);
    SDL_FreeSurface(background);
}

void draw_title_footer(SDL_Surface* target) {
    if (!desktop.on) return;
    static SDL_Surface* footer = nullptr;  // kept for the run
    if (!footer) footer = load_raw_picture("controls/title_footer.bmp");
    blit_picture(footer, nullptr, 0, FOOTER_Y, target);
}

void draw_pause_hint(SDL_Surface* target) {
    const SDLKey key = desktop.settings.keys.key[CONTROL_PAUSE];
    if (!desktop.on || key == GAME_KEY[CONTROL_PAUSE]) return;
    SDL_Rect line = PAUSE_HINT;
    SDL_FillRect(target, &line, SDL_MapRGB(target->format, HINT_RED, HINT_GREEN, HINT_BLUE));
    const std::string text = "Press " + key_name(key) + " to continue";
    draw_letters(target, (PICTURE_WIDTH - letters_width(text)) / 2, PAUSE_HINT_TEXT_Y, text, LETTERS_WHITE);
}
