// Headless test harness: a clock stepped by hand, queued key events, the real
// frame loop, and the pixels of the screen surface.
#pragma once

#include <SDL.h>

#include <string>

#include "game/game.h"

// The test clock. Time moves only when the game waits or rests, or when a
// test moves it; events scheduled for a time are queued when it is reached.
void test_clock_set(Uint32 now);
void test_clock_advance(Uint32 ms);
// Queues a key event for the moment the clock reaches `at`.
void schedule_key(Uint32 at, SDLKey key, bool down = true);
void schedule_quit(Uint32 at);
// Queues any event for the moment the clock reaches `at`.
void schedule_event(Uint32 at, const SDL_Event& event);
// Forgets scheduled events, empties SDL's queue and lets go of every key.
void clear_events();
// While on, every rest of a screen loop that comes more than KEY_DELAY_MS
// after the last such key queues a press of the key (Return by default):
// story pages turn by themselves (the title and pause screens ignore Return;
// left Shift also ends a pause).
void set_auto_keys(bool on, SDLKey key = SDLK_RETURN);

// Queues an event now. Key events also set SDL's keyboard state at once, as
// a real key would, so the game sees the key down (or up) from then on.
void push_key(SDLKey key, bool down = true);
void push_quit();

// The start-up, then a new game: the title screen is answered with left Ctrl
// (its first row, start). Leaves the clock at 0 and, unless from_level_start,
// the level clock at 1, just past the opening story and music.
void boot_game(LoopState* loop, bool from_level_start = false);
// A new game after the one running, the title screen answered with left Ctrl.
void restart_game(LoopState* loop);
// Runs n frames of the real frame loop.
void run_frames(LoopState* loop, int n);

// Slots in use in the shots and enemies pools.
int live_shot_count();
int live_enemy_count();

// A pixel of the screen surface as red, green, blue.
struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};
Rgb screen_pixel(int x, int y);
// The raw value of a pixel in the surface's own format.
Uint32 surface_value(SDL_Surface* s, int x, int y);
Rgb surface_pixel(SDL_Surface* s, int x, int y);

// The folder of the forge's data tree; the tests run from it.
std::string data_dir();
