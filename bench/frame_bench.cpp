// Benchmarks of one frame of play, headless, with the frame wait taken out:
// what the game's own work costs on top of the display's flip.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "combat/collisions.h"
#include "core/clock.h"
#include "core/pools.h"
#include "game/game.h"
#include "level/enemy_templates.h"

namespace {
Uint32 now_ms = 0;
}

// A clock that never sleeps: each wait jumps straight to its deadline.
Uint32 clock_now() {
    return now_ms;
}
void clock_wait_until(Uint32 deadline) {
    if (Sint32(deadline - now_ms) > 0) now_ms = deadline;
}
void clock_rest(Uint32 ms) {
    now_ms += ms;
}

namespace {

void start_level_one(LoopState* loop) {
    start_up();
    SDL_Event select{};
    select.type = SDL_KEYDOWN;
    select.key.keysym.sym = SDLK_LCTRL;
    SDL_PushEvent(&select);  // the title screen's first row: start
    start_game(loop);
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    level_clock = 1;  // past the opening story
}

// Frames of level 1 from its start: waves, scenery, fire and drawing.
void BM_FramesOfLevelOne(benchmark::State& state) {
    LoopState loop;
    start_level_one(&loop);
    for (auto _ : state) {
        if (level_clock > 5000) start_level_one(&loop);
        player.shields = 5;  // keep the ship flying
        run_frame(&loop);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FramesOfLevelOne)->Unit(benchmark::kMicrosecond);

// A busy frame: every pool full.
void BM_FrameWithFullPools(benchmark::State& state) {
    LoopState loop;
    start_level_one(&loop);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < POOL_SIZE; ++i) {
            spawn_enemy(&enemy_templates[TPL_UFO], enemies, DIR_DOWN, (i % 8) * 100, (i / 8) * 100);
            spawn_shot(&shot_templates[TPL_SHOT_L1], shots, DIR_UP, (i % 8) * 100 + 24, 500);
            spawn_effect(&effect_templates[TPL_LARGE_EXPLOSION], front_effects, DIR_DOWN, i * 20, 300);
            spawn_effect(&effect_templates[TPL_FAST_CLOUD], back_effects, DIR_DOWN, i * 20, 100);
        }
        player.shields = 5;
        state.ResumeTiming();
        run_frame(&loop);
    }
}
BENCHMARK(BM_FrameWithFullPools)->Unit(benchmark::kMicrosecond);

// A loaded frame: a boss and a row of ufos, each under a spread of player
// shots across its box, and enemy bullets over the ship. Every shot passes
// the box test, so the two-pixel test runs, on solid pixels and on black ones.
constexpr int32_t BOSS_X = 144;
constexpr int32_t BOSS_Y = 40;
constexpr int UFO_COUNT = 6;
constexpr int32_t UFO_X = 40;
constexpr int32_t UFO_STEP = 120;
constexpr int32_t UFO_Y = 330;
constexpr int SHOTS_PER_ENEMY = 4;
constexpr int BULLETS_ON_SHIP = 2;

// Pixel tests the frame will make (shot and target boxes overlap) and how
// many of them hit, counted before the frame with the game's own tests.
struct HitWork {
    int pixel_tests;
    int hits;
};

HitWork load_the_frame() {
    free_all_slots();
    spawn_enemy(&enemy_templates[TPL_LVL1BOSS], enemies, DIR_IDLE, BOSS_X, BOSS_Y);
    for (int i = 0; i < UFO_COUNT; ++i) {
        spawn_enemy(&enemy_templates[TPL_UFO], enemies, DIR_DOWN, UFO_X + i * UFO_STEP, UFO_Y);
    }
    for (const Enemy& e : enemies) {
        if (e.hit_points == 0) continue;
        for (int k = 0; k < SHOTS_PER_ENEMY; ++k) {
            const int32_t x = e.x + 1 + k * (e.width - 2) / SHOTS_PER_ENEMY;
            spawn_shot(&shot_templates[TPL_SHOT_L1], shots, DIR_UP, x, e.y + e.height / 2);
        }
    }
    player.shields = 5;
    for (int k = 0; k < BULLETS_ON_SHIP; ++k) {
        spawn_shot(&shot_templates[TPL_SMALL_BULLET], shots, DIR_DOWN, player.x + 8 + k * 24,
                   player.y + player.height / 2);
    }
    HitWork work{0, 0};
    for (const Shot& s : shots) {
        for (const Enemy& e : enemies) {
            if (e.hit_points == 0 || !boxes_overlap(&s, e.x, e.y, e.height, e.width)) continue;
            work.pixel_tests += 1;
            if (pixel_hit(&s, e.x, e.y, enemy_mask(e.kind))) work.hits += 1;
        }
    }
    return work;
}

int free_shot_count() {
    int n = 0;
    for (const Shot& s : shots) n += s.direction == SHOT_FREE;
    return n;
}

void BM_LoadedFrameWithBoss(benchmark::State& state) {
    LoopState loop;
    start_level_one(&loop);
    HitWork work{0, 0};
    int spent = 0;  // shots the frames' hit tests used up
    for (auto _ : state) {
        state.PauseTiming();
        level_clock = 1;
        work = load_the_frame();
        const int free_before = free_shot_count();
        state.ResumeTiming();
        run_frame(&loop);
        state.PauseTiming();
        spent += free_shot_count() - free_before;
        state.ResumeTiming();
    }
    // A benchmark whose shots all miss the boxes measures nothing of the hit
    // tests: then say so rather than report a figure.
    if (work.pixel_tests == 0 || work.hits == 0 || spent == 0) {
        state.SkipWithError("the shots reach no pixel test or hit nothing");
        return;
    }
    state.counters["pixel_tests"] = work.pixel_tests;
    state.counters["hits"] = work.hits;
    state.counters["spent_per_frame"] = benchmark::Counter(spent, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LoadedFrameWithBoss)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(GAME_DATA_DIR) != 0) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
