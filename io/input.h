// The game's one input source: every loop (play, title, story pages, pause)
// reads its events here, and the frame loop asks here which keys are really
// held. Behind it sit the keyboard and the desktop's extensions (the pad and
// the desktop's own keys); without them it is SDL's own event queue.
#pragma once

#include <SDL.h>

// Which loop is reading input: the title treats Escape as a window close.
enum InputScreen { INPUT_PLAY, INPUT_TITLE, INPUT_STORY, INPUT_PAUSE };

// SDL_PollEvent for the game's loops. Pad events come out as the key events
// of the keyboard; F11, Alt+Enter and the volume keys are handled here and
// used up; on the title Escape comes out as a window close. Without the
// desktop extensions it is SDL_PollEvent.
bool poll_input(SDL_Event* event, InputScreen where);

// True while one of the game's keys is really down now, whatever events were
// lost or taken by a screen: the keyboard's state (kept up to date as events
// arrive, also when the event queue is full and events are dropped) or the
// pad holding that key.
bool input_holds(SDLKey key);
