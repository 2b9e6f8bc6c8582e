// The desktop front-end of the game: the command line, the settings and
// scores files, and the input every screen reads (keyboard and gamepad, with
// the desktop's own keys taken out).
#pragma once

#include <SDL.h>

#include <string>

// Which loop is reading input: the title treats Escape as a window close.
enum InputScreen { INPUT_PLAY, INPUT_TITLE, INPUT_STORY, INPUT_PAUSE };

// Reads the command line, the settings and the best scores and turns the
// desktop extensions on. Returns the exit status when the program is to end
// now (--help, --version: 0; a bad argument: 2), otherwise -1.
int start_desktop(int argc, const char* const* argv);
// The same with the files given, for a front-end that is not the player's
// (the tests): no command line, nothing registered at exit.
void enable_desktop(const std::string& settings_path, const std::string& scores_path);
// Back to the game as designed, forgetting the pad and the files.
void disable_desktop();

// Called at the end of every start-up, with the libraries, the display and
// the mixer ready: opens the gamepad and sets the volume.
void start_desktop_devices();

// SDL_PollEvent for the game's loops. Pad events come out as the key events
// of the keyboard; F11, Alt+Enter and the volume keys are handled here and
// used up; on the title Escape comes out as a window close. Without the
// desktop extensions it is SDL_PollEvent.
bool poll_input(SDL_Event* event, InputScreen where);
