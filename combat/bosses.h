// The four bosses: tracking the ship, retreat while it is gone, volleys, the
// boss bar, and destruction.
#pragma once

#include "core/game_state.h"

// The enemy kind is one of the four bosses.
bool is_boss_kind(int32_t kind);

// Behaviours 42-45: with the ship alive the boss follows it, fires its volley
// when due and shows its hit points on the boss bar; with the ship destroyed
// it holds fire and climbs to its resting place at the top.
void boss_step(Enemy* e, const Player* p, Shot* pool);

// Six large explosions, the end of the boss stage (level_clock 0), the score,
// the music stopped.
void destroy_boss(Enemy* e, Player* p);
