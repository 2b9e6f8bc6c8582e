// The game's one input source: every loop (play, title, story pages, pause)
// reads its events here, and the frame loop asks here which keys are really
// held. Behind it sit the keyboard and the desktop's extensions (the pad and
// the desktop's own keys); without them it is SDL's own event queue.
#pragma once

#include <SDL.h>

// Which loop is reading input: the title treats Escape as a window close.
enum InputScreen { INPUT_PLAY, INPUT_TITLE, INPUT_STORY, INPUT_PAUSE };

// SDL_PollEvent for the game's loops. The player's keys come out as the
// game's own (controls/key_map.h) and pad events as the same key events; the
// desktop's keys are handled here and used up (F11, Alt+Enter, the volume
// keys, F12 a screenshot, F1 the help page over the title, play and the
// pause, F2 the controls screen from the title); on the title Escape comes
// out as a window close; in play another window taking the keys comes out as
// a press of the pause key. Without the desktop extensions it is
// SDL_PollEvent.
bool poll_input(SDL_Event* event, InputScreen where);

// True while one of the game's keys is really down now, whatever events were
// lost or taken by a screen: the keyboard's state of the player's key for it (kept up to date as events
// arrive, also when the event queue is full and events are dropped) or the
// pad holding that key.
bool input_holds(SDLKey key);
