// The frame loop, the pools and the ship, run headless through the real loop.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <vector>

#include "combat/weapons.h"
#include "core/player.h"
#include "core/pools.h"
#include "level/enemy_templates.h"
#include "tests/harness.h"

namespace {

class FrameLoop : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        boot_game(&loop);
    }
    LoopState loop;
};

// Frames (1-based, counting the frame of the press) in which the held fire
// key made a shot.
std::vector<int> shot_frames_while_holding(LoopState* loop, int frames) {
    std::vector<int> fired;
    player.y = 500;
    push_key(SDLK_LCTRL);
    for (int f = 1; f <= frames; ++f) {
        for (Shot& s : shots) s.direction = SHOT_FREE;  // count only this frame's shots
        player.shields = 5;
        run_frame(loop);
        if (live_shot_count() > 0) fired.push_back(f);
    }
    return fired;
}

}  // namespace

TEST_F(FrameLoop, GameStartResetsEverythingAGameOwns) {
    EXPECT_TRUE(stage_flags[LEVEL1_ON]);
    for (int f = 0; f < STAGE_FLAG_COUNT; ++f) EXPECT_EQ(stage_flags[f], f == LEVEL1_ON) << f;
    EXPECT_EQ(player.x, 300);
    EXPECT_EQ(player.y, 500);
    EXPECT_EQ(player.lives, 3);
    EXPECT_EQ(player.shields, 5);
    EXPECT_EQ(scroll.speed, 8);
    EXPECT_EQ(powerup_threshold, 25);
    EXPECT_EQ(shield_bar_src.w, 256);
    EXPECT_EQ(boss_bar_width, 800);
    EXPECT_EQ(live_shot_count() + live_enemy_count(), 0);
    for (const Effect& e : front_effects) EXPECT_EQ(e.kind, EFFECT_FREE);
    for (const Effect& e : back_effects) EXPECT_EQ(e.kind, EFFECT_FREE);

    // A resumed game starts at the stored level with a fresh ship and score.
    resume_game = true;
    level = 3;
    player.lives = 1;
    score_tens = 7;
    restart_game(&loop);
    for (int f = 0; f < STAGE_FLAG_COUNT; ++f) EXPECT_EQ(stage_flags[f], f == LEVEL3_ON) << f;
    EXPECT_EQ(level_clock, 0);
    EXPECT_EQ(player.lives, 3);
    EXPECT_EQ(score_tens, 0);
    resume_game = false;
    level = 1;
}

TEST_F(FrameLoop, EasyShipHasFiveLivesOthersThree) {
    for (int32_t d : {DIFFICULTY_EASY, DIFFICULTY_NORMAL, DIFFICULTY_HARD}) {
        init_player(&player, d);
        EXPECT_EQ(player.lives, d == DIFFICULTY_EASY ? 5 : 3);
        EXPECT_EQ(player.speed, 10);
        EXPECT_EQ(player.weapon, 1);
    }
}

TEST(Pools, FullPoolsDropReleasesAndReleasesTakeLowestFreeSlots) {
    fill_shot_templates(DIFFICULTY_NORMAL);
    fill_effect_templates();
    free_all_slots();
    spawn_shot(&shot_templates[TPL_SHOT_L1], shots, DIR_UP, 10, 20);
    spawn_shot(&shot_templates[TPL_SHOT_L2], shots, DIR_UP, 30, 40);
    EXPECT_EQ(shots[0].kind, SHOT_L1);
    EXPECT_EQ(shots[1].kind, SHOT_L2);
    EXPECT_EQ(shots[1].x, 30);
    shots[0].direction = SHOT_FREE;
    spawn_shot(&shot_templates[TPL_SHOT_L4], shots, DIR_UP, 50, 60);
    EXPECT_EQ(shots[0].kind, SHOT_L4);
    EXPECT_EQ(shot_templates[TPL_SHOT_L4].direction, SHOT_FREE);  // the template is untouched

    for (int i = 0; i < POOL_SIZE; ++i)
        spawn_effect(&effect_templates[TPL_SUN], front_effects, DIR_DOWN, i, 0);
    Effect before[POOL_SIZE];
    std::copy(front_effects, front_effects + POOL_SIZE, before);
    spawn_effect(&effect_templates[TPL_GAME_OVER], front_effects, DIR_UP, 1, 1);
    for (int i = 0; i < POOL_SIZE; ++i) EXPECT_EQ(front_effects[i].kind, before[i].kind);

    // A shot released with direction 9 is free at once and the next release takes it.
    free_all_slots();
    spawn_shot(&shot_templates[TPL_SHOT_L1], shots, DIR_IDLE, 0, 0);
    spawn_shot(&shot_templates[TPL_SHOT_L2], shots, DIR_UP, 0, 0);
    EXPECT_EQ(shots[0].kind, SHOT_L2);
}

