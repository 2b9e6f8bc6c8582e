// The pause screen: the game stands still under the pause panel until left
// Shift is pressed again.
#include "screens/pause.h"

#include <cstdlib>

#include "assets/image_bank.h"
#include "controls/controls_screen.h"
#include "core/clock.h"
#include "core/game_state.h"
#include "io/input.h"
#include "io/picture.h"
#include "render/scene.h"

namespace {

// The colour around the panel in the pause picture, shown transparent.
constexpr Uint8 KEY_RED = 214;
constexpr Uint8 KEY_GREEN = 123;
constexpr Uint8 KEY_BLUE = 124;

// Waiting without holding a core: rest between passes; the panel does not
// change, so it is only drawn again now and then to refresh the display.
constexpr Uint32 REST_MS = 5;
constexpr Uint32 REFRESH_MS = 500;

void set_pause_key(SDL_Surface* s) {
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, SDL_MapRGB(s->format, KEY_RED, KEY_GREEN, KEY_BLUE));
}

// Null when the picture cannot be read: the game then pauses without it.
SDL_Surface* load_pause_picture() {
    SDL_Surface* loaded = load_raw_picture("bmp/paused.bmp");
    if (!loaded) return nullptr;
    // A picture with an alpha channel is blended by its alpha and its colour
    // key is ignored, so the key is set before the conversion as well: the
    // conversion turns keyed pixels fully transparent.
    set_pause_key(loaded);
    SDL_Surface* converted = SDL_DisplayFormatAlpha(loaded);
    SDL_FreeSurface(loaded);
    if (converted) set_pause_key(converted);
    return converted;
}

// Handles every pending event: true when left Shift was pressed among them.
// Every other key, and every release, is ignored; a window close ends the
// program.
bool resume_pressed() {
    bool pressed = false;
    SDL_Event event;
    while (poll_input(&event, INPUT_PAUSE)) {
        if (event.type == SDL_QUIT) std::exit(0);
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_LSHIFT) pressed = true;
    }
    return pressed;
}

}  // namespace

void pause_screen(SDL_Surface* target) {
    SDL_Surface* picture = load_pause_picture();
    bool leaving = false;
    bool drawn = false;
    Uint32 last_draw = 0;
    while (!leaving) {
        leaving = resume_pressed();
        // Drawn over the frozen frame, at least once even for two quick presses.
        if (leaving || !drawn || clock_now() - last_draw >= REFRESH_MS) {
            blit_picture(picture, nullptr, 0, 0, target);
            if (picture) draw_pause_hint(target);
            show_picture(target);
            drawn = true;
            last_draw = clock_now();
        }
        if (!leaving) clock_rest(REST_MS);
    }
    SDL_FreeSurface(picture);
    // The ship's animation resumes from now rather than catching up.
    player.frame_tick = play_clock_now();
}
