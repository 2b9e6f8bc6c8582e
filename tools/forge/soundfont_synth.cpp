// The waves of the instrument bank. A melodic sample is one seamless loop
// built in the frequency domain: every partial sits on a whole number of
// cycles of the loop, so the loop point never clicks, and detuned voices of
// a section beat against each other inside it. Drums are one-shot sounds
// made from oscillators, noise and filters. Every noise source has a fixed
// seed, so the forge writes the same bank on every run.
#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "soundfont.h"
#include "wav.h"

namespace forge {

namespace {

constexpr double PI = std::numbers::pi;
constexpr double LOUDEST_PARTIAL_HZ = 12000.0;  // a wave may be played up to nine keys higher
constexpr double MELODIC_RMS = 0.36;            // every loop's loudness before the table's trim
constexpr double DRUM_PEAK = 0.95;

// In-place radix-2 inverse transform (no 1/N scaling).
void inverse_fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, 2.0 * PI / double(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1.0;
            for (size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = a[i + k];
                const std::complex<double> v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                wk *= w;
            }
        }
    }
}

// A bell-shaped bump on a log-frequency axis: body and vowel resonances.
double formant(double hz, double centre, double octaves_wide) {
    const double d = std::log2(hz / centre) / octaves_wide;
    return std::exp(-d * d);
}

// The loudness of harmonic h (of a tone at f0 Hz) in each tone's spectrum.
double harmonic(Tone tone, int h, double f0) {
    const double hz = f0 * h;
    switch (tone) {
        case TONE_PIANO:
            return std::pow(h, -1.25) * (1.0 - 0.7 * std::fabs(std::sin(PI * h / 8.0)));
        case TONE_PLUCK:
            return std::fabs(std::sin(PI * h * 0.2)) / h;
        case TONE_BUZZ:
            return std::pow(h, -0.75);
        case TONE_BOWED:
        case TONE_ENSEMBLE:
        case TONE_TREMOLO:
            return (0.5 + formant(hz, 450.0, 0.8) + 0.8 * formant(hz, 2800.0, 0.7)) / h;
        case TONE_VOICE:  // "oo"
            return std::pow(h, -1.6) * (0.15 + formant(hz, 320.0, 0.5) + 0.4 * formant(hz, 850.0, 0.4) +
                                        0.1 * formant(hz, 2300.0, 0.4));
        case TONE_BRASS:
            return std::pow(h, -0.6) * (0.4 + formant(hz, 1200.0, 1.0));
        case TONE_REED: {
            constexpr double OBOE[] = {0.45, 0.9, 1.0, 0.8, 0.55, 0.3, 0.25, 0.2, 0.12, 0.1};
            return h <= 10 ? OBOE[h - 1] : 0.8 / h;
        }
        case TONE_CLARINET:
            return (h % 2 == 1 ? 1.0 : 0.06) / h * (h > 9 ? 0.5 : 1.0);
        case TONE_FLUTE: {
            constexpr double FLUTE[] = {1.0, 0.28, 0.12, 0.05, 0.03};
            return h <= 5 ? FLUTE[h - 1] : 0.0;
        }
        case TONE_SQUARE:
            return h % 2 == 1 ? 1.0 / h : 0.0;
        case TONE_SAW:
            return 1.0 / h;
        case TONE_PAD:
            return std::pow(h, -1.2);
        default:
            return 0.0;
    }
}

struct Partial {
    double ratio;
    double amp;
};

// Struck bars, tubes and membranes: partials that are not harmonics.
std::vector<Partial> inharmonic_partials(Tone tone) {
    switch (tone) {
        case TONE_CELESTA:
            return {{1.0, 1.0}, {2.0, 0.08}, {4.0, 0.3}, {9.8, 0.07}};
        case TONE_BELL:
            return {{1.0, 1.0}, {2.0, 0.55}, {3.0, 0.45}, {4.2, 0.4}, {5.43, 0.28}, {6.8, 0.2}, {8.3, 0.1}};
        case TONE_TIMPANI:
            return {{1.0, 1.0}, {1.5, 0.8}, {1.98, 0.55}, {2.44, 0.35}, {2.9, 0.25}, {3.36, 0.15}};
        default:
            return {};
    }
}

// Voices of a section, in cycles of detune at the fundamental per loop.
std::vector<double> unison(Tone tone) {
    switch (tone) {
        case TONE_ENSEMBLE:
        case TONE_TREMOLO:
            return {-2.0, -1.0, 0.0, 1.0, 2.0};
        case TONE_PAD:
            return {-3.0, -1.0, 1.0, 3.0};
        case TONE_VOICE:
            return {-2.0, 0.0, 1.0, 3.0};
        case TONE_BUZZ:
            return {0.0, 1.0};
        default:
            return {0.0};
    }
}

