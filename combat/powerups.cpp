// Power-ups: speed, weapon (also Mars), shield and extra life.
#include "combat/powerups.h"

#include "core/pools.h"

namespace {

constexpr int32_t SPEED_STEP = 4;      // ship and scroll, pixels per frame
constexpr int32_t FRAME_MS_STEP = 15;  // the ship's animation quickens
constexpr int32_t TOP_WEAPON = 5;
constexpr int32_t FULL_SHIELDS = 5;
constexpr int32_t SPEED_UP_X = -512;  // the notice flies in from the left
constexpr int32_t SPEED_UP_Y = 200;

// The four large explosions of a pick-up burst, in the order they are placed.
const Direction BURST_DIRECTIONS[] = {DIR_DOWN, DIR_LEFT, DIR_RIGHT, DIR_UP};

// Each pick-up applies the change and plays its sound when its condition
// holds, and tells whether it did.
bool speed_up(Player* p) {
    if (p->speed >= p->max_speed) return false;
    scroll.speed += SPEED_STEP;
    p->speed += SPEED_STEP;
    p->frame_ms -= FRAME_MS_STEP;
    play_sound(sounds.speedup);
    return true;
}

bool weapon_up(Player* p) {
    if (p->weapon < 1 || p->weapon >= TOP_WEAPON) return false;
    p->weapon += 1;
    play_sound(sounds.absorb);
    return true;
}

// Once the last ship is lost the game is over: a life would leave the ship
// waiting for a return that never comes.
bool extra_life(Player* p) {
    if (p->shields == 0 && p->lives <= 0) return false;
    p->lives += 1;
    play_sound(sounds.absorb);
    return true;
}

// Shields only restore a ship in play; a lost ship returns by the death clock.
bool restore_shields(Player* p) {
    if (p->shields < 1 || p->shields > FULL_SHIELDS - 1) return false;
    p->shields = FULL_SHIELDS;
    play_sound(sounds.hpup);
    return true;
}

bool apply_pickup(int32_t kind, Player* p) {
    switch (kind) {
        case ENEMY_SPEEDICON:
            return speed_up(p);
        case ENEMY_WEAPONICON:
        case ENEMY_MARS:
            return weapon_up(p);
        case ENEMY_SHIELDICON:
            return restore_shields(p);
        case ENEMY_LIFEICON:
            return extra_life(p);
        default:
            return false;
    }
}

// Explosions from the carrier, the speed-up notice for speed, then the
// absorb field riding on the ship.
void pickup_burst(const Enemy* e, const Player* p) {
    for (Direction d : BURST_DIRECTIONS) {
        spawn_effect(&effect_templates[TPL_LARGE_EXPLOSION], front_effects, d, e->x, e->y);
    }
    if (e->kind == ENEMY_SPEEDICON) {
        spawn_effect(&effect_templates[TPL_SPEED_UP], front_effects, DIR_RIGHT, SPEED_UP_X, SPEED_UP_Y);
    }
    spawn_effect(&effect_templates[TPL_ABSORB], front_effects, DIR_IDLE, p->x, p->y);
}

}  // namespace

bool is_carrier_kind(int32_t kind) {
    return kind == ENEMY_MARS || kind == ENEMY_SPEEDICON || kind == ENEMY_WEAPONICON ||
           kind == ENEMY_SHIELDICON || kind == ENEMY_LIFEICON;
}

void destroy_carrier(Enemy* e, Player* p) {
    e->hit_points = 0;
    if (apply_pickup(e->kind, p)) pickup_burst(e, p);
}
