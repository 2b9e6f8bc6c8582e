// A stand-in for SDL_Flip and SDL_GL_SwapBuffers (the picture shown through
// OpenGL), loaded into a program with LD_PRELOAD by scripts/bench: it passes
// every flip on to SDL and then appends the moment the flip returned to the
// file named by CLOUDPIERCER_FLIP_LOG, one line per flip,
// "monotonic_ns realtime_ns". The program itself is unchanged; the
// monotonic times give the frame periods, the first real time the start-up.
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

using FlipFunction = int (*)(SDL_Surface*);
using SwapFunction = void (*)();

long long nanoseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// Opened on the first flip; -1 when no log was asked for or it cannot be
// written, and the flips then simply pass through.
int log_file() {
    static int fd = [] {
        const char* path = std::getenv("CLOUDPIERCER_FLIP_LOG");
        return path ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
    }();
    return fd;
}

void log_flip() {
    const int fd = log_file();
    if (fd >= 0) {
        // One write per line, unbuffered: the bench may end the program with
        // a signal, and no line may be lost or torn.
        char line[64];
        const int n = std::snprintf(line, sizeof line, "%lld %lld\n", nanoseconds(CLOCK_MONOTONIC),
                                    nanoseconds(CLOCK_REALTIME));
        // a full disk only shortens the log; the program goes on
        if (n > 0) [[maybe_unused]]
            const ssize_t written = write(fd, line, size_t(n));
    }
}

}  // namespace

extern "C" int SDL_Flip(SDL_Surface* screen) {
    static const auto real_flip = reinterpret_cast<FlipFunction>(dlsym(RTLD_NEXT, "SDL_Flip"));
    const int result = real_flip ? real_flip(screen) : -1;
    log_flip();
    return result;
}

extern "C" void SDL_GL_SwapBuffers() {
    static const auto real_swap = reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
    if (real_swap) real_swap();
    log_flip();
}
