// The settings file: `key = value` lines with # comments, read at start and
// written whole (atomically) whenever the player changes a setting.
#pragma once

#include <string>

#include "desktop/desktop_state.h"

// $XDG_CONFIG_HOME/cloudpiercer/settings, or under ~/.config.
std::string settings_file_path();

// Fills *s from the file at path over its defaults. A missing file leaves the
// defaults; each unknown key, bad value (also one that would leave the pad
// unusable) or bad line leaves that setting alone and prints one warning line
// on stderr. A file there that cannot be read (not a plain file, too big)
// warns once and sets *unreadable. Returns the number of warnings.
int read_settings(const std::string& path, Settings* s, bool* unreadable = nullptr);
// The same for the file's text already read; path only names it in warnings.
int parse_settings(const std::string& text, const std::string& path, Settings* s);
// The file's text for *s: every key, with a comment saying what it does.
std::string settings_text(const Settings& s);

// Writes desktop.settings to its file; a failure warns once a run and the
// game plays on with the settings it has. Never over a file that could not
// be read.
void save_settings();
