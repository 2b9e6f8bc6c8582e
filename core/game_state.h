// Game state: every record, pool, template array and global of a running game.
//
// NOTES: all state is plain records in fixed global storage. A record enters a
// pool by copying a template into the first free slot (spawn_shot,
// spawn_effect, spawn_enemy) and leaves when its free marker is written. The
// start of every game (start_game) rewrites the templates, the player, the
// scroll, the HUD state and the free marker of every slot; difficulty,
// resume_game, game_completed and level live for the whole run.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "assets/image_bank.h"
#include "assets/sound_bank.h"

// Movement code shared by everything that moves. Diagonals move the full
// speed on both axes.
using Direction = int32_t;
constexpr Direction DIR_UP = 0;
constexpr Direction DIR_RIGHT = 1;
constexpr Direction DIR_NONE = 2;  // no movement; the ship is not drawn either
constexpr Direction DIR_DOWN = 3;
constexpr Direction DIR_LEFT = 4;
constexpr Direction DIR_UP_LEFT = 5;
constexpr Direction DIR_UP_RIGHT = 6;
constexpr Direction DIR_DOWN_LEFT = 7;
constexpr Direction DIR_DOWN_RIGHT = 8;
constexpr Direction DIR_IDLE = 9;  // no movement; also the free marker of a shot
constexpr int DIRECTION_COUNT = 10;

// One step along a direction, in units of the mover's speed.
struct DirectionStep {
    int32_t dx, dy;
};
extern const DirectionStep DIRECTION_STEPS[DIRECTION_COUNT];
// The step of a direction; a code outside 0..9 does not move.
inline DirectionStep direction_step(Direction d) {
    return d >= 0 && d < DIRECTION_COUNT ? DIRECTION_STEPS[d] : DirectionStep{0, 0};
}

constexpr int POOL_SIZE = 32;
constexpr int32_t SHOT_FREE = 9;
constexpr int32_t EFFECT_FREE = 96;
constexpr int32_t KIND_RIDES_PLAYER = 24;  // the absorb field sits on the ship
constexpr Uint32 FRAME_MS = 33;            // shortest frame of play
constexpr Uint32 KEY_DELAY_MS = 1000;      // story pages ignore keys this long
constexpr int SCROLL_TILE = 256;           // background tile edge, pixels

// One enemy, boss, pick-up carrier or Mars. Free while hit_points is 0.
struct Enemy {
    int32_t x, y;           // top-left, pixels
    int32_t frame;          // picture shown, 0-based
    int32_t height, width;  // box, pixels
    int32_t hit_points;     // 0: free slot; may go below 0 in the frame of death
    int32_t bullet_kind;    // shot kind fired: 15, 16, or 0 for none
    int32_t frame_count;    // pictures in the animation
    int32_t fire_period;    // fire_clock runs 0..fire_period, frames
    int32_t fire_clock;     // frames, see fire_period
    int32_t speed;          // pixels per frame along direction
    int32_t frame_ms;       // milliseconds per picture
    Direction direction;    // set at release, turned by sweeps
    int32_t kind;           // picture set and type (ENEMY_ kinds)
    int32_t behaviour;      // movement and firing code (BEHAVIOUR_)
    int32_t shots_left;     // volleys it may still fire
    Uint32 frame_tick;      // tick of the last picture change
};

// A player shot or an enemy bullet; both share the shots pool.
struct Shot {
    int32_t x, y;           // top-left, pixels
    int32_t height, width;  // box, pixels
    int32_t frame_count;    // pictures in the animation
    int32_t frame;          // picture shown
    int32_t speed;          // pixels per frame
    int32_t frame_ms;       // milliseconds per picture
    Direction direction;    // SHOT_FREE (9) marks a free slot
    int32_t kind;           // SHOT_L1..SHOT_L4, SHOT_SMALL_BULLET, SHOT_LARGE_BULLET
    Uint32 frame_tick;      // tick of the last picture change
};

// An animated sprite that lives for a number of animation cycles.
struct Effect {
    int32_t x, y;            // top-left, pixels
    int32_t frame;           // picture shown
    int32_t height, width;   // box, pixels
    int32_t frame_count;     // pictures in the animation
    Direction direction;     // set by whoever places it
    int32_t speed;           // pixels per frame
    int32_t frame_ms;        // milliseconds per picture
    int32_t kind;            // EFFECT_ kinds; EFFECT_FREE (96) marks a free slot
    int32_t cycles_done;     // whole animation cycles shown so far
    int32_t cycles_allowed;  // freed on completing cycle cycles_allowed + 1
    Uint32 frame_tick;       // tick of the last picture change
};

