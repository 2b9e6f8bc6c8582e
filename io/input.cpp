// The game's one input source: the keyboard, with the player's keys turned
// into the game's, the pad's events turned into keys and the desktop's own
// keys taken out.
#include "io/input.h"

#include "controls/controls_screen.h"
#include "controls/help_page.h"
#include "controls/key_map.h"
#include "core/game_state.h"
#include "desktop/desktop.h"
#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "desktop/gamepad.h"
#include "desktop/screenshot.h"
#include "desktop/volume.h"
#include "replay/session.h"

namespace {

// The desktop's own keys; true when the key was one (it is used up). F1 opens
// the help over the title, play and the pause, F2 the controls screen from
// the title; on a story page they do nothing.
bool desktop_key(const SDL_keysym& key, InputScreen where) {
    switch (key.sym) {
        case SDLK_F1:
            if (where != INPUT_STORY) help_page(screen);
            return true;
        case SDLK_F2:
            if (where == INPUT_TITLE) controls_screen(screen);
            return true;
        case SDLK_F12:
            take_screenshot(screen);
            return true;
        default:
            return display_key(key) || volume_key(key.sym);
    }
}

// Another window took the keys in play: the pause, as if its key were pressed.
bool focus_lost(const SDL_Event& event, InputScreen where) {
    return where == INPUT_PLAY && desktop.settings.pause_on_focus_loss && event.type == SDL_ACTIVEEVENT &&
           event.active.gain == 0 && (event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0;
}

// The player's devices: the keyboard, and the pad and the desktop's keys
// when the desktop extensions are on.
bool poll_devices(SDL_Event* event, InputScreen where) {
    if (!desktop.on) return SDL_PollEvent(event);
    if (take_hang_up()) {
        *event = SDL_Event{};
        event->type = SDL_QUIT;
        return true;
    }
    for (;;) {
        if (take_pad_key(&desktop.pad, event)) return true;  // the game's keys already
        if (!SDL_PollEvent(event)) return false;
        if (translate_pad_event(&desktop.pad, *event, desktop.settings)) continue;
        if (focus_lost(*event, where)) {
            *event = key_event(GAME_KEY[CONTROL_PAUSE], true);
            return true;
        }
        if (event->type != SDL_KEYDOWN && event->type != SDL_KEYUP) return true;
        if (event->type == SDL_KEYDOWN && desktop_key(event->key.keysym, where)) continue;
        if (where == INPUT_TITLE && event->type == SDL_KEYDOWN && event->key.keysym.sym == SDLK_ESCAPE) {
            // the quit the footer of the title picture promises
            *event = SDL_Event{};
            event->type = SDL_QUIT;
            return true;
        }
        // The player's key becomes the game's: a player who steers with `a`
        // steers, and the game never sees an `a` (it would release a bonus).
        event->key.keysym.sym = game_key_for(desktop.settings.keys, event->key.keysym.sym);
        return true;
    }
}

// The player's key for one of the game's own keys (itself without a remap).
SDLKey players_key(SDLKey key) {
    if (!desktop.on) return key;
    for (int c = 0; c < CONTROL_COUNT; ++c) {
        if (GAME_KEY[c] == key) return desktop.settings.keys.key[c];
    }
    return key;
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
    const bool held = SDL_GetKeyState(nullptr)[players_key(key)] != 0 || gamepad_holds(key);
    replay_note_hold(key, held);
    return held;
}
