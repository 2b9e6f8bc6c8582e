// Game state: the one definition of every global of the game.
#include "core/game_state.h"

// clang-format off
const DirectionStep DIRECTION_STEPS[DIRECTION_COUNT] = {
    // dx  dy
    {0, -1},   // DIR_UP
    {1, 0},    // DIR_RIGHT
    {0, 0},    // DIR_NONE
    {0, 1},    // DIR_DOWN
    {-1, 0},   // DIR_LEFT
    {-1, -1},  // DIR_UP_LEFT
    {1, -1},   // DIR_UP_RIGHT
    {-1, 1},   // DIR_DOWN_LEFT
    {1, 1},    // DIR_DOWN_RIGHT
    {0, 0},    // DIR_IDLE
};
// clang-format on

const int STAGE_ORDER[STAGE_FLAG_COUNT] = {LEVEL1_ON, BOSS1_ON, LEVEL2_ON, BOSS2_ON,
                                           LEVEL3_ON, BOSS3_ON, LEVEL4_ON, BOSS4_ON};

Enemy enemies[POOL_SIZE];
Enemy enemy_templates[ENEMY_TEMPLATE_COUNT];
Shot shots[POOL_SIZE];
Shot shot_templates[SHOT_TEMPLATE_COUNT];
Effect back_effects[POOL_SIZE];
Effect front_effects[POOL_SIZE];
Effect effect_templates[EFFECT_TEMPLATE_COUNT];
Player player;
Scroll scroll;

SDL_Surface* screen;
SoundBank sounds;
ImageBank images;
int32_t score_thousands;
int32_t score_hundreds;
int32_t score_tens;
SDL_Rect shield_bar_src;
SDL_Rect digit_src;
int32_t boss_bar_width;
bool boss_bar_shown;
bool game_completed;
bool resume_game;
int32_t level;
bool stage_flags[STAGE_FLAG_COUNT];
int32_t level_clock;
int32_t powerup_threshold;
int32_t difficulty;
bool restart_requested;
