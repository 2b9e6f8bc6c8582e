// The game's own instrument bank: a small SoundFont 2 file (midi/cloudpiercer.sf2)
// holding exactly the General MIDI programs and drum keys our scores play,
// each synthesised from code. The game hands it to the mixer's MIDI
// synthesiser, so the music sounds the same on every machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forge {

// Where the bank goes, relative to the run-time data folder.
constexpr const char* SOUNDFONT_FILE = "midi/cloudpiercer.sf2";

// How a melodic instrument's looped wave is built (soundfont_synth.cpp).
enum Tone {
    TONE_PIANO,     // struck string: bright harmonics, slightly stretched
    TONE_CELESTA,   // struck bar: fundamental with high, quickly fading partials
    TONE_BELL,      // tube bell: inharmonic partials
    TONE_PLUCK,     // plucked string: harmonics shaped by the plucking point
    TONE_BUZZ,      // plucked string against a buzzing bridge, or a driven amp
    TONE_BOWED,     // a single bowed string: saw-like, with body resonances
    TONE_ENSEMBLE,  // a section of strings: several detuned bowed strings
    TONE_TREMOLO,   // the section bowing fast: its loudness trembles
    TONE_VOICE,     // a choir on "oo": formant-shaped, detuned voices
    TONE_BRASS,     // lip reed: strong, bright harmonics
    TONE_REED,      // double reed: nasal, harmonics 2 to 5 strongest
    TONE_CLARINET,  // cylindrical reed: odd harmonics
    TONE_FLUTE,     // air jet: nearly pure, with breath
    TONE_SQUARE,    // square-wave lead
    TONE_SAW,       // sawtooth synth bass
    TONE_PAD,       // soft detuned pad
    TONE_TIMPANI,   // kettle drum: tuned membrane partials
};

// One melodic instrument: a General MIDI program of bank 0.
// Envelope times are milliseconds; sustain is the level held after the
// decay in dB below the peak (a large value lets the note die away, as a
// struck or plucked string does); cutoff is the low-pass filter's corner
// in Hz (0: open); vibrato is the depth in cents of a 5.5 Hz wobble that
// sets in after the attack; level trims the instrument against the others
// in dB (0 or below); lo/hi are the lowest and highest key the samples cover.
struct MelodicInstrument {
    int program;
    const char* name;
    Tone tone;
    int lo, hi;
    int attack_ms, decay_ms, sustain_db, release_ms;
    int cutoff_hz;
    int vibrato_cents;
    int level_db;
};

// How a drum sound is built.
enum Hit {
    HIT_KICK,      // sine with a falling pitch and a click
    HIT_SNARE,     // tuned body plus band-passed noise for the wires
    HIT_RIM,       // short woody click
    HIT_TOM,       // sine with a falling pitch, a little noise
    HIT_HAT,       // high-passed metallic noise, short
    HIT_CYMBAL,    // metallic noise, long
    HIT_SKIN,      // hand drum: short tuned membrane
    HIT_SHAKER,    // band-passed noise burst with a soft attack
    HIT_JINGLE,    // tambourine: metallic jingles
    HIT_TRIANGLE,  // struck metal bar: high inharmonic partials
};

// One drum sound on a key of the percussion kit (bank 128, program 0).
// pitch_hz is the body's pitch (or the filter centre of a noise hit),
// decay_ms the time to fall 60 dB, pan -50 (left) to 50 (right).
struct DrumSound {
    int key;
    const char* name;
    Hit hit;
    int pitch_hz;
    int decay_ms;
    int pan;
    int level_db;
};

extern const MelodicInstrument MELODIC_INSTRUMENTS[];
extern const int MELODIC_INSTRUMENT_COUNT;
extern const DrumSound DRUM_SOUNDS[];
extern const int DRUM_SOUND_COUNT;

// One synthesised sample: 16-bit mono at SOUND_RATE, looped from loop_start
// to the end (no loop when `looped` is false), tuned so that `root_key`
// plus `cents` plays it at its recorded pitch.
struct BankSample {
    std::string name;
    std::vector<int16_t> pcm;
    uint32_t loop_start = 0;
    bool looped = false;
    int root_key = 60;
    int cents = 0;
};

// The tone whose waves an instrument plays: a tremolo section bows the
// same strings as the plain section.
inline Tone wave_tone(Tone tone) {
    return tone == TONE_TREMOLO ? TONE_ENSEMBLE : tone;
}

// The looped wave of a tone around root_key; it depends on the tone and the
// key alone, so instruments of one tone can share it.
BankSample synth_melodic_sample(const MelodicInstrument& inst, int root_key);
BankSample synth_drum_sample(const DrumSound& drum);

// The whole bank's file bytes.
std::vector<uint8_t> encode_soundfont();

void forge_soundfont(const std::string& out);

}  // namespace forge
