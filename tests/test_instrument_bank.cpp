// The game's own instrument bank: a SoundFont the synthesiser can read that
// answers every program and drum key the music plays, and a bank that is
// missing or damaged is refused rather than handed to the synthesiser
// (which would then load no music at all).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "assets/sound_bank.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void write_bytes(const fs::path& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

uint32_t le(const Bytes& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b.at(at + size_t(i));
    return v;
}

// What a synthesiser finds in the bank: for each (bank, program) preset the
// keys its zones answer, each zone pointing at a sample inside the data.
struct BankContents {
    std::map<std::pair<int, int>, std::set<int>> keys;  // (bank, program) -> keys
    int bad_zones = 0;                                  // zones without a sample, or a sample out of the data
};

// Reads the sub-chunks of a LIST body into id -> [start, end).
std::map<std::string, std::pair<size_t, size_t>> chunks(const Bytes& f, size_t at, size_t end) {
    std::map<std::string, std::pair<size_t, size_t>> out;
    while (at + 8 <= end) {
        const size_t size = le(f, at + 4, 4);
        const std::string id(f.begin() + long(at), f.begin() + long(at) + 4);
        if (id == "LIST") {
            const std::string type(f.begin() + long(at) + 8, f.begin() + long(at) + 12);
            out[type] = {at + 12, at + 8 + size};
        } else {
            out[id] = {at + 8, at + 8 + size};
        }
        at += 8 + size + (size & 1);
    }
    return out;
}

BankContents read_bank(const Bytes& f) {
    BankContents c;
    const auto top = chunks(f, 12, f.size());
    const auto pdta = chunks(f, top.at("pdta").first, top.at("pdta").second);
    const auto sdta = chunks(f, top.at("sdta").first, top.at("sdta").second);
    const size_t sample_points = (sdta.at("smpl").second - sdta.at("smpl").first) / 2;
    auto rec = [&](const char* id, size_t size, size_t i) { return pdta.at(id).first + i * size; };
    auto count = [&](const char* id, size_t size) { return (pdta.at(id).second - pdta.at(id).first) / size; };

    // the samples' bounds
    std::vector<bool> sample_ok;
    for (size_t s = 0; s + 1 < count("shdr", 46); ++s) {
        const size_t r = rec("shdr", 46, s);
        const uint32_t start = le(f, r + 20, 4), end = le(f, r + 24, 4);
        const uint32_t loop_start = le(f, r + 28, 4), loop_end = le(f, r + 32, 4);
        sample_ok.push_back(start < end && end <= sample_points && loop_start >= start && loop_end <= end);
    }
    // an instrument's zones: the keys of those with a good sample
    auto instrument_keys = [&](size_t inst) {
        std::set<int> keys;
        const size_t first = le(f, rec("inst", 22, inst) + 20, 2);
        const size_t last = le(f, rec("inst", 22, inst + 1) + 20, 2);
        for (size_t z = first; z < last; ++z) {
            const size_t g0 = le(f, rec("ibag", 4, z), 2), g1 = le(f, rec("ibag", 4, z + 1), 2);
            int lo = 0, hi = 127;
            bool sampled = false;
            for (size_t g = g0; g < g1; ++g) {
                const uint32_t oper = le(f, rec("igen", 4, g), 2);
                const uint32_t amount = le(f, rec("igen", 4, g) + 2, 2);
                if (oper == 43) lo = int(amount & 0xff), hi = int(amount >> 8);
                if (oper == 53) sampled = amount < sample_ok.size() && sample_ok[amount];
            }
            if (!sampled) {
                ++c.bad_zones;
                continue;
            }
            for (int k = lo; k <= hi; ++k) keys.insert(k);
        }
        return keys;
    };
    for (size_t p = 0; p + 1 < count("phdr", 38); ++p) {
        const size_t r = rec("phdr", 38, p);
        const int program = int(le(f, r + 20, 2)), bank = int(le(f, r + 22, 2));
        const size_t z0 = le(f, r + 24, 2), z1 = le(f, rec("phdr", 38, p + 1) + 24, 2);
        for (size_t z = z0; z < z1; ++z) {
            const size_t g0 = le(f, rec("pbag", 4, z), 2), g1 = le(f, rec("pbag", 4, z + 1), 2);
            for (size_t g = g0; g < g1; ++g) {
                if (le(f, rec("pgen", 4, g), 2) == 41) {
                    const std::set<int> k = instrument_keys(le(f, rec("pgen", 4, g) + 2, 2));
                    c.keys[{bank, program}].insert(k.begin(), k.end());
                }
            }
        }
    }
    return c;
}

uint32_t varlen(const Bytes& b, size_t& at) {
    uint32_t v = 0;
    uint8_t byte = 0;
    do {
        byte = b.at(at++);
        v = v << 7 | (byte & 0x7f);
    } while (byte & 0x80);
    return v;
}

