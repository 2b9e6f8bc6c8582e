// The player's weapons: shot templates and firing.
#pragma once

#include "core/game_state.h"

// Writes the seven shot templates (the player's four, the enemies' two
// bullets whose speed depends on the difficulty; slot 2 stays unused).
void fill_shot_templates(int32_t difficulty);

// One volley of the ship's weapon level, with its sound; nothing from a
// destroyed ship.
void player_fire(Player* p, Shot* pool);
