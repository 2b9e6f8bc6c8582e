// A seeded pilot: plays the real frame loop on the test clock from the title
// on, with keys chosen pseudo-randomly from a seed (arrows, fire, pause, the
// bonus keys, floods of arrows, keys let go during story pages and pauses),
// and checks the game's invariants after every frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/game.h"

struct PilotPlan {
    uint32_t seed;
    int64_t frames;     // frames of play to fly in all
    bool strong_games;  // every other game an unhurt pilot skips to the bosses
};

struct PilotReport {
    int64_t frames = 0;
    int games = 0;        // games started from the title
    int resumed = 0;      // of which started with the title's resume row
    int game_overs = 0;   // the last ship lost and the start-up run again
    int quits = 0;        // Escape, then the program started again
    int completions = 0;  // the closing story seen, play back at level 1
    int difficulties[4] = {};
    int floods = 0;   // more arrow events in one frame than SDL's queue holds
    int pauses = 0;   // pause presses
    int stories = 0;  // story screens shown
    // Bytes in use right after the first, the second and the last game over;
    // the first comes before every piece of music has been played once.
    size_t heap_first_game_over = 0;
    size_t heap_second_game_over = 0;
    size_t heap_last_game_over = 0;
    std::vector<std::string> failures;  // broken invariants, the first few
};

// Flies the plan. Uses the harness's clock and event queue; leaves both
// cleared.
PilotReport fly_pilot(const PilotPlan& plan);

// The first invariant broken after a frame of play, or an empty string:
// pools' free markers and records consistent, the ship on screen while
// alive, shields, lives, weapon and speed in range, exactly one stage flag,
// the level clock within its stage, score digits 0..9, and the held
// direction and fire using only keys that are really down.
std::string broken_invariant(const LoopState& loop);

// Bytes the program has allocated and not freed.
size_t heap_in_use();
