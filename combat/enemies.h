// The enemies' pass: hits, movement, destruction, behaviours and bosses.
#pragma once

#include "core/game_state.h"

void update_enemies(Enemy* pool, Player* p, Shot* shot_pool);
