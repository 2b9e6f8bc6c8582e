// The game's twelve sound effects, synthesised from oscillators, noise,
// filters and envelopes. Every noise source has a fixed seed, so the forge
// writes the same bytes on every run.
//
// Levels: each effect's peak, in dB of full scale, is the last argument to
// finish_sound. They leave room for several effects at once on top of the
// music (a boss fight sounds hits, explosions, shots and warnings together):
// the loudest peaks at -10 dB, most 11 to 14.5 dB down; the laser, the
// small bullet and the title's beep, short or quiet by nature, are cut less
// so they still stand out from the music.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "forge.h"
#include "wav.h"

namespace forge {

namespace {

constexpr double PI = std::numbers::pi;

// Building blocks.

// PolyBLEP step correction: takes the aliasing edge off saw and pulse waves.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// A phase-accumulating oscillator; each call returns one sample and advances,
// so the frequency may change every sample without a jump in the wave.
struct Osc {
    double phase = 0.0;  // 0..1

    double advance(double hz) {
        const double p = phase;
        phase += hz / SOUND_RATE;
        phase -= std::floor(phase);
        return p;
    }
    double sine(double hz, double pm = 0.0) { return std::sin(2.0 * PI * advance(hz) + pm); }
    double saw(double hz) {
        const double dt = hz / SOUND_RATE;
        const double p = advance(hz);
        return 2.0 * p - 1.0 - blep(p, dt);
    }
    double pulse(double hz, double duty) {
        const double dt = hz / SOUND_RATE;
        const double p = advance(hz);
        double v = p < duty ? 1.0 : -1.0;
        v += blep(p, dt);
        double q = p + 1.0 - duty;
        q -= std::floor(q);
        return v - blep(q, dt);
    }
    double triangle(double hz) {
        const double p = advance(hz);
        return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    }
};

// Exponential glide from `from` to `to` over `dur` seconds, then held.
double glide(double t, double dur, double from, double to) {
    const double u = std::clamp(t / dur, 0.0, 1.0);
    return from * std::pow(to / from, u);
}
// Linear ramp 0 -> 1 over `dur` seconds, then held.
double ramp(double t, double dur) {
    return std::clamp(t / dur, 0.0, 1.0);
}
// Smooth (raised-cosine) rise 0 -> 1 over `dur` seconds.
double rise(double t, double dur) {
    return 0.5 - 0.5 * std::cos(PI * ramp(t, dur));
}
double decay(double t, double tau) {
    return t <= 0.0 ? 1.0 : std::exp(-t / tau);
}
// Fast attack then exponential decay: the envelope of a struck or fired sound.
double strike(double t, double attack, double tau) {
    return ramp(t, attack) * decay(t - attack, tau);
}
double soft_clip(double x, double drive) {
    return std::tanh(x * drive) / std::tanh(drive);
}
double note_hz(int midi_note) {
    return 440.0 * std::pow(2.0, (midi_note - 69) / 12.0);
}

Samples silence(double seconds) {
    return Samples(size_t(seconds * SOUND_RATE), 0.0);
}
double time_of(size_t i) {
    return double(i) / SOUND_RATE;
}

// Hann window over `dur` seconds: the smooth shape of a grain, so a grain
// never starts or stops with a step (which would be heard as a click).
double grain_shape(double t, double dur) {
    return t < 0.0 || t > dur ? 0.0 : 0.5 - 0.5 * std::cos(2.0 * PI * t / dur);
}

// Adds a short sine blip at `start`: one glint of a shimmer.
void add_blip(Samples& s, double start, double dur, double hz, double level) {
    Osc tone;
    const size_t first = size_t(start * SOUND_RATE);
    const size_t end = std::min(s.size(), size_t((start + dur) * SOUND_RATE));
    for (size_t i = first; i < end; ++i) s[i] += level * tone.sine(hz) * grain_shape(time_of(i) - start, dur);
}

// Adds a short burst of dull noise at `start`: one crackle of a fire.
void add_crackle(Samples& s, Noise& noise, double start, double dur, double level) {
    Filter dull;
    const size_t first = size_t(start * SOUND_RATE);
    const size_t end = std::min(s.size(), size_t((start + dur) * SOUND_RATE));
    for (size_t i = first; i < end; ++i) {
        s[i] += level * dull.low(noise.next(), 4500.0) * grain_shape(time_of(i) - start, dur);
    }
}

// The sounds.

// The player's laser: a bright pulse wave diving from high to low pitch. It
// restarts every 200 ms while fire is held, so it is over in 0.18 s.
Samples laser() {
    Samples s = silence(0.18);
    Osc pulse, saw, sub;
    Filter tone;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double f = glide(t, 0.15, 2600.0, 360.0);
        const double duty = 0.5 - 0.35 * ramp(t, 0.15);  // thinning pulse: the "zap"
        double v = 0.6 * pulse.pulse(f, duty) + 0.35 * saw.saw(f * 1.007) + 0.3 * sub.sine(f * 0.5);
        v = tone.low(v, glide(t, 0.18, 11000.0, 1800.0), 0.9);
        s[i] = v * strike(t, 0.002, 0.055);
    }
    finish_sound(s, -11.5, 0.002, 0.02);
    return s;
}

// A shot hitting: a short burst of grainy (sample-and-hold) noise over a
// dropping thump, driven into saturation for crunch.
Samples exp16() {
    Samples s = silence(0.22);
    Noise noise(0x16a11ce5u);
    Osc thump, hold;
    Filter body;
    double grain = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        // New noise value at each wrap of the hold clock: coarse, crunchy grain.
        const double before = hold.phase;
        hold.advance(glide(t, 0.2, 9000.0, 2200.0));
        if (hold.phase < before) grain = noise.next();
        const double crackle = body.low(grain, glide(t, 0.2, 7000.0, 500.0), 0.8) * strike(t, 0.001, 0.045);
        const double knock = thump.sine(glide(t, 0.09, 230.0, 55.0)) * strike(t, 0.001, 0.04);
        s[i] = soft_clip(1.1 * crackle + 0.9 * knock, 2.5);
    }
    finish_sound(s, -13.0, 0.0015, 0.04);
    return s;
}

