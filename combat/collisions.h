// Hits and damage: the pixel hit test, the ship's pass.
#pragma once

#include "core/game_state.h"

// A shot in use hits a target whose top-left is (tx, ty) and whose mask
// picture is `mask` when the boxes overlap and both sample pixels are solid.
bool pixel_hit(const Shot* s, int32_t tx, int32_t ty, SDL_Surface* mask);

// The ship's pass of the frame: death clock, bullets, warning, loss, move.
void update_player(Player* p);
