// Writes the game's instrument bank as a SoundFont 2.01 file: the samples of
// soundfont_synth.cpp, one instrument and one preset per row of the tables in
// soundfont_instruments.cpp, and a percussion kit on bank 128.
#include "soundfont.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "forge.h"
#include "wav.h"

namespace forge {

namespace {

// SoundFont generator numbers.
enum Gen : uint16_t {
    GEN_VIB_LFO_TO_PITCH = 6,
    GEN_MOD_LFO_TO_VOLUME = 13,
    GEN_FILTER_FC = 8,
    GEN_MOD_ENV_TO_FILTER_FC = 11,
    GEN_PAN = 17,
    GEN_MOD_LFO_FREQ = 22,
    GEN_VIB_LFO_DELAY = 23,
    GEN_VIB_LFO_FREQ = 24,
    GEN_MOD_ENV_ATTACK = 26,
    GEN_MOD_ENV_DECAY = 28,
    GEN_MOD_ENV_SUSTAIN = 29,
    GEN_MOD_ENV_RELEASE = 30,
    GEN_VOL_ENV_ATTACK = 34,
    GEN_VOL_ENV_DECAY = 36,
    GEN_VOL_ENV_SUSTAIN = 37,
    GEN_VOL_ENV_RELEASE = 38,
    GEN_INSTRUMENT = 41,
    GEN_KEY_RANGE = 43,
    GEN_ATTENUATION = 48,
    GEN_SAMPLE_ID = 53,
    GEN_SAMPLE_MODES = 54,
};

// one wave per octave and a half: the timbre stays even across the range,
// and the bank small (every loaded piece keeps its own synthesiser)
constexpr int KEYS_PER_SAMPLE = 18;
constexpr int SAMPLE_GUARD = 46;  // zero points the format wants after every sample
constexpr int DRUM_BANK = 128;
constexpr int VIBRATO_HZ_CENTS = -686;  // 5.5 Hz in the format's cents above 8.176 Hz
constexpr double VIBRATO_DELAY_S = 0.35;
constexpr int TREMOLO_HZ_CENTS = 0;  // 8.2 Hz: sixteenth notes at a fast tempo
constexpr int TREMOLO_DEPTH_CB = 90;
// The format can only attenuate: a trim above 0 dB plays at full level.
int attenuation(int level_db) {
    return std::max(0, -level_db * 10);
}

struct GenValue {
    uint16_t oper;
    uint16_t amount;
};

struct Zone {
    std::vector<GenValue> gens;
};

struct Instrument {
    std::string name;
    std::vector<Zone> zones;
};

struct Bank {
    std::vector<BankSample> samples;
    std::vector<Instrument> instruments;
    struct Preset {
        std::string name;
        int program, bank;
        size_t instrument;
    };
    std::vector<Preset> presets;
};

uint16_t signed16(int v) {
    return uint16_t(int16_t(v));
}

// The format's time unit: 1200 times the base-2 log of seconds.
uint16_t timecents(double ms) {
    if (ms <= 1.0) return signed16(-12000);
    return signed16(int(std::lround(1200.0 * std::log2(ms / 1000.0))));
}

uint16_t key_range(int lo, int hi) {
    return uint16_t(lo | (hi << 8));
}

// Struck and plucked tones start bright and darken as they ring; brass opens
// up just after its attack. The filter's sweep rides the modulation envelope.
void filter_sweep(const MelodicInstrument& inst, std::vector<GenValue>& g) {
    switch (inst.tone) {
        case TONE_PIANO:
        case TONE_CELESTA:
        case TONE_PLUCK:
        case TONE_BUZZ:
            g.push_back({GEN_MOD_ENV_TO_FILTER_FC, signed16(1500)});
            g.push_back({GEN_MOD_ENV_DECAY, timecents(inst.decay_ms / 3.0)});
            g.push_back({GEN_MOD_ENV_SUSTAIN, 1000});
            break;
        case TONE_BRASS:
            g.push_back({GEN_MOD_ENV_TO_FILTER_FC, signed16(1500)});
            g.push_back({GEN_MOD_ENV_ATTACK, timecents(inst.attack_ms * 1.5)});
            g.push_back({GEN_MOD_ENV_DECAY, timecents(350)});
            g.push_back({GEN_MOD_ENV_SUSTAIN, 500});
            g.push_back({GEN_MOD_ENV_RELEASE, timecents(inst.release_ms)});
            break;
        default:
            break;
    }
}

std::vector<GenValue> melodic_gens(const MelodicInstrument& inst, int lo, int hi, size_t sample) {
    std::vector<GenValue> g;
    g.push_back({GEN_KEY_RANGE, key_range(lo, hi)});
    if (inst.cutoff_hz > 0) {
        g.push_back({GEN_FILTER_FC, uint16_t(std::lround(1200.0 * std::log2(inst.cutoff_hz / 8.176)))});
        filter_sweep(inst, g);
    }
    if (inst.vibrato_cents > 0) {
        g.push_back({GEN_VIB_LFO_TO_PITCH, uint16_t(inst.vibrato_cents)});
        g.push_back({GEN_VIB_LFO_DELAY, timecents(VIBRATO_DELAY_S * 1000.0)});
        g.push_back({GEN_VIB_LFO_FREQ, signed16(VIBRATO_HZ_CENTS)});
    }
    if (inst.tone == TONE_TREMOLO) {
        g.push_back({GEN_MOD_LFO_TO_VOLUME, uint16_t(TREMOLO_DEPTH_CB)});
        g.push_back({GEN_MOD_LFO_FREQ, signed16(TREMOLO_HZ_CENTS)});
    }
    g.push_back({GEN_VOL_ENV_ATTACK, timecents(inst.attack_ms)});
    g.push_back({GEN_VOL_ENV_DECAY, timecents(inst.decay_ms)});
    g.push_back({GEN_VOL_ENV_SUSTAIN, uint16_t(inst.sustain_db * 10)});
    g.push_back({GEN_VOL_ENV_RELEASE, timecents(inst.release_ms)});
    g.push_back({GEN_ATTENUATION, uint16_t(attenuation(inst.level_db))});
    g.push_back({GEN_SAMPLE_MODES, 1});  // loop for as long as the key sounds
    g.push_back({GEN_SAMPLE_ID, uint16_t(sample)});
    return g;
}

Bank build_bank() {
    Bank bank;
    // Instruments of one tone share their waves: the keys are cut into fixed
    // bands, so a brass section, a trumpet and a tuba use the same loops
    // under their own envelopes and filters.
    std::map<std::pair<Tone, int>, size_t> waves;  // (tone, root key) -> sample
    for (int i = 0; i < MELODIC_INSTRUMENT_COUNT; ++i) {
        const MelodicInstrument& inst = MELODIC_INSTRUMENTS[i];
        Instrument ins{inst.name, {}};
        const int first = inst.lo / KEYS_PER_SAMPLE, last = inst.hi / KEYS_PER_SAMPLE;
        for (int band = first; band <= last; ++band) {
            const int root = band * KEYS_PER_SAMPLE + KEYS_PER_SAMPLE / 2;
            const auto key = std::make_pair(wave_tone(inst.tone), root);
            if (!waves.count(key)) {
                bank.samples.push_back(synth_melodic_sample(inst, root));
                waves[key] = bank.samples.size() - 1;
            }
            // the outer bands also answer keys beyond the instrument's range
            const int zone_lo = band == first ? 0 : band * KEYS_PER_SAMPLE;
            const int zone_hi = band == last ? 127 : band * KEYS_PER_SAMPLE + KEYS_PER_SAMPLE - 1;
            ins.zones.push_back({melodic_gens(inst, zone_lo, zone_hi, waves[key])});
        }
        bank.instruments.push_back(ins);
        bank.presets.push_back({inst.name, inst.program, 0, bank.instruments.size() - 1});
    }
    Instrument kit{"Drum Kit", {}};
    for (int i = 0; i < DRUM_SOUND_COUNT; ++i) {
        const DrumSound& d = DRUM_SOUNDS[i];
        bank.samples.push_back(synth_drum_sample(d));
        std::vector<GenValue> g;
        g.push_back({GEN_KEY_RANGE, key_range(d.key, d.key)});
        g.push_back({GEN_PAN, signed16(d.pan * 10)});
        // a drum rings out whenever its key is let go
        g.push_back({GEN_VOL_ENV_RELEASE, timecents(d.decay_ms)});
        g.push_back({GEN_ATTENUATION, uint16_t(attenuation(d.level_db))});
        g.push_back({GEN_SAMPLE_ID, uint16_t(bank.samples.size() - 1)});
        kit.zones.push_back({g});
    }
    bank.instruments.push_back(kit);
    bank.presets.push_back({"Drum Kit", 0, DRUM_BANK, bank.instruments.size() - 1});
    return bank;
}

void put_name(std::vector<uint8_t>& b, const std::string& name) {
    char field[20] = {};
    std::strncpy(field, name.c_str(), 19);  // always zero-terminated
    b.insert(b.end(), field, field + 20);
}

void put_chunk(std::vector<uint8_t>& b, const char* id, const std::vector<uint8_t>& body) {
    b.insert(b.end(), id, id + 4);
    put32(b, uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2) b.push_back(0);
}

std::vector<uint8_t> list(const char* type, const std::vector<uint8_t>& chunks) {
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), chunks.begin(), chunks.end());
    std::vector<uint8_t> b;
    put_chunk(b, "LIST", body);
    return b;
}