// A large explosion: a noise blast whose brightness falls away, a rumble of
// brown noise under it, a sub-bass thump and a scatter of crackles.
Samples exp64() {
    Samples s = silence(1.1);
    Noise noise(0x64b00111u);
    Osc thump;
    Filter blast, rumble;
    double brown = 0.0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double white = noise.next();
        brown = 0.995 * brown + 0.06 * white;
        double v = blast.low(white, glide(t, 0.9, 6500.0, 160.0), 0.6) * strike(t, 0.003, 0.22);
        v += 1.6 * rumble.low(brown, 170.0, 1.1) * strike(t, 0.012, 0.42);
        v += 0.8 * thump.sine(glide(t, 0.5, 120.0, 32.0)) * strike(t, 0.004, 0.2);
        s[i] = v;
    }
    // Crackles, further apart and fainter as the fireball dies.
    for (double t = 0.03; t < 0.6; t += (0.006 + 0.03 * noise.chance()) * (1.0 + 6.0 * t)) {
        add_crackle(s, noise, t, 0.002 + 0.005 * noise.chance(), 0.9 * decay(t, 0.2));
    }
    for (double& x : s) x = soft_clip(x, 1.8);
    finish_sound(s, -10.0, 0.003, 0.2);
    return s;
}

// An enemy's small bullet: a thin falling "pew", lightly FM'd, no low end.
// Many enemies fire at once, so it is the quietest shot.
Samples smallbullet() {
    Samples s = silence(0.14);
    Osc carrier, mod;
    Filter thin;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double f = glide(t, 0.12, 1900.0, 720.0);
        const double env = strike(t, 0.0015, 0.035);
        const double v = carrier.sine(f, 1.2 * env * mod.sine(f * 2.0));
        s[i] = thin.high(v, 500.0) * env;
    }
    finish_sound(s, -10.5, 0.0015, 0.025);
    return s;
}

// A large shot (also the player's third weapon): a square wave falling an
// octave and more, a sub-bass kick and a bright noise crack at its start.
Samples largebullet() {
    Samples s = silence(0.26);
    Noise noise(0x1a76eb01u);
    Osc square, kick;
    Filter tone, crack;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double f = glide(t, 0.2, 720.0, 130.0);
        double v =
            tone.low(square.pulse(f, 0.5), glide(t, 0.24, 5500.0, 700.0), 1.2) * strike(t, 0.002, 0.08);
        v += 0.9 * kick.sine(glide(t, 0.12, 240.0, 60.0)) * strike(t, 0.002, 0.07);
        v += 0.8 * crack.band(noise.next(), 2600.0, 1.0) * strike(t, 0.001, 0.02);
        s[i] = soft_clip(v, 2.0);
    }
    finish_sound(s, -14.5, 0.002, 0.04);
    return s;
}