TEST(Pools, ShotsAndEffectsRetireAtTheirLimitsOnly) {
    fill_shot_templates(DIFFICULTY_NORMAL);
    fill_effect_templates();
    free_all_slots();
    // A 16-pixel shot moving up leaves when y drops below -66, not at the screen's edge.
    spawn_shot(&shot_templates[TPL_SHOT_L1], shots, DIR_UP, 100, -52);  // speed 14
    move_shots(shots);
    EXPECT_EQ(shots[0].y, -66);
    EXPECT_NE(shots[0].direction, SHOT_FREE);
    move_shots(shots);
    EXPECT_EQ(shots[0].direction, SHOT_FREE);
    // Right and bottom limits lie beyond the screen: 850 and 650.
    spawn_shot(&shot_templates[TPL_SHOT_L1], shots, DIR_RIGHT, 836, 100);
    move_shots(shots);
    EXPECT_EQ(shots[0].x, 850);
    EXPECT_NE(shots[0].direction, SHOT_FREE);
    move_shots(shots);
    EXPECT_EQ(shots[0].direction, SHOT_FREE);
    // A free shot's stale position is never moved or retired again.
    shots[1] = shots[0];
    shots[1].y = 1000;
    move_shots(shots);
    EXPECT_EQ(shots[1].y, 1000);

    // An effect released at y 600 moving up with speed 2 lives until y < -200 - height.
    spawn_effect(&effect_templates[TPL_GAME_OVER], front_effects, DIR_UP, 144, 600);
    int steps = 0;
    while (front_effects[0].kind != EFFECT_FREE && steps < 1000) {
        move_effects(front_effects);
        ++steps;
    }
    EXPECT_EQ(steps, (600 + 200 + 256) / 2 + 1);

    // The absorb field follows the ship, also to its parking place, where it retires.
    player.x = 300;
    player.y = 400;
    spawn_effect(&effect_templates[TPL_ABSORB], front_effects, DIR_IDLE, 0, 0);
    move_effects(front_effects);
    EXPECT_EQ(front_effects[0].x, 300);
    EXPECT_EQ(front_effects[0].y, 400);
    player.x = 2000;
    player.y = 1000;
    move_effects(front_effects);
    EXPECT_EQ(front_effects[0].kind, EFFECT_FREE);
}

TEST(Ship, KeyTablesMakeDiagonalsAndForgetReleasedKeys) {
    Direction d = DIR_IDLE;
    d = press_direction(d, SDLK_UP);
    d = press_direction(d, SDLK_LEFT);
    EXPECT_EQ(d, DIR_UP_LEFT);
    EXPECT_EQ(press_direction(d, SDLK_DOWN), DIR_DOWN);  // a diagonal is replaced outright
    EXPECT_EQ(release_direction(d, SDLK_UP), DIR_LEFT);
    EXPECT_EQ(release_direction(d, SDLK_LEFT), DIR_UP);

    // Left, right, release left: still right; release right: idle.
    d = press_direction(press_direction(DIR_IDLE, SDLK_LEFT), SDLK_RIGHT);
    d = release_direction(d, SDLK_LEFT);
    EXPECT_EQ(d, DIR_RIGHT);
    EXPECT_EQ(release_direction(d, SDLK_RIGHT), DIR_IDLE);

    // Up while down is held: up; releasing down leaves it; releasing up idles.
    d = press_direction(press_direction(DIR_IDLE, SDLK_DOWN), SDLK_UP);
    EXPECT_EQ(d, DIR_UP);
    d = release_direction(d, SDLK_DOWN);
    EXPECT_EQ(d, DIR_UP);
    EXPECT_EQ(release_direction(d, SDLK_UP), DIR_IDLE);

    // No key sequence ever gives direction 2.
    const SDLKey arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    for (Direction start = 0; start < DIRECTION_COUNT; ++start) {
        if (start == DIR_NONE) continue;
        for (SDLKey k : arrows) {
            EXPECT_NE(press_direction(start, k), DIR_NONE);
            EXPECT_NE(release_direction(start, k), DIR_NONE);
        }
    }
    EXPECT_EQ(press_direction(DIR_LEFT, SDLK_SPACE), DIR_LEFT);
}

