// Desktop state: what the game keeps of the player's desktop between runs and
// while it runs (settings, best scores, the gamepad, the display mode).
//
// NOTES: one global record, `desktop`, written by start_desktop (from the
// command line and the two files) and by the desktop keys and pad events
// that poll_input handles. While `on` is false (the game library driven
// without its command line, as the tests do) every desktop call does nothing
// and the game behaves exactly as without these extensions.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "controls/key_map.h"

// Volume in steps of VOLUME_STEP mixer units: VOLUME_LEVELS steps make the
// mixer's full volume, the game's volume without a settings file.
constexpr int VOLUME_LEVELS = 8;
constexpr int VOLUME_STEP = 16;  // MIX_MAX_VOLUME / VOLUME_LEVELS

// Stick travel (of PAD_STICK_TRAVEL) that counts as no tilt: worn sticks
// rest off centre.
constexpr int PAD_DEAD_ZONE = 8000;
constexpr int PAD_STICK_TRAVEL = 32767;
// The button that fires, as left Ctrl does.
constexpr int PAD_FIRE_BUTTON = 0;
// The start button of the common pads that number their buttons from the
// four face buttons, the two shoulders and back (0 to 6).
constexpr int PAD_START_BUTTON = 7;
constexpr int PAD_BUTTON_MAX = 63;

// The picture's settings are word choices, kept as the word's place in its
// list (desktop/settings.cpp): scale = fit | integer, filter = sharp | smooth,
// vsync = off | on, window_scale = auto | 1 | 2 | 3 | 4.
constexpr int SETTING_SCALE_FIT = 0;
constexpr int SETTING_SCALE_INTEGER = 1;
constexpr int SETTING_FILTER_SHARP = 0;
constexpr int SETTING_FILTER_SMOOTH = 1;
constexpr int WINDOW_SCALE_AUTO = 0;

// What the settings file holds. Defaults are the game as designed. The
// first five can be given in order, as the settings of the first version
// were; the rest start as their defaults.
struct Settings {
    Settings() = default;
    Settings(bool fullscreen_, int volume_, bool muted_, int pad_dead_zone_, int pad_start_button_)
        : fullscreen(fullscreen_),
          volume(volume_),
          muted(muted_),
          pad_dead_zone(pad_dead_zone_),
          pad_start_button(pad_start_button_) {}
    bool fullscreen = true;
    int volume = VOLUME_LEVELS;  // 0..VOLUME_LEVELS
    bool muted = false;
    int pad_dead_zone = PAD_DEAD_ZONE;        // 0..PAD_STICK_TRAVEL - 1
    int pad_start_button = PAD_START_BUTTON;  // 0..63, the button that pauses, not the fire button
    KeyMap keys;                              // the player's key for each control
    int pad_fire_button = PAD_FIRE_BUTTON;    // 0..63
    int music_volume = VOLUME_LEVELS;         // 0..VOLUME_LEVELS, under the volume above
    int effects_volume = VOLUME_LEVELS;       // the same for the effects
    bool pause_on_focus_loss = true;          // another window taking the keys pauses play
    int scale = SETTING_SCALE_FIT;
    int filter = SETTING_FILTER_SMOOTH;
    int vsync = 1;
    int window_scale = WINDOW_SCALE_AUTO;  // or 1..4 times the picture
};

// Best score reached on each difficulty (index: difficulty 1..3; 0 unused).
constexpr int BEST_SLOTS = 4;
constexpr int32_t BEST_MAX = 9999;  // the HUD's four digits
struct BestScores {
    int32_t best[BEST_SLOTS] = {};
    int32_t resume_level = 1;  // where "resume" starts: the level the last story led to
};

// The virtual keys a pad holds, and the key events it has made and the game
// has not yet taken. Synthesised events do not show in SDL_GetKeyState.
constexpr int PAD_ARROWS = 4;        // up, down, left, right
constexpr int PAD_PENDING_MAX = 16;  // a pad event makes at most 8
struct PadState {
    SDL_Joystick* joystick = nullptr;  // the first joystick, opened once a run
    int stick_x = 0, stick_y = 0;      // -1, 0, +1 after the dead zone
    Uint8 hat = SDL_HAT_CENTERED;      // SDL_HAT_* bits of the first hat
    bool arrow_held[PAD_ARROWS] = {};  // virtual arrow keys down now
    bool fire_held = false;            // the fire button is down
    SDL_Event pending[PAD_PENDING_MAX];
    int pending_first = 0, pending_count = 0;
};

struct DesktopState {
    bool on = false;            // the desktop extensions are active
    bool own_display = false;   // started from the command line: OpenGL may be tried
    Settings settings;          // as read, then as changed by the player
    std::string settings_path;  // empty: nowhere to keep them
    BestScores scores;
    std::string scores_path;       // empty: nowhere to keep them
    bool scores_dirty = false;     // a best score not yet written
    bool settings_warned = false;  // one warning a run for an unwritable folder
    bool scores_warned = false;    // the same for the scores
    // A file that was there but could not be read is never written over in
    // that run: it may hold what the player wants kept.
    bool settings_left_alone = false;
    bool scores_left_alone = false;
    // --fullscreen over a window in the file, written once the display has
    // opened full screen: a mode that could not be had is never kept.
    bool fullscreen_unconfirmed = false;
    bool no_full_screen_said = false;  // the screen too small for it, said once
    SDL_Surface* digits = nullptr;     // the score digit strip, for the title
    PadState pad;
};

extern DesktopState desktop;
