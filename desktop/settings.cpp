// The settings file: window or full screen, volume, mute and the pad's dead
// zone and start button.
#include "desktop/settings.h"

#include <cstdio>

#include "desktop/files.h"

namespace {

enum SettingKind { SETTING_SWITCH, SETTING_NUMBER };

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
    int Settings::*number;  // SETTING_NUMBER
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
};
// clang-format on

const SettingRow* find_setting(const std::string& key) {
    for (const SettingRow& row : SETTINGS) {
        if (same_key(key, row.key)) return &row;
    }
    return nullptr;
}

// Sets the row's setting from value; what is wrong with it when it cannot.
std::string apply_setting(const SettingRow& row, const std::string& value, Settings* s) {
    const std::string bad = "bad value '" + printable(value) + "' for " + row.key;
    if (row.kind == SETTING_SWITCH) return parse_switch(value, &(s->*row.flag)) ? "" : bad;
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
        text += row.kind == SETTING_SWITCH ? (s.*row.flag ? "yes" : "no") : std::to_string(s.*row.number);
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
