// Stand-in until the heads-up display lands.
#include "render/hud.h"

void draw_hud(SDL_Surface*) {}
