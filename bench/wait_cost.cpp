// What the frame wait itself costs: runs frames of play's length that do no
// work but wait for their deadline with the real clock, and prints the
// processor time and the voluntary context switches (each sleep or poll is
// one) of the waiting thread, per frame, and the mean frame length.
// Usage: wait_cost [frames]   (default 300, ten seconds)
#include <SDL.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "core/clock.h"

namespace {

constexpr Uint32 FRAME_MS = 33;

// The thread's time on a processor, exact to the nanosecond; getrusage's
// user and system times are only sampled at the scheduler's tick.
double cpu_us() {
    unsigned long long ns = 0;
    if (std::FILE* f = std::fopen("/proc/thread-self/schedstat", "r")) {
        if (std::fscanf(f, "%llu", &ns) != 1) ns = 0;
        std::fclose(f);
    }
    return double(ns) / 1000;
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    if (frames <= 0 || SDL_Init(SDL_INIT_TIMER) != 0) return 1;
    rusage before{}, after{};
    getrusage(RUSAGE_THREAD, &before);
    const double cpu_before = cpu_us();
    const Uint32 start = clock_now();
    Uint32 frame_end = start;
    for (int i = 0; i < frames; ++i) {
        clock_wait_until(frame_end + FRAME_MS);
        frame_end = clock_now();
    }
    const double cpu_after = cpu_us();
    getrusage(RUSAGE_THREAD, &after);
    std::printf("wait per frame: %.1f us of CPU, %.2f context switches; mean frame %.3f ms over %d frames\n",
                (cpu_after - cpu_before) / frames, double(after.ru_nvcsw - before.ru_nvcsw) / frames,
                double(frame_end - start) / frames, frames);
    SDL_Quit();
    return 0;
}
