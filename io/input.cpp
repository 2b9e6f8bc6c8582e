// The game's one input source: the keyboard, with the pad's events turned
// into keys and the desktop's own keys taken out.
#include "io/input.h"

#include "desktop/desktop.h"
#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "desktop/gamepad.h"
#include "desktop/volume.h"

namespace {

// The desktop's own keys; true when the key was one (it is used up).
bool desktop_key(const SDL_keysym& key) {
    return display_key(key) || volume_key(key.sym);
}

}  // namespace

bool poll_input(SDL_Event* event, InputScreen where) {
    if (!desktop.on) return SDL_PollEvent(event);
    if (take_hang_up()) {
        *event = SDL_Event{};
        event->type = SDL_QUIT;
        return true;
    }
    for (;;) {
        if (take_pad_key(&desktop.pad, event)) return true;
        if (!SDL_PollEvent(event)) return false;
        if (translate_pad_event(&desktop.pad, *event, desktop.settings)) continue;
        if (event->type != SDL_KEYDOWN) return true;
        if (desktop_key(event->key.keysym)) continue;
        if (where == INPUT_TITLE && event->key.keysym.sym == SDLK_ESCAPE) {
            // the quit the footer of the title picture promises
            *event = SDL_Event{};
            event->type = SDL_QUIT;
        }
        return true;
    }
}

bool input_holds(SDLKey key) {
    return SDL_GetKeyState(nullptr)[key] != 0 || gamepad_holds(key);
}
