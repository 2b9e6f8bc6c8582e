// The clock of play: clock_now() unless a replay stands in for it.
#include "core/clock.h"

namespace {

PlayClockSource play_source = nullptr;

}  // namespace

Uint32 play_clock_now() {
    return play_source ? play_source() : clock_now();
}

void set_play_clock_source(PlayClockSource source) {
    play_source = source;
}
