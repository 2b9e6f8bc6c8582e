// The forge's music: a piece read from its score file in data/music/, held as
// timed notes per part, and the Standard MIDI File bytes written for it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forge {

constexpr uint32_t MIDI_DIVISION = 480;  // ticks per quarter note
constexpr int DRUM_CHANNEL = 9;          // General MIDI's percussion channel (10 counted from 1)

struct MidiNote {
    uint32_t start = 0;   // ticks from the start of the piece
    uint32_t length = 0;  // ticks the key is held, at least 1
    int key = 60;         // MIDI key number, 60 = middle C
    int velocity = 80;    // 1..127
};

// One instrument on its own channel; it becomes one track of the file.
struct MidiPart {
    std::string name;
    int channel = 0;   // 0..15
    int program = 0;   // General MIDI program 0..127
    int volume = 100;  // controller 7
    int pan = 64;      // controller 10, 64 = centre
    int reverb = 40;   // controller 91
    int chorus = 0;    // controller 93
    std::vector<MidiNote> notes;
};

struct TempoChange {
    uint32_t tick = 0;
    double bpm = 120.0;  // quarter notes per minute
};

struct Song {
    std::string title;
    int beats = 4;                    // time signature numerator
    int beat_unit = 4;                // time signature denominator
    std::vector<TempoChange> tempos;  // the first one at tick 0
    uint32_t length = 0;              // ticks; every track ends here, a whole number of bars
    std::vector<MidiPart> parts;
};

// Reads a score (the notation is described at the top of every file in
// data/music/). Throws std::runtime_error naming `where` and the line.
Song parse_score(const std::string& text, const std::string& where);

// A format 1 Standard MIDI File: a conductor track, then one track per part.
std::vector<uint8_t> encode_midi(const Song& song);

}  // namespace forge
