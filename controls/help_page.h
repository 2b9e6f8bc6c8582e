// F1: the help page over the title, play or the pause.
#pragma once

#include <SDL.h>

// Shows the player's keys and pad buttons and the desktop's keys over the
// picture as it is, until F1 or Escape; play holds still meanwhile. The
// desktop's keys work under it; a window close closes it and is left for the
// screen below. The picture is put back as it was.
void help_page(SDL_Surface* picture);
