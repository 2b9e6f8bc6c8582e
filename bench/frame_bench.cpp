// Benchmarks of one frame of play, headless, with the frame wait taken out:
// what the game's own work costs on top of the display's flip.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "core/clock.h"
#include "core/game.h"
#include "core/pools.h"
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
