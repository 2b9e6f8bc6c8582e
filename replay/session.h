// Recording every game and playing replays back. The input source
// (io/input.cpp) hands play's keys to the recorder, or takes them from the
// replay being played; the spine marks a game's start, each frame's end and
// the game's end. The clock of play (core/clock.h) is recorded and played
// back the same way.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>

#include "io/input.h"
#include "replay/format.h"

// How a replay is played.
enum ReplayWatch {
    WATCH_ON_SCREEN,  // as it was played; Escape stops it
    WATCH_VERIFY,     // headless; only its own keys count
    WATCH_DEMO,       // on the idle title; any key or pad button stops it
};

// Recording: every game started on the title from now on is recorded; at
// its end the replay goes to `keep` (the folder of replays, or a test).
using ReplayKeeper = void (*)(const ReplayData& replay);
void replay_record_games(ReplayKeeper keep);
void replay_stop_recording_games();

// Playing: the next game started plays this replay instead of asking the
// title, and ends with it.
void replay_play(const ReplayData& replay, ReplayWatch how);
bool replay_playing();

// How the replay played last went.
struct ReplayOutcome {
    bool finished = false;      // every recorded frame was played
    bool stopped = false;       // by a key or a window close
    bool desync = false;        // play went another way than recorded
    uint32_t desync_frame = 0;  // the first frame found to differ
    std::string desync_what;    // what differed
    uint32_t frames = 0;        // frames played
    int32_t score = 0;          // at the end
};
ReplayOutcome replay_outcome();

// The spine's marks. Before the title: true when a replay about to play
// gives the start of the game instead (difficulty, level, the run's flags),
// which it has set.
bool replay_gives_start();
// At the start of a game, after the title or the replay's start: the
// recording or the playing begins.
void replay_start_game();
// After each frame of play, with the frame loop's own state as words.
void replay_frame_done(const int32_t* loop_words, int loop_word_count);
// True when the replay being played has nothing more to play.
bool replay_over();
// At the game's end (also when the program ends in the middle of one).
void replay_game_done(ReplayEnd end);

// The input source's side. While a replay plays, poll_input and
// input_holds answer from it; the devices are still read (through
// poll_devices) for the keys that stop it.
using DevicePoll = bool (*)(SDL_Event* event, InputScreen where);
bool replay_poll(SDL_Event* event, InputScreen where, DevicePoll poll_devices);
bool replay_holds(SDLKey key);
// While recording: every poll of play's input (event null when none came)
// and every answer about a held key.
void replay_note_input(const SDL_Event* event, InputScreen where);
void replay_note_hold(SDLKey key, bool held);

// The score the digits show, 0..9999.
int32_t score_of_play();
