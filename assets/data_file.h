// Data files from the player's folder: opened only when they are plain
// files, and music and sounds checked whole before SDL sees them.
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

// True when the bytes are a RIFF WAVE file whose format chunk and sample
// chunk are whole. A cut-off file is refused by the classic SDL 1.2 but
// played as far as it goes by the layer over SDL 2; checked here, both
// refuse it alike.
bool wav_is_whole(const Uint8* data, size_t size);
