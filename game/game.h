// Start-up and the frame loop: the spine above every subsystem.
#pragma once

#include <string>

#include "core/game_state.h"

// State of the frame loop that is not a global of the game.
struct LoopState {
    Direction held_direction = DIR_IDLE;  // from the arrow keys held now
    bool fire_held = false;               // left Ctrl is down
    int32_t autofire_count = 0;           // frames towards the next automatic shot
    bool quit_requested = false;          // leave at the end of this frame
    Uint32 last_frame_end = 0;            // tick right after the previous frame's wait
};

// The program: start-up, title, game, and again after each game over.
// Returns 0 when the player quits.
int run_game();

// The real program's demo: after 30 seconds on the title with no key, the
// replay at path (in the data folder) plays until a key or pad button, or
// for a minute, and the title comes back.
void play_demo_on_idle_title(const std::string& path);
// The whole program for --replay (on screen; Escape stops it) and
// --verify-replay (headless, with a clock that does not wait): prints one
// line and returns the exit status: 0 played to its end with every check
// value matched (or stopped by the player), 1 at a desync (naming its
// frame), 2 for a file that cannot be read, is damaged, truncated or unknown.
int play_replay_file(const std::string& path, bool verify);

// Libraries, display, audio and sounds; again after every game over.
void start_up();
// Title screen, then a fresh game at the chosen difficulty and level.
void start_game(LoopState* loop);
// One frame of play: script, input, updates, drawing, pacing.
void run_frame(LoopState* loop);
// One input event of play.
void handle_event(const SDL_Event& event, LoopState* loop);
