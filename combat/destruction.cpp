// Destruction of enemies: ordinary kills here, carriers and bosses in their
// own files.
#include "combat/destruction.h"

#include "combat/bosses.h"
#include "combat/powerups.h"
#include "core/pools.h"

namespace {

constexpr int MAX_KILL_EXPLOSIONS = 3;

struct KillExplosion {
    int32_t dx;  // from the enemy's left edge, at its top
    Direction direction;
};

// An ordinary enemy's destruction: its large explosions and the points it is
// worth towards the next power-up carrier.
struct OrdinaryKill {
    int32_t kind;
    int32_t powerup_points;
    int explosion_count;
    KillExplosion explosions[MAX_KILL_EXPLOSIONS];
};
// clang-format off
const OrdinaryKill ORDINARY_KILLS[] = {
    // kind              points  count  explosions (dx, direction)
    {ENEMY_UFO,          1,      1,     {{0, DIR_DOWN}}},
    {ENEMY_BIRDHEAD,     2,      2,     {{0, DIR_DOWN}, {64, DIR_DOWN}}},
    {ENEMY_INTERCEPTOR,  3,      3,     {{0, DIR_DOWN}, {32, DIR_UP}, {64, DIR_DOWN}}},
    {ENEMY_SKEL,         5,      2,     {{0, DIR_DOWN}, {32, DIR_DOWN}}},
};
// clang-format on

const OrdinaryKill* ordinary_kill(int32_t kind) {
    for (const OrdinaryKill& k : ORDINARY_KILLS) {
        if (k.kind == kind) return &k;
    }
    return nullptr;
}

void destroy_ordinary(Enemy* e, Player* p, const OrdinaryKill& k) {
    e->hit_points = 0;
    for (int i = 0; i < k.explosion_count; ++i) {
        const KillExplosion& x = k.explosions[i];
        spawn_effect(&effect_templates[TPL_LARGE_EXPLOSION], front_effects, x.direction, e->x + x.dx, e->y);
    }
    p->powerup_points += k.powerup_points;
    p->score_ones += 1;  // the HUD carries the digits
    play_sound(sounds.exp64);
}

}  // namespace

void destroy_enemy(Enemy* e, Player* p) {
    if (const OrdinaryKill* k = ordinary_kill(e->kind)) {
        destroy_ordinary(e, p, *k);
    } else if (is_carrier_kind(e->kind)) {
        destroy_carrier(e, p);
    } else if (is_boss_kind(e->kind)) {
        destroy_boss(e, p);
    } else {
        e->hit_points = 0;  // an unknown kind just goes
    }
}
