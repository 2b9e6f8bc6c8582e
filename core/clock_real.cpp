// The real clock: SDL's tick count, sleeping instead of spinning; or, for a
// replay checked without a display, a count that never sleeps.
#include "core/clock.h"

namespace {

bool counting = false;  // time is counted, not waited for
Uint32 counted_now = 0;

}  // namespace

Uint32 clock_now() {
    return counting ? counted_now : SDL_GetTicks();
}

// Sleeps the whole remainder: a sleep here overshoots by far less than a
// millisecond, so the frame still ends on its tick, and the core is free for
// the rest of the frame instead of polling its last milliseconds. The loop
// only goes round again if the sleep ends early. A deadline already passed
// (a late frame) returns at once: the signed difference is not positive.
void clock_wait_until(Uint32 deadline) {
    if (counting) {
        if (Sint32(deadline - counted_now) > 0) counted_now = deadline;
        return;
    }
    for (Sint32 left; (left = Sint32(deadline - SDL_GetTicks())) > 0;) SDL_Delay(Uint32(left));
}

void clock_rest(Uint32 ms) {
    if (counting) {
        counted_now += ms;
        return;
    }
    SDL_Delay(ms);
}

void clock_count_instead_of_waiting() {
    counting = true;
}
