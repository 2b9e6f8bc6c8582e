// Enemy fire: aimed bullets of ordinary enemies, the bosses' volleys, the
// firing rules and the fire clock.
#include "combat/enemy_fire.h"

#include "core/pools.h"

namespace {

constexpr int32_t BULLET_SIZE = 16;  // every bullet box is 16 x 16
constexpr int32_t BULLET_HALF = BULLET_SIZE / 2;

// One bullet of a boss volley. A muzzle bullet is placed relative to the
// middle of the boss's bottom edge less half a bullet; the others relative
// to its top-left.
struct VolleyBullet {
    int32_t behaviour;
    int tpl;
    bool from_muzzle;
    int32_t dx, dy;
    Direction direction;
};

// clang-format off
const VolleyBullet VOLLEYS[] = {
    // behaviour           bullet            muzzle  dx   dy   direction
    {BEHAVIOUR_LVL1BOSS, TPL_SMALL_BULLET, true,    0,   0,  DIR_DOWN},
    {BEHAVIOUR_LVL1BOSS, TPL_SMALL_BULLET, true,    0,   0,  DIR_DOWN_RIGHT},
    {BEHAVIOUR_LVL1BOSS, TPL_SMALL_BULLET, true,    0,   0,  DIR_DOWN_LEFT},
    {BEHAVIOUR_LVL2BOSS, TPL_SMALL_BULLET, false,  55, 125,  DIR_DOWN},
    {BEHAVIOUR_LVL2BOSS, TPL_SMALL_BULLET, false, 250, 125,  DIR_DOWN},
    {BEHAVIOUR_LVL2BOSS, TPL_SMALL_BULLET, false, 150,  60,  DIR_DOWN_RIGHT},
    {BEHAVIOUR_LVL2BOSS, TPL_SMALL_BULLET, false, 150,  60,  DIR_DOWN_LEFT},
    {BEHAVIOUR_LVL2BOSS, TPL_LARGE_BULLET, false, 150,  60,  DIR_DOWN},
    {BEHAVIOUR_LVL3BOSS, TPL_SMALL_BULLET, false, 248,   0,  DIR_DOWN},
    {BEHAVIOUR_LVL3BOSS, TPL_LARGE_BULLET, false, -16, 256,  DIR_DOWN_RIGHT},
    {BEHAVIOUR_LVL3BOSS, TPL_LARGE_BULLET, false, 512, 256,  DIR_DOWN_LEFT},
    {BEHAVIOUR_LVL4BOSS, TPL_LARGE_BULLET, true,    0,   0,  DIR_DOWN},
    {BEHAVIOUR_LVL4BOSS, TPL_LARGE_BULLET, true,    0,   0,  DIR_DOWN_RIGHT},
    {BEHAVIOUR_LVL4BOSS, TPL_LARGE_BULLET, true,    0,   0,  DIR_DOWN_LEFT},
};

// The sound of each boss volley.
struct VolleySound {
    int32_t behaviour;
    Mix_Chunk* SoundBank::*sound;
};
const VolleySound VOLLEY_SOUNDS[] = {
    {BEHAVIOUR_LVL1BOSS, &SoundBank::smallbullet},
    {BEHAVIOUR_LVL2BOSS, &SoundBank::largebullet},
    {BEHAVIOUR_LVL3BOSS, &SoundBank::largebullet},
    {BEHAVIOUR_LVL4BOSS, &SoundBank::rocket},
};

// The aimed bullet of each bullet kind, with its sound.
struct AimedBullet {
    int32_t bullet_kind;
    int tpl;
    Mix_Chunk* SoundBank::*sound;
};
const AimedBullet AIMED_BULLETS[] = {
    {SHOT_SMALL_BULLET, TPL_SMALL_BULLET, &SoundBank::smallbullet},
    {SHOT_LARGE_BULLET, TPL_LARGE_BULLET, &SoundBank::largebullet},
};
// clang-format on

bool is_boss_volley(int32_t behaviour) {
    for (const VolleySound& v : VOLLEY_SOUNDS) {
        if (v.behaviour == behaviour) return true;
    }
    return false;
}

void boss_volley(const Enemy* e, Shot* pool) {
    const int32_t muzzle_x = e->x + e->width / 2 - BULLET_HALF;
    const int32_t muzzle_y = e->y + e->height;
    for (const VolleyBullet& b : VOLLEYS) {
        if (b.behaviour != e->behaviour) continue;
        const int32_t x = (b.from_muzzle ? muzzle_x : e->x) + b.dx;
        const int32_t y = (b.from_muzzle ? muzzle_y : e->y) + b.dy;
        spawn_shot(&shot_templates[b.tpl], pool, b.direction, x, y);
    }
    for (const VolleySound& v : VOLLEY_SOUNDS) {
        if (v.behaviour == e->behaviour) play_sound(sounds.*v.sound);
    }
}

// Where the ship lies seen from the enemy: the direction of the bullet and
// its top-left. Without a shared row or column there is no direction; when
// both are shared the row wins.
struct Aim {
    Direction direction;
    int32_t x, y;
};

Aim aim_at_ship(const Enemy* e, const Player* p) {
    Aim aim{DIR_IDLE, 0, 0};
    const int32_t cx = e->x + e->width / 2;
    const int32_t cy = e->y + e->height / 2;
    const bool column = in_column(e, p);
    const bool row = in_row(e, p);
    if (column && e->y < p->y) aim = {DIR_DOWN, cx - BULLET_HALF, e->y + e->height};
    if (column && e->y > p->y) aim = {DIR_UP, cx - BULLET_HALF, e->y - BULLET_SIZE};
    if (row && e->x > p->x) aim = {DIR_LEFT, e->x - BULLET_SIZE, cy - BULLET_HALF};
    if (row && e->x < p->x) aim = {DIR_RIGHT, e->x + e->width, cy - BULLET_HALF};
    return aim;
}

// With no direction the bullet is not made, but the sound still plays.
void aimed_bullet(const Enemy* e, Shot* pool) {
    const Aim aim = aim_at_ship(e, &player);
    for (const AimedBullet& b : AIMED_BULLETS) {
        if (b.bullet_kind != e->bullet_kind) continue;
        if (aim.direction != DIR_IDLE) spawn_shot(&shot_templates[b.tpl], pool, aim.direction, aim.x, aim.y);
        play_sound(sounds.*b.sound);
    }
}

bool fire_due(const Enemy* e) {
    return e->fire_clock == e->fire_period;
}

// One lined-up test of an ordinary enemy: a volley uses up one shot.
void fire_if_lined_up(bool lined_up, Enemy* e, Shot* pool) {
    if (!lined_up || e->shots_left <= 0 || !fire_due(e)) return;
    enemy_fire(e, pool);
    e->shots_left -= 1;
}

}  // namespace

