// Level events: the rows the level script reads, and the four levels' tables.
//
// NOTES: an event is one exact value of level_clock and one action. The
// script runs the events of a stage in row order, reading the clock again for
// each row, so several rows may share a clock. Rows are sorted by clock.
#pragma once

#include <span>

#include "core/game_state.h"

// What an event does. Each action is one step of the level script.
enum ScriptAction : int32_t {
    ACT_ENEMY,       // spawn_enemy: tpl (enemy template), direction, x, y
    ACT_SCENERY,     // spawn_effect: tpl (scenery template), layer, direction, x, y
    ACT_STORY,       // the level's opening story screen
    ACT_MUSIC,       // the level's music, looped forever
    ACT_BOSS_PHASE,  // into the boss phase: stage and clock, alarm, boss music
    ACT_NEXT_LEVEL,  // out of the boss phase into the next level's main phase
    ACT_BOSS,        // the level's boss is due: placed, with the boss bar, once a slot is free
};

// Where a piece of scenery goes: under the ship or over the shots.
enum SceneryLayer : int32_t {
    LAYER_NONE,   // not scenery
    LAYER_BACK,   // back_effects
    LAYER_FRONT,  // front_effects
};

struct LevelEvent {
    int32_t clock;        // the level_clock value that triggers it
    ScriptAction action;  // what it does
    int tpl;              // TPL_ index of the enemy or scenery template; 0 if unused
    SceneryLayer layer;   // scenery only
    Direction direction;  // of the spawned record
    int32_t x, y;         // top-left of the spawned record, pixels
};

using EventList = std::span<const LevelEvent>;

// The timed spawns and scenery of each level's main phase.
extern const EventList LEVEL1_EVENTS;
extern const EventList LEVEL2_EVENTS;
extern const EventList LEVEL3_EVENTS;
extern const EventList LEVEL4_EVENTS;