// The player's ship. Written by init_player, the frame loop (direction),
// update_player (damage, loss, return), the pick-ups and the HUD (score).
struct Player {
    int32_t x, y;            // top-left; kept on screen while alive
    int32_t frame;           // ship picture 0..2
    Direction direction;     // from the arrow keys, stored every frame
    int32_t height, width;   // 64 x 64
    int32_t shields;         // 0..5; 0 means destroyed and not drawn
    int32_t lives;           // counting the ship in play
    int32_t weapon;          // 1..5
    int32_t max_speed;       // upper limit of speed
    int32_t speed;           // pixels per frame
    int32_t frame_ms;        // milliseconds per ship picture
    int32_t death_clock;     // frames since the ship was destroyed
    int32_t score_ones;      // units digit of the score
    int32_t powerup_points;  // towards the next power-up carrier
    bool low_shield_warned;  // the warning was given for this low state
    Uint32 frame_tick;       // tick of the last ship picture change
};

// The background's vertical scroll.
struct Scroll {
    int32_t offset;  // 0..255, pixels
    int32_t speed;   // pixels per frame
};

// Enemy kinds (also their picture sets).
constexpr int32_t ENEMY_UFO = 1;
constexpr int32_t ENEMY_LVL1BOSS = 2;
constexpr int32_t ENEMY_BIRDHEAD = 3;
constexpr int32_t ENEMY_INTERCEPTOR = 4;
constexpr int32_t ENEMY_SKEL = 5;
constexpr int32_t ENEMY_LVL2BOSS = 6;
constexpr int32_t ENEMY_LVL3BOSS = 7;
constexpr int32_t ENEMY_LVL4BOSS = 8;
constexpr int32_t ENEMY_MARS = 28;
constexpr int32_t ENEMY_SPEEDICON = 30;
constexpr int32_t ENEMY_WEAPONICON = 31;
constexpr int32_t ENEMY_SHIELDICON = 32;
constexpr int32_t ENEMY_LIFEICON = 33;

// Enemy behaviours.
constexpr int32_t BEHAVIOUR_NONE = 9;
constexpr int32_t BEHAVIOUR_FIGHTER = 40;  // fires when lined up
constexpr int32_t BEHAVIOUR_CARRIER = 41;  // sweeps, never fires
constexpr int32_t BEHAVIOUR_LVL1BOSS = 42;
constexpr int32_t BEHAVIOUR_LVL2BOSS = 43;
constexpr int32_t BEHAVIOUR_LVL3BOSS = 44;
constexpr int32_t BEHAVIOUR_LVL4BOSS = 45;
constexpr int32_t BEHAVIOUR_INTERCEPTOR = 46;  // sweeps, fires in its column

// Shot kinds.
constexpr int32_t SHOT_L1 = 1;
constexpr int32_t SHOT_L2 = 2;
constexpr int32_t SHOT_L3 = 3;
constexpr int32_t SHOT_L4 = 4;
constexpr int32_t SHOT_SMALL_BULLET = 15;
constexpr int32_t SHOT_LARGE_BULLET = 16;

// Effect kinds.
constexpr int32_t EFFECT_SMALL_EXPLOSION = 10;
constexpr int32_t EFFECT_LARGE_EXPLOSION = 11;
constexpr int32_t EFFECT_LOW_SHIELD = 21;
constexpr int32_t EFFECT_GAME_OVER = 22;
constexpr int32_t EFFECT_SPEED_UP = 23;
constexpr int32_t EFFECT_ABSORB = KIND_RIDES_PLAYER;
constexpr int32_t EFFECT_CLOUD = 25;
constexpr int32_t EFFECT_SUN = 26;
constexpr int32_t EFFECT_EARTH = 27;

