// The golden replays' pilot: flies one level at one difficulty from the
// title through the real frame loop on the test clock, steering by what it
// sees (towards the enemies, away from their bullets, fire held) with a few
// seeded extras (pauses, bonus keys, stray arrows), while the game is
// recorded; and the headless playback that checks a replay.
#pragma once

#include <cstdint>

#include "replay/format.h"
#include "replay/session.h"

struct GoldenFlight {
    int level;           // 1..4: level 1 from the start row, the others resumed
    int32_t difficulty;  // DIFFICULTY_EASY..DIFFICULTY_HARD
    uint32_t seed;
    int max_frames;  // ends the flight if the level has not ended before
};

// Flies until the level is over (its boss down, the game over) or
// max_frames, and returns the recorded game.
ReplayData fly_golden_level(const GoldenFlight& flight);

// Plays a replay headless through the real frame loop, as --verify-replay
// does; leaves the clock and the events cleared.
ReplayOutcome play_back(const ReplayData& replay);

// The 12 flights of the golden replays, and the file name of each.
constexpr int GOLDEN_COUNT = 12;
GoldenFlight golden_flight(int index);
const char* golden_name(int index);
