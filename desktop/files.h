// The player's files: where they live, reading them whole, replacing them
// atomically, and the `key = value` lines both of them are made of.
#pragma once

#include <string>

// `$<xdg_var>/cloudpiercer/<name>`, or `$HOME/<home_fallback>/cloudpiercer/<name>`
// when the variable is unset or not an absolute path; empty when neither
// gives a folder.
std::string player_file(const char* xdg_var, const char* home_fallback, const char* name);

enum ReadResult {
    READ_OK,
    READ_MISSING,     // no such file: the defaults, silently
    READ_UNREADABLE,  // there but cannot be read (a folder, no permission, too big)
};
// Reads a small text file whole into *text.
ReadResult read_small_file(const std::string& path, std::string* text);

// Writes text to a new file beside path and renames it over path, creating
// the folder first; on any failure the old file is left as it was and the
// new one removed. False when the text could not be kept.
bool write_file_atomically(const std::string& path, const std::string& text);

enum LineKind {
    LINE_BLANK,  // empty, spaces only, or a comment starting with #
    LINE_PAIR,   // key = value, both non-empty, spaces around them trimmed
    LINE_BAD,
};
// Splits the next line off text at *pos (advancing it past the line end).
LineKind next_setting_line(const std::string& text, size_t* pos, std::string* key, std::string* value);

// A whole decimal number in min..max; false for anything else.
bool parse_number(const std::string& value, int min, int max, int* out);
// yes/no, true/false, on/off, 1/0.
bool parse_switch(const std::string& value, bool* out);
