// The settings file: window or full screen, volume, mute, the pad's dead
// zone and buttons, the player's keys, the music and effects volumes and
// the pause when another window takes the keys.
#include "desktop/settings.h"

#include <cstdio>

#include "controls/key_map.h"
#include "desktop/files.h"

namespace {

enum SettingKind { SETTING_SWITCH, SETTING_NUMBER, SETTING_KEY };

struct SettingRow {
    const char* key;
    SettingKind kind;
    bool Settings::*flag;   // SETTING_SWITCH
    int Settings::*number;  // SETTING_NUMBER
    int min, max;           // SETTING_NUMBER; SETTING_KEY: min is the Control
    const char* comment;    // written above the line; null: read but no longer written
};

// clang-format off
const SettingRow SETTINGS[] = {
    //key                  kind             flag                    number                        min max             comment
    {"fullscreen",        SETTING_SWITCH,  &Settings::fullscreen,  nullptr,                      0,  0,              "yes: full screen; no: an 800x600 window (F11 switches)"},
    {"volume",            SETTING_NUMBER,  nullptr,                &Settings::volume,            0,  VOLUME_LEVELS,  "music and effects, 0 (silent) to 8 (full)"},
    {"muted",             SETTING_SWITCH,  &Settings::muted,       nullptr,                      0,  0,              "yes: no sound at all (M switches)"},
    {"pad_dead_zone",     SETTING_NUMBER,  nullptr,                &Settings::pad_dead_zone,     0,  32767,          "stick travel that counts as centred, 0 to 32767"},
    {"pad_start_button",  SETTING_NUMBER,  nullptr,                &Settings::pad_start_button,  0,  63,             nullptr},  // now pad_pause
    {"key_up",            SETTING_KEY,     nullptr,                nullptr,                      CONTROL_UP,    0, "steers up (keys by SDL's names: a, space, left ctrl; F2 on the title sets them)"},
    {"key_down",          SETTING_KEY,     nullptr,                nullptr,                      CONTROL_DOWN,  0, "steers down"},
    {"key_left",          SETTING_KEY,     nullptr,                nullptr,                      CONTROL_LEFT,  0, "steers left"},
    {"key_right",         SETTING_KEY,     nullptr,                nullptr,                      CONTROL_RIGHT, 0, "steers right"},
    {"key_fire",          SETTING_KEY,     nullptr,                nullptr,                      CONTROL_FIRE,  0, "fires; selects on the title"},
    {"key_pause",         SETTING_KEY,     nullptr,                nullptr,                      CONTROL_PAUSE, 0, "pauses and continues"},
    {"pad_fire",          SETTING_NUMBER,  nullptr,                &Settings::pad_fire_button,   0,  PAD_BUTTON_MAX, "the pad button that fires, numbered from 0"},
    {"pad_pause",         SETTING_NUMBER,  nullptr,                &Settings::pad_start_button,  0,  PAD_BUTTON_MAX, "the pad button that pauses, numbered from 0"},
    {"music_volume",      SETTING_NUMBER,  nullptr,                &Settings::music_volume,      0,  VOLUME_LEVELS,  "the music under the volume above, 0 (silent) to 8 (full)"},
    {"effects_volume",    SETTING_NUMBER,  nullptr,                &Settings::effects_volume,    0,  VOLUME_LEVELS,  "the effects under the volume above, 0 (silent) to 8 (full)"},
    {"pause_on_focus_loss", SETTING_SWITCH, &Settings::pause_on_focus_loss, nullptr,             0,  0,              "yes: play pauses when another window takes the keys"},
};
// clang-format on

const SettingRow* find_setting(const std::string& key) {
    for (const SettingRow& row : SETTINGS) {
        if (key == row.key) return &row;
    }
    return nullptr;
}

// A key entry takes a named key that is not one of the desktop's own.
std::string apply_key(const SettingRow& row, const std::string& value, Settings* s) {
    const SDLKey key = key_of_name(value);
    if (key == SDLK_UNKNOWN) return "unknown key name '" + value + "' for " + row.key;
    if (reserved_key(key)) return "'" + value + "' is the desktop's own key, not one for " + row.key;
    s->keys.key[row.min] = key;
    return "";
}

// The problem with a line, empty when it was taken.
std::string apply_setting(const SettingRow& row, const std::string& value, Settings* s) {
    if (row.kind == SETTING_KEY) return apply_key(row, value, s);
    const bool ok = row.kind == SETTING_SWITCH ? parse_switch(value, &(s->*row.flag))
                                               : parse_number(value, row.min, row.max, &(s->*row.number));
    return ok ? "" : "bad value '" + value + "' for " + row.key;
}

// Two controls on one key: the one whose line comes later keeps its default.
// That default may be a key a line gave another control: again until no key
// is shared (each control goes back at most once; the defaults differ).
int settle_shared_keys(const std::string& path, int (&line_of)[CONTROL_COUNT], Settings* s) {
    const KeyMap defaults;
    int warnings = 0;
    for (;;) {
        int latest = -1;
        for (int c = 0; c < CONTROL_COUNT; ++c) {
            bool shared = false;
            for (int o = 0; o < CONTROL_COUNT; ++o)
                shared = shared || (o != c && s->keys.key[o] == s->keys.key[c]);
            if (shared && line_of[c] > 0 && (latest < 0 || line_of[c] > line_of[latest])) latest = c;
        }
        if (latest < 0) return warnings;
        std::fprintf(stderr, "cloudpiercer: %s:%d: '%s' is already another control's key; %s stays '%s'\n",
                     path.c_str(), line_of[latest], key_name(s->keys.key[latest]).c_str(),
                     control_setting_name(latest), key_name(defaults.key[latest]).c_str());
        s->keys.key[latest] = defaults.key[latest];
        line_of[latest] = 0;
        ++warnings;
    }
}

// The pad's fire and pause on one button: the later line keeps its default
// (the two defaults differ).
int settle_shared_button(const std::string& path, int fire_line, int pause_line, Settings* s) {
    if (s->pad_fire_button != s->pad_start_button || (fire_line == 0 && pause_line == 0)) return 0;
    const Settings defaults;
    const bool fire_later = fire_line > pause_line;
    int* const moved = fire_later ? &s->pad_fire_button : &s->pad_start_button;
    std::fprintf(stderr, "cloudpiercer: %s:%d: button %d is already the pad's %s; %s stays %d\n",
                 path.c_str(), fire_later ? fire_line : pause_line, *moved, fire_later ? "pause" : "fire",
                 fire_later ? "pad_fire" : "pad_pause",
                 fire_later ? defaults.pad_fire_button : defaults.pad_start_button);
    *moved = fire_later ? defaults.pad_fire_button : defaults.pad_start_button;
    return 1;
}

}  // namespace

