// The real clock's frame wait, run against a tick count and a sleep that the
// test controls: the linker routes the clock's SDL_GetTicks and SDL_Delay
// here, so the waits take no time and every sleep is seen.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/clock.h"

namespace {

Uint32 ticks = 0;
std::vector<Uint32> sleeps;  // the length asked of every sleep
// How each sleep ends, in ms past the time asked: 0 on time, more when the
// system wakes the game late, negative when it wakes it early.
std::vector<int> wake_offsets;

void reset(Uint32 now, std::vector<int> offsets = {}) {
    ticks = now;
    sleeps.clear();
    wake_offsets = offsets;
}

}  // namespace

extern "C" Uint32 __wrap_SDL_GetTicks() {
    return ticks;
}

extern "C" void __wrap_SDL_Delay(Uint32 ms) {
    const int offset = sleeps.size() < wake_offsets.size() ? wake_offsets[sleeps.size()] : 0;
    sleeps.push_back(ms);
    // a zero sleep is a poll: time still moves, so a polling wait ends (and
    // shows in the sleeps) rather than hanging the test
    ticks += ms == 0 ? 1 : Uint32(int(ms) + offset);
}

// A frame's wait is one sleep of the whole remainder, ending on the deadline
// (or just past it when the system wakes the game late); a sleep cut short
// is followed by another, so the wait never ends before the deadline.
TEST(ClockWait, SleepsTheRemainderAndNeverEndsEarly) {
    reset(1000);
    clock_wait_until(1033);
    EXPECT_EQ(sleeps, (std::vector<Uint32>{33}));
    EXPECT_EQ(clock_now(), 1033u);

    reset(1000, {1});  // woken a millisecond late
    clock_wait_until(1020);
    EXPECT_EQ(sleeps, (std::vector<Uint32>{20}));
    EXPECT_EQ(clock_now(), 1021u);

    reset(1000, {-25, -7});  // woken early twice
    clock_wait_until(1033);
    EXPECT_EQ(sleeps, (std::vector<Uint32>{33, 25, 7}));
    EXPECT_EQ(clock_now(), 1033u);
}

// A late frame is followed at once: a deadline reached or passed, even long
// ago, means no sleep at all.
TEST(ClockWait, ADeadlineReachedOrPassedDoesNotSleep) {
    for (const Uint32 behind : {0u, 1u, 40u, 0x7fffffffu}) {
        reset(5000);
        clock_wait_until(5000 - behind);
        EXPECT_TRUE(sleeps.empty()) << behind << " ms behind";
        EXPECT_EQ(clock_now(), 5000u);
    }
}

// The tick count wraps after 49 days: a deadline past the wrap is still 33 ms
// ahead, and one just before it is still behind.
TEST(ClockWait, WaitsAcrossTheTickCountWrap) {
    reset(0xfffffff0u);
    clock_wait_until(0xfffffff0u + 33);
    EXPECT_EQ(sleeps, (std::vector<Uint32>{33}));
    EXPECT_EQ(clock_now(), 17u);

    reset(10);
    clock_wait_until(0xfffffffau);
    EXPECT_TRUE(sleeps.empty());
}
