// Headless test harness and the test clock.
#include "tests/harness.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "core/clock.h"

namespace {

Uint32 fake_now = 0;

struct ScheduledEvent {
    Uint32 at;
    SDL_Event event;
};
std::vector<ScheduledEvent> scheduled;
bool auto_keys = false;
SDLKey auto_key = SDLK_RETURN;
Uint32 last_auto_key = 0;

// SDL's keyboard state, which the game reads to see which keys are really
// down. A real keyboard sets it as each event arrives, even when the event
// queue is full and the event itself is dropped; queued test keys do the same.
void set_key_state(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN && e.type != SDL_KEYUP) return;
    SDL_GetKeyState(nullptr)[e.key.keysym.sym] = e.type == SDL_KEYDOWN;
}

void deliver_due_events() {
    for (size_t i = 0; i < scheduled.size();) {
        if (scheduled[i].at <= fake_now) {
            set_key_state(scheduled[i].event);
            SDL_PushEvent(&scheduled[i].event);
            scheduled.erase(scheduled.begin() + long(i));
        } else {
            ++i;
        }
    }
}

SDL_Event key_event(SDLKey key, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.type = e.type;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    return e;
}

}  // namespace

void push_key(SDLKey key, bool down) {
    SDL_Event e = key_event(key, down);
    set_key_state(e);
    SDL_PushEvent(&e);
}

// The clock the game reads in the tests.
Uint32 clock_now() {
    return fake_now;
}
void clock_wait_until(Uint32 deadline) {
    if (Sint32(deadline - fake_now) > 0) fake_now = deadline;
    deliver_due_events();
}
void clock_rest(Uint32 ms) {
    fake_now += ms;
    deliver_due_events();
    if (auto_keys && fake_now - last_auto_key > KEY_DELAY_MS + 100) {
        last_auto_key = fake_now;
        push_key(auto_key);
    }
}

void test_clock_set(Uint32 now) {
    fake_now = now;
    deliver_due_events();
}
void test_clock_advance(Uint32 ms) {
    test_clock_set(fake_now + ms);
}

void schedule_key(Uint32 at, SDLKey key, bool down) {
    scheduled.push_back({at, key_event(key, down)});
}
void schedule_event(Uint32 at, const SDL_Event& event) {
    scheduled.push_back({at, event});
}

void schedule_quit(Uint32 at) {
    SDL_Event e{};
    e.type = SDL_QUIT;
    scheduled.push_back({at, e});
}

void set_auto_keys(bool on, SDLKey key) {
    auto_keys = on;
    auto_key = key;
    last_auto_key = fake_now;
}

void clear_events() {
    scheduled.clear();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    // every key let go
    int count = 0;
    Uint8* keys = SDL_GetKeyState(&count);
    for (int k = 0; k < count; ++k) keys[k] = 0;
}

void push_quit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

void restart_game(LoopState* loop) {
    push_key(SDLK_LCTRL);
    push_key(SDLK_LCTRL, false);
    start_game(loop);
    clear_events();
}

void boot_game(LoopState* loop, bool from_level_start) {
    fake_now = 0;
    start_up();
    load_sounds(&sounds);  // from this test's folder: the start-up loads them once a run
    restart_game(loop);
    fake_now = 0;
    if (!from_level_start) level_clock = 1;
}

void run_frames(LoopState* loop, int n) {
    for (int i = 0; i < n; ++i) run_frame(loop);
}

int live_shot_count() {
    int n = 0;
    for (const Shot& s : shots) n += s.direction != SHOT_FREE;
    return n;
}

int live_enemy_count() {
    int n = 0;
    for (const Enemy& e : enemies) n += e.hit_points != 0;
    return n;
}

Uint32 surface_value(SDL_Surface* s, int x, int y) {
    SDL_LockSurface(s);
    const auto* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    Uint32 value = 0;
    switch (s->format->BytesPerPixel) {
        case 1:
            value = row[x];
            break;
        case 2:
            value = reinterpret_cast<const Uint16*>(row)[x];
            break;
        case 3:
            value = Uint32(row[3 * x]) | Uint32(row[3 * x + 1]) << 8 | Uint32(row[3 * x + 2]) << 16;
            break;
        default:
            value = reinterpret_cast<const Uint32*>(row)[x];
            break;
    }
    SDL_UnlockSurface(s);
    return value;
}

Rgb surface_pixel(SDL_Surface* s, int x, int y) {
    const Uint32 value = surface_value(s, x, y);
    Uint8 r, g, b;
    SDL_GetRGB(value, s->format, &r, &g, &b);
    return Rgb{r, g, b};
}

Rgb screen_pixel(int x, int y) {
    return surface_pixel(screen, x, y);
}

std::string data_dir() {
    return GAME_DATA_DIR;
}

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    // The mixer runs a thread of its own; a forked child must not inherit
    // its locks, so death tests start afresh.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (chdir(GAME_DATA_DIR) != 0) return 1;
    return RUN_ALL_TESTS();
}
