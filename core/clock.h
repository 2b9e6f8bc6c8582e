// The game's clock: the only way the game reads time or waits. The game links
// the real clock (SDL's tick count); the tests link one they step by hand.
#pragma once

#include <SDL.h>

// Milliseconds since the library started, like SDL_GetTicks.
Uint32 clock_now();
// Returns once clock_now() is not below deadline (unsigned comparison).
void clock_wait_until(Uint32 deadline);
// Rests a few milliseconds; the screens call it between passes of their loops.
void clock_rest(Uint32 ms);

// The real clock only: from now on time is counted instead of waited for.
// Waits and rests return at once and move the count on by what they would
// have waited, so a replay checked without a display runs as fast as the
// machine allows while every screen still sees its seconds go by.
void clock_count_instead_of_waiting();

// The clock of play: every reading that goes into the state of play (the
// animations of ships, shots and effects, the choice of the power-up dropped).
// It is clock_now() unless a source is set: a replay records every reading
// and gives them back when it is played.
Uint32 play_clock_now();
using PlayClockSource = Uint32 (*)();
void set_play_clock_source(PlayClockSource source);  // null: clock_now
