// Hits and damage: the two-point pixel test, player shots against enemies,
// and the ship's pass of each frame.
#include "combat/collisions.h"

#include <cstddef>
#include <cstring>

#include "core/player.h"
#include "core/pools.h"

namespace {

// The picture each enemy kind is hit-tested against.
struct KindMask {
    int32_t kind;
    int image;
};
// clang-format off
const KindMask KIND_MASKS[] = {
    // kind              first picture
    {ENEMY_UFO,          IMG_UFO},
    {ENEMY_LVL1BOSS,     IMG_LVL1BOSS},
    {ENEMY_BIRDHEAD,     IMG_BIRDHEAD},
    {ENEMY_INTERCEPTOR,  IMG_INTERCEPTOR},
    {ENEMY_SKEL,         IMG_SKEL},
    {ENEMY_LVL2BOSS,     IMG_LVL2BOSS},
    {ENEMY_LVL3BOSS,     IMG_LVL3BOSS},
    {ENEMY_LVL4BOSS,     IMG_LVL4BOSS},
    {ENEMY_MARS,         IMG_MARS},
    {ENEMY_SPEEDICON,    IMG_SPEEDICON},
    {ENEMY_WEAPONICON,   IMG_WEAPONICON},
    {ENEMY_SHIELDICON,   IMG_SHIELDICON},
    {ENEMY_LIFEICON,     IMG_LIFEICON},
};

// What a player shot does to an enemy it hits: the damage, then one or two
// effects at the shot's top-left shifted by dx.
struct ShotDamage {
    int32_t kind;
    int32_t damage;
    int effect_tpl;
    Direction effect_direction;
    int effect_count;
    int32_t dx[2];
};
const ShotDamage SHOT_DAMAGE[] = {
    // kind    damage  effect               direction  count  dx
    {SHOT_L1,  1,      TPL_SMALL_EXPLOSION, DIR_IDLE,  1,     {0, 0}},
    {SHOT_L2,  2,      TPL_SMALL_EXPLOSION, DIR_IDLE,  2,     {-8, 8}},
    {SHOT_L3,  3,      TPL_SMALL_EXPLOSION, DIR_IDLE,  1,     {0, 0}},
    {SHOT_L4,  5,      TPL_LARGE_EXPLOSION, DIR_UP,    2,     {-8, 8}},
};

// Shields an enemy bullet takes from the ship.
struct BulletDamage {
    int32_t kind;
    int32_t damage;
};
const BulletDamage BULLET_DAMAGE[] = {
    {SHOT_SMALL_BULLET, 1},
    {SHOT_LARGE_BULLET, 2},
};

// The eight large explosions of a lost ship, in the order they are placed.
const Direction SHIP_EXPLOSION_DIRECTIONS[] = {
    DIR_DOWN, DIR_DOWN_LEFT, DIR_DOWN_RIGHT, DIR_LEFT, DIR_UP, DIR_UP_LEFT, DIR_UP_RIGHT, DIR_RIGHT,
};
// clang-format on

// Death clock moments, frames after the loss of a ship.
constexpr int32_t GAME_OVER_SIGN_FRAME = 60;
constexpr int32_t RESPAWN_FRAME = 150;
constexpr int32_t RESTART_FRAME = 530;

// Where things appear, top-left.
constexpr int32_t GAME_OVER_X = 144;
constexpr int32_t GAME_OVER_Y = 600;  // rises from below the screen
constexpr int32_t LOW_SHIELD_X = 144;
constexpr int32_t LOW_SHIELD_Y = 236;
// Each of the warning's two channels, so that both together make one warning.
constexpr int LOW_SHIELD_VOLUME = MIX_MAX_VOLUME / 2;
constexpr int32_t RESPAWN_X = 332;
constexpr int32_t RESPAWN_Y = 500;
constexpr int32_t PARKING_X = 2000;  // a lost ship waits off screen
constexpr int32_t PARKING_Y = 1000;

// Start values that the loss of a ship restores.
constexpr int32_t FULL_SHIELDS = 5;
constexpr int32_t START_SCROLL_SPEED = 8;
constexpr int32_t START_WEAPON = 1;
constexpr int32_t START_FRAME_MS = 170;
constexpr int32_t START_SPEED = 10;

// One pixel as an unsigned value of the surface's bytes per pixel, in the
// machine's byte order.
Uint32 read_pixel(const SDL_Surface* s, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + ptrdiff_t(y) * s->pitch +
                     ptrdiff_t(x) * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
        case 1:
            return *p;
        case 2: {
            Uint16 v;
            std::memcpy(&v, p, sizeof v);
            return v;
        }
        case 3:
            if (SDL_BYTEORDER == SDL_BIG_ENDIAN) return Uint32(p[0]) << 16 | Uint32(p[1]) << 8 | p[2];
            return Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16;
        default: {
            Uint32 v;
            std::memcpy(&v, p, sizeof v);
            return v;
        }
    }
}

// A point outside the picture, or a black one, is empty.
bool solid(SDL_Surface* mask, int column, int row) {
    if (column < 0 || row < 0 || column >= mask->w || row >= mask->h) return false;
    SDL_LockSurface(mask);
    const Uint32 value = read_pixel(mask, column, row);
    SDL_UnlockSurface(mask);
    Uint8 r, g, b;
    SDL_GetRGB(value, mask->format, &r, &g, &b);
    return r != 0 || g != 0 || b != 0;
}

