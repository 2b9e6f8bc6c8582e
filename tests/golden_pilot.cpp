// The golden replays' pilot and the headless playback.
#include "tests/golden_pilot.h"

#include <cstdlib>
#include <random>

#include "core/game_state.h"
#include "game/game.h"
#include "tests/harness.h"

namespace {

constexpr int32_t SHIP_SIZE = 64;
constexpr int32_t KEEP_Y = 470;        // the ship keeps low on the screen
constexpr int32_t DODGE_WIDTH = 56;    // a bullet this close across is a threat
constexpr int32_t DODGE_HEIGHT = 220;  // ... when this far above the ship or less
constexpr int32_t LINE_UP = 20;        // close enough under an enemy to stop
constexpr SDLKey ARROWS[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};

// Title rows, from the top.
constexpr int ROWS_TO_DIFFICULTY = 2;

ReplayData recorded;

void keep_recorded(const ReplayData& replay) {
    recorded = replay;
}

bool down(SDLKey k) {
    return SDL_GetKeyState(nullptr)[k] != 0;
}

void hold(SDLKey k, bool want) {
    if (down(k) != want) push_key(k, want);
}

void tap(SDLKey k) {
    push_key(k);
    push_key(k, false);
}

bool in_level(int lv) {
    const int main_flag[] = {0, LEVEL1_ON, LEVEL2_ON, LEVEL3_ON, LEVEL4_ON};
    const int boss_flag[] = {0, BOSS1_ON, BOSS2_ON, BOSS3_ON, BOSS4_ON};
    return stage_flags[main_flag[lv]] || stage_flags[boss_flag[lv]];
}

class LevelPilot {
  public:
    explicit LevelPilot(uint32_t seed) : random_(seed) {}

    void choose_keys() {
        const int32_t cx = player.x + SHIP_SIZE / 2;
        int want = 0;  // -1 left, +1 right
        const Shot* threat = nullptr;
        for (const Shot& s : shots) {
            if (s.direction == SHOT_FREE || (s.kind != SHOT_SMALL_BULLET && s.kind != SHOT_LARGE_BULLET))
                continue;
            const int32_t bx = s.x + s.width / 2;
            if (std::abs(bx - cx) < DODGE_WIDTH && s.y < player.y + SHIP_SIZE &&
                s.y > player.y - DODGE_HEIGHT && (!threat || s.y > threat->y))
                threat = &s;
        }
        if (threat) {
            want = threat->x + threat->width / 2 > cx ? -1 : +1;
            if (player.x < SHIP_SIZE) want = +1;
            if (player.x > 800 - 2 * SHIP_SIZE) want = -1;
        } else {
            const Enemy* target = nullptr;
            for (const Enemy& e : enemies) {
                if (e.hit_points > 0 && e.y > -e.height && (!target || e.y > target->y)) target = &e;
            }
            if (target) {
                const int32_t tx = target->x + target->width / 2;
                if (tx > cx + LINE_UP) want = +1;
                if (tx < cx - LINE_UP) want = -1;
            }
        }
        if (below(6) == 0) want = below(3) - 1;  // now and then a stray step
        hold(SDLK_LEFT, want < 0);
        hold(SDLK_RIGHT, want > 0);
        hold(SDLK_UP, player.y > KEEP_Y + 40);
        hold(SDLK_DOWN, player.y < KEEP_Y - 40);
        // fire held, let go now and then (automatic fire restarts with it)
        hold(SDLK_LCTRL, below(25) != 0);
        if (below(700) == 0) tap(SDLK_q);       // a bonus enemy
        if (below(900) == 0) tap(SDLK_LSHIFT);  // a pause, ended by the auto keys
        if (below(1500) == 0) {
            for (int i = 0; i < 40; ++i) push_key(ARROWS[below(4)], below(2) == 0);  // a burst
        }
    }

  private:
    int below(int n) { return int(random_() % uint32_t(n)); }
    std::mt19937 random_;
};

// The start-up as the harness's boot does it, the keyboard let go.
void fresh_start() {
    clear_events();
    test_clock_set(0);
    start_up();
    load_sounds(&sounds);  // from the test's folder
}

}  // namespace

ReplayData fly_golden_level(const GoldenFlight& flight) {
    fresh_start();
    resume_game = false;
    game_completed = false;
    boss_bar_shown = false;
    level = flight.level;
    // the title: the difficulty row (normal, then hard, easy), then start or resume
    const int presses = (flight.difficulty - DIFFICULTY_NORMAL + 3) % 3;
    for (int r = 0; r < ROWS_TO_DIFFICULTY; ++r) tap(SDLK_DOWN);
    for (int i = 0; i < presses; ++i) tap(SDLK_LCTRL);
    for (int r = 0; r < (flight.level > 1 ? 1 : 2); ++r) tap(SDLK_UP);
    tap(SDLK_LCTRL);

    recorded = ReplayData{};
    replay_record_games(keep_recorded);
    LoopState loop;
    start_game(&loop);
    clear_events();
    set_auto_keys(true, SDLK_LSHIFT);  // story pages turn and pauses end by themselves
    LevelPilot pilot(flight.seed);
    for (int f = 0; f < flight.max_frames; ++f) {
        pilot.choose_keys();
        run_frame(&loop);
        if (restart_requested || loop.quit_requested || !in_level(flight.level)) break;
    }
    replay_game_done(restart_requested     ? REPLAY_END_GAME_OVER
                     : loop.quit_requested ? REPLAY_END_QUIT
                                           : REPLAY_END_UNFINISHED);
    replay_stop_recording_games();
    set_auto_keys(false);
    clear_events();
    return recorded;
}

ReplayOutcome play_back(const ReplayData& replay) {
    fresh_start();
    replay_play(replay, WATCH_VERIFY);
    LoopState loop;
    start_game(&loop);
    while (!loop.quit_requested && !restart_requested && !replay_over()) run_frame(&loop);
    replay_game_done(REPLAY_END_UNFINISHED);
    clear_events();
    return replay_outcome();
}

GoldenFlight golden_flight(int index) {
    const int32_t difficulties[] = {DIFFICULTY_EASY, DIFFICULTY_NORMAL, DIFFICULTY_HARD};
    return GoldenFlight{index / 3 + 1, difficulties[index % 3], uint32_t(1000 + index), 9000};
}

const char* golden_name(int index) {
    static const char* const NAMES[GOLDEN_COUNT] = {
        "level1-easy.replay",   "level1-normal.replay", "level1-hard.replay",   "level2-easy.replay",
        "level2-normal.replay", "level2-hard.replay",   "level3-easy.replay",   "level3-normal.replay",
        "level3-hard.replay",   "level4-easy.replay",   "level4-normal.replay", "level4-hard.replay",
    };
    return NAMES[index];
}
