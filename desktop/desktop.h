// The desktop front-end of the game: the command line, the settings and
// scores files, and the devices (the gamepad, the volume). The input every
// screen reads goes through io/input.h.
#pragma once

#include <SDL.h>

#include <string>

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

// True once after the terminal hung up (SIGHUP): the game then ends as after
// a window close, keeping its best score.
bool take_hang_up();
