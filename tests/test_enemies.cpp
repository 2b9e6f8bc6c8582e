// Enemy movement and behaviours: retirement, the carriers' sweep, the bosses'
// tracking, retreat, boss bar and destruction, and the end of a boss stage.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "combat/enemies.h"
#include "core/pools.h"
#include "tests/test_combat_helpers.h"

using Enemies = CombatTest;

namespace {

void pass() {
    update_enemies(enemies, &player, shots);
}

}  // namespace

TEST_F(Enemies, FarOffScreenEnemiesLeaveSilentlyAtTheirLimits) {
    struct Case {
        int32_t x, y, speed;
        Direction direction;
        int passes_alive;  // passes after which it is still there; gone one later
    };
    const Case cases[] = {
        {700, -64, 3, DIR_DOWN, 354},  // y 998 still in, 1001 gone
        {700, 0, 8, DIR_DOWN, 125},    // y 1000 still in, 1008 gone
        {0, 100, 8, DIR_LEFT, 83},     // x -664 still in, -672 gone (-600 - 64)
        {0, 100, 8, DIR_RIGHT, 125},   // x 1000 still in, 1008 gone
        {700, 0, 8, DIR_UP, 83},       // y -664 still in, -672 gone
    };
    player.x = 0;  // out of every ufo's column and row
    player.y = 300;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.direction);
        free_all_slots();
        hush();
        Enemy* e = place_enemy(TPL_UFO, c.x, c.y, c.direction);
        e->speed = c.speed;
        e->shots_left = 0;
        for (int i = 0; i < c.passes_alive; ++i) pass();
        EXPECT_NE(e->hit_points, 0);
        pass();
        EXPECT_EQ(e->hit_points, 0);
        EXPECT_EQ(player.score_ones, 0);
        EXPECT_EQ(player.powerup_points, 0);
        EXPECT_TRUE(front_effects_of_kind(EFFECT_LARGE_EXPLOSION).empty());
        EXPECT_EQ(sound_count(sounds.exp64), 0);
    }
}

TEST_F(Enemies, ACarrierSweepsBetweenItsLimitsWhileSinkingUntilItLeavesBelow) {
    Enemy* e = place_enemy(TPL_WEAPONICON, 400, -32, DIR_LEFT);
    int32_t min_x = 400, max_x = 400, turns_left = 0, turns_right = 0, passes = 0;
    while (e->hit_points != 0 && passes < 2000) {
        const int32_t y = e->y;
        const Direction d = e->direction;
        pass();
        ++passes;
        if (e->hit_points == 0) break;
        min_x = std::min(min_x, e->x);
        max_x = std::max(max_x, e->x);
        // It sinks 1 a frame, 2 in the frame of a right-to-left turn.
        const bool turned_left = d == DIR_RIGHT && e->direction == DIR_LEFT;
        EXPECT_EQ(e->y - y, turned_left ? 2 : 1) << "pass " << passes;
        turns_left += turned_left;
        turns_right += d == DIR_LEFT && e->direction == DIR_RIGHT;
    }
    EXPECT_EQ(min_x, 96);   // the first x at or left of 99
    EXPECT_EQ(max_x, 704);  // the first x right of 700
    EXPECT_GE(turns_left, 2);
    EXPECT_GE(turns_right, 2);
    EXPECT_EQ(e->hit_points, 0);
    EXPECT_GT(e->y, 1000);
    EXPECT_EQ(player.score_ones, 0);

    // A carrier placed going down neither sweeps nor sinks by its step.
    free_all_slots();
    e = place_enemy(TPL_SHIELDICON, 400, 0, DIR_DOWN);
    pass();
    EXPECT_EQ(e->x, 400);
    EXPECT_EQ(e->y, 4);
}

TEST_F(Enemies, TheFirstBossComesDownTwoRisesEightAndCentresOnTheShip) {
    // The ship at (300, 500): the boss's bottom is wanted at 404, its middle at 332.
    Enemy* boss = place_enemy(TPL_LVL1BOSS, 76, 304 - 256);
    pass();
    EXPECT_EQ(boss->y, 50);
    EXPECT_EQ(boss->x, 76);
    boss->y = 504 - 256;
    pass();
    EXPECT_EQ(boss->y, 240);
    boss->x = 0;
    pass();
    EXPECT_EQ(boss->x, 8);
    boss->x = 100;
    pass();
    EXPECT_EQ(boss->x, 92);
}

