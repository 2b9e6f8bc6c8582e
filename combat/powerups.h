// Power-ups: what shooting down a carrier (or Mars) does to the ship.
#pragma once

#include "core/game_state.h"

// The enemy kind is a pick-up carrier or Mars.
bool is_carrier_kind(int32_t kind);

// The carrier is gone; when its pick-up applies, the ship gains it with its
// sound and the pick-up burst, otherwise it vanishes silently.
void destroy_carrier(Enemy* e, Player* p);