std::string settings_file_path() {
    return player_file("XDG_CONFIG_HOME", ".config", "settings");
}

int read_settings(const std::string& path, Settings* s) {
    std::string text;
    const ReadResult read = read_small_file(path, &text);
    if (read == READ_MISSING) return 0;
    if (read == READ_UNREADABLE) {
        std::fprintf(stderr, "cloudpiercer: cannot read %s; using the default settings\n", path.c_str());
        return 1;
    }
    int warnings = 0;
    int key_line[CONTROL_COUNT] = {};   // the line that set each control's key
    int fire_line = 0, pause_line = 0;  // the same for the pad's buttons
    size_t pos = 0;
    for (int line = 1; pos < text.size(); ++line) {
        std::string key, value;
        const LineKind kind = next_setting_line(text, &pos, &key, &value);
        if (kind == LINE_BLANK) continue;
        const SettingRow* row = kind == LINE_PAIR ? find_setting(key) : nullptr;
        std::string problem;
        if (kind == LINE_BAD) {
            problem = "not a 'key = value' line";
        } else if (!row) {
            problem = "unknown key '" + key + "'";
        } else {
            problem = apply_setting(*row, value, s);
            if (problem.empty() && row->kind == SETTING_KEY) key_line[row->min] = line;
            if (problem.empty() && row->number == &Settings::pad_fire_button) fire_line = line;
            if (problem.empty() && row->number == &Settings::pad_start_button) pause_line = line;
        }
        if (problem.empty()) continue;
        std::fprintf(stderr, "cloudpiercer: %s:%d: %s, ignored\n", path.c_str(), line, problem.c_str());
        ++warnings;
    }
    warnings += settle_shared_keys(path, key_line, s);
    return warnings + settle_shared_button(path, fire_line, pause_line, s);
}

std::string settings_text(const Settings& s) {
    std::string text = "# Cloudpiercer settings: key = value; lines starting with # are comments.\n";
    for (const SettingRow& row : SETTINGS) {
        if (!row.comment) continue;
        text += std::string("\n# ") + row.comment + "\n" + row.key + " = ";
        if (row.kind == SETTING_KEY) {
            text += key_name(s.keys.key[row.min]);
        } else {
            text += row.kind == SETTING_SWITCH ? (s.*row.flag ? "yes" : "no") : std::to_string(s.*row.number);
        }
        text += "\n";
    }
    return text;
}

void save_settings() {
    if (!desktop.on) return;
    if (write_file_atomically(desktop.settings_path, settings_text(desktop.settings))) return;
    if (desktop.settings_warned) return;
    desktop.settings_warned = true;
    std::fprintf(stderr, "cloudpiercer: cannot write the settings file %s; settings are not kept\n",
                 desktop.settings_path.empty() ? "(no home folder)" : desktop.settings_path.c_str());
}