// A loop holds a whole number of cycles of every partial, whatever its
// length: the sample's tuning absorbs the difference from the wanted pitch.
// So a single voice needs only a short loop; a section needs a long one, for
// the slow beating between its voices.
size_t loop_length(Tone tone) {
    const bool section =
        tone == TONE_ENSEMBLE || tone == TONE_TREMOLO || tone == TONE_PAD || tone == TONE_VOICE;
    return section ? 16384 : 4096;
}

std::vector<int16_t> to_pcm(const std::vector<double>& s, double scale) {
    std::vector<int16_t> pcm(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        pcm[i] = int16_t(std::lround(std::clamp(s[i] * scale, -1.0, 1.0) * 32767.0));
    }
    return pcm;
}

}  // namespace

BankSample synth_melodic_sample(const MelodicInstrument& inst, int root_key) {
    const Tone tone = wave_tone(inst.tone);
    const size_t n = loop_length(tone);
    const double bin_hz = double(SOUND_RATE) / double(n);
    const double f0 = 440.0 * std::pow(2.0, (root_key - 69) / 12.0);
    const double cycles = std::max(1.0, std::round(f0 / bin_hz));
    const double f = cycles * bin_hz;  // the loop's true pitch

    std::vector<std::complex<double>> spectrum(n);
    Noise rng(uint32_t(tone * 131 + root_key * 7 + 1));
    auto add = [&](double hz_cycles, double amp) {
        const long bin = std::lround(hz_cycles);
        if (bin < 1 || double(bin) * bin_hz > LOUDEST_PARTIAL_HZ || double(bin) >= double(n / 2)) return;
        spectrum[size_t(bin)] += std::polar(amp, 2.0 * PI * rng.chance());
    };
    const std::vector<Partial> partials = inharmonic_partials(tone);
    const std::vector<double> voices = unison(tone);
    if (!partials.empty()) {
        for (const Partial& p : partials) add(cycles * p.ratio, p.amp);
    } else {
        // piano strings are stiff: their upper partials run a little sharp
        const double stretch = tone == TONE_PIANO ? 0.0003 : 0.0;
        for (int h = 1; double(h) * f < LOUDEST_PARTIAL_HZ; ++h) {
            const double amp = harmonic(tone, h, f) / std::sqrt(double(voices.size()));
            if (amp <= 0.0) continue;
            const double ratio = h * std::sqrt(1.0 + stretch * h * h);
            for (double d : voices) add((cycles + d) * ratio, amp);
        }
    }
    if (tone == TONE_FLUTE) {
        // breath: faint noise spread over the upper band
        for (double hz = 400.0; hz < 9000.0; hz += bin_hz) add(hz / bin_hz, 0.002 * rng.chance());
    }
    inverse_fft(spectrum);
    std::vector<double> wave(n);
    for (size_t i = 0; i < n; ++i) wave[i] = spectrum[i].real();
    if (tone == TONE_BUZZ) {
        // the buzzing bridge or the driven amplifier: a soft clip
        double peak = 0.0;
        for (double v : wave) peak = std::max(peak, std::fabs(v));
        for (double& v : wave) v = std::tanh(2.5 * v / peak);
    }

    double sum = 0.0, peak = 0.0;
    for (double v : wave) {
        sum += v * v;
        peak = std::max(peak, std::fabs(v));
    }
    const double rms = std::sqrt(sum / double(n));
    const double scale = std::min(MELODIC_RMS / rms, 0.98 / peak);

    BankSample s;
    s.name = std::string(inst.name).substr(0, 14) + " " + std::to_string(root_key);
    s.pcm = to_pcm(wave, scale);
    s.looped = true;
    s.loop_start = 0;
    const double pitch = 69.0 + 12.0 * std::log2(f / 440.0);
    s.root_key = int(std::lround(pitch));
    s.cents = int(std::lround((pitch - s.root_key) * 100.0));
    return s;
}

