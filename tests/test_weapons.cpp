// The player's weapons: what each weapon level fires, where, and how it sounds.
#include <gtest/gtest.h>

#include "combat/weapons.h"
#include "core/pools.h"
#include "tests/test_combat_helpers.h"

using Weapons = CombatTest;

TEST_F(Weapons, EachWeaponLevelFiresItsShotFromTheMuzzleWithItsSound) {
    struct Case {
        int32_t weapon;
        int32_t kind;
        Mix_Chunk* SoundBank::*sound;
    };
    const Case cases[] = {
        {1, SHOT_L1, &SoundBank::laser},
        {2, SHOT_L2, &SoundBank::laser},
        {3, SHOT_L3, &SoundBank::largebullet},
        {4, SHOT_L4, &SoundBank::rocket},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weapon);
        free_all_slots();
        hush();
        player.weapon = c.weapon;
        player_fire(&player, shots);
        ASSERT_EQ(live_shot_count(), 1);
        EXPECT_EQ(shots[0].kind, c.kind);
        EXPECT_EQ(shots[0].x, 324);
        EXPECT_EQ(shots[0].y, 484);
        EXPECT_EQ(shots[0].direction, DIR_UP);
        EXPECT_EQ(sound_count(sounds.*c.sound), 1);
    }
    // The level-1 laser always takes channel 1, cutting itself off.
    hush();
    player.weapon = 1;
    player_fire(&player, shots);
    player_fire(&player, shots);
    EXPECT_EQ(sound_count(sounds.laser), 1);
    EXPECT_EQ(Mix_GetChunk(1), sounds.laser);
    EXPECT_TRUE(Mix_Playing(1));
    // Level 2 lasers overlap on free channels.
    player.weapon = 2;
    player_fire(&player, shots);
    player_fire(&player, shots);
    EXPECT_EQ(sound_count(sounds.laser), 3);

    // A destroyed ship neither fires nor sounds.
    free_all_slots();
    hush();
    player.shields = 0;
    player_fire(&player, shots);
    EXPECT_EQ(live_shot_count(), 0);
    EXPECT_EQ(sound_count(sounds.laser), 0);
}

TEST_F(Weapons, TheLevelFiveVolleySpreadsThreeShotsAndTheOuterOnesPullAhead) {
    player.weapon = 5;
    player_fire(&player, shots);
    ASSERT_EQ(live_shot_count(), 3);
    const int32_t kinds[] = {SHOT_L1, SHOT_L4, SHOT_L1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(shots[i].kind, kinds[i]);
        EXPECT_EQ(shots[i].x, 316 + 8 * i);
        EXPECT_EQ(shots[i].y, 484);
    }
    EXPECT_EQ(sound_count(sounds.rocket), 1);
    move_shots(shots);
    EXPECT_EQ(shots[0].y, 484 - 14);
    EXPECT_EQ(shots[1].y, 484 - 10);
    EXPECT_EQ(shots[2].y, 484 - 14);

    // With one slot left only the left shot is made, and the sound still plays.
    free_all_slots();
    hush();
    for (int i = 0; i < POOL_SIZE - 1; ++i) place_shot(TPL_SMALL_BULLET, 0, 0, DIR_DOWN);
    player_fire(&player, shots);
    EXPECT_EQ(live_shot_count(), POOL_SIZE);
    EXPECT_EQ(shots[POOL_SIZE - 1].kind, SHOT_L1);
    EXPECT_EQ(shots[POOL_SIZE - 1].x, 316);
    EXPECT_EQ(sound_count(sounds.rocket), 1);
}
