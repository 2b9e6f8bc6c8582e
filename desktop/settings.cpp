// The settings file: window or full screen, volume, mute, the pad's dead
// zone and start button, and how the picture is scaled and shown.
#include "desktop/settings.h"

#include <cstdio>

#include "desktop/files.h"

namespace {

enum SettingKind { SETTING_SWITCH, SETTING_NUMBER, SETTING_WORD };

// A number that parses but would leave the pad unusable; nullptr when fine.
using Refusal = const char* (*)(int value);

const char* dead_zone_refusal(int zone) {
    return zone >= PAD_STICK_TRAVEL ? "leaves the stick no travel" : nullptr;
}

const char* start_button_refusal(int button) {
    return button == PAD_FIRE_BUTTON ? "is the fire button" : nullptr;
}

struct SettingRow {
    const char* key;
    SettingKind kind;
    bool Settings::*flag;   // SETTING_SWITCH
    int Settings::*number;  // SETTING_NUMBER; SETTING_WORD: the word's place in its list
    int min, max;           // SETTING_NUMBER
    Refusal refusal;        // SETTING_NUMBER, or nullptr
    const char* comment;    // written above the line
};

// clang-format off
const SettingRow SETTINGS[] = {
    //key                  kind             flag                    number                        min max               refusal               comment
    {"fullscreen",        SETTING_SWITCH,  &Settings::fullscreen,  nullptr,                      0,  0,                nullptr,              "yes: full screen; no: an 800x600 window (F11 switches)"},
    {"volume",            SETTING_NUMBER,  nullptr,                &Settings::volume,            0,  VOLUME_LEVELS,    nullptr,              "music and effects, 0 (silent) to 8 (full)"},
    {"muted",             SETTING_SWITCH,  &Settings::muted,       nullptr,                      0,  0,                nullptr,              "yes: no sound at all (M switches)"},
    {"pad_dead_zone",     SETTING_NUMBER,  nullptr,                &Settings::pad_dead_zone,     0,  PAD_STICK_TRAVEL, dead_zone_refusal,    "stick travel that counts as centred, 0 to 32766"},
    {"pad_start_button",  SETTING_NUMBER,  nullptr,                &Settings::pad_start_button,  0,  63,               start_button_refusal, "the pad button that pauses, numbered from 0 (0 fires)"},
    {"scale",             SETTING_WORD,    nullptr,                &Settings::scale,             0,  0,                nullptr,              "fit: the picture as large as the screen allows; integer: the largest whole multiple"},
    {"filter",            SETTING_WORD,    nullptr,                &Settings::filter,            0,  0,                nullptr,              "smooth: the scaled picture blended; sharp: every pixel a clean block"},
    {"vsync",             SETTING_WORD,    nullptr,                &Settings::vsync,             0,  0,                nullptr,              "on: each picture waits for the display's refresh; off: shown at once"},
    {"window_scale",      SETTING_WORD,    nullptr,                &Settings::window_scale,      0,  0,                nullptr,              "the window's size in 800x600s; auto: the largest that fits the desktop"},
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

// Sets the row's setting from value; what is wrong with it when it cannot.
std::string apply_setting(const SettingRow& row, const std::string& value, Settings* s) {
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
        }
        if (problem.empty()) continue;
        std::fprintf(stderr, "cloudpiercer: %s:%d: %s, ignored\n", printable(path).c_str(), line,
                     problem.c_str());
        ++warnings;
    }
    return warnings;
}

std::string settings_text(const Settings& s) {
    std::string text = "# Cloudpiercer settings: key = value; lines starting with # are comments.\n";
    for (const SettingRow& row : SETTINGS) {
        text += std::string("\n# ") + row.comment + "\n" + row.key + " = ";
        if (row.kind == SETTING_WORD) {
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
