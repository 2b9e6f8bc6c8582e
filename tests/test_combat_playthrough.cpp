// A scripted pilot plays the whole game through the real frame loop: it
// shoots down the four bosses in order, sees the closing story and comes
// back to level 1 with the bonus keys working.
#include <gtest/gtest.h>

#include <vector>

#include "core/pools.h"
#include "tests/test_combat_helpers.h"

using Playthrough = CombatTest;

namespace {

constexpr int MAX_FRAMES = 8000;   // about twice what the pilot needs
constexpr int32_t SKIP_TO = 5990;  // most of a main phase is not needed here

const int BOSS_KINDS[] = {ENEMY_LVL1BOSS, ENEMY_LVL2BOSS, ENEMY_LVL3BOSS, ENEMY_LVL4BOSS};

bool main_phase_on() {
    return stage_flags[LEVEL1_ON] || stage_flags[LEVEL2_ON] || stage_flags[LEVEL3_ON] ||
           stage_flags[LEVEL4_ON];
}

int live_boss_kind() {
    for (const Enemy& e : enemies) {
        for (int kind : BOSS_KINDS) {
            if (e.hit_points != 0 && e.kind == kind) return kind;
        }
    }
    return 0;
}

// The pilot cannot be hurt: enemy bullets vanish before they reach it, and
// its shields and weapon are kept full.
void keep_pilot_strong() {
    for (Shot& s : shots) {
        if (s.kind == SHOT_SMALL_BULLET || s.kind == SHOT_LARGE_BULLET) s.direction = SHOT_FREE;
    }
    player.shields = 5;
    player.weapon = 5;
}

}  // namespace

TEST_F(Playthrough, APilotShootsDownTheFourBossesAndTheGameStartsAgainAtLevelOne) {
    set_auto_keys(true);  // story pages turn by themselves
    game_completed = false;
    boot_game(&loop, true);
    free_all_slots();
    std::vector<int> destroyed;
    int boss_before = 0;
    bool left_level_one = false;
    int frame = 0;
    for (; frame < MAX_FRAMES; ++frame) {
        if (main_phase_on() && level_clock > 1 && level_clock < SKIP_TO) level_clock = SKIP_TO;
        keep_pilot_strong();
        if (!loop.fire_held) push_key(SDLK_LCTRL);  // held from then on; a story page may eat the press
        run_frame(&loop);
        ASSERT_FALSE(restart_requested);
        const int boss = live_boss_kind();
        if (boss_before != 0 && boss == 0) destroyed.push_back(boss_before);
        boss_before = boss;
        left_level_one = left_level_one || !stage_flags[LEVEL1_ON];
        if (left_level_one && stage_flags[LEVEL1_ON] && level_clock > 1) break;
    }
    ASSERT_LT(frame, MAX_FRAMES) << "the game did not come round to level 1";
    EXPECT_EQ(destroyed, (std::vector<int>(std::begin(BOSS_KINDS), std::end(BOSS_KINDS))));
    EXPECT_TRUE(game_completed);
    EXPECT_EQ(player.score_ones + 10 * score_tens, 3);  // the last boss adds nothing
    EXPECT_FALSE(boss_bar_shown);
    set_auto_keys(false);

    // The bonus keys now work: a shield, a weapon carrier, a speed carrier.
    push_key(SDLK_LCTRL, false);
    free_all_slots();
    player.shields = 3;
    push_key(SDLK_r);
    push_key(SDLK_a);
    push_key(SDLK_w);
    level_clock = 2;
    run_frame(&loop);
    EXPECT_EQ(player.shields, 4);
    std::vector<int32_t> kinds;
    for (const Enemy& e : enemies) {
        if (e.hit_points != 0) kinds.push_back(e.kind);
    }
    EXPECT_EQ(kinds, (std::vector<int32_t>{ENEMY_WEAPONICON, ENEMY_SPEEDICON}));
    game_completed = false;
}
