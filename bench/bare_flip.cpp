// The floor of the display benchmarks: an 800 x 600 16-bit double-buffered
// full-screen program with the game's video flags that does nothing but blit
// one screen-sized picture and flip, one frame every 33 ms, sleeping between
// frames. Whatever the game costs beyond this is its own. It runs until
// Escape, a window close, or the number of seconds given as its argument.
#include <SDL.h>

#include <cstdlib>

namespace {

constexpr int WIDTH = 800;
constexpr int HEIGHT = 600;
constexpr int BPP = 16;
constexpr Uint32 VIDEO_FLAGS = SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_FULLSCREEN;
constexpr Uint32 FRAME_MS = 33;
constexpr int BAND = 40;  // height of one colour band of the picture

// A picture in the display's format with bands of colour, so that every
// frame really copies and converts a full screen of varied pixels.
SDL_Surface* make_picture(SDL_Surface* screen) {
    SDL_Surface* p =
        SDL_CreateRGBSurface(SDL_SWSURFACE, WIDTH, HEIGHT, screen->format->BitsPerPixel,
                             screen->format->Rmask, screen->format->Gmask, screen->format->Bmask, 0);
    if (!p) return nullptr;
    for (int y = 0; y < HEIGHT; y += BAND) {
        SDL_Rect band{0, Sint16(y), WIDTH, BAND};
        const int shade = y * 255 / HEIGHT;
        SDL_FillRect(p, &band, SDL_MapRGB(p->format, Uint8(shade), Uint8(255 - shade), Uint8(shade / 2)));
    }
    return p;
}

bool quit_asked() {
    SDL_Event event;
    bool quit = false;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) quit = true;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) quit = true;
    }
    return quit;
}

}  // namespace

int main(int argc, char** argv) {
    const Uint32 run_ms = argc > 1 ? Uint32(std::atoi(argv[1])) * 1000 : 0;  // 0: until asked
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    std::atexit(SDL_Quit);
    SDL_ShowCursor(0);
    SDL_Surface* screen = SDL_SetVideoMode(WIDTH, HEIGHT, BPP, VIDEO_FLAGS);
    if (!screen) return 1;
    SDL_Surface* picture = make_picture(screen);
    if (!picture) return 1;
    const Uint32 start = SDL_GetTicks();
    Uint32 frame_end = start;
    while (!quit_asked() && (run_ms == 0 || SDL_GetTicks() - start < run_ms)) {
        SDL_BlitSurface(picture, nullptr, screen, nullptr);
        SDL_Flip(screen);
        const Uint32 deadline = frame_end + FRAME_MS;
        for (Sint32 left; (left = Sint32(deadline - SDL_GetTicks())) > 0;) SDL_Delay(Uint32(left));
        frame_end = SDL_GetTicks();
    }
    SDL_FreeSurface(picture);
    return 0;
}
