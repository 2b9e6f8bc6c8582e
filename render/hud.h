// The heads-up display: shields, spare lives, score, boss bar.
#pragma once

#include <SDL.h>

void draw_hud(SDL_Surface* target);
