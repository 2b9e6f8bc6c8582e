// The check of a sound file's chunks before SDL sees it: a cut-off effect is
// left out on both SDL libraries, while any whole file, padded chunks and
// chunks of other kinds included, still plays.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assets/data_file.h"
#include "assets/sound_bank.h"
#include "tests/data_folder.h"

namespace {

using Bytes = std::vector<Uint8>;

void put_tag(Bytes* b, const char* four) {
    for (int i = 0; i < 4; ++i) b->push_back(Uint8(four[i]));
}
void put_le32(Bytes* b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b->push_back(Uint8(v >> (8 * i)));
}
void put_le16(Bytes* b, uint16_t v) {
    b->push_back(Uint8(v));
    b->push_back(Uint8(v >> 8));
}

// A mono 16-bit 22050 Hz file with `samples` samples, and before its samples
// a chunk of another kind with an odd size (padded to even, as RIFF wants).
Bytes wav(int samples, bool odd_chunk) {
    Bytes b;
    put_tag(&b, "RIFF");
    put_le32(&b, 0);  // filled in below
    put_tag(&b, "WAVE");
    put_tag(&b, "fmt ");
    put_le32(&b, 16);
    put_le16(&b, 1);  // PCM
    put_le16(&b, 1);
    put_le32(&b, 22050);
    put_le32(&b, 22050 * 2);
    put_le16(&b, 2);
    put_le16(&b, 16);
    if (odd_chunk) {
        put_tag(&b, "note");
        put_le32(&b, 3);
        put_tag(&b, "abc");  // three bytes and the padding
    }
    put_tag(&b, "data");
    put_le32(&b, uint32_t(samples * 2));
    for (int i = 0; i < samples; ++i) put_le16(&b, uint16_t(i * 37));
    const uint32_t riff = uint32_t(b.size() - 8);
    for (int i = 0; i < 4; ++i) b[4 + size_t(i)] = Uint8(riff >> (8 * i));
    return b;
}

}  // namespace

TEST(WavCheck, WholeFilesPassAndEveryCutOneIsRefused) {
    for (bool odd : {false, true}) {
        SCOPED_TRACE(odd ? "with an odd-sized chunk" : "fmt and data only");
        const Bytes whole = wav(100, odd);
        EXPECT_TRUE(wav_is_whole(whole.data(), whole.size()));
        // Cut anywhere, down to nothing: the header, the format, the samples.
        for (size_t cut = 0; cut < whole.size(); ++cut) {
            EXPECT_FALSE(wav_is_whole(whole.data(), cut)) << "cut to " << cut << " of " << whole.size();
        }
    }
    // Something after the samples is not played and does not matter.
    Bytes trailing = wav(10, false);
    put_tag(&trailing, "junk");
    put_le32(&trailing, 0x7fffffff);
    EXPECT_TRUE(wav_is_whole(trailing.data(), trailing.size()));
    // Samples before any format: nothing to play them by.
    Bytes no_format;
    put_tag(&no_format, "RIFF");
    put_le32(&no_format, 12);
    put_tag(&no_format, "WAVE");
    put_tag(&no_format, "data");
    put_le32(&no_format, 0);
    EXPECT_FALSE(wav_is_whole(no_format.data(), no_format.size()));
}

TEST(WavCheck, TheGameLoadsAWholeEffectAndLeavesOutTheSameEffectCutShort) {
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    DataFolder data;
    const Bytes whole = data.original("wav/beep.wav");
    ASSERT_TRUE(wav_is_whole(whole.data(), whole.size())) << "the forge's own effect";
    Mix_Chunk* chunk = load_chunk("wav/beep.wav");
    EXPECT_NE(chunk, nullptr);
    if (chunk) Mix_FreeChunk(chunk);
    data.write("wav/beep.wav", Bytes(whole.begin(), whole.end() - 1));  // one byte short
    EXPECT_EQ(load_chunk("wav/beep.wav"), nullptr);
    data.restore("wav/beep.wav");
    Mix_CloseAudio();
}
