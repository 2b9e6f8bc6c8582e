// Finishing and encoding of the forge's sounds.
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "forge.h"

namespace forge {

namespace {

constexpr double DC_CUT_HZ = 18.0;  // below the deepest note we synthesise (the 55 Hz horn)

// One-pole high-pass: takes out DC and sub-audible drift.
void high_pass(Samples& s) {
    const double r = std::exp(-2.0 * std::numbers::pi * DC_CUT_HZ / SOUND_RATE);
    double prev_in = 0.0;
    double prev_out = 0.0;
    for (double& x : s) {
        const double y = x - prev_in + r * prev_out;
        prev_in = x;
        prev_out = y;
        x = y;
    }
}

// Raised-cosine gain, 0 at i == 0 and 1 at i == n.
double fade_gain(size_t i, size_t n) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(n));
}

// Gain of the end fades at each sample: 0 at both ends, 1 in between.
Samples fade_window(size_t size, double fade_in_s, double fade_out_s) {
    Samples w(size, 1.0);
    if (size < 2) return Samples(size, 0.0);
    const size_t last = size - 1;
    const size_t in = std::clamp<size_t>(size_t(fade_in_s * SOUND_RATE), 1, last);
    const size_t out = std::clamp<size_t>(size_t(fade_out_s * SOUND_RATE), 1, last);
    for (size_t i = 0; i < in; ++i) w[i] *= fade_gain(i, in);
    for (size_t i = 0; i < out; ++i) w[last - i] *= fade_gain(i, out);
    return w;
}

void put_tag(std::vector<uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(tag[i]));
}

}  // namespace

void finish_sound(Samples& s, double peak_db, double fade_in_s, double fade_out_s) {
    high_pass(s);
    const Samples w = fade_window(s.size(), fade_in_s, fade_out_s);
    // Take out the mean that is left in the shape of the fade window, so the
    // ends stay at exactly 0 and the whole sound averages to 0.
    double sum = 0.0;
    double weight = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] *= w[i];
        sum += s[i];
        weight += w[i];
    }
    const double offset = weight > 0.0 ? sum / weight : 0.0;
    double peak = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] -= offset * w[i];
        peak = std::max(peak, std::fabs(s[i]));
    }
    if (peak <= 0.0) return;
    const double gain = std::pow(10.0, peak_db / 20.0) / peak;
    for (double& x : s) x *= gain;
}

std::vector<uint8_t> encode_wav(const Samples& s) {
    constexpr uint32_t CHANNELS = 1;
    constexpr uint32_t BYTES_PER_SAMPLE = 2;
    const uint32_t data = uint32_t(s.size()) * CHANNELS * BYTES_PER_SAMPLE;
    std::vector<uint8_t> b;
    b.reserve(44 + data);
    put_tag(b, "RIFF");
    put32(b, 36 + data);
    put_tag(b, "WAVE");
    put_tag(b, "fmt ");
    put32(b, 16);  // size of the format block
    put16(b, 1);   // integer PCM
    put16(b, CHANNELS);
    put32(b, SOUND_RATE);
    put32(b, SOUND_RATE * CHANNELS * BYTES_PER_SAMPLE);  // bytes per second
    put16(b, CHANNELS * BYTES_PER_SAMPLE);               // bytes per frame
    put16(b, BYTES_PER_SAMPLE * 8);
    put_tag(b, "data");
    put32(b, data);
    for (double x : s) {
        const long v = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        put16(b, uint32_t(int16_t(v)) & 0xffff);
    }
    return b;
}

}  // namespace forge
