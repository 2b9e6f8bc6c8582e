// The seeded pilot and the invariants it checks after every frame.
#include "tests/pilot.h"

#include <malloc.h>

#include <algorithm>
#include <random>

#include "core/clock.h"
#include "core/player.h"
#include "tests/harness.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own allocator keeps the count (its header is not always installed).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int32_t MAIN_PHASE_FRAMES = 6000;  // a main phase turns into the boss phase here
constexpr int32_t SHIP_MAX_X = 800 - 64;
constexpr int32_t SHIP_MAX_Y = 600 - 64;
constexpr int32_t MAX_SHIELDS = 5;
constexpr int32_t MAX_LIVES = 99;  // far above what the pick-ups of a soak can give
constexpr int32_t MAX_WEAPON = 5;
constexpr int32_t MIN_SPEED = 10;
constexpr int32_t MAX_SPEED = 22;
constexpr int FLOOD_EVENTS = 400;  // SDL's queue holds 127
constexpr int32_t SKIP_TO = 5990;  // a strong pilot's main phase jumps to its end
constexpr size_t MAX_FAILURES = 20;

const SDLKey ARROWS[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
const SDLKey BONUS_KEYS[] = {SDLK_q, SDLK_r, SDLK_a, SDLK_w};

// Title rows, from the top.
constexpr int ROW_START = 0;
constexpr int ROW_RESUME = 1;
constexpr int ROW_DIFFICULTY = 2;

bool down(SDLKey k) {
    return SDL_GetKeyState(nullptr)[k] != 0;
}

bool uses_arrow(Direction d, SDLKey arrow) {
    return release_direction(d, arrow) != d;
}

bool main_phase() {
    return stage_flags[LEVEL1_ON] || stage_flags[LEVEL2_ON] || stage_flags[LEVEL3_ON] ||
           stage_flags[LEVEL4_ON];
}

bool in(int32_t v, int32_t lo, int32_t hi) {
    return v >= lo && v <= hi;
}

std::string pools_broken() {
    for (int i = 0; i < POOL_SIZE; ++i) {
        const Enemy& e = enemies[i];
        if (e.hit_points < 0) return "enemy " + std::to_string(i) + " left with hit points below 0";
        if (e.hit_points > 0 && !in(e.frame, 0, std::max(e.frame_count, 1) - 1)) {
            return "enemy " + std::to_string(i) + " shows picture " + std::to_string(e.frame);
        }
        const Shot& s = shots[i];
        if (!in(s.direction, 0, DIRECTION_COUNT - 1))
            return "shot " + std::to_string(i) + " has no direction";
        if (s.direction != SHOT_FREE) {
            const bool kind_known =
                in(s.kind, SHOT_L1, SHOT_L4) || s.kind == SHOT_SMALL_BULLET || s.kind == SHOT_LARGE_BULLET;
            if (!kind_known) return "live shot " + std::to_string(i) + " of unknown kind";
            if (!in(s.frame, 0, s.frame_count - 1))
                return "shot " + std::to_string(i) + " picture out of range";
        }
        for (const Effect* pool : {front_effects, back_effects}) {
            const Effect& f = pool[i];
            if (f.kind == EFFECT_FREE) continue;
            const bool kind_known =
                f.kind == EFFECT_SMALL_EXPLOSION || f.kind == EFFECT_LARGE_EXPLOSION || in(f.kind, 21, 27);
            if (!kind_known) return "live effect " + std::to_string(i) + " of unknown kind";
            if (!in(f.frame, 0, f.frame_count - 1))
                return "effect " + std::to_string(i) + " picture out of range";
        }
    }
    return "";
}

std::string ship_broken() {
    if (!in(player.shields, 0, MAX_SHIELDS)) return "shields " + std::to_string(player.shields);
    if (!in(player.lives, 0, MAX_LIVES)) return "lives " + std::to_string(player.lives);
    if (!in(player.weapon, 1, MAX_WEAPON)) return "weapon " + std::to_string(player.weapon);
    if (!in(player.speed, MIN_SPEED, MAX_SPEED)) return "speed " + std::to_string(player.speed);
    if (player.shields > 0 && (!in(player.x, 0, SHIP_MAX_X) || !in(player.y, 0, SHIP_MAX_Y))) {
        return "ship off screen at " + std::to_string(player.x) + "," + std::to_string(player.y);
    }
    return "";
}

std::string stage_broken() {
    int on = 0;
    int stage = -1;
    for (int f = 0; f < STAGE_FLAG_COUNT; ++f) {
        if (stage_flags[f]) {
            on += 1;
            stage = f;
        }
    }
    if (on != 1) return std::to_string(on) + " stage flags on";
    // 0 in a main phase only right after the closing story, which sets
    // level 1 going once its own stage has run in the frame
    const bool clock_ok = main_phase() ? in(level_clock, 0, MAIN_PHASE_FRAMES - 1) : level_clock >= 0;
    if (!clock_ok) return "level clock " + std::to_string(level_clock) + " in stage " + std::to_string(stage);
    for (int32_t digit : {score_thousands, score_hundreds, score_tens, player.score_ones}) {
        if (!in(digit, 0, 9)) return "score digit " + std::to_string(digit);
    }
    return "";
}

// Key events still in SDL's queue: the keyboard state is already past them
// and play reads them in the next frame.
bool key_events_pending() {
    SDL_Event pending[128];
    const int n = SDL_PeepEvents(pending, 128, SDL_PEEKEVENT, SDL_KEYDOWNMASK | SDL_KEYUPMASK);
    return n != 0;
}

std::string keys_broken(const LoopState& loop) {
    if (loop.held_direction == DIR_NONE || !in(loop.held_direction, 0, DIRECTION_COUNT - 1)) {
        return "held direction " + std::to_string(loop.held_direction);
    }
    if (key_events_pending()) return "";
    for (SDLKey k : ARROWS) {
        if (!down(k) && uses_arrow(loop.held_direction, k)) {
            return "arrow " + std::to_string(k) + " counted as held but up";
        }
    }
    if (loop.fire_held && !down(SDLK_LCTRL)) return "fire counted as held but up";
    return "";
}

// The keys of one game's pilot, drawn from the seed.
class Pilot {
  public:
    Pilot(const PilotPlan& plan, PilotReport* report) : plan_(plan), report_(report), random_(plan.seed) {}

    void fly() {
        while (report_->frames < plan_.frames) {
            start_up();
            choose_on_title();
            LoopState loop;
            start_game(&loop);
            report_->games += 1;
            strong_ = plan_.strong_games && report_->games % 2 == 0;
            play(&loop);
            clear_events();  // a new run starts with every key up
        }
    }

  private:
    int below(int n) { return int(random_() % uint32_t(n)); }
    bool chance(int one_in) { return below(one_in) == 0; }

    void tap(SDLKey k) {
        push_key(k);
        push_key(k, false);
    }
    void toggle(SDLKey k) { push_key(k, !down(k)); }

    // Keys for the title, queued before it opens: a difficulty (the menu
    // starts on normal; each select on its row moves on by one), then start
    // or now and then resume. The quit row is never chosen.
    void choose_on_title() {
        const int presses = int((report_->games + plan_.seed) % 3);  // normal, hard, easy in turn
        for (int r = ROW_START; r < ROW_DIFFICULTY; ++r) tap(SDLK_DOWN);
        for (int i = 0; i < presses; ++i) tap(SDLK_LCTRL);
        const bool resume = chance(4);
        for (int r = ROW_DIFFICULTY; r > (resume ? ROW_RESUME : ROW_START); --r) tap(SDLK_UP);
        tap(SDLK_LCTRL);
        report_->resumed += resume;
        report_->difficulties[(DIFFICULTY_NORMAL - 1 + presses) % 3 + 1] += 1;
    }

    void flood() {
        for (int e = 0; e < FLOOD_EVENTS; ++e) toggle(ARROWS[below(4)]);
        report_->floods += 1;
    }

    // Each frame: a few keys, more rarely a pause, a bonus key or a flood,
    // and now and then a key let go a little later (often inside a story
    // page or a pause).
    void choose_keys() {
        if (chance(12)) toggle(ARROWS[below(4)]);
        if (strong_) {
            if (!down(SDLK_LCTRL)) push_key(SDLK_LCTRL);
        } else if (chance(40)) {
            toggle(SDLK_LCTRL);
        }
        if (chance(300)) tap(BONUS_KEYS[below(4)]);
        if (chance(3000)) flood();
        if (chance(150)) {
            const SDLKey k = chance(3) ? SDLK_LCTRL : ARROWS[below(4)];
            if (down(k)) schedule_key(clock_now() + Uint32(below(3000)), k, false);
        }
        if (chance(700)) {
            push_key(SDLK_LSHIFT);
            push_key(SDLK_LSHIFT, false);
            // let go of a held key while paused
            for (SDLKey k : ARROWS) {
                if (down(k) && chance(2)) schedule_key(clock_now() + 1, k, false);
            }
            report_->pauses += 1;
        }
    }

    // An unhurt pilot with the best weapon, whose main phases jump to their
    // end: it reaches the bosses, and the closing story, in a few thousand
    // frames.
    void keep_strong() {
        for (Shot& s : shots) {
            if (s.kind == SHOT_SMALL_BULLET || s.kind == SHOT_LARGE_BULLET) s.direction = SHOT_FREE;
        }
        if (player.shields > 0) player.shields = MAX_SHIELDS;
        player.weapon = MAX_WEAPON;
        if (main_phase() && level_clock > 1 && level_clock < SKIP_TO) level_clock = SKIP_TO;
    }

    void fail(const std::string& what) {
        if (report_->failures.size() >= MAX_FAILURES) return;
        report_->failures.push_back("seed " + std::to_string(plan_.seed) + ", frame " +
                                    std::to_string(report_->frames) + ": " + what);
    }

    void check(const LoopState& loop) {
        const std::string broken = broken_invariant(loop);
        if (!broken.empty()) fail(broken);
    }

    void play(LoopState* loop) {
        bool was_last_boss = false;
        while (report_->frames < plan_.frames) {
            choose_keys();
            if (strong_) keep_strong();
            run_frame(loop);
            report_->frames += 1;
            check(*loop);
            // a main phase's story comes in its first frame, the closing one after the last boss
            if (main_phase() && level_clock == 1) report_->stories += 1;
            if (was_last_boss && stage_flags[LEVEL1_ON]) {
                report_->completions += 1;
                strong_ = false;  // from here on it can be shot down, towards a game over
            }
            was_last_boss = stage_flags[BOSS4_ON];
            if (restart_requested) {
                report_->game_overs += 1;
                if (report_->game_overs == 1) report_->heap_first_game_over = heap_in_use();
                if (report_->game_overs == 2) report_->heap_second_game_over = heap_in_use();
                report_->heap_last_game_over = heap_in_use();
                return;
            }
            if (loop->quit_requested) {
                report_->quits += 1;
                return;
            }
            if (chance(60000)) push_key(SDLK_ESCAPE);
        }
    }

    const PilotPlan plan_;
    PilotReport* report_;
    std::mt19937 random_;
    bool strong_ = false;
};

}  // namespace

std::string broken_invariant(const LoopState& loop) {
    for (const std::string& broken : {pools_broken(), ship_broken(), stage_broken(), keys_broken(loop)}) {
        if (!broken.empty()) return broken;
    }
    return "";
}

size_t heap_in_use() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

PilotReport fly_pilot(const PilotPlan& plan) {
    PilotReport report;
    clear_events();
    // Story pages turn and pauses end by themselves; the title ignores it.
    set_auto_keys(true, SDLK_LSHIFT);
    Pilot pilot(plan, &report);
    pilot.fly();
    set_auto_keys(false);
    clear_events();
    return report;
}
