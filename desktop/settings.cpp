// The settings file: window or full screen, volume, mute, the pad's dead
// zone and buttons, the player's keys, the music and effects volumes, the
// pause when another window takes the keys, and how the picture is scaled
// and shown.
#include "desktop/settings.h"

#include <cstdio>

#include "controls/key_map.h"
#include "desktop/files.h"

namespace {

enum SettingKind { SETTING_SWITCH, SETTING_NUMBER, SETTING_WORD, SETTING_KEY };

// A number that parses but would leave the pad unusable; nullptr when fine.
using Refusal = const char* (*)(int value);

const char* dead_zone_refusal(int zone) {
    return zone >= PAD_STICK_TRAVEL ? "leaves the stick no travel" : nullptr;
}

struct SettingRow {
    const char* key;
    SettingKind kind;
    bool Settings::*flag;   // SETTING_SWITCH
    int Settings::*number;  // SETTING_NUMBER; SETTING_WORD: the word's place in its list
    int min, max;           // SETTING_NUMBER; SETTING_KEY: min is the Control
    Refusal refusal;        // SETTING_NUMBER, or nullptr
    const char* comment;    // written above the line; null: read but no longer written
};

// clang-format off
const SettingRow SETTINGS[] = {
    //key                  kind             flag                    number                        min max               refusal               comment
    {"fullscreen",        SETTING_SWITCH,  &Settings::fullscreen,  nullptr,                      0,  0,                nullptr,              "yes: full screen; no: an 800x600 window (F11 switches)"},
    {"volume",            SETTING_NUMBER,  nullptr,                &Settings::volume,            0,  VOLUME_LEVELS,    nullptr,              "music and effects, 0 (silent) to 8 (full)"},
    {"muted",             SETTING_SWITCH,  &Settings::muted,       nullptr,                      0,  0,                nullptr,              "yes: no sound at all (M switches)"},
    {"pad_dead_zone",     SETTING_NUMBER,  nullptr,                &Settings::pad_dead_zone,     0,  PAD_STICK_TRAVEL, dead_zone_refusal,    "stick travel that counts as centred, 0 to 32766"},
    {"pad_start_button",  SETTING_NUMBER,  nullptr,                &Settings::pad_start_button,  0,  PAD_BUTTON_MAX,   nullptr,              nullptr},  // now pad_pause
    {"scale",             SETTING_WORD,    nullptr,                &Settings::scale,             0,  0,                nullptr,              "fit: the picture as large as the screen allows; integer: the largest whole multiple"},
    {"filter",            SETTING_WORD,    nullptr,                &Settings::filter,            0,  0,                nullptr,              "smooth: the scaled picture blended; sharp: every pixel a clean block"},
    {"vsync",             SETTING_WORD,    nullptr,                &Settings::vsync,             0,  0,                nullptr,              "on: each picture waits for the display's refresh; off: shown at once"},
    {"window_scale",      SETTING_WORD,    nullptr,                &Settings::window_scale,      0,  0,                nullptr,              "the window's size in 800x600s; auto: the largest that fits the desktop"},
    {"key_up",            SETTING_KEY,     nullptr,                nullptr,                      CONTROL_UP,    0,    nullptr,              "steers up (keys by SDL's names: a, space, left ctrl; F2 on the title sets them)"},
    {"key_down",          SETTING_KEY,     nullptr,                nullptr,                      CONTROL_DOWN,  0,    nullptr,              "steers down"},
    {"key_left",          SETTING_KEY,     nullptr,                nullptr,                      CONTROL_LEFT,  0,    nullptr,              "steers left"},
    {"key_right",         SETTING_KEY,     nullptr,                nullptr,                      CONTROL_RIGHT, 0,    nullptr,              "steers right"},
    {"key_fire",          SETTING_KEY,     nullptr,                nullptr,                      CONTROL_FIRE,  0,    nullptr,              "fires; selects on the title"},
    {"key_pause",         SETTING_KEY,     nullptr,                nullptr,                      CONTROL_PAUSE, 0,    nullptr,              "pauses and continues"},
    {"pad_fire",          SETTING_NUMBER,  nullptr,                &Settings::pad_fire_button,   0,  PAD_BUTTON_MAX,   nullptr,              "the pad button that fires, numbered from 0"},
    {"pad_pause",         SETTING_NUMBER,  nullptr,                &Settings::pad_start_button,  0,  PAD_BUTTON_MAX,   nullptr,              "the pad button that pauses, numbered from 0"},
    {"music_volume",      SETTING_NUMBER,  nullptr,                &Settings::music_volume,      0,  VOLUME_LEVELS,    nullptr,              "the music under the volume above, 0 (silent) to 8 (full)"},
    {"effects_volume",    SETTING_NUMBER,  nullptr,                &Settings::effects_volume,    0,  VOLUME_LEVELS,    nullptr,              "the effects under the volume above, 0 (silent) to 8 (full)"},
    {"pause_on_focus_loss", SETTING_SWITCH, &Settings::pause_on_focus_loss, nullptr,             0,  0,                nullptr,              "yes: play pauses when another window takes the keys"},
};

// The words a SETTING_WORD row takes, in the order of their numbers.
struct SettingWords {
    const char* key;
    const char* words[6];  // ends at the first null
};

const SettingWords WORDS[] = {
    {"scale",         {"fit", "integer"}},
    {"filter",        {"sharp", "smooth"}},
    {"vsync",         {"off", "on"}},
    {"window_scale",  {"auto", "1", "2", "3", "4"}},
};
// clang-format on

const char* const* words_of(const SettingRow& row) {
    for (const SettingWords& w : WORDS) {
        if (std::string(row.key) == w.key) return w.words;
    }
    return nullptr;
}

bool parse_word(const std::string& value, const char* const* words, int* out) {
    for (int i = 0; words && words[i]; ++i) {
        if (value == words[i]) {
            *out = i;
            return true;
        }
    }
    return false;
}

// The word at a place in the list; the first for a place it does not have.
const char* word_for(const char* const* words, int place) {
    for (int i = 0; words[i]; ++i) {
        if (i == place) return words[i];
    }
    return words[0];
}

const SettingRow* find_setting(const std::string& key) {
    for (const SettingRow& row : SETTINGS) {
        if (same_key(key, row.key)) return &row;
    }
    return nullptr;
}

// A key entry takes a named key that is not one of the desktop's own.
std::string apply_key(const SettingRow& row, const std::string& value, Settings* s) {
    const SDLKey key = key_of_name(value);
    if (key == SDLK_UNKNOWN) return "unknown key name '" + printable(value) + "' for " + row.key;
    if (reserved_key(key))
        return "'" + printable(value) + "' is the desktop's own key, not one for " + row.key;
    s->keys.key[row.min] = key;
    return "";
}

// Sets the row's setting from value; what is wrong with it when it cannot.
std::string apply_setting(const SettingRow& row, const std::string& value, Settings* s) {
    if (row.kind == SETTING_KEY) return apply_key(row, value, s);
    std::string bad = "bad value '" + printable(value) + "' for " + row.key;
    if (row.kind == SETTING_SWITCH) return parse_switch(value, &(s->*row.flag)) ? "" : bad;
    if (row.kind == SETTING_WORD) return parse_word(value, words_of(row), &(s->*row.number)) ? "" : bad;
    int number = 0;
    if (!parse_number(value, row.min, row.max, &number)) return bad;
    if (const char* refused = row.refusal ? row.refusal(number) : nullptr) {
        return std::string(row.key) + " = " + value + " " + refused;
    }
    s->*row.number = number;
    return "";
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
                     printable(path).c_str(), line_of[latest], key_name(s->keys.key[latest]).c_str(),
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
    std::fprintf(stderr, "cloudpiercer: %s:%d: button %d is already the pad's %s button; %s stays %d\n",
                 printable(path).c_str(), fire_later ? fire_line : pause_line, *moved,
                 fire_later ? "pause" : "fire", fire_later ? "pad_fire" : "pad_pause",
                 fire_later ? defaults.pad_fire_button : defaults.pad_start_button);
    *moved = fire_later ? defaults.pad_fire_button : defaults.pad_start_button;
    return 1;
}

}  // namespace