// A rocket launch: an ignition pop, then a hiss of noise through two
// resonances that climb as the rocket speeds away, over a rough low thrust.
Samples rocket() {
    Samples s = silence(0.42);
    Noise noise(0x50c4e7u);
    Osc thrust;
    Filter hiss, hiss_high, pop, body, flutter;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double white = noise.next();
        const double env = rise(t, 0.05) * decay(t - 0.08, 0.16);
        // Slow random wobble of the exhaust (the low-passed noise is small, hence the gain).
        const double rough = 1.0 + 12.0 * flutter.low(noise.next(), 40.0, 0.7);
        const double centre = glide(t, 0.38, 600.0, 4000.0);
        double v =
            (hiss.band(white, centre, 2.5) + 0.6 * hiss_high.band(white, centre * 1.7, 3.0)) * env * rough;
        v += 0.45 * body.low(thrust.saw(glide(t, 0.35, 80.0, 200.0)), 500.0) * env;
        v += 0.8 * pop.low(white, 1200.0) * strike(t, 0.001, 0.015);
        s[i] = soft_clip(v, 1.4);
    }
    finish_sound(s, -13.0, 0.002, 0.06);
    return s;
}

// The menu cursor: a short, clean sine tone with a touch of octave.
Samples beep() {
    Samples s = silence(0.08);
    Osc tone, octave;
    const double f = note_hz(88);  // E6
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        s[i] = (tone.sine(f) + 0.12 * octave.sine(2.0 * f)) * decay(t, 0.2);
    }
    finish_sound(s, -15.0, 0.003, 0.025);
    return s;
}

// Low shields and the boss alarm: two tones alternating eight times a second,
// each pulse shaped so the switch is a throb rather than a click. The game
// plays it on two channels at once, so it stays at -10 dBFS.
Samples shieldsarelow() {
    Samples s = silence(1.0);
    Osc square, sine;
    Filter tone;
    constexpr double PULSE = 0.125;  // seconds per tone
    constexpr double HIGH_HZ = 960.0;
    constexpr double LOW_HZ = 720.0;
    constexpr double GLIDE = 0.006;  // seconds to slide between the tones
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const int pulse = int(t / PULSE);
        const double in_pulse = t - pulse * PULSE;
        const double from = pulse % 2 == 0 ? LOW_HZ : HIGH_HZ;
        const double to = pulse % 2 == 0 ? HIGH_HZ : LOW_HZ;
        const double f = pulse == 0 ? HIGH_HZ : glide(in_pulse, GLIDE, from, to);
        // Swells in, accents its start, then dips just before the next tone.
        const double gate = rise(in_pulse, 0.006) * (1.0 - rise(in_pulse - (PULSE - 0.012), 0.012)) *
                            (0.6 + 0.4 * decay(in_pulse, 0.04));
        const double v = tone.low(square.pulse(f, 0.5), 3200.0, 0.8) + 0.6 * sine.sine(f);
        s[i] = v * gate;
    }
    finish_sound(s, -17.0, 0.004, 0.03);
    return s;
}

// Shields restored or the ship back: a rising major arpeggio of bell-like
// notes, the last one left ringing, with a soft echo.
Samples hpup() {
    Samples s = silence(0.62);
    constexpr int NOTES[] = {72, 76, 79, 84, 88};  // C5 E5 G5 C6 E6
    constexpr double STEP = 0.07;                  // seconds between notes
    int n = 0;
    for (int note : NOTES) {
        Osc tone, bell;
        const double f = note_hz(note);
        const double start = n * STEP;
        const double tau = note == NOTES[std::size(NOTES) - 1] ? 0.16 : 0.09;
        for (size_t i = size_t(start * SOUND_RATE); i < s.size(); ++i) {
            const double t = time_of(i) - start;
            const double env = strike(t, 0.003, tau);
            const double vibrato = 1.0 + 0.003 * std::sin(2.0 * PI * 6.0 * t);
            s[i] += 0.5 * tone.sine(f * vibrato, 0.9 * env * bell.sine(f * 3.0)) * env;
        }
        ++n;
    }
    constexpr size_t ECHO = size_t(0.09 * SOUND_RATE);
    for (size_t i = s.size() - 1; i >= ECHO; --i) s[i] += 0.3 * s[i - ECHO];
    finish_sound(s, -12.0, 0.003, 0.08);
    return s;
}

// The speed power-up: a resonant detuned-saw sweep climbing three octaves,
// revving faster as it climbs, with a breath of noise riding on top.
Samples speedup() {
    Samples s = silence(0.6);
    Noise noise(0x5bee0d0u);
    Osc saw_a, saw_b, rev;
    Filter tone, air;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double f = glide(t, 0.5, 180.0, 1500.0);
        double v = saw_a.saw(f * 0.993) + saw_b.saw(f * 1.007);
        v = tone.low(v, 3.0 * f + 300.0, 2.2);
        v += 0.25 * air.band(noise.next(), 2.0 * f + 800.0, 4.0);
        const double tremolo = 0.7 + 0.3 * rev.sine(glide(t, 0.5, 8.0, 32.0));
        s[i] = 0.6 * v * tremolo * rise(t, 0.02) * (0.7 + 0.3 * ramp(t, 0.45));  // grows as it climbs
    }
    finish_sound(s, -10.5, 0.004, 0.15);
    return s;
}