// Enemy templates, one per enemy type.
constexpr int ENEMY_TEMPLATE_COUNT = 13;
constexpr int TPL_MARS = 0;
constexpr int TPL_WEAPONICON = 1;
constexpr int TPL_SHIELDICON = 2;
constexpr int TPL_LIFEICON = 3;
constexpr int TPL_SPEEDICON = 4;
constexpr int TPL_LVL4BOSS = 5;
constexpr int TPL_LVL3BOSS = 6;
constexpr int TPL_LVL2BOSS = 7;
constexpr int TPL_LVL1BOSS = 8;
constexpr int TPL_SKEL = 9;
constexpr int TPL_INTERCEPTOR = 10;
constexpr int TPL_BIRDHEAD = 11;
constexpr int TPL_UFO = 12;

// Shot templates; slot 2 is never filled or used.
constexpr int SHOT_TEMPLATE_COUNT = 7;
constexpr int TPL_SHOT_L1 = 0;
constexpr int TPL_SHOT_L2 = 1;
constexpr int TPL_SHOT_L3 = 3;
constexpr int TPL_SHOT_L4 = 4;
constexpr int TPL_SMALL_BULLET = 5;
constexpr int TPL_LARGE_BULLET = 6;

// Effect templates: four pieces of scenery, then the effects of combat.
constexpr int EFFECT_TEMPLATE_COUNT = 10;
constexpr int TPL_EARTH = 0;
constexpr int TPL_SUN = 1;
constexpr int TPL_FAST_CLOUD = 2;
constexpr int TPL_SLOW_CLOUD = 3;
constexpr int TPL_SMALL_EXPLOSION = 4;
constexpr int TPL_LARGE_EXPLOSION = 5;
constexpr int TPL_LOW_SHIELD = 6;
constexpr int TPL_GAME_OVER = 7;
constexpr int TPL_SPEED_UP = 8;
constexpr int TPL_ABSORB = 9;

// Stage flags, in their declared order. Each is one stage of the level
// script and one background picture.
constexpr int BOSS4_ON = 0;
constexpr int LEVEL4_ON = 1;
constexpr int BOSS3_ON = 2;
constexpr int LEVEL3_ON = 3;
constexpr int BOSS2_ON = 4;
constexpr int LEVEL2_ON = 5;
constexpr int BOSS1_ON = 6;
constexpr int LEVEL1_ON = 7;
constexpr int STAGE_FLAG_COUNT = 8;
// The order in which the level script runs the stages, and in which their
// backgrounds are drawn (the last one on wins).
extern const int STAGE_ORDER[STAGE_FLAG_COUNT];

constexpr int32_t DIFFICULTY_EASY = 1;
constexpr int32_t DIFFICULTY_NORMAL = 2;
constexpr int32_t DIFFICULTY_HARD = 3;

// Pools and templates.
extern Enemy enemies[POOL_SIZE];
extern Enemy enemy_templates[ENEMY_TEMPLATE_COUNT];
extern Shot shots[POOL_SIZE];
extern Shot shot_templates[SHOT_TEMPLATE_COUNT];
extern Effect back_effects[POOL_SIZE];   // drawn under the ship: scenery
extern Effect front_effects[POOL_SIZE];  // drawn over the shots
extern Effect effect_templates[EFFECT_TEMPLATE_COUNT];
extern Player player;
extern Scroll scroll;

// Scalars.
extern SDL_Surface* screen;      // the display, set at start-up
extern SoundBank sounds;         // sound effects and music
extern ImageBank images;         // pictures of play
extern int32_t score_thousands;  // upper score digits; units in player
extern int32_t score_hundreds;
extern int32_t score_tens;
extern SDL_Rect shield_bar_src;  // shown part of the shield bar
extern SDL_Rect digit_src;       // one cell of the digit strip
extern int32_t boss_bar_width;   // boss bar length, pixels (= boss hit points)
extern bool boss_bar_shown;      // a boss fight is on
extern bool game_completed;      // the closing story was seen this run
extern bool resume_game;         // the player chose to resume this run
extern int32_t level;            // 1..4: where a resumed game starts
extern bool stage_flags[STAGE_FLAG_COUNT];
extern int32_t level_clock;        // frames since the stage began; see level script
extern int32_t powerup_threshold;  // points above which a carrier comes
extern int32_t difficulty;         // DIFFICULTY_EASY..DIFFICULTY_HARD

// Set by update_player when the last ship has been gone 530 frames: the game
// is abandoned and the start-up runs again from its first step.
extern bool restart_requested;
