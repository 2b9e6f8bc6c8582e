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