// A weapon or extra-life pick-up being drawn in: a chorus of detuned partials
// that swells while sliding down and shimmering, closed by a bright ping,
// with a sprinkle of high glints throughout.
Samples absorb() {
    Samples s = silence(0.65);
    Noise noise(0xab5012bu);
    constexpr double RATIOS[] = {1.0, 1.5, 2.0, 2.52, 3.0};
    constexpr double DETUNE = 0.004;
    constexpr double PING_AT = 0.36;  // seconds: the moment it is taken in
    Osc partials[std::size(RATIOS)][2];
    Osc shimmer, ping_a, ping_b;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double base = glide(t, PING_AT, 1500.0, 750.0);
        double pad = 0.0;
        for (size_t k = 0; k < std::size(RATIOS); ++k) {
            const double f = base * RATIOS[k];
            pad += (partials[k][0].sine(f * (1.0 - DETUNE)) + partials[k][1].sine(f * (1.0 + DETUNE))) /
                   (k + 1.0);
        }
        const double swell = rise(t, PING_AT) * decay(t - PING_AT, 0.06);
        double v = 0.4 * pad * swell * (0.65 + 0.35 * shimmer.sine(22.0));
        const double since_ping = t - PING_AT;
        const double ping_env = since_ping < 0.0 ? 0.0 : strike(since_ping, 0.002, 0.1);
        v += 0.6 * (ping_a.sine(1500.0) + 0.5 * ping_b.sine(2250.0)) * ping_env;
        s[i] = v;
    }
    // Glints gather pace towards the ping and rise with it.
    for (double t = 0.02; t < 0.5; t += 0.012 + 0.04 * noise.chance() * (1.0 - ramp(t, PING_AT))) {
        const double hz = 2600.0 + 2400.0 * ramp(t, PING_AT) + 1200.0 * noise.chance();
        add_blip(s, t, 0.02 + 0.02 * noise.chance(), hz, 0.12 * (0.3 + 0.7 * rise(t, PING_AT)));
    }
    finish_sound(s, -12.0, 0.004, 0.08);
    return s;
}

// The boss approaching: a deep horn chord swelling up, its filter opening as
// it grows, with a dissonant semitone underneath and a slow vibrato.
Samples bosscoming() {
    Samples s = silence(1.6);
    struct Voice {
        double hz;
        double level;
    };
    constexpr Voice VOICES[] = {
        {55.0, 1.0}, {82.41, 0.7}, {110.0, 0.6}, {58.27, 0.35}};  // A1 E2 A2 and B-flat1
    Osc saws[std::size(VOICES)][2];
    Osc sub, vibrato;
    Filter horn;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double swell = rise(t, 0.75) * (1.0 - rise(t - 1.15, 0.45));
        const double scoop = glide(t, 0.2, 0.94, 1.0);  // horns slide up into the note
        const double wobble = 1.0 + 0.004 * rise(t, 1.0) * vibrato.sine(4.5);
        double v = 0.0;
        for (size_t k = 0; k < std::size(VOICES); ++k) {
            const double f = VOICES[k].hz * scoop * wobble;
            v += VOICES[k].level * (saws[k][0].saw(f * 0.996) + saws[k][1].saw(f * 1.004));
        }
        v = horn.low(v, 140.0 + 1500.0 * std::pow(swell, 1.5), 1.3);
        v += 0.8 * sub.sine(55.0 * scoop);
        s[i] = soft_clip(0.45 * v * swell, 1.5);
    }
    finish_sound(s, -11.0, 0.005, 0.1);
    return s;
}

void save(const std::string& out, const char* name, const Samples& s) {
    write_file(out + "/wav/" + name + ".wav", encode_wav(s));
}

}  // namespace

void forge_sounds(const std::string& /*src*/, const std::string& out) {
    save(out, "laser", laser());
    save(out, "exp16", exp16());
    save(out, "exp64", exp64());
    save(out, "smallbullet", smallbullet());
    save(out, "largebullet", largebullet());
    save(out, "rocket", rocket());
    save(out, "beep", beep());
    save(out, "shieldsarelow", shieldsarelow());
    save(out, "hpup", hpup());
    save(out, "speedup", speedup());
    save(out, "absorb", absorb());
    save(out, "bosscoming", bosscoming());
}

}  // namespace forge
