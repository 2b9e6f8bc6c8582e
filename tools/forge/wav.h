// Sound buffers of the forge: finishing a synthesised sound (DC, fades, level)
// and writing it as a 16-bit PCM WAV file the mixer can load.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forge {

constexpr int SOUND_RATE = 44100;  // samples per second, the rate the game opens its audio device at

// One mono sound, samples nominally in -1..1.
using Samples = std::vector<double>;

// Makes a raw synthesised sound ready to play: takes out DC and sub-audible
// drift, shapes raised-cosine fades at both ends (so the first and last
// samples are exactly 0 and nothing clicks), then scales the loudest sample
// to `peak_db` dBFS.
void finish_sound(Samples& s, double peak_db, double fade_in_s, double fade_out_s);

// 16-bit mono PCM WAV file bytes at SOUND_RATE.
std::vector<uint8_t> encode_wav(const Samples& s);

}  // namespace forge
