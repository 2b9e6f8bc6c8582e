// Data files from the player's folder: opened only when they are plain
// files, and music checked whole before the synthesiser sees it.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <vector>

// Opens a data file for reading; null unless it is a regular file. A folder,
// a named pipe or a device in a data file's place counts as missing: a pipe
// would otherwise block the start for ever.
SDL_RWops* open_data_file(const char* path);

// The whole of a regular data file of at most max_bytes; false when it is
// missing, not a regular file, larger, or cannot be read.
bool read_data_file(const char* path, size_t max_bytes, std::vector<Uint8>* bytes);

// True when the bytes are a standard MIDI file (format 0 or 1) whose every
// chunk and event is whole and well formed, each track closed by its end
// mark. A damaged piece would make the synthesiser complain on every loop.
bool midi_is_whole(const Uint8* data, size_t size);