std::vector<uint8_t> text(const std::string& s) {
    std::vector<uint8_t> b(s.begin(), s.end());
    b.push_back(0);
    if (b.size() % 2) b.push_back(0);
    return b;
}

std::vector<uint8_t> info_list() {
    std::vector<uint8_t> c, ver;
    put16(ver, 2);
    put16(ver, 1);
    put_chunk(c, "ifil", ver);
    put_chunk(c, "isng", text("EMU8000"));
    put_chunk(c, "INAM", text("Cloudpiercer instruments"));
    put_chunk(c, "ICMT", text("Synthesised by the Cloudpiercer asset forge"));
    return list("INFO", c);
}

// Sample data, and where each sample starts in it.
std::vector<uint8_t> sample_list(const Bank& bank, std::vector<uint32_t>& starts) {
    std::vector<uint8_t> smpl;
    uint32_t at = 0;
    for (const BankSample& s : bank.samples) {
        starts.push_back(at);
        for (int16_t v : s.pcm) put16(smpl, uint16_t(v));
        for (int i = 0; i < SAMPLE_GUARD; ++i) put16(smpl, 0);
        at += uint32_t(s.pcm.size() + SAMPLE_GUARD);
    }
    std::vector<uint8_t> c;
    put_chunk(c, "smpl", smpl);
    return list("sdta", c);
}

