// The folder of replays: every game recorded is written there, named after
// its date and time, difficulty and score; the last REPLAYS_KEPT and each
// difficulty's best are kept, older ones removed.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "replay/format.h"

constexpr int REPLAYS_KEPT = 20;

// $XDG_DATA_HOME/cloudpiercer/replays, or under ~/.local/share; empty when
// there is nowhere to keep them.
std::string replay_folder();

// The file name of a replay ended at `when` (local time):
// YYYYmmdd-HHMMSS-<difficulty>-<score>.replay.
std::string replay_file_name(std::time_t when, const ReplayHeader& header);

// Of the names given, those to remove: every replay name but the newest
// REPLAYS_KEPT and the best of each difficulty (the newest of equal bests).
// Names not of replays are left alone.
std::vector<std::string> replays_to_remove(const std::vector<std::string>& names);

// Writes the replay into folder, whole (a new file renamed over), then
// removes what is no longer kept. False, with one warning line a run on
// stderr, when it could not be written; the game plays on.
bool keep_replay_in(const std::string& folder, const ReplayData& replay, std::time_t when);
// keep_replay_in for the player's folder, now: the recorder's keeper.
void keep_replay(const ReplayData& replay);
