// The game's one input source: the keyboard, with the pad's events turned
// into keys and the desktop's own keys taken out.
#include "io/input.h"

#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "desktop/gamepad.h"
#include "desktop/volume.h"
#include "replay/session.h"

namespace {

// The desktop's own keys; true when the key was one (it is used up).
bool desktop_key(const SDL_keysym& key) {
    return display_key(key) || volume_key(key.sym);
}

// The player's devices: the keyboard, and the pad and the desktop's keys
// when the desktop extensions are on.
bool poll_devices(SDL_Event* event, InputScreen where) {
    if (!desktop.on) return SDL_PollEvent(event);
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

}  // namespace

// A replay being played stands in for the devices; otherwise what play reads
// is recorded, when games are recorded.
bool poll_input(SDL_Event* event, InputScreen where) {
    if (replay_playing()) return replay_poll(event, where, poll_devices);
    const bool got = poll_devices(event, where);
    replay_note_input(got ? event : nullptr, where);
    return got;
}

bool input_holds(SDLKey key) {
    if (replay_playing()) return replay_holds(key);
    const bool held = SDL_GetKeyState(nullptr)[key] != 0 || gamepad_holds(key);
    replay_note_hold(key, held);
    return held;
}
