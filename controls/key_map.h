// The player's keys: the six controls of the game, the game's own key for
// each (the keys the game inside reads: the arrows, left Ctrl, left Shift),
// the player's key for each, the desktop's keys that can never be bound, and
// the names the settings file writes keys with.
#pragma once

#include <SDL.h>

#include <string>

enum Control {
    CONTROL_UP,
    CONTROL_DOWN,
    CONTROL_LEFT,
    CONTROL_RIGHT,
    CONTROL_FIRE,
    CONTROL_PAUSE,
    CONTROL_COUNT
};

// The game's own key for each control (index: Control). They are also the
// player's keys until the player chooses others.
constexpr SDLKey GAME_KEY[CONTROL_COUNT] = {SDLK_UP,    SDLK_DOWN,  SDLK_LEFT,
                                            SDLK_RIGHT, SDLK_LCTRL, SDLK_LSHIFT};

// The player's key for each control (index: Control).
struct KeyMap {
    SDLKey key[CONTROL_COUNT] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_LCTRL, SDLK_LSHIFT};
};

// The control a key of the player's drives; CONTROL_COUNT for none.
int control_of(const KeyMap& map, SDLKey key);
// What the game reads for a key of the player's: the game's key of the
// control it drives; SDLK_UNKNOWN for one of the game's own keys that no
// control uses now (a player who steers with `a` does not also steer with
// the left arrow); every other key as it is, so the story pages and the
// bonus keys see the keys the player did not bind.
SDLKey game_key_for(const KeyMap& map, SDLKey key);

// The desktop's own keys (Escape, F1, F2, F11, F12, M, the volume keys):
// never a control's.
bool reserved_key(SDLKey key);
// Puts `key` on control `c`. A key another control has swaps the two.
// False (and nothing changes) for a reserved key or a key with no name.
bool assign_key(KeyMap* map, int c, SDLKey key);

// The settings file's name of a control's entry: key_up ... key_pause.
const char* control_setting_name(int c);
// The control's name on screen: "up" ... "pause".
const char* control_label(int c);
// SDL's own name of a key (what SDL_GetKeyName returns once the display is
// open; the settings are read before it is); empty for a key with none.
std::string key_name(SDLKey key);
// The key of a name; SDLK_UNKNOWN when no key has it.
SDLKey key_of_name(const std::string& name);
// A key press or release as SDL would deliver it, for the input made by the
// pad, the focus pause and replays.
SDL_Event key_event(SDLKey key, bool down);
