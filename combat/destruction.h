// The destruction of an enemy whose hit points have run out.
#pragma once

#include "core/game_state.h"

// Frees the slot and does what the kind's destruction does: explosions,
// points and score for ordinary enemies, the pick-up for carriers and Mars,
// the end of the stage for bosses.
void destroy_enemy(Enemy* e, Player* p);
