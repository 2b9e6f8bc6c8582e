// The real clock: SDL's tick count, sleeping instead of spinning.
#include "core/clock.h"

Uint32 clock_now() {
    return SDL_GetTicks();
}

// Sleeps the whole remainder: a sleep here overshoots by far less than a
// millisecond, so the frame still ends on its tick, and the core is free for
// the rest of the frame instead of polling its last milliseconds. The loop
// only goes round again if the sleep ends early. A deadline already passed
// (a late frame) returns at once: the signed difference is not positive.
void clock_wait_until(Uint32 deadline) {
    for (Sint32 left; (left = Sint32(deadline - SDL_GetTicks())) > 0;) SDL_Delay(Uint32(left));
}

void clock_rest(Uint32 ms) {
    SDL_Delay(ms);
}