void enemy_fire(Enemy* e, Shot* pool) {
    if (is_boss_volley(e->behaviour)) {
        boss_volley(e, pool);
    } else {
        aimed_bullet(e, pool);
    }
}

bool in_column(const Enemy* e, const Player* p) {
    return e->x > p->x - e->width && e->x < p->x + p->width;
}

bool in_row(const Enemy* e, const Player* p) {
    return e->y > p->y - e->height && e->y < p->y + p->height;
}

void fighter_fire_rule(Enemy* e, const Player* p, Shot* pool) {
    // The row test sees the shot the column test may have used up.
    fire_if_lined_up(in_column(e, p), e, pool);
    fire_if_lined_up(in_row(e, p), e, pool);
}

void interceptor_fire_rule(Enemy* e, const Player* p, Shot* pool) {
    fire_if_lined_up(in_column(e, p), e, pool);
}

void boss_fire_rule(Enemy* e, Shot* pool) {
    if (!fire_due(e)) return;
    enemy_fire(e, pool);
    // Only the first boss counts its volleys; none of them ever runs out.
    if (e->behaviour == BEHAVIOUR_LVL1BOSS) e->shots_left -= 1;
}

void advance_fire_clock(Enemy* e) {
    e->fire_clock += 1;
    if (e->fire_clock > e->fire_period) e->fire_clock = 0;
}
