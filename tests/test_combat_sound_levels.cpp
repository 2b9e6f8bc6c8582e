// Sound levels in combat: the low-shield warning sounds on two channels that
// together make one warning's loudness, and the channels it halved give the
// next sounds their full volume again.
#include <gtest/gtest.h>

#include <vector>

#include "combat/collisions.h"
#include "combat/weapons.h"
#include "tests/test_combat_helpers.h"

using SoundLevels = CombatTest;

namespace {

std::vector<int> channels_playing(Mix_Chunk* chunk) {
    std::vector<int> found;
    for (int c = 0; c < Mix_AllocateChannels(-1); ++c) {
        if (Mix_Playing(c) && Mix_GetChunk(c) == chunk) found.push_back(c);
    }
    return found;
}

}  // namespace

TEST_F(SoundLevels, TheLowShieldWarningAddsUpToOneWarningAndLeavesNoChannelQuiet) {
    ASSERT_NE(sounds.shieldsarelow, nullptr);
    ASSERT_NE(sounds.laser, nullptr);
    ASSERT_NE(sounds.exp16, nullptr);

    // Dropping to 1 starts the warning twice in the same pass: the copies
    // start on the same sample, so their channel volumes add up.
    player.shields = 2;
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_SHIP]);
    ASSERT_TRUE(spot);
    place_shot(TPL_SMALL_BULLET, player.x + spot->x, player.y + spot->y, DIR_DOWN);
    update_player(&player);
    ASSERT_EQ(player.shields, 1);
    const std::vector<int> warning = channels_playing(sounds.shieldsarelow);
    ASSERT_EQ(warning.size(), 2u);
    EXPECT_EQ(Mix_Volume(warning[0], -1) + Mix_Volume(warning[1], -1), MIX_MAX_VOLUME);
    EXPECT_GT(Mix_Volume(warning[0], -1), 0);
    EXPECT_GT(Mix_Volume(warning[1], -1), 0);

    // Once they are free, the level-1 laser (which has a channel of its own
    // among them) and the next effects are heard at full volume.
    hush();
    player.weapon = 1;
    player_fire(&player, shots);
    play_sound(sounds.exp16);
    play_sound(sounds.exp64);
    play_sound(sounds.hpup);
    ASSERT_EQ(channels_playing(sounds.laser).size(), 1u);
    ASSERT_EQ(channels_playing(sounds.exp16).size(), 1u);
    for (int c : warning) {
        EXPECT_TRUE(Mix_Playing(c)) << "channel " << c;
        EXPECT_EQ(Mix_Volume(c, -1), MIX_MAX_VOLUME) << "channel " << c;
    }

    // With every channel busy an effect is dropped and no playing channel's
    // volume is touched.
    hush();
    for (int c = 0; c < Mix_AllocateChannels(-1); ++c) {
        Mix_Volume(c, 100);
        Mix_PlayChannel(c, sounds.exp16, 0);
    }
    EXPECT_EQ(play_sound_at(sounds.shieldsarelow, 10), -1);
    EXPECT_TRUE(channels_playing(sounds.shieldsarelow).empty());
    for (int c = 0; c < Mix_AllocateChannels(-1); ++c) EXPECT_EQ(Mix_Volume(c, -1), 100);
    hush();
    EXPECT_EQ(play_sound_at(nullptr, MIX_MAX_VOLUME), -1);
    for (int c = 0; c < Mix_AllocateChannels(-1); ++c) Mix_Volume(c, MIX_MAX_VOLUME);
}

TEST_F(SoundLevels, HitsLandingTogetherAddUpToLessThanTheirCount) {
    ASSERT_NE(sounds.exp16, nullptr);
    ASSERT_NE(sounds.exp64, nullptr);
    // Three shots of a volley hit a ufo in one pass: every hit sounds, each
    // copy softer than the one before, together well under three hits.
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_UFO]);
    ASSERT_TRUE(spot);
    Enemy* target = place_enemy(TPL_UFO, 300, 200);
    ASSERT_NE(target, nullptr);
    target->hit_points = 99;
    for (int k = 0; k < 3; ++k) place_shot(TPL_SHOT_L1, 300 + spot->x, 200 + spot->y, DIR_UP);
    hit_enemy_with_shots(target, shots);
    EXPECT_EQ(target->hit_points, 96);
    const std::vector<int> hits = channels_playing(sounds.exp16);
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(Mix_Volume(hits[0], -1), MIX_MAX_VOLUME);
    EXPECT_EQ(Mix_Volume(hits[1], -1), MIX_MAX_VOLUME / 2);
    EXPECT_EQ(Mix_Volume(hits[2], -1), MIX_MAX_VOLUME / 3);

    // Another effect is not made softer by them, and once they have ended the
    // next hit is at full volume again.
    play_sound(sounds.exp64);
    ASSERT_EQ(channels_playing(sounds.exp64).size(), 1u);
    EXPECT_EQ(Mix_Volume(channels_playing(sounds.exp64)[0], -1), MIX_MAX_VOLUME);
    hush();
    play_sound(sounds.exp16);
    ASSERT_EQ(channels_playing(sounds.exp16).size(), 1u);
    EXPECT_EQ(Mix_Volume(channels_playing(sounds.exp16)[0], -1), MIX_MAX_VOLUME);
}
