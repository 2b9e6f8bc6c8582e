// Every sound effect and piece of music, rendered through SDL's disk audio
// driver with the installed instrument set, must make sound, not silence.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/sound_bank.h"

namespace {

// One file per process: two runs at once (two build folders) must not write
// into each other's render.
const std::string RENDER_FILE = "/tmp/cloudpiercer-audio-check-" + std::to_string(getpid()) + ".raw";
constexpr int RATE = 44100;

struct Level {
    double rms;
    int peak;
};

// Opens the audio device, lets `start` begin playing for `ms` of real time
// (the disk driver runs several times faster than real time), and measures
// what was written.
template <typename Start>
Level render(SoundBank* bank, Start start, Uint32 ms) {
    Mix_OpenAudio(RATE, AUDIO_S16SYS, 2, 2048);
    load_sounds(bank);
    start(*bank);
    SDL_Delay(ms);
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    load_sounds(bank);  // releases the handles of this device
    Mix_CloseAudio();

    std::vector<int16_t> samples;
    if (FILE* f = std::fopen(RENDER_FILE.c_str(), "rb")) {
        int16_t buf[4096];
        size_t n;
        while ((n = std::fread(buf, sizeof buf[0], 4096, f)) > 0) samples.insert(samples.end(), buf, buf + n);
        std::fclose(f);
    }
    double sum = 0;
    int peak = 0;
    for (int16_t s : samples) {
        sum += double(s) * s;
        peak = std::max(peak, std::abs(int(s)));
    }
    return {samples.empty() ? 0.0 : std::sqrt(sum / double(samples.size())), peak};
}

class AudioCheck : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", RENDER_FILE.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "5", 1);
        SDL_Init(SDL_INIT_AUDIO);
    }
    static void TearDownTestSuite() {
        SDL_Quit();
        std::remove(RENDER_FILE.c_str());
    }
    SoundBank bank{};
};

}  // namespace

TEST_F(AudioCheck, EverySoundEffectIsAudible) {
    Mix_Chunk* SoundBank::*const fields[] = {
        &SoundBank::laser,  &SoundBank::exp16,         &SoundBank::exp64,       &SoundBank::smallbullet,
        &SoundBank::beep,   &SoundBank::shieldsarelow, &SoundBank::hpup,        &SoundBank::speedup,
        &SoundBank::absorb, &SoundBank::bosscoming,    &SoundBank::largebullet, &SoundBank::rocket};
    for (size_t i = 0; i < std::size(fields); ++i) {
        SCOPED_TRACE("sound effect " + std::to_string(i));
        bool loaded = false;
        const Level level = render(
            &bank,
            [&](SoundBank& b) {
                loaded = b.*fields[i] != nullptr;
                Mix_PlayChannel(-1, b.*fields[i], 0);
            },
            150);
        EXPECT_TRUE(loaded);
        EXPECT_GT(level.rms, 100.0);
        EXPECT_LT(level.peak, 32767) << "clipped";
    }
}

// Every piece of the bank, rendered alone: loaded, and not silence.
template <typename Check>
void render_every_piece(SoundBank* bank, Check check) {
    Mix_Music* SoundBank::*const fields[] = {&SoundBank::level1,   &SoundBank::title,  &SoundBank::gameover,
                                             &SoundBank::lvl1boss, &SoundBank::story,  &SoundBank::story2,
                                             &SoundBank::level2,   &SoundBank::level3, &SoundBank::level4,
                                             &SoundBank::victory};
    for (size_t i = 0; i < std::size(fields); ++i) {
        SCOPED_TRACE("music " + std::to_string(i));
        bool loaded = false;
        const Level level = render(
            bank,
            [&](SoundBank& b) {
                loaded = b.*fields[i] != nullptr;
                Mix_PlayMusic(b.*fields[i], 0);
            },
            400);
        EXPECT_TRUE(loaded);
        EXPECT_GT(level.rms, 100.0);
        check(level);
    }
}

TEST_F(AudioCheck, EveryPieceOfMusicPlaysWithTheInstalledInstruments) {
    render_every_piece(&bank, [](const Level&) {});
}

// The game hands the synthesiser its own bank before the device opens: then
// every piece must play with it, whatever instruments the system has.
TEST_F(AudioCheck, EveryPieceOfMusicPlaysWithTheGamesOwnInstruments) {
    ASSERT_TRUE(use_instrument_bank());
    render_every_piece(&bank, [](const Level& level) {
        EXPECT_LT(level.peak, 32767) << "clipped";
        ASSERT_NE(Mix_GetSoundFonts(), nullptr);
        EXPECT_STREQ(Mix_GetSoundFonts(), INSTRUMENT_BANK_FILE);
    });
}