TEST_F(Enemies, EachBossSettlesOverTheShipAtItsOwnHeightAndReferencePoint) {
    struct Case {
        int tpl;
        int32_t reference;      // pixels from the left edge held over the ship's centre
        int32_t hover;          // the bottom edge held this far above the ship's top
        int32_t step;           // the horizontal step, the tolerance of the settling
        int32_t vertical_step;  // the larger of its up and down steps
    };
    const Case cases[] = {
        {TPL_LVL1BOSS, 256, 96, 8, 8},
        {TPL_LVL2BOSS, 155, 96, 4, 6},
        {TPL_LVL3BOSS, 256, 128, 6, 6},
        {TPL_LVL4BOSS, 128, 96, 10, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tpl);
        free_all_slots();
        Enemy* boss = place_enemy(c.tpl, 800, -256);
        for (int i = 0; i < 300; ++i) {
            pass();
            for (Shot& s : shots) s.direction = SHOT_FREE;
        }
        const int32_t x = boss->x, y = boss->y;
        pass();
        EXPECT_EQ(boss->x, x);  // settled
        EXPECT_EQ(boss->y, y);
        EXPECT_LE(boss->x + c.reference, 332);
        EXPECT_GT(boss->x + c.reference, 332 - c.step);
        EXPECT_LT(std::abs(boss->y + boss->height - (500 - c.hover)), c.vertical_step);
    }
}

TEST_F(Enemies, BossesRetreatToTheTopWhileTheShipIsGoneAndTrackAgainWhenItReturns) {
    struct Case {
        int tpl;
        int32_t rise, top;
    };
    for (const Case& c : {Case{TPL_LVL1BOSS, 8, 0}, Case{TPL_LVL3BOSS, 16, -10}}) {
        SCOPED_TRACE(c.tpl);
        free_all_slots();
        player.shields = 5;
        Enemy* boss = place_enemy(c.tpl, 76, 100);
        pass();
        const int32_t bar = boss_bar_width;
        player.shields = 0;
        player.lives = 2;
        boss->hit_points -= 20;
        int32_t y = boss->y;
        for (int i = 0; i < 60; ++i) {
            boss->fire_clock = boss->fire_period;  // due every pass, yet silent
            pass();
            EXPECT_EQ(boss->y, y > c.top ? y - c.rise : y);
            y = boss->y;
        }
        EXPECT_EQ(live_shot_count(), 0);
        EXPECT_LE(boss->y, 0);
        EXPECT_GT(boss->y, c.top - c.rise);
        EXPECT_TRUE(boss->x == 127 || boss->x == 128) << boss->x;
        EXPECT_EQ(boss_bar_width, bar);  // the bar keeps its last value

        // The ship returns: the boss comes down after it and fires again.
        player.shields = 5;
        boss->fire_clock = boss->fire_period;
        pass();
        EXPECT_GT(boss->y, y);
        EXPECT_GT(live_shot_count(), 0);
        EXPECT_EQ(boss_bar_width, boss->hit_points);
    }
    // A resting boss drifts to x 127 or 128 from either side.
    for (int32_t x : {120, 121, 135, 136}) {
        free_all_slots();
        player.shields = 0;
        Enemy* boss = place_enemy(TPL_LVL1BOSS, x, 0);
        for (int i = 0; i < 10; ++i) pass();
        EXPECT_TRUE(boss->x == 127 || boss->x == 128) << x << " -> " << boss->x;
    }
}

TEST_F(Enemies, TheBossBarFollowsTheHitPointsAndReadsZeroInTheFrameOfDestruction) {
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_LVL2BOSS]);
    ASSERT_TRUE(spot);
    Enemy* boss = place_enemy(TPL_LVL2BOSS, 177, 148);  // already where it wants to be
    pass();
    EXPECT_EQ(boss_bar_width, 220);
    place_shot(TPL_SHOT_L4, 177 + spot->x, 148 + spot->y);
    pass();
    EXPECT_EQ(boss_bar_width, 215);
    boss->hit_points = 3;
    place_shot(TPL_SHOT_L4, boss->x + spot->x, boss->y + spot->y);
    pass();
    EXPECT_EQ(boss->hit_points, 0);
    EXPECT_EQ(boss_bar_width, 0);
}

