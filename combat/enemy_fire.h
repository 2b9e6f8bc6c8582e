// Enemy fire: the volley of one enemy.
#pragma once

#include "core/game_state.h"

// Builds the enemy's volley at once and plays its sound.
void enemy_fire(Enemy* e, Shot* pool);
