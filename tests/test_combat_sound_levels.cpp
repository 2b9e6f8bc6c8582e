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
    play_sound(sounds.exp16);
    play_sound(sounds.exp16);
    ASSERT_EQ(channels_playing(sounds.laser).size(), 1u);
    ASSERT_EQ(channels_playing(sounds.exp16).size(), 3u);
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
