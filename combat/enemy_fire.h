// Enemy fire: the volleys, the firing rule of each behaviour and the fire clock.
#pragma once

#include "core/game_state.h"

// Builds the enemy's volley at once and plays its sound. Ordinary enemies aim
// one bullet along the row or column they share with the ship; bosses fire
// their fixed fan.
void enemy_fire(Enemy* e, Shot* pool);

// The enemy's box overlaps the ship's horizontally (a shared column) or
// vertically (a shared row).
bool in_column(const Enemy* e, const Player* p);
bool in_row(const Enemy* e, const Player* p);

// Firing rules, run in the behaviour step; each fires only when the fire
// clock is due.
void fighter_fire_rule(Enemy* e, const Player* p, Shot* pool);      // 40: column, then row
void interceptor_fire_rule(Enemy* e, const Player* p, Shot* pool);  // 46: column only
void boss_fire_rule(Enemy* e, Shot* pool);                          // 42-45, ship alive

// The last step of an enemy's update: the clock counts 0..fire_period and
// starts again.
void advance_fire_clock(Enemy* e);