TEST_F(FrameLoop, ArrowsSteerAtFullSpeedOnBothAxesAndTheShipStaysOnScreen) {
    push_key(SDLK_UP);
    push_key(SDLK_LEFT);
    run_frame(&loop);
    EXPECT_EQ(player.x, 290);
    EXPECT_EQ(player.y, 490);
    push_key(SDLK_UP, false);
    push_key(SDLK_LEFT, false);
    push_key(SDLK_RIGHT);
    player.x = 730;
    run_frame(&loop);
    EXPECT_EQ(player.x, 736);
    run_frames(&loop, 3);
    EXPECT_EQ(player.x, 736);
    player.x = 3;
    player.y = 5;
    player.direction = DIR_UP_LEFT;
    move_player(&player);
    EXPECT_EQ(player.x, 0);
    EXPECT_EQ(player.y, 0);
    player.y = 530;
    player.direction = DIR_DOWN;
    move_player(&player);
    EXPECT_EQ(player.y, 536);
}

TEST_F(FrameLoop, AStoryScreenForgetsTheHeldDirection) {
    push_key(SDLK_LEFT);
    run_frame(&loop);
    EXPECT_EQ(player.x, 290);
    player.direction = DIR_IDLE;  // what a story screen leaves behind
    run_frame(&loop);
    EXPECT_EQ(player.x, 290);
    EXPECT_EQ(loop.held_direction, DIR_IDLE);
}

TEST_F(FrameLoop, AutofireCadenceOnEveryDifficulty) {
    struct Case {
        int32_t difficulty;
        std::vector<int> frames;
    };
    const Case cases[] = {
        {DIFFICULTY_EASY, {1, 6, 12, 18, 24}},
        {DIFFICULTY_NORMAL, {1, 8, 16, 24}},
        {DIFFICULTY_HARD, {1, 11, 22}},
    };
    for (const Case& c : cases) {
        difficulty = c.difficulty;
        loop = LoopState{};
        clear_events();
        EXPECT_EQ(shot_frames_while_holding(&loop, 25), c.frames) << "difficulty " << c.difficulty;
        // Releasing and pressing again restarts the count.
        push_key(SDLK_LCTRL, false);
        run_frame(&loop);
        EXPECT_EQ(loop.autofire_count, 0);
    }
    difficulty = DIFFICULTY_NORMAL;
}

TEST_F(FrameLoop, PressAndReleaseInOneFrameFiresOnceWithoutAutofire) {
    push_key(SDLK_LCTRL);
    push_key(SDLK_LCTRL, false);
    run_frame(&loop);
    EXPECT_EQ(live_shot_count(), 1);
    EXPECT_FALSE(loop.fire_held);
    run_frames(&loop, 20);
    EXPECT_EQ(live_shot_count(), 1);
}

