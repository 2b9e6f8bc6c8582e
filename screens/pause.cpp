// Stand-in until the pause screen lands.
#include "screens/pause.h"

void pause_screen(SDL_Surface*) {}
