// The mix meter's parts, shared by its command line and its test: the game on
// a clock of the meter's own, the mixer's output measured as it is made.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <cstdio>

#include "game/game.h"

namespace mix_meter {

constexpr long BLOCK_SAMPLES = 44100 * 2 * 2 / 5;  // 0.4 s of stereo

// Everything the mixer has put out since the last reset.
struct Meter {
    long samples = 0;  // left and right counted apart
    long clipped = 0;
    long worst_second = 0;  // most clipped samples in one second
    int peak = 0;
    FILE* raw = nullptr;  // when set, the output is written there too

    long clipped_this_second = 0;
    long second_samples = 0;
    double block_power = 0.0;
    long block_samples = 0;
    double gated_power = 0.0;
    long gated_blocks = 0;

    void reset();
    void take(const int16_t* s, size_t n);
    // Mean power of the 0.4 s blocks above -60 dBFS, in dB of full scale.
    double loudness_db() const;
    double seconds() const { return double(samples) / (2.0 * 44100.0); }
};
extern Meter meter;

int device_rate();
// One buffer of the mixer's output, measured.
void render_buffer();
// Moves the clock on, rendering what the sound card would have played.
void advance(Uint32 ms);
// The start-up: display, audio device, sounds.
void boot();
// After boot: the title answered with start, a new game.
void start_pilot(LoopState* loop);
// One frame of play for a pilot who holds fire with the weapon given, takes
// hits (so the low-shield warning sounds), gets its shields back 90 frames
// after the warning and never runs out of ships; story pages turn by
// themselves.
void pilot_frame(LoopState* loop, int weapon);
// After boot: the title answered with start, and the pilot plays the whole game with the weapon given, every
// level and boss, until it comes round to level 1; returns the frames played.
int play_whole_game(int weapon, int max_frames);

}  // namespace mix_meter
