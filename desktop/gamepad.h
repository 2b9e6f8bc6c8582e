// The gamepad: the first joystick plays through the keyboard's own handling.
// Its stick (past a dead zone) and hat become the arrow keys, its fire
// button (the first unless the settings say otherwise) left Ctrl, its start
// button left Shift and any other button Return,
// as key events that every screen and the frame loop take like real ones.
#pragma once

#include <SDL.h>

#include "desktop/desktop_state.h"

// Opens the first joystick SDL finds, once a run; none is fine.
void open_gamepad();

// Turns a joystick event of the first pad into key events queued in *pad;
// true when the event was a joystick event (it is then used up).
bool translate_pad_event(PadState* pad, const SDL_Event& event, const Settings& settings);
// Takes the oldest key event the pad has made; false when there is none.
bool take_pad_key(PadState* pad, SDL_Event* event);

// True while the pad holds that virtual arrow key or left Ctrl; false for
// every other key and without a pad. The keyboard's SDL_GetKeyState does not
// see the pad, so a re-sync of held keys asks here as well: with a pad open
// the answer is the device's stick, hat and fire button as they are now, and
// what the pad holds is let go where the device no longer does (releases
// lost in a flood of events).
bool gamepad_holds(SDLKey key);
