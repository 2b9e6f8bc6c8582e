// Shot and effect pools: release from a template, the per-frame move and the
// retirement of what has left the play area.
#pragma once

#include "core/game_state.h"

// Copies the template into the first free slot and sets x, y and direction;
// a full pool drops the request.
void spawn_shot(const Shot* tpl, Shot* pool, Direction direction, int32_t x, int32_t y);
void spawn_effect(const Effect* tpl, Effect* pool, Direction direction, int32_t x, int32_t y);

// One step of every record in the pool, retiring those far off screen.
void move_shots(Shot* pool);
void move_effects(Effect* pool);

// The ten effect templates, the same on every difficulty.
void fill_effect_templates();

// Writes the free marker into every slot of the four pools.
void free_all_slots();
