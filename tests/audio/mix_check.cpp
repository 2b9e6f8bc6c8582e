// The mix as a player hears it, measured by the mix meter: a long boss fight
// with every kind of hit never overflows the output, the boss music lasts the
// slowest fight, the effects stand out from the music, and the pieces are
// about equally loud.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/sound_bank.h"
#include "audio/mix_meter.h"
#include "core/game_state.h"

namespace {

constexpr int FPS_FRAMES_PER_MINUTE = 60000 / int(FRAME_MS);

bool main_phase_on() {
    return stage_flags[LEVEL1_ON] || stage_flags[LEVEL2_ON] || stage_flags[LEVEL3_ON] ||
           stage_flags[LEVEL4_ON];
}

Enemy* live_boss() {
    for (Enemy& e : enemies) {
        if (e.hit_points != 0 && e.kind == ENEMY_LVL1BOSS) return &e;
    }
    return nullptr;
}

// Loudness in dB of full scale of the loudest 0.1 s of an effect as the
// mixer holds it (the device's 16-bit samples, at the chunk's own volume).
double loudest_tenth(const Mix_Chunk* chunk) {
    const size_t n = chunk->alen / 2;
    std::vector<double> s(n);
    for (size_t i = 0; i < n; ++i) {
        const Uint8* b = chunk->abuf + 2 * i;
        s[i] = double(int16_t((b[0] << 8) | b[1])) / 32768.0 * chunk->volume / MIX_MAX_VOLUME;
    }
    const size_t window = std::min<size_t>(n, 44100 / 10 * 2);
    double best = 0.0;
    for (size_t start = 0; start + window <= n; start += window / 4) {
        double power = 0.0;
        for (size_t i = start; i < start + window; ++i) power += s[i] * s[i];
        best = std::max(best, power / double(window));
    }
    return 10.0 * std::log10(std::max(best, 1e-12));
}

double piece_loudness(Mix_Music* music, double seconds) {
    Mix_HaltMusic();
    mix_meter::meter.reset();
    play_music(music, 0);
    while (mix_meter::meter.seconds() < seconds && Mix_PlayingMusic()) mix_meter::advance(100);
    Mix_HaltMusic();
    return mix_meter::meter.loudness_db();
}

class MixCheck : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        mix_meter::boot();
    }
};

}  // namespace

TEST_F(MixCheck, AFourMinuteBossFightWithEveryKindOfHitNeverClipsAndKeepsItsMusic) {
    ASSERT_NE(sounds.lvl1boss, nullptr);
    LoopState loop;
    mix_meter::start_pilot(&loop);
    // Through level 1's main phase quickly, to its boss.
    for (int frame = 0; frame < 2000 && !live_boss(); ++frame) {
        if (main_phase_on() && level_clock > 1 && level_clock < 5990) level_clock = 5990;
        mix_meter::pilot_frame(&loop, 1);
    }
    ASSERT_NE(live_boss(), nullptr);

    // The slowest fight: the boss never weakens while the pilot fires, is
    // hit, is warned and loses ships, for four minutes from the boss music.
    mix_meter::meter.reset();
    int warnings = 0;
    bool music_ran_out_at = false;
    const int hit_points = live_boss()->hit_points;
    for (int frame = 0; frame < 4 * FPS_FRAMES_PER_MINUTE; ++frame) {
        const bool warned = player.low_shield_warned;
        mix_meter::pilot_frame(&loop, 1 + frame / 1200 % 5);  // every weapon, every sound
        warnings += !warned && player.low_shield_warned;
        if (Enemy* boss = live_boss()) boss->hit_points = hit_points;
        music_ran_out_at = music_ran_out_at || !Mix_PlayingMusic();
    }
    EXPECT_GT(warnings, 0);
    EXPECT_GT(mix_meter::meter.peak, 3000) << "the fight is hardly audible";
    EXPECT_EQ(mix_meter::meter.clipped, 0) << "worst second: " << mix_meter::meter.worst_second;
    EXPECT_FALSE(music_ran_out_at) << "the boss music ended before four minutes of fight";
}

TEST_F(MixCheck, EveryEffectStandsOutFromTheMusicAndThePiecesAreAboutEquallyLoud) {
    struct Piece {
        const char* name;
        Mix_Music* SoundBank::*field;
    };
    const Piece pieces[] = {
        {"title", &SoundBank::title},       {"story", &SoundBank::story},
        {"story2", &SoundBank::story2},     {"level1", &SoundBank::level1},
        {"level2", &SoundBank::level2},     {"level3", &SoundBank::level3},
        {"level4", &SoundBank::level4},     {"lvl1boss", &SoundBank::lvl1boss},
        {"gameover", &SoundBank::gameover}, {"victory", &SoundBank::victory},
    };
    // A minute of each (the boss piece's opening roll is quiet, so its first
    // minute is the least of it).
    double quietest = 0.0;
    double loudest = -120.0;
    for (const Piece& p : pieces) {
        SCOPED_TRACE(p.name);
        ASSERT_NE(sounds.*p.field, nullptr);
        const double db = piece_loudness(sounds.*p.field, 60.0);
        EXPECT_GT(db, -40.0) << "hardly audible";
        quietest = std::min(quietest, db);
        loudest = std::max(loudest, db);
    }
    EXPECT_LE(loudest - quietest, 3.0) << "loudest " << loudest << " dB, quietest " << quietest << " dB";

    // Every effect heard in the game, at its loudest, is at least 3 dB over
    // the loudest piece's level, so that it is not lost under any music.
    Mix_Chunk* SoundBank::*const effects[] = {
        &SoundBank::laser,         &SoundBank::exp16,       &SoundBank::exp64,   &SoundBank::smallbullet,
        &SoundBank::beep,          &SoundBank::hpup,        &SoundBank::speedup, &SoundBank::absorb,
        &SoundBank::shieldsarelow, &SoundBank::largebullet, &SoundBank::rocket};
    for (size_t i = 0; i < std::size(effects); ++i) {
        SCOPED_TRACE("effect " + std::to_string(i));
        const Mix_Chunk* chunk = sounds.*effects[i];
        ASSERT_NE(chunk, nullptr);
        EXPECT_GE(loudest_tenth(chunk), loudest + 3.0);
    }
}
