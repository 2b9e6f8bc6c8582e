// Enemy kinds: the thirteen templates and the release of an enemy.
#include "level/enemy_templates.h"

#include "core/clock.h"

namespace {

struct EnemyRow {
    int32_t kind, height, width;
    int32_t hit_points;  // easy and normal; hard adds one to all but the bosses
    int32_t bullet_kind, frame_count, fire_period, speed, frame_ms, behaviour, shots_left;
    bool boss;
};

// clang-format off
const EnemyRow ENEMY_ROWS[ENEMY_TEMPLATE_COUNT] = {
    // kind              h    w    hp  bullet frames period speed  ms  behaviour             shots  boss
    {ENEMY_MARS,        256, 256,  30,  0, 1, 800,  1, 300, BEHAVIOUR_NONE,        1,     false},  // TPL_MARS
    {ENEMY_WEAPONICON,   32,  64,  10,  0, 2, 800,  4, 300, BEHAVIOUR_CARRIER,     1,     false},  // TPL_WEAPONICON
    {ENEMY_SHIELDICON,   32,  64,  10,  0, 2, 800,  4, 300, BEHAVIOUR_CARRIER,     1,     false},  // TPL_SHIELDICON
    {ENEMY_LIFEICON,     32,  64,  10,  0, 2, 800,  4, 300, BEHAVIOUR_CARRIER,     1,     false},  // TPL_LIFEICON
    {ENEMY_SPEEDICON,    32,  64,  10,  0, 2, 800,  4, 300, BEHAVIOUR_CARRIER,     1,     false},  // TPL_SPEEDICON
    {ENEMY_LVL4BOSS,    256, 256, 320,  0, 2,  20, 10, 600, BEHAVIOUR_LVL4BOSS,    99999, true},   // TPL_LVL4BOSS
    {ENEMY_LVL3BOSS,    256, 512, 280,  0, 3,  23, 10, 140, BEHAVIOUR_LVL3BOSS,    99999, true},   // TPL_LVL3BOSS
    {ENEMY_LVL2BOSS,    256, 512, 220,  0, 1,  23, 10,  80, BEHAVIOUR_LVL2BOSS,    99999, true},   // TPL_LVL2BOSS
    {ENEMY_LVL1BOSS,    256, 512, 180,  0, 3,  25, 10,  80, BEHAVIOUR_LVL1BOSS,    99999, true},   // TPL_LVL1BOSS
    {ENEMY_SKEL,         64,  96,  15, 16, 1,  10, 10, 100, BEHAVIOUR_FIGHTER,     5,     false},  // TPL_SKEL
    {ENEMY_INTERCEPTOR, 128, 128,  20, 16, 3,  15,  8, 100, BEHAVIOUR_INTERCEPTOR, 8,     false},  // TPL_INTERCEPTOR
    {ENEMY_BIRDHEAD,    128, 128,  15, 15, 3,  10,  4, 100, BEHAVIOUR_FIGHTER,     10,    false},  // TPL_BIRDHEAD
    {ENEMY_UFO,          64,  64,   3, 15, 3,  15,  8, 120, BEHAVIOUR_FIGHTER,     2,     false},  // TPL_UFO
};
// clang-format on

}  // namespace

void fill_enemy_templates(int32_t difficulty) {
    for (int i = 0; i < ENEMY_TEMPLATE_COUNT; ++i) {
        const EnemyRow& r = ENEMY_ROWS[i];
        Enemy& t = enemy_templates[i];
        t = Enemy{};
        t.kind = r.kind;
        t.height = r.height;
        t.width = r.width;
        t.hit_points = r.hit_points + (difficulty == DIFFICULTY_HARD && !r.boss ? 1 : 0);
        t.bullet_kind = r.bullet_kind;
        t.frame_count = r.frame_count;
        t.fire_period = r.fire_period;
        t.speed = r.speed;
        t.frame_ms = r.frame_ms;
        t.behaviour = r.behaviour;
        t.shots_left = r.shots_left;
        t.direction = DIR_DOWN;  // every release sets its own
    }
}

void spawn_enemy(const Enemy* tpl, Enemy* pool, Direction direction, int32_t x, int32_t y) {
    for (int i = 0; i < POOL_SIZE; ++i) {
        Enemy& slot = pool[i];
        if (slot.hit_points != 0) continue;  // a negative value is not free either
        slot = *tpl;
        slot.x = x;
        slot.y = y;
        slot.direction = direction;
        slot.frame_tick = play_clock_now();
        return;
    }
}
