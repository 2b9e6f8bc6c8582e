// The player's weapons.
#include "combat/weapons.h"

#include "assets/sound_bank.h"
#include "core/pools.h"

void fill_shot_templates(int32_t difficulty) {
    struct Row {
        int32_t kind, height, width, frame_count, frame_ms;
        int32_t speed[3];  // easy, normal, hard
    };
    // clang-format off
    static const Row ROWS[SHOT_TEMPLATE_COUNT] = {
        // kind             height width frames  ms   speed: easy normal hard
        {SHOT_L1,            16,    16,    1,     1,   {14, 14, 14}},  // TPL_SHOT_L1
        {SHOT_L2,            16,    16,    1,     1,   {16, 16, 16}},  // TPL_SHOT_L2
        {0,                  0,     0,     0,     0,   {0,  0,  0}},   // never used
        {SHOT_L3,            16,    16,    3,     60,  {12, 12, 12}},  // TPL_SHOT_L3
        {SHOT_L4,            16,    16,    2,     1,   {10, 10, 10}},  // TPL_SHOT_L4
        {SHOT_SMALL_BULLET,  16,    16,    1,     1,   {10, 12, 14}},  // TPL_SMALL_BULLET
        {SHOT_LARGE_BULLET,  16,    16,    3,     60,  {12, 14, 16}},  // TPL_LARGE_BULLET
    };
    // clang-format on
    const int column = difficulty >= DIFFICULTY_EASY && difficulty <= DIFFICULTY_HARD ? difficulty - 1 : 1;
    for (int i = 0; i < SHOT_TEMPLATE_COUNT; ++i) {
        const Row& r = ROWS[i];
        Shot& t = shot_templates[i];
        t = Shot{};
        t.kind = r.kind;
        t.height = r.height;
        t.width = r.width;
        t.frame_count = r.frame_count;
        t.frame_ms = r.frame_ms;
        t.speed = r.speed[column];
        t.direction = SHOT_FREE;  // inert until a release sets its direction
    }
}

namespace {

// The muzzle: a 16-pixel shot there is centred on the ship, just above it.
constexpr int32_t MUZZLE_DX = 24;
constexpr int32_t MUZZLE_DY = -16;
// The outer shots of the level-5 volley stand 8 pixels to either side.
constexpr int32_t VOLLEY_SPREAD = 8;
// The level-1 laser always sounds on this mixing channel, cutting itself off.
constexpr int LASER_CHANNEL = 1;

void fire(int tpl, Shot* pool, int32_t x, int32_t y) {
    spawn_shot(&shot_templates[tpl], pool, DIR_UP, x, y);
}

}  // namespace

void player_fire(Player* p, Shot* pool) {
    if (p->shields == 0) return;  // a destroyed ship is silent
    const int32_t x = p->x + MUZZLE_DX;
    const int32_t y = p->y + MUZZLE_DY;
    switch (p->weapon) {
        case 1:
            fire(TPL_SHOT_L1, pool, x, y);
            play_sound_on(LASER_CHANNEL, sounds.laser, MIX_MAX_VOLUME);
            break;
        case 2:
            fire(TPL_SHOT_L2, pool, x, y);
            play_sound(sounds.laser);
            break;
        case 3:
            fire(TPL_SHOT_L3, pool, x, y);
            play_sound(sounds.largebullet);
            break;
        case 4:
            fire(TPL_SHOT_L4, pool, x, y);
            play_sound(sounds.rocket);
            break;
        case 5:
            fire(TPL_SHOT_L1, pool, x - VOLLEY_SPREAD, y);
            fire(TPL_SHOT_L4, pool, x, y);
            fire(TPL_SHOT_L1, pool, x + VOLLEY_SPREAD, y);
            play_sound(sounds.rocket);
            break;
        default:
            break;
    }
}
