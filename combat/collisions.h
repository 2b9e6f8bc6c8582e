// Hits and damage: the pixel hit test, player shots against an enemy, and the
// ship's pass (bullets, low-shield warning, loss, return, game over).
#pragma once

#include "core/game_state.h"

// The shot's box overlaps the target's box (all four tests strict) and the
// shot is in use.
bool boxes_overlap(const Shot* s, int32_t tx, int32_t ty, int32_t th, int32_t tw);

// The pixel test of a shot against a target whose top-left is (tx, ty) and
// whose mask picture is `mask`: the two sample pixels under the shot's middle
// row, at its left column and one past its right, must both be solid (not
// black and inside the picture). A null mask is never hit.
bool pixel_hit(const Shot* s, int32_t tx, int32_t ty, SDL_Surface* mask);

// Box overlap and pixel test together.
bool shot_hits(const Shot* s, int32_t tx, int32_t ty, int32_t th, int32_t tw, SDL_Surface* mask);

// The mask an enemy is hit-tested against: the first picture of its kind,
// whatever frame it shows; null for an unknown kind.
SDL_Surface* enemy_mask(int32_t kind);

// Every player shot that hits the enemy does its damage and is spent;
// enemy bullets pass through. The enemy stays a target even at 0 or below.
void hit_enemy_with_shots(Enemy* e, Shot* pool);

// The ship's pass of the frame: death clock, bullets, warning, loss, move.
// Sets restart_requested when the game is over and abandoned.
void update_player(Player* p);
