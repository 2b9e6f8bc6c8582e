// The real clock: SDL's tick count, sleeping instead of spinning.
#include "core/clock.h"

Uint32 clock_now() {
    return SDL_GetTicks();
}

// Sleeps until shortly before the deadline, then polls the last stretch so
// the frame still ends on time: a busy wait would hold a core at 100%.
void clock_wait_until(Uint32 deadline) {
    constexpr Sint32 POLL_MS = 2;  // SDL_Delay may overshoot by about this much
    for (;;) {
        const auto left = Sint32(deadline - SDL_GetTicks());
        if (left <= 0) return;
        SDL_Delay(left > POLL_MS ? Uint32(left - POLL_MS) : 0);
    }
}

void clock_rest(Uint32 ms) {
    SDL_Delay(ms);
}