// The nine "hydra" chunks: presets and instruments as zones of generators.
std::vector<uint8_t> preset_list(const Bank& bank, const std::vector<uint32_t>& starts) {
    std::vector<uint8_t> phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr;
    for (size_t p = 0; p < bank.presets.size(); ++p) {
        put_name(phdr, bank.presets[p].name);
        put16(phdr, uint32_t(bank.presets[p].program));
        put16(phdr, uint32_t(bank.presets[p].bank));
        put16(phdr, uint32_t(p));  // one zone each
        put32(phdr, 0);
        put32(phdr, 0);
        put32(phdr, 0);
        put16(pbag, uint32_t(p));
        put16(pbag, 0);
        put16(pgen, GEN_INSTRUMENT);
        put16(pgen, uint32_t(bank.presets[p].instrument));
    }
    put_name(phdr, "EOP");
    put16(phdr, 0);
    put16(phdr, 0);
    put16(phdr, uint32_t(bank.presets.size()));
    for (int i = 0; i < 3; ++i) put32(phdr, 0);
    put16(pbag, uint32_t(bank.presets.size()));
    put16(pbag, 0);
    pmod.assign(10, 0);
    put32(pgen, 0);

    uint32_t bag = 0, gen = 0;
    for (const Instrument& in : bank.instruments) {
        put_name(inst, in.name);
        put16(inst, bag);
        for (const Zone& z : in.zones) {
            put16(ibag, gen);
            put16(ibag, 0);
            for (const GenValue& g : z.gens) {
                put16(igen, g.oper);
                put16(igen, g.amount);
            }
            gen += uint32_t(z.gens.size());
            ++bag;
        }
    }
    put_name(inst, "EOI");
    put16(inst, bag);
    put16(ibag, gen);
    put16(ibag, 0);
    imod.assign(10, 0);
    put32(igen, 0);

    for (size_t i = 0; i < bank.samples.size(); ++i) {
        const BankSample& s = bank.samples[i];
        const uint32_t start = starts[i];
        const uint32_t end = start + uint32_t(s.pcm.size());
        put_name(shdr, s.name);
        put32(shdr, start);
        put32(shdr, end);
        put32(shdr, s.looped ? start + s.loop_start : start);
        put32(shdr, s.looped ? end : start);
        put32(shdr, SOUND_RATE);
        shdr.push_back(uint8_t(s.root_key));
        shdr.push_back(uint8_t(int8_t(s.cents)));
        put16(shdr, 0);
        put16(shdr, 1);  // mono
    }
    put_name(shdr, "EOS");
    shdr.resize(shdr.size() + 26, 0);

    std::vector<uint8_t> c;
    put_chunk(c, "phdr", phdr);
    put_chunk(c, "pbag", pbag);
    put_chunk(c, "pmod", pmod);
    put_chunk(c, "pgen", pgen);
    put_chunk(c, "inst", inst);
    put_chunk(c, "ibag", ibag);
    put_chunk(c, "imod", imod);
    put_chunk(c, "igen", igen);
    put_chunk(c, "shdr", shdr);
    return list("pdta", c);
}

}  // namespace

std::vector<uint8_t> encode_soundfont() {
    const Bank bank = build_bank();
    std::vector<uint32_t> starts;
    std::vector<uint8_t> body = {'s', 'f', 'b', 'k'};
    const std::vector<uint8_t> info = info_list();
    const std::vector<uint8_t> sdta = sample_list(bank, starts);
    const std::vector<uint8_t> pdta = preset_list(bank, starts);
    for (const std::vector<uint8_t>* part : {&info, &sdta, &pdta})
        body.insert(body.end(), part->begin(), part->end());
    std::vector<uint8_t> file;
    put_chunk(file, "RIFF", body);
    return file;
}

void forge_soundfont(const std::string& out) {
    write_file(out + "/" + SOUNDFONT_FILE, encode_soundfont());
}

}  // namespace forge
