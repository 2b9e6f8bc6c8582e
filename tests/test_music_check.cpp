// Damaged music is found when it is loaded, not by the synthesiser on every
// loop: one warning line naming the piece, and the game plays on without it.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assets/data_file.h"
#include "tests/data_folder.h"
#include "tests/harness.h"

namespace {

using Bytes = std::vector<Uint8>;

// One track: a note on and off, then the end mark.
const Bytes TRACK = {0x00, 0x90, 0x3c, 0x40, 0x60, 0x80, 0x3c, 0x40, 0x00, 0xff, 0x2f, 0x00};

Bytes header(Uint16 format, Uint16 tracks, Uint16 division) {
    return {'M',
            'T',
            'h',
            'd',
            0,
            0,
            0,
            6,
            Uint8(format >> 8),
            Uint8(format),
            Uint8(tracks >> 8),
            Uint8(tracks),
            Uint8(division >> 8),
            Uint8(division)};
}

Bytes chunk(const char* tag, const Bytes& body) {
    Bytes c(tag, tag + 4);
    const Uint32 n = Uint32(body.size());
    for (int shift : {24, 16, 8, 0}) c.push_back(Uint8(n >> shift));
    c.insert(c.end(), body.begin(), body.end());
    return c;
}

Bytes midi(const Bytes& head, const std::vector<Bytes>& tracks) {
    Bytes m = head;
    for (const Bytes& t : tracks) {
        const Bytes c = chunk("MTrk", t);
        m.insert(m.end(), c.begin(), c.end());
    }
    return m;
}

bool whole(const Bytes& b) {
    return midi_is_whole(b.data(), b.size());
}

const char* const PIECES[] = {"midi/level1.mid",  "midi/level2.mid", "midi/level3.mid",   "midi/level4.mid",
                              "midi/victory.mid", "midi/title.mid",  "midi/gameover.mid", "midi/lvl1boss.mid",
                              "midi/story.mid",   "midi/story2.mid"};

}  // namespace

TEST(MusicCheck, WellFormedPiecesPassAndEachKindOfDamageIsFound) {
    const Bytes good = midi(header(0, 1, 96), {TRACK});
    EXPECT_TRUE(whole(good));
    // Running status, a second track in format 1, a chunk of an unknown kind.
    EXPECT_TRUE(
        whole(midi(header(0, 1, 96), {{0x00, 0x90, 0x3c, 0x40, 0x10, 0x3e, 0x40, 0x00, 0xff, 0x2f, 0x00}})));
    Bytes with_extra = header(1, 2, 96);
    for (const Bytes& c : {chunk("XTRA", {1, 2, 3}), chunk("MTrk", TRACK), chunk("MTrk", TRACK)}) {
        with_extra.insert(with_extra.end(), c.begin(), c.end());
    }
    EXPECT_TRUE(whole(with_extra));

    Bytes no_end = TRACK;
    no_end.resize(no_end.size() - 4);
    const Bytes long_end = {0x00, 0x90, 0x3c, 0x40, 0x00, 0xff, 0x2f, 0x01, 0x00};
    Bytes track_past_file = good;
    track_past_file[21] += 1;  // the track length's low byte
    Bytes header_length_5 = good;
    header_length_5[7] = 5;
    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case damaged[] = {
        {"empty", {}},
        {"half", Bytes(good.begin(), good.begin() + long(good.size() / 2))},
        {"not a header", Bytes(good.begin() + 1, good.end())},
        {"short header", header_length_5},
        {"format 2", midi(header(2, 1, 96), {TRACK})},
        {"no tracks", midi(header(1, 0, 96), {})},
        {"format 0 with two tracks", midi(header(0, 2, 96), {TRACK, TRACK})},
        {"fewer tracks than announced", midi(header(1, 3, 96), {TRACK, TRACK})},
        {"time in frames", midi(header(0, 1, 0xe728), {TRACK})},
        {"no time base", midi(header(0, 1, 0), {TRACK})},
        {"track past the end", track_past_file},
        {"no end mark", midi(header(0, 1, 96), {no_end})},
        {"end mark with a length", midi(header(0, 1, 96), {long_end})},
        {"data byte with its top bit",
         midi(header(0, 1, 96), {{0x00, 0x90, 0x3c, 0x80, 0x00, 0xff, 0x2f, 0x00}})},
        {"running status with none", midi(header(0, 1, 96), {{0x00, 0x3c, 0x40, 0x00, 0xff, 0x2f, 0x00}})},
        {"five-byte time", midi(header(0, 1, 96), {{0x81, 0x81, 0x81, 0x81, 0x01, 0xff, 0x2f, 0x00}})},
        {"song position in a file",
         midi(header(0, 1, 96), {{0x00, 0xf2, 0x01, 0x01, 0x00, 0xff, 0x2f, 0x00}})},
        {"tempo of two bytes",
         midi(header(0, 1, 96), {{0x00, 0xff, 0x51, 0x02, 0x07, 0xa1, 0x00, 0xff, 0x2f, 0x00}})},
        {"meta longer than the track",
         midi(header(0, 1, 96), {{0x00, 0xff, 0x01, 0x7f, 0x41, 0x00, 0xff, 0x2f, 0x00}})},
    };
    for (const Case& c : damaged) EXPECT_FALSE(whole(c.bytes)) << c.what;

    // Every piece the forge writes is whole, and random bytes after a
    // correct header are not.
    std::mt19937 random(6);
    for (const char* piece : PIECES) {
        std::vector<Uint8> bytes;
        ASSERT_TRUE(read_data_file(piece, 1 << 20, &bytes)) << piece;
        EXPECT_TRUE(whole(bytes)) << piece;
        for (size_t i = 30; i < bytes.size(); i += 7) bytes[i] = Uint8(random());
        EXPECT_FALSE(whole(bytes)) << piece << " with its tracks scrambled";
    }
}

TEST(MusicCheck, ADamagedPieceIsLeftOutWithOneWarningLineNamingIt) {
    LoopState loop;
    boot_game(&loop);
    DataFolder data;
    std::mt19937 random(7);
    Bytes noise(6000);
    for (Uint8& b : noise) b = Uint8(random());
    Bytes scrambled = data.original("midi/story.mid");
    for (size_t i = 30; i < scrambled.size(); i += 7) scrambled[i] = Uint8(random());
    const Bytes title = data.original("midi/title.mid");
    data.write("midi/title.mid", noise);
    data.write("midi/story.mid", scrambled);
    data.write("midi/level2.mid", Bytes(title.begin(), title.begin() + long(title.size() / 2)));

    testing::internal::CaptureStderr();
    load_sounds(&sounds);
    const std::string warnings = testing::internal::GetCapturedStderr();
    EXPECT_EQ(warnings,
              "cloudpiercer: music \"midi/level2.mid\" is damaged; playing on without it\n"
              "cloudpiercer: music \"midi/title.mid\" is damaged; playing on without it\n"
              "cloudpiercer: music \"midi/story.mid\" is damaged; playing on without it\n");
    EXPECT_EQ(sounds.title, nullptr);
    EXPECT_EQ(sounds.story, nullptr);
    EXPECT_EQ(sounds.level2, nullptr);
    EXPECT_NE(sounds.level1, nullptr);
    EXPECT_NE(sounds.story2, nullptr);

    // The title and the opening story play on in silence, without a word more.
    testing::internal::CaptureStderr();
    restart_game(&loop);
    set_auto_keys(true);
    run_frames(&loop, 40);
    set_auto_keys(false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(stage_flags[LEVEL1_ON]);
    EXPECT_GT(level_clock, 30);
}
