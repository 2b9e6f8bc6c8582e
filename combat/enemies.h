// The enemies' pass of each frame: hits, movement, destruction, retirement,
// behaviours and the fire clock.
#pragma once

#include "core/game_state.h"

// Once per frame, after the ship's pass and before the shots move. Every
// enemy in use, in pool order: player shots against it, its move along its
// direction, its destruction at 0 hit points or below, retirement far off
// screen, its behaviour step (even when just freed) and its fire clock.
void update_enemies(Enemy* pool, Player* p, Shot* shot_pool);