// Every (bank, program, key) a Standard MIDI File strikes: bank 128 on the
// percussion channel, program 0 until a program change says otherwise.
std::set<std::tuple<int, int, int>> struck_notes(const Bytes& m) {
    std::set<std::tuple<int, int, int>> notes;
    int program[16] = {};
    size_t at = 14;
    while (at + 8 <= m.size()) {
        const size_t end =
            at + 8 +
            (size_t(m[at + 4]) << 24 | size_t(m[at + 5]) << 16 | size_t(m[at + 6]) << 8 | size_t(m[at + 7]));
        at += 8;
        uint8_t status = 0;
        while (at < end) {
            varlen(m, at);
            if (m.at(at) & 0x80) status = m[at++];
            const int ch = status & 15;
            if (status == 0xff) {
                ++at;
                at += varlen(m, at);
            } else if (status == 0xf0 || status == 0xf7) {
                at += varlen(m, at);
            } else if ((status & 0xf0) == 0xc0 || (status & 0xf0) == 0xd0) {
                if ((status & 0xf0) == 0xc0) program[ch] = m[at];
                at += 1;
            } else {
                if ((status & 0xf0) == 0x90 && m.at(at + 1) > 0)
                    notes.insert({ch == 9 ? 128 : 0, ch == 9 ? 0 : program[ch], m[at]});
                at += 2;
            }
        }
    }
    return notes;
}

const char* const PIECES[] = {"title",    "level1", "level2", "level3",   "level4",
                              "lvl1boss", "story",  "story2", "gameover", "victory"};

}  // namespace

TEST(InstrumentBank, AnswersEveryProgramAndDrumKeyOfEveryPiece) {
    ASSERT_TRUE(is_instrument_bank(INSTRUMENT_BANK_FILE));
    const BankContents bank = read_bank(read_file(INSTRUMENT_BANK_FILE));
    EXPECT_EQ(bank.bad_zones, 0);
    ASSERT_TRUE(bank.keys.count({128, 0})) << "no drum kit";
    for (const char* piece : PIECES) {
        const std::set<std::tuple<int, int, int>> notes =
            struck_notes(read_file(std::string("midi/") + piece + ".mid"));
        EXPECT_GT(notes.size(), 10u) << piece;
        for (const auto& [b, program, key] : notes) {
            const auto preset = bank.keys.find({b, program});
            if (preset == bank.keys.end()) {
                ADD_FAILURE() << piece << " plays "
                              << (b == 128 ? "the drum kit" : "program " + std::to_string(program))
                              << ", which the bank lacks";
            } else {
                EXPECT_TRUE(preset->second.count(key))
                    << piece << ": bank " << b << " program " << program << " has no sound for key " << key;
            }
        }
    }
}

// Damaged copies of the real bank: each is refused.
TEST(InstrumentBank, MissingEmptyCutOrDamagedBankIsRefused) {
    const Bytes good = read_file(INSTRUMENT_BANK_FILE);
    ASSERT_GT(good.size(), 4096u);
    const fs::path dir = fs::path(testing::TempDir()) / "instrument_bank_cases";
    fs::remove_all(dir);
    fs::create_directories(dir);

    auto with = [&](size_t at, const std::string& bytes) {
        Bytes b = good;
        for (size_t i = 0; i < bytes.size(); ++i) b.at(at + i) = uint8_t(bytes[i]);
        return b;
    };
    const size_t pdta = std::string(good.begin(), good.end()).find("pdta");
    ASSERT_NE(pdta, std::string::npos);
    Bytes appended = good;
    appended.push_back(0);
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"only its first twelve bytes", Bytes(good.begin(), good.begin() + 12)},
        {"cut in half", Bytes(good.begin(), good.begin() + long(good.size() / 2))},
        {"a byte appended", appended},
        {"not a SoundFont form", with(8, "WAVE")},
        {"preset data chunk renamed", with(pdta + 4, "phdX")},
        {"preset records of the wrong size", with(pdta + 8, std::string("\x25\x00\x00\x00", 4))},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const fs::path path = dir / "bank.sf2";
        write_bytes(path, bytes);
        EXPECT_FALSE(is_instrument_bank(path.c_str()));
    }
    EXPECT_FALSE(is_instrument_bank((dir / "absent.sf2").c_str()));
    fs::create_directory(dir / "folder.sf2");  // opens, but cannot be read
    EXPECT_FALSE(is_instrument_bank((dir / "folder.sf2").c_str()));
    write_bytes(dir / "bank.sf2", good);
    EXPECT_TRUE(is_instrument_bank((dir / "bank.sf2").c_str()));
    fs::remove_all(dir);
}