const ShotDamage* shot_damage(int32_t kind) {
    for (const ShotDamage& d : SHOT_DAMAGE) {
        if (d.kind == kind) return &d;
    }
    return nullptr;
}

int32_t bullet_damage(int32_t kind) {
    for (const BulletDamage& d : BULLET_DAMAGE) {
        if (d.kind == kind) return d.damage;
    }
    return 0;
}

void small_explosion(int32_t x, int32_t y) {
    spawn_effect(&effect_templates[TPL_SMALL_EXPLOSION], front_effects, DIR_IDLE, x, y);
}

// The death clock of a lost ship: game over, restart, or return.
void run_death_clock(Player* p) {
    p->death_clock += 1;
    const bool no_lives = p->lives <= 0;
    if (p->death_clock == GAME_OVER_SIGN_FRAME && no_lives) {
        play_music(sounds.gameover, -1);
        spawn_effect(&effect_templates[TPL_GAME_OVER], front_effects, DIR_UP, GAME_OVER_X, GAME_OVER_Y);
    }
    if (p->death_clock == RESTART_FRAME && no_lives) {
        restart_requested = true;
        return;
    }
    if (p->death_clock == RESPAWN_FRAME && !no_lives) {
        p->shields = FULL_SHIELDS;
        p->x = RESPAWN_X;
        p->y = RESPAWN_Y;
        p->death_clock = 0;
        play_sound(sounds.hpup);
    }
}

// Enemy bullets against the ship; the player's own shots pass.
void take_bullet_hits(Player* p) {
    SDL_Surface* mask = images.pic[IMG_SHIP];
    for (Shot& s : shots) {
        const int32_t damage = bullet_damage(s.kind);
        if (damage == 0 || !shot_hits(&s, p->x, p->y, p->height, p->width, mask)) continue;
        p->shields -= damage;
        small_explosion(s.x, s.y);
        play_sound(sounds.exp16);
        s.direction = SHOT_FREE;
    }
}

// Sounded on two channels at once, shown once, until the shields leave 1.
// The two copies start on the same sample and add up, so each plays at half
// volume: together they are one warning at full level, not a doubled one that
// overflows the mix.
void warn_low_shields(Player* p) {
    if (p->shields == 1 && !p->low_shield_warned) {
        play_sound_at(sounds.shieldsarelow, LOW_SHIELD_VOLUME);
        spawn_effect(&effect_templates[TPL_LOW_SHIELD], front_effects, DIR_IDLE, LOW_SHIELD_X, LOW_SHIELD_Y);
        play_sound_at(sounds.shieldsarelow, LOW_SHIELD_VOLUME);
        p->low_shield_warned = true;
    }
    if (p->shields != 1) p->low_shield_warned = false;
}

void lose_ship(Player* p) {
    play_sound(sounds.exp64);
    p->shields = 0;
    for (Direction d : SHIP_EXPLOSION_DIRECTIONS) {
        spawn_effect(&effect_templates[TPL_LARGE_EXPLOSION], front_effects, d, p->x, p->y);
    }
    p->x = PARKING_X;
    p->y = PARKING_Y;
    // What the pick-ups raised falls back; lives gained stay.
    p->lives -= 1;
    scroll.speed = START_SCROLL_SPEED;
    p->weapon = START_WEAPON;
    p->frame_ms = START_FRAME_MS;
    p->speed = START_SPEED;
    if (p->lives <= 0) {
        Mix_HaltMusic();
        boss_bar_shown = false;
    }
}

}  // namespace

bool boxes_overlap(const Shot* s, int32_t tx, int32_t ty, int32_t th, int32_t tw) {
    return s->direction != SHOT_FREE && s->x > tx - s->width && s->x < tx + tw && s->y > ty - s->height &&
           s->y < ty + th;
}

bool pixel_hit(const Shot* s, int32_t tx, int32_t ty, SDL_Surface* mask) {
    if (!mask) return false;
    const int row = s->y + s->height / 2 - ty;
    return solid(mask, s->x - tx, row) && solid(mask, s->x + s->width - tx, row);
}

bool shot_hits(const Shot* s, int32_t tx, int32_t ty, int32_t th, int32_t tw, SDL_Surface* mask) {
    return boxes_overlap(s, tx, ty, th, tw) && pixel_hit(s, tx, ty, mask);
}

SDL_Surface* enemy_mask(int32_t kind) {
    for (const KindMask& m : KIND_MASKS) {
        if (m.kind == kind) return images.pic[m.image];
    }
    return nullptr;
}

void hit_enemy_with_shots(Enemy* e, Shot* pool) {
    SDL_Surface* mask = enemy_mask(e->kind);
    for (int i = 0; i < POOL_SIZE; ++i) {
        Shot& s = pool[i];
        const ShotDamage* d = shot_damage(s.kind);
        if (!d || !shot_hits(&s, e->x, e->y, e->height, e->width, mask)) continue;
        e->hit_points -= d->damage;
        for (int k = 0; k < d->effect_count; ++k) {
            spawn_effect(&effect_templates[d->effect_tpl], front_effects, d->effect_direction, s.x + d->dx[k],
                         s.y);
        }
        play_sound(sounds.exp16);
        s.direction = SHOT_FREE;
    }
}

void update_player(Player* p) {
    if (p->shields == 0) {
        run_death_clock(p);
        if (p->shields == 0) return;  // still waiting, or the game is over
    }
    take_bullet_hits(p);
    warn_low_shields(p);
    if (p->shields <= 0) {
        lose_ship(p);
        return;
    }
    move_player(p);
}
