// Enemy kinds: the thirteen templates and the release of an enemy.
#pragma once

#include "core/game_state.h"

// Writes all thirteen templates for the difficulty (1 easy, 2 normal, 3 hard).
void fill_enemy_templates(int32_t difficulty);

// Copies the template into the first slot whose hit_points is 0, sets x, y,
// direction and frame_tick (now); a full pool drops the request.
void spawn_enemy(const Enemy* tpl, Enemy* pool, Direction direction, int32_t x, int32_t y);