TEST(InstrumentBank, WithoutItsBankTheGameWarnsOnceAndKeepsTheMixersInstruments) {
    Mix_SetSoundFonts(nullptr);  // as before any start-up
    const fs::path home = fs::current_path();
    const fs::path dir = fs::path(testing::TempDir()) / "instrument_bank_missing";
    fs::remove_all(dir);
    fs::create_directories(dir / "midi");
    fs::current_path(dir);
    testing::internal::CaptureStderr();
    const bool used = use_instrument_bank();
    const std::string warning = testing::internal::GetCapturedStderr();
    fs::current_path(home);
    fs::remove_all(dir);
    EXPECT_FALSE(used);
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_NE(warning.find(INSTRUMENT_BANK_FILE), std::string::npos) << warning;
    const char* fonts = Mix_GetSoundFonts();
    EXPECT_TRUE(fonts == nullptr || std::string(fonts) != INSTRUMENT_BANK_FILE);

    // with the bank in place it is the synthesiser's, and nothing is said
    testing::internal::CaptureStderr();
    EXPECT_TRUE(use_instrument_bank());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_NE(Mix_GetSoundFonts(), nullptr);
    EXPECT_EQ(std::string(Mix_GetSoundFonts()), INSTRUMENT_BANK_FILE);
}

// Every looped wave must play in tune and without a click at its loop point:
// its stated pitch (root key and cents) has to match the cycles it holds, and
// the jump from its last point back to its first must be no bigger than the
// steps inside it.
TEST(InstrumentBank, EveryWaveLoopsWithoutAClickAndPlaysAtItsStatedPitch) {
    const Bytes f = read_file(INSTRUMENT_BANK_FILE);
    ASSERT_TRUE(is_instrument_bank(INSTRUMENT_BANK_FILE));
    const auto top = chunks(f, 12, f.size());
    const auto pdta = chunks(f, top.at("pdta").first, top.at("pdta").second);
    const auto sdta = chunks(f, top.at("sdta").first, top.at("sdta").second);
    const size_t smpl = sdta.at("smpl").first;
    auto point = [&](size_t i) { return double(int16_t(le(f, smpl + 2 * i, 2))); };
    // the strength of the wave at `cycles` per loop
    auto strength = [&](size_t start, size_t n, double cycles) {
        std::complex<double> sum = 0.0;
        for (size_t i = 0; i < n; ++i)
            sum +=
                point(start + i) * std::polar(1.0, -2.0 * std::numbers::pi * cycles * double(i) / double(n));
        return std::abs(sum) / double(n);
    };
    int looped = 0;
    for (size_t r = pdta.at("shdr").first; r + 2 * 46 <= pdta.at("shdr").second; r += 46) {
        const std::string name(reinterpret_cast<const char*>(&f[r]));
        const uint32_t start = le(f, r + 20, 4), end = le(f, r + 24, 4);
        const uint32_t loop_start = le(f, r + 28, 4), loop_end = le(f, r + 32, 4);
        if (loop_end <= loop_start) continue;  // a one-shot drum
        SCOPED_TRACE(name);
        ++looped;
        ASSERT_LE(start, loop_start);
        ASSERT_LE(loop_end, end);
        const size_t n = loop_end - loop_start;
        double steepest = 0.0, sum = 0.0;
        for (size_t i = loop_start; i + 1 < loop_end; ++i) {
            steepest = std::max(steepest, std::fabs(point(i + 1) - point(i)));
            sum += point(i) * point(i);
        }
        EXPECT_LE(std::fabs(point(loop_start) - point(loop_end - 1)), steepest * 1.05 + 1.0);

        const int root = int(f[r + 40]);
        const int cents = int(int8_t(f[r + 41]));
        EXPECT_LE(std::abs(cents), 50);
        const double hz = 440.0 * std::pow(2.0, (root + cents / 100.0 - 69.0) / 12.0);
        const double cycles = hz * double(n) / double(le(f, r + 36, 4));
        // a loop holds a whole number of cycles; the stated pitch is rounded to a cent
        EXPECT_NEAR(cycles, std::round(cycles), cycles * 0.0003 + 0.01);
        const double rms = std::sqrt(sum / double(n));
        double fundamental = 0.0;  // a section's voices spread over neighbouring cycles
        for (int d = -2; d <= 2; ++d)
            fundamental = std::max(fundamental, strength(loop_start, n, std::round(cycles) + d));
        EXPECT_GT(fundamental, 0.05 * rms) << "no fundamental at " << hz << " Hz";
        if (std::fmod(std::round(cycles), 2.0) == 0.0) {
            EXPECT_LT(strength(loop_start, n, std::round(cycles) / 2.0), 0.01 * rms)
                << "sounds an octave low";
        }
    }
    EXPECT_GT(looped, 20);
}
