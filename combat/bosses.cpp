// The four bosses: tracking, retreat, volleys, boss bar and destruction.
#include "combat/bosses.h"

#include "combat/enemy_fire.h"
#include "core/pools.h"

namespace {

// A boss's point of reference is the middle of its box unless the row says
// otherwise.
constexpr int32_t REF_MIDDLE = -1;

// How each boss follows the ship: its bottom edge is held `hover` pixels
// above the ship's top, stepping up or down; its reference point (pixels from
// its left edge) is held over the ship's centre. While the ship is gone it
// rises `retreat_rise` per frame while its top is below `retreat_top`.
struct BossRow {
    int32_t kind, behaviour;
    int32_t hover, up_step, down_step;
    int32_t reference, side_step;
    int32_t retreat_top, retreat_rise;
    int32_t score;  // added to the units digit on destruction
};
// clang-format off
const BossRow BOSSES[] = {
    // kind          behaviour            hover  up  down  reference   side  top  rise  score
    {ENEMY_LVL1BOSS, BEHAVIOUR_LVL1BOSS,   96,   8,   2,   REF_MIDDLE,   8,    0,    8,   1},
    {ENEMY_LVL2BOSS, BEHAVIOUR_LVL2BOSS,   96,   6,   6,   155,          4,    0,    8,   1},
    {ENEMY_LVL3BOSS, BEHAVIOUR_LVL3BOSS,  128,   6,   6,   REF_MIDDLE,   6,  -10,   16,   1},
    {ENEMY_LVL4BOSS, BEHAVIOUR_LVL4BOSS,   96,  10,  10,   REF_MIDDLE,  10,    0,    8,   0},
};

// The six large explosions of a destroyed boss, offsets from its top-left.
struct BossExplosion {
    int32_t dx, dy;
    Direction direction;
};
const BossExplosion BOSS_EXPLOSIONS[] = {
    {100, 240, DIR_DOWN},
    {400, 180, DIR_DOWN},
    {260, 200, DIR_RIGHT},
    {300, 230, DIR_DOWN},
    { 50,  50, DIR_DOWN},
    {250, 290, DIR_LEFT},
};
// clang-format on

// Where a retreating boss settles: x drifts 2 per frame into 127..128.
constexpr int32_t REST_LEFT = 127;
constexpr int32_t REST_RIGHT = 128;
constexpr int32_t REST_DRIFT = 2;

const BossRow* row_of_behaviour(int32_t behaviour) {
    for (const BossRow& r : BOSSES) {
        if (r.behaviour == behaviour) return &r;
    }
    return nullptr;
}

const BossRow* row_of_kind(int32_t kind) {
    for (const BossRow& r : BOSSES) {
        if (r.kind == kind) return &r;
    }
    return nullptr;
}

int32_t reference_x(const Enemy* e, const BossRow& r) {
    return e->x + (r.reference == REF_MIDDLE ? e->width / 2 : r.reference);
}

// Each test sees the position the one before it left.
void track_ship(Enemy* e, const Player* p, const BossRow& r) {
    const int32_t target_bottom = p->y - r.hover;
    if (e->y + e->height > target_bottom) e->y -= r.up_step;
    if (e->y + e->height < target_bottom) e->y += r.down_step;
    const int32_t target_x = p->x + p->width / 2;
    if (reference_x(e, r) < target_x) e->x += r.side_step;
    if (reference_x(e, r) > target_x) e->x -= r.side_step;
}

void retreat(Enemy* e, const BossRow& r) {
    if (e->y > r.retreat_top) e->y -= r.retreat_rise;
    if (e->x <= REST_LEFT) e->x += REST_DRIFT;
    if (e->x > REST_RIGHT) e->x -= REST_DRIFT;
}

}  // namespace

bool is_boss_kind(int32_t kind) {
    return row_of_kind(kind) != nullptr;
}

void boss_step(Enemy* e, const Player* p, Shot* pool) {
    const BossRow* r = row_of_behaviour(e->behaviour);
    if (!r) return;
    if (p->shields > 0) {
        track_ship(e, p, *r);
        boss_fire_rule(e, pool);
        boss_bar_width = e->hit_points;
    } else {
        retreat(e, *r);
    }
}

void destroy_boss(Enemy* e, Player* p) {
    e->hit_points = 0;
    for (const BossExplosion& x : BOSS_EXPLOSIONS) {
        spawn_effect(&effect_templates[TPL_LARGE_EXPLOSION], front_effects, x.direction, e->x + x.dx,
                     e->y + x.dy);
    }
    level_clock = 0;  // the level script ends the boss stage from here
    const BossRow* r = row_of_kind(e->kind);
    if (r) p->score_ones += r->score;
    Mix_HaltMusic();
    play_sound(sounds.exp64);
}
