// Start-up and the frame loop: the spine above every subsystem.
#pragma once

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

// Libraries, display, audio and sounds; again after every game over.
void start_up();
// Title screen, then a fresh game at the chosen difficulty and level.
void start_game(LoopState* loop);
// One frame of play: script, input, updates, drawing, pacing.
void run_frame(LoopState* loop);
// One input event of play.
void handle_event(const SDL_Event& event, LoopState* loop);
