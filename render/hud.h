// The heads-up display: shields, spare lives, score, boss bar.
#pragma once

#include <SDL.h>

// Draws the display over the scene, once per frame of play. It also glides
// the shown shield bar 2 pixels toward the ship's shields and carries the
// score digits (the score stops at 9999).
void draw_hud(SDL_Surface* target);
