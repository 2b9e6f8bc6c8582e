// Sound buffers of the forge: finishing a synthesised sound (DC, fades, level)
// and writing it as a 16-bit PCM WAV file the mixer can load.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace forge {

constexpr int SOUND_RATE = 44100;  // samples per second, the rate the game opens its audio device at

// xorshift32: white noise in -1..1, the same from the same seed on every run.
struct Noise {
    uint32_t state;
    explicit Noise(uint32_t seed) : state(seed) {}
    uint32_t bits() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    double next() { return double(bits()) / 2147483648.0 - 1.0; }
    double chance() { return double(bits()) / 4294967296.0; }  // 0..1
};

// State-variable filter (trapezoidal), safe to sweep every sample; the
// effects and the instruments are shaped by it alike.
struct Filter {
    double ic1 = 0.0;
    double ic2 = 0.0;
    double lp = 0.0;
    double bp = 0.0;
    double hp = 0.0;

    void run(double x, double hz, double q) {
        const double g = std::tan(std::numbers::pi * std::clamp(hz, 10.0, 0.45 * SOUND_RATE) / SOUND_RATE);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = x - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        lp = v2;
        bp = v1;
        hp = x - k * v1 - v2;
    }
    double low(double x, double hz, double q = 0.707) {
        run(x, hz, q);
        return lp;
    }
    double band(double x, double hz, double q) {
        run(x, hz, q);
        return bp;
    }
    double high(double x, double hz, double q = 0.707) {
        run(x, hz, q);
        return hp;
    }
};

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