BankSample synth_drum_sample(const DrumSound& d) {
    const double decay_s = d.decay_ms / 1000.0;
    // the tail below about -48 dB is left out: the mix covers it
    const size_t n = size_t(decay_s * 0.8 * SOUND_RATE);
    std::vector<double> out(n);
    Noise rng(uint32_t(d.key * 977 + 3));
    Filter f1, f2, f3;
    const double pitch = d.pitch_hz;
    double phase = 0.0, phase2 = 0.0;
    // metal: six square-ish oscillators at inharmonic ratios, the classic
    // recipe for cymbals and hats
    constexpr double METAL[] = {1.0, 1.342, 1.2312, 1.6532, 1.9523, 2.1523};
    double metal_phase[6] = {};
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / SOUND_RATE;
        const double env = std::pow(10.0, -3.0 * t / decay_s);  // 60 dB over the decay
        double v = 0.0;
        switch (d.hit) {
            case HIT_KICK: {
                const double hz = pitch * (1.0 + 2.2 * std::exp(-t / 0.03));
                phase += hz / SOUND_RATE;
                v = std::sin(2.0 * PI * phase) * env;
                f1.run(rng.next(), 3000.0, 0.7);
                v += f1.lp * std::exp(-t / 0.004) * 0.5;
                break;
            }
            case HIT_SNARE: {
                const double hz = pitch * (1.0 + 0.5 * std::exp(-t / 0.01));
                phase += hz / SOUND_RATE;
                phase2 += hz * 1.6 / SOUND_RATE;
                const double body = (std::sin(2.0 * PI * phase) + 0.5 * std::sin(2.0 * PI * phase2)) *
                                    std::exp(-t / (decay_s * 0.18));
                f1.run(rng.next(), 5000.0, 0.6);
                f2.run(f1.bp, 9000.0, 0.7);
                v = 0.55 * body + 1.1 * (f1.bp + 0.5 * f2.hp) * env;
                break;
            }
            case HIT_RIM: {
                phase += pitch / SOUND_RATE;
                f1.run(rng.next(), 2500.0, 2.0);
                v = (std::sin(2.0 * PI * phase) * 0.8 + f1.bp) * env;
                break;
            }
            case HIT_TOM: {
                const double hz = pitch * (1.0 + 0.6 * std::exp(-t / 0.04));
                phase += hz / SOUND_RATE;
                f1.run(rng.next(), 1800.0, 0.8);
                v = std::sin(2.0 * PI * phase) * env + 0.25 * f1.lp * std::exp(-t / 0.015);
                break;
            }
            case HIT_HAT:
            case HIT_CYMBAL:
            case HIT_JINGLE: {
                double m = 0.0;
                const double base = d.hit == HIT_JINGLE ? 540.0 : 320.0;
                for (int k = 0; k < 6; ++k) {
                    metal_phase[k] += base * METAL[k] / SOUND_RATE;
                    m += metal_phase[k] - std::floor(metal_phase[k]) < 0.5 ? 1.0 : -1.0;
                }
                const double mix = d.hit == HIT_CYMBAL ? 0.45 * m / 6.0 + 0.55 * rng.next() : m / 6.0;
                f1.run(mix, pitch, 0.8);
                f2.run(f1.hp, pitch * 1.6, 0.6);
                double shape = env;
                if (d.hit == HIT_JINGLE)
                    shape *= 0.6 + 0.4 * std::sin(2.0 * PI * 26.0 * t);  // jingles rattle
                if (d.hit == HIT_CYMBAL) shape *= 1.0 - std::exp(-t / 0.003);
                // the top octave of white noise only hisses
                f3.run(f1.hp + 0.4 * f2.lp, d.hit == HIT_HAT ? 14000.0 : 11000.0, 0.707);
                v = f3.lp * shape;
                break;
            }
            case HIT_SKIN: {
                const double hz = pitch * (1.0 + 0.15 * std::exp(-t / 0.02));
                phase += hz / SOUND_RATE;
                phase2 += hz * 1.58 / SOUND_RATE;
                f1.run(rng.next(), pitch * 4.0, 1.2);
                v = (std::sin(2.0 * PI * phase) + 0.3 * std::sin(2.0 * PI * phase2)) * env +
                    0.3 * f1.bp * std::exp(-t / 0.008);
                break;
            }
            case HIT_SHAKER: {
                f1.run(rng.next(), pitch, 1.5);
                const double swell = std::min(1.0, t / 0.02);
                v = f1.bp * swell * env;
                break;
            }
            case HIT_TRIANGLE: {
                phase += pitch / SOUND_RATE;
                phase2 += pitch * 2.76 / SOUND_RATE;
                metal_phase[0] += pitch * 5.4 / SOUND_RATE;
                v = (std::sin(2.0 * PI * phase) + 0.6 * std::sin(2.0 * PI * phase2) +
                     0.4 * std::sin(2.0 * PI * metal_phase[0])) *
                    env;
                break;
            }
        }
        out[i] = v;
    }
    // the last fifth fades out, so the cut never clicks
    const size_t fade = n / 5;
    for (size_t i = 0; i < fade; ++i) out[n - 1 - i] *= double(i) / double(fade);
    double peak = 0.0;
    for (double v : out) peak = std::max(peak, std::fabs(v));
    BankSample s;
    s.name = d.name;
    s.pcm = to_pcm(out, peak > 0.0 ? DRUM_PEAK / peak : 1.0);
    s.looped = false;
    s.root_key = d.key;
    return s;
}

}  // namespace forge