TEST_F(FrameLoop, BonusKeysWorkOnlyAfterTheClosingStory) {
    game_completed = false;
    player.shields = 3;
    push_key(SDLK_r);
    push_key(SDLK_a);
    push_key(SDLK_w);
    run_frame(&loop);
    EXPECT_EQ(player.shields, 3);
    EXPECT_EQ(live_enemy_count(), 0);

    push_key(SDLK_q);  // the extra ufo always comes
    run_frame(&loop);
    ASSERT_EQ(live_enemy_count(), 1);
    EXPECT_EQ(enemies[0].kind, ENEMY_UFO);
    EXPECT_EQ(enemies[0].direction, DIR_RIGHT);

    game_completed = true;
    push_key(SDLK_r);
    push_key(SDLK_a);
    push_key(SDLK_w);
    run_frame(&loop);
    EXPECT_EQ(player.shields, 4);
    EXPECT_EQ(enemies[1].kind, ENEMY_WEAPONICON);
    EXPECT_EQ(enemies[2].kind, ENEMY_SPEEDICON);
    player.shields = 5;
    push_key(SDLK_r);
    run_frame(&loop);
    EXPECT_EQ(player.shields, 5);
    game_completed = false;
}

TEST_F(FrameLoop, FramesLastAtLeast33MsAndALateFrameIsFollowedAtOnce) {
    run_frame(&loop);  // the first frame's deadline is 33 ms after start
    EXPECT_EQ(loop.last_frame_end, 33u);
    run_frame(&loop);
    EXPECT_EQ(loop.last_frame_end, 66u);
    test_clock_set(150);  // this frame's work ran long
    run_frame(&loop);
    EXPECT_EQ(loop.last_frame_end, 150u);
    run_frame(&loop);
    EXPECT_EQ(loop.last_frame_end, 183u);
}

TEST_F(FrameLoop, EscapeOrWindowCloseEndsTheGameAfterTheFrame) {
    push_key(SDLK_LEFT);
    push_key(SDLK_ESCAPE);
    run_frame(&loop);
    EXPECT_TRUE(loop.quit_requested);
    EXPECT_EQ(player.x, 290);  // that frame was still played
    // The whole program: title, opening story, play, then Escape returns 0.
    clear_events();
    push_key(SDLK_LCTRL);
    set_auto_keys(true);
    schedule_key(20000, SDLK_ESCAPE);
    EXPECT_EQ(run_game(), 0);
    set_auto_keys(false);
    EXPECT_TRUE(stage_flags[LEVEL1_ON]);
    EXPECT_GT(level_clock, 100);
}

TEST_F(FrameLoop, RestartsAfterGameOversKeepMemoryFlat) {
    // Each game over runs the start-up again: sounds and pictures are loaded
    // anew, and the old ones must be released, not piled up.
    auto restart = [&] {
        start_up();
        restart_game(&loop);
        level_clock = 1;  // past the opening story
        run_frames(&loop, 3);
    };
    for (int i = 0; i < 3; ++i) restart();  // the mixer settles its own buffers
    const size_t settled = mallinfo2().uordblks;
    for (int i = 0; i < 5; ++i) restart();
    const size_t grown = mallinfo2().uordblks - std::min(mallinfo2().uordblks, settled);
    EXPECT_LT(grown, 64u * 1024u) << "bytes still held after five more restarts";
}

TEST_F(FrameLoop, TenThousandFramesOfPlayRunHeadless) {
    // Level 1 from its opening story: a pilot who cannot be hurt sweeps from
    // side to side with the fire key held, through the main phase and the
    // boss fight into level 2. Story pages turn by themselves.
    boot_game(&loop, true);
    set_auto_keys(true);
    run_frame(&loop);  // the opening story takes every key pressed during it
    push_key(SDLK_LCTRL);
    SDLKey sweep = SDLK_LEFT;
    for (int frame = 1; frame < 10000; ++frame) {
        if (frame % 40 == 0) {
            push_key(sweep, false);
            sweep = sweep == SDLK_LEFT ? SDLK_RIGHT : SDLK_LEFT;
            push_key(sweep);
        }
        player.shields = 5;
        run_frame(&loop);
    }
    set_auto_keys(false);
    EXPECT_TRUE(stage_flags[LEVEL2_ON]);
    EXPECT_EQ(level, 2);
    const int score = score_thousands * 1000 + score_hundreds * 100 + score_tens * 10 + player.score_ones;
    EXPECT_GE(score, 5) << "a sweeping pilot shoots down a share of the waves and the boss";
    EXPECT_EQ(player.lives, 3);
}
