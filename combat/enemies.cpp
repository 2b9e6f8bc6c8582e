// The enemies' pass: movement, retirement and behaviours; hits, destruction
// and fire live in their own files.
#include "combat/enemies.h"

#include "combat/bosses.h"
#include "combat/collisions.h"
#include "combat/destruction.h"
#include "combat/enemy_fire.h"

namespace {

// Far enough off screen to be gone for good (no points, no explosion).
constexpr int32_t RETIRE_BOTTOM = 1000;
constexpr int32_t RETIRE_RIGHT = 1000;
constexpr int32_t RETIRE_MARGIN = 600;

// A sweep turns back past its right limit and at or before its left one,
// sinking a pixel each frame it goes sideways.
struct SweepLimits {
    int32_t left, right;
};
constexpr SweepLimits CARRIER_SWEEP{99, 700};
constexpr SweepLimits INTERCEPTOR_SWEEP{9, 672};

void move_enemy(Enemy* e) {
    const DirectionStep d = direction_step(e->direction);
    e->x += d.dx * e->speed;
    e->y += d.dy * e->speed;
}

void retire_far_off_screen(Enemy* e) {
    if (e->y > RETIRE_BOTTOM || e->x > RETIRE_RIGHT || e->y < -RETIRE_MARGIN - e->height ||
        e->x < -RETIRE_MARGIN - e->width) {
        e->hit_points = 0;
    }
}

// The second test sees the direction the first one left.
void sweep(Enemy* e, SweepLimits limits) {
    if (e->direction == DIR_RIGHT) {
        e->y += 1;
        if (e->x > limits.right) e->direction = DIR_LEFT;
    }
    if (e->direction == DIR_LEFT) {
        e->y += 1;
        if (e->x <= limits.left) e->direction = DIR_RIGHT;
    }
}

void interceptor_step(Enemy* e, const Player* p, Shot* shot_pool) {
    sweep(e, INTERCEPTOR_SWEEP);
    interceptor_fire_rule(e, p, shot_pool);
}

void behaviour_step(Enemy* e, const Player* p, Shot* shot_pool) {
    switch (e->behaviour) {
        case BEHAVIOUR_FIGHTER:
            fighter_fire_rule(e, p, shot_pool);
            break;
        case BEHAVIOUR_CARRIER:
            sweep(e, CARRIER_SWEEP);
            break;
        case BEHAVIOUR_INTERCEPTOR:
            interceptor_step(e, p, shot_pool);
            break;
        case BEHAVIOUR_LVL1BOSS:
        case BEHAVIOUR_LVL2BOSS:
        case BEHAVIOUR_LVL3BOSS:
        case BEHAVIOUR_LVL4BOSS:
            boss_step(e, p, shot_pool);
            break;
        default:
            break;
    }
}

void update_enemy(Enemy* e, Player* p, Shot* shot_pool) {
    hit_enemy_with_shots(e, shot_pool);
    move_enemy(e);
    if (e->hit_points <= 0) destroy_enemy(e, p);
    retire_far_off_screen(e);
    // An enemy freed above still takes its step: it may fire a last volley.
    behaviour_step(e, p, shot_pool);
    advance_fire_clock(e);
}

}  // namespace

void update_enemies(Enemy* pool, Player* p, Shot* shot_pool) {
    for (int i = 0; i < POOL_SIZE; ++i) {
        if (pool[i].hit_points != 0) update_enemy(&pool[i], p, shot_pool);
    }
}