TEST_F(Enemies, ADestroyedBossExplodesSixTimesEndsItsStageAndScoresButTheLastOne) {
    struct Case {
        int tpl;
        int32_t score;
    };
    const Case cases[] = {{TPL_LVL1BOSS, 1}, {TPL_LVL2BOSS, 1}, {TPL_LVL3BOSS, 1}, {TPL_LVL4BOSS, 0}};
    struct Blast {
        int32_t dx, dy;
        Direction direction;
    };
    const Blast blasts[] = {{100, 240, DIR_DOWN}, {400, 180, DIR_DOWN}, {260, 200, DIR_RIGHT},
                            {300, 230, DIR_DOWN}, {50, 50, DIR_DOWN},   {250, 290, DIR_LEFT}};
    ensure_music(sounds.lvl1boss);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tpl);
        free_all_slots();
        hush();
        player.score_ones = 0;
        player.powerup_points = 0;
        level_clock = 900;
        play_music(sounds.lvl1boss, 0);
        ASSERT_TRUE(Mix_PlayingMusic());
        Enemy* boss = place_enemy(c.tpl, 100, 40);
        boss->hit_points = -3;
        pass();
        // Its last behaviour step may still move it; the blasts use where it was hit.
        const std::vector<Effect> fx = front_effects_of_kind(EFFECT_LARGE_EXPLOSION);
        ASSERT_EQ(fx.size(), 6u);
        for (size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(fx[i].x, 100 + blasts[i].dx);
            EXPECT_EQ(fx[i].y, 40 + blasts[i].dy);
            EXPECT_EQ(fx[i].direction, blasts[i].direction);
        }
        EXPECT_EQ(boss->hit_points, 0);
        EXPECT_EQ(level_clock, 0);
        EXPECT_EQ(player.score_ones, c.score);
        EXPECT_EQ(player.powerup_points, 0);
        EXPECT_FALSE(Mix_PlayingMusic());
        EXPECT_EQ(sound_count(sounds.exp64), 1);
    }
}

TEST_F(Enemies, DestroyingEachBossBringsTheLifeCarrierAndThenTheNextLevel) {
    struct Case {
        int boss_flag, tpl, next_flag;
    };
    const Case cases[] = {{BOSS1_ON, TPL_LVL1BOSS, LEVEL2_ON},
                          {BOSS2_ON, TPL_LVL2BOSS, LEVEL3_ON},
                          {BOSS3_ON, TPL_LVL3BOSS, LEVEL4_ON},
                          {BOSS4_ON, TPL_LVL4BOSS, LEVEL1_ON}};
    set_auto_keys(true);  // the story pages turn by themselves
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tpl);
        free_all_slots();
        for (bool& f : stage_flags) f = false;
        stage_flags[c.boss_flag] = true;
        level_clock = 900;
        boss_bar_shown = true;
        Enemy* boss = place_enemy(c.tpl, 100, -100);
        boss->hit_points = -1;
        run_frame(&loop);  // destroyed in this frame
        ASSERT_EQ(level_clock, 0);
        auto life_carriers = [] {
            int n = 0;
            for (const Enemy& e : enemies) n += e.hit_points != 0 && e.kind == ENEMY_LIFEICON;
            return n;
        };
        run_frames(&loop, 4);
        EXPECT_EQ(life_carriers(), 0);
        run_frame(&loop);
        EXPECT_EQ(life_carriers(), 1);
        player.shields = 5;
        run_frames(&loop, 194);
        EXPECT_TRUE(stage_flags[c.boss_flag]);
        EXPECT_TRUE(boss_bar_shown);
        player.shields = 5;
        run_frame(&loop);  // 200 frames after the destruction
        EXPECT_FALSE(stage_flags[c.boss_flag]);
        EXPECT_FALSE(boss_bar_shown);
        if (c.next_flag == LEVEL1_ON) run_frame(&loop);  // level 1 comes a frame later
        EXPECT_TRUE(stage_flags[c.next_flag]);
        EXPECT_EQ(level_clock, 1);
    }
    set_auto_keys(false);
    EXPECT_TRUE(game_completed);
    game_completed = false;
}
