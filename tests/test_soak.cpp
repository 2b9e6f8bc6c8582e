// The soak: seeded pilots fly the real frame loop through game overs,
// restarts, completions and resumes on every difficulty, and every invariant
// must hold after every frame. The suite flies 100,000 frames; scripts/soak
// flies a million under the address and undefined-behaviour sanitizers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/harness.h"
#include "tests/pilot.h"

namespace {

// CLOUDPIERCER_SOAK_FRAMES and CLOUDPIERCER_SOAK_SEEDS set the size of the
// run for scripts/soak.
int64_t from_environment(const char* name, int64_t otherwise) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoll(text) : otherwise;
}

struct SoakReport : PilotReport {
    int game_overs_first_seed = 0;
};

void fly_and_check(uint32_t first_seed, int seeds, int64_t frames) {
    SoakReport all;
    for (int i = 0; i < seeds; ++i) {
        const PilotReport r = fly_pilot(PilotPlan{first_seed + uint32_t(i), frames / seeds, true});
        all.frames += r.frames;
        all.games += r.games;
        all.resumed += r.resumed;
        all.game_overs += r.game_overs;
        all.quits += r.quits;
        all.completions += r.completions;
        all.floods += r.floods;
        all.pauses += r.pauses;
        all.stories += r.stories;
        for (int d = 1; d <= 3; ++d) all.difficulties[d] += r.difficulties[d];
        // memory is compared within the first seed's run: one process, one run
        if (i == 0) {
            all.heap_first_game_over = r.heap_first_game_over;
            all.heap_second_game_over = r.heap_second_game_over;
            all.heap_last_game_over = r.heap_last_game_over;
            all.game_overs_first_seed = r.game_overs;
        }
        all.failures.insert(all.failures.end(), r.failures.begin(), r.failures.end());
    }
    std::printf(
        "soak: seeds %u..%u, %lld frames, %d games (%d resumed; easy %d, normal %d, hard %d), %d game overs, "
        "%d quits, %d completions, %d stories, %d pauses, %d floods; heap in use after the first, second "
        "and last game over of seed %u: %zu, %zu and %zu bytes\n",
        first_seed, first_seed + uint32_t(seeds) - 1, static_cast<long long>(all.frames), all.games,
        all.resumed, all.difficulties[DIFFICULTY_EASY], all.difficulties[DIFFICULTY_NORMAL],
        all.difficulties[DIFFICULTY_HARD], all.game_overs, all.quits, all.completions, all.stories,
        all.pauses, all.floods, first_seed, all.heap_first_game_over, all.heap_second_game_over,
        all.heap_last_game_over);
    EXPECT_EQ(all.frames, frames / seeds * seeds);
    for (const std::string& f : all.failures) ADD_FAILURE() << f;
    // A short run (scripts/soak 20000 in CI) checks the invariants only;
    // from the suite's length on, the pilots must really have been through
    // what the soak is for.
    constexpr int64_t FULL_RUN_PER_SEED = 50000;
    if (frames / seeds < FULL_RUN_PER_SEED) return;
    EXPECT_GE(all.game_overs, 2);
    EXPECT_GE(all.completions, 1);
    EXPECT_GE(all.resumed, 1);
    EXPECT_GE(all.floods, 1);
    EXPECT_GE(all.pauses, 1);
    for (int d = 1; d <= 3; ++d) EXPECT_GE(all.difficulties[d], 1) << "difficulty " << d;
    // Memory stays flat from game over to game over, once every piece of
    // music has played once: a game that kept its pictures or sounds of each
    // game would grow by megabytes each time. (The MIDI synthesiser itself
    // drifts by some tens of kilobytes a game over.)
    EXPECT_GE(all.game_overs_first_seed, 3);
    EXPECT_LT(all.heap_last_game_over, all.heap_second_game_over + 1024 * 1024);
}

}  // namespace

TEST(Soak, SeededPilotsFlyThroughGameOversAndCompletionsWithEveryInvariantHolding) {
    fly_and_check(1, int(from_environment("CLOUDPIERCER_SOAK_SEEDS", 2)),
                  from_environment("CLOUDPIERCER_SOAK_FRAMES", 100000));
}

TEST(Pilot, TheInvariantsCatchABrokenGame) {
    LoopState loop;
    boot_game(&loop);
    ASSERT_EQ(broken_invariant(loop), "") << "a game fresh from its start";
    struct Case {
        const char* what;
        void (*breaks)(LoopState*);
    };
    const Case cases[] = {
        {"ship off screen", [](LoopState*) { player.x = 737; }},
        {"shields", [](LoopState*) { player.shields = 6; }},
        {"two stage flags", [](LoopState*) { stage_flags[BOSS2_ON] = true; }},
        {"clock past the main phase", [](LoopState*) { level_clock = 6000; }},
        {"score digit", [](LoopState*) { score_hundreds = 10; }},
        {"live shot of no kind", [](LoopState*) { shots[3] = Shot{}; }},
        {"enemy below 0", [](LoopState*) { enemies[5].hit_points = -1; }},
        {"held arrow that is up", [](LoopState* l) { l->held_direction = DIR_LEFT; }},
        {"fire held that is up", [](LoopState* l) { l->fire_held = true; }},
    };
    const Player ship = player;
    const int32_t clock = level_clock;
    for (const Case& c : cases) {
        c.breaks(&loop);
        EXPECT_NE(broken_invariant(loop), "") << c.what;
        // mend what the case broke
        player = ship;
        stage_flags[BOSS2_ON] = false;
        level_clock = clock;
        score_hundreds = 0;
        shots[3].direction = SHOT_FREE;
        enemies[5].hit_points = 0;
        loop = LoopState{};
        ASSERT_EQ(broken_invariant(loop), "") << "after " << c.what;
    }
}
