// The player's files: where they live, reading them whole, replacing them
// atomically, and the `key = value` lines both of them are made of.
#pragma once

#include <functional>
#include <string>

// `$<xdg_var>/cloudpiercer/<name>`, or `$HOME/<home_fallback>/cloudpiercer/<name>`
// when the variable is unset or not an absolute path; empty when neither
// gives a folder.
std::string player_file(const char* xdg_var, const char* home_fallback, const char* name);

enum ReadResult {
    READ_OK,
    READ_MISSING,     // no such file: the defaults, silently
    READ_UNREADABLE,  // there but cannot be read (not a plain file, no permission, too big)
};
// Reads a small text file whole into *text, without a UTF-8 byte-order mark.
// Only a plain file (or a link to one) is read, and opening never waits: a
// named pipe or a device is unreadable. *why says why, when given.
ReadResult read_small_file(const std::string& path, std::string* text, std::string* why = nullptr);

// Writes text to a new file of a name no one else uses beside path (beside
// the file a link at path leads to, so the link stays) and renames it over
// the old one, creating the folders first (0700). On any failure the old file
// is left as it was and the new one removed. False when the text could not
// be kept; also when what is there is not a plain file.
bool write_file_atomically(const std::string& path, const std::string& text);
// The same, the text made from the file as it is at that moment ("" when
// missing), while this game holds the folder: another game replacing the
// same file waits its turn instead of writing over what this one merged.
// False, and nothing written, when the file is there but cannot be read.
bool update_file_atomically(const std::string& path,
                            const std::function<std::string(const std::string&)>& make);

enum LineKind {
    LINE_BLANK,  // empty, spaces only, or a comment starting with #
    LINE_PAIR,   // key = value, both non-empty, spaces around them trimmed
    LINE_BAD,
};
// Splits the next line off text at *pos (advancing it past the line end).
LineKind next_setting_line(const std::string& text, size_t* pos, std::string* key, std::string* value);
// The same key whatever the case of its letters (a hand-edited `Normal`).
bool same_key(const std::string& key, const char* name);

// A whole decimal number in min..max; false for anything else.
bool parse_number(const std::string& value, int min, int max, int* out);
// yes/no, true/false, on/off, 1/0.
bool parse_switch(const std::string& value, bool* out);

// The text with control characters and bytes that are not UTF-8 written as
// \xNN, so that a warning echoing a file's bytes cannot drive the terminal.
std::string printable(const std::string& text);
