// F12: the picture of the moment, kept as a PNG among the player's files.
#pragma once

#include <SDL.h>

#include <string>

// $XDG_DATA_HOME/cloudpiercer/screenshots/, or under ~/.local/share.
std::string screenshot_folder();
// Writes the picture (the 800x600 one every screen draws into) as a PNG in
// the screenshot folder, named by the date and time, and plays a short
// sound. A folder that cannot be written gives one warning line. Returns the
// file written; empty when none was.
std::string take_screenshot(SDL_Surface* picture);