std::string settings_file_path() {
    return player_file("XDG_CONFIG_HOME", ".config", "settings");
}

int read_settings(const std::string& path, Settings* s, bool* unreadable) {
    if (unreadable) *unreadable = false;
    std::string text, why;
    const ReadResult read = read_small_file(path, &text, &why);
    if (read == READ_MISSING) return 0;
    if (read == READ_UNREADABLE) {
        std::fprintf(stderr,
                     "cloudpiercer: cannot read %s (%s); playing with the default settings, the file left as "
                     "it is\n",
                     printable(path).c_str(), why.c_str());
        if (unreadable) *unreadable = true;
        return 1;
    }
    return parse_settings(text, path, s);
}

int parse_settings(const std::string& text, const std::string& path, Settings* s) {
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
            problem = "unknown key '" + printable(key) + "'";
        } else {
            problem = apply_setting(*row, value, s);
            if (problem.empty() && row->kind == SETTING_KEY) key_line[row->min] = line;
            if (problem.empty() && row->number == &Settings::pad_fire_button) fire_line = line;
            if (problem.empty() && row->number == &Settings::pad_start_button) pause_line = line;
        }
        if (problem.empty()) continue;
        std::fprintf(stderr, "cloudpiercer: %s:%d: %s, ignored\n", printable(path).c_str(), line,
                     problem.c_str());
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
        } else if (row.kind == SETTING_WORD) {
            text += word_for(words_of(row), s.*row.number);
        } else {
            text += row.kind == SETTING_SWITCH ? (s.*row.flag ? "yes" : "no") : std::to_string(s.*row.number);
        }
        text += "\n";
    }
    return text;
}

void save_settings() {
    if (!desktop.on || desktop.settings_left_alone) return;  // said when it was read
    if (write_file_atomically(desktop.settings_path, settings_text(desktop.settings))) return;
    if (desktop.settings_warned) return;
    desktop.settings_warned = true;
    std::fprintf(
        stderr, "cloudpiercer: cannot write the settings file %s; settings are not kept\n",
        desktop.settings_path.empty() ? "(no home folder)" : printable(desktop.settings_path).c_str());
}
