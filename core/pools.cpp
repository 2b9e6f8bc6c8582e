// Shot and effect pools.
#include "core/pools.h"

namespace {

// Shots are retired a little beyond the screen's edges.
constexpr int32_t SHOT_LIMIT_BOTTOM = 650;
constexpr int32_t SHOT_LIMIT_RIGHT = 850;
constexpr int32_t SHOT_MARGIN = 50;
// Effects may start well outside the screen (scenery drifts in).
constexpr int32_t EFFECT_LIMIT_BOTTOM = 800;
constexpr int32_t EFFECT_LIMIT_RIGHT = 1000;
constexpr int32_t EFFECT_MARGIN = 200;

template <typename Record>
Record* first_free(Record* pool, bool (*is_free)(const Record&)) {
    for (int i = 0; i < POOL_SIZE; ++i) {
        if (is_free(pool[i])) return &pool[i];
    }
    return nullptr;
}

bool shot_is_free(const Shot& s) {
    return s.direction == SHOT_FREE;
}
bool effect_is_free(const Effect& e) {
    return e.kind == EFFECT_FREE;
}

template <typename Record>
void spawn(const Record* tpl, Record* pool, bool (*is_free)(const Record&), Direction direction, int32_t x,
           int32_t y) {
    Record* slot = first_free(pool, is_free);
    if (!slot) return;
    *slot = *tpl;
    slot->x = x;
    slot->direction = direction;
    slot->y = y;
}

template <typename Record>
void step(Record& r) {
    const DirectionStep d = direction_step(r.direction);
    r.x += d.dx * r.speed;
    r.y += d.dy * r.speed;
}

}  // namespace

void spawn_shot(const Shot* tpl, Shot* pool, Direction direction, int32_t x, int32_t y) {
    spawn(tpl, pool, shot_is_free, direction, x, y);
}

void spawn_effect(const Effect* tpl, Effect* pool, Direction direction, int32_t x, int32_t y) {
    spawn(tpl, pool, effect_is_free, direction, x, y);
}

void move_shots(Shot* pool) {
    for (int i = 0; i < POOL_SIZE; ++i) {
        Shot& s = pool[i];
        if (s.direction == SHOT_FREE) continue;
        step(s);
        if (s.y > SHOT_LIMIT_BOTTOM || s.x > SHOT_LIMIT_RIGHT || s.y < -SHOT_MARGIN - s.height ||
            s.x < -SHOT_MARGIN - s.width) {
            s.direction = SHOT_FREE;
        }
    }
}

void move_effects(Effect* pool) {
    for (int i = 0; i < POOL_SIZE; ++i) {
        Effect& e = pool[i];
        if (e.kind == EFFECT_FREE) continue;
        step(e);
        if (e.kind == KIND_RIDES_PLAYER) {
            e.x = player.x;
            e.y = player.y;
        }
        if (e.y > EFFECT_LIMIT_BOTTOM || e.x > EFFECT_LIMIT_RIGHT || e.y < -EFFECT_MARGIN - e.height ||
            e.x < -EFFECT_MARGIN - e.width) {
            e.kind = EFFECT_FREE;
        }
    }
}

void fill_effect_templates() {
    struct Row {
        int32_t kind, height, width, frame_count, speed, frame_ms, cycles_allowed;
    };
    // clang-format off
    static const Row ROWS[EFFECT_TEMPLATE_COUNT] = {
        // kind                  height width frames speed  ms    cycles
        {EFFECT_EARTH,            320,   320,  3,     1,     500,  9999},  // TPL_EARTH
        {EFFECT_SUN,              256,   256,  2,     1,     1000, 9999},  // TPL_SUN
        {EFFECT_CLOUD,            128,   256,  1,     6,     6000, 30},    // TPL_FAST_CLOUD
        {EFFECT_CLOUD,            128,   256,  1,     2,     6000, 30},    // TPL_SLOW_CLOUD
        {EFFECT_SMALL_EXPLOSION,  16,    16,   4,     0,     60,   0},     // TPL_SMALL_EXPLOSION
        {EFFECT_LARGE_EXPLOSION,  64,    64,   5,     4,     60,   0},     // TPL_LARGE_EXPLOSION
        {EFFECT_LOW_SHIELD,       128,   512,  2,     0,     375,  2},     // TPL_LOW_SHIELD
        {EFFECT_GAME_OVER,        256,   512,  1,     2,     5000, 30},    // TPL_GAME_OVER
        {EFFECT_SPEED_UP,         128,   512,  1,     24,    5000, 30},    // TPL_SPEED_UP
        {EFFECT_ABSORB,           64,    64,   5,     0,     60,   2},     // TPL_ABSORB
    };
    // clang-format on
    for (int i = 0; i < EFFECT_TEMPLATE_COUNT; ++i) {
        const Row& r = ROWS[i];
        effect_templates[i] = Effect{};
        effect_templates[i].kind = r.kind;
        effect_templates[i].height = r.height;
        effect_templates[i].width = r.width;
        effect_templates[i].frame_count = r.frame_count;
        effect_templates[i].speed = r.speed;
        effect_templates[i].frame_ms = r.frame_ms;
        effect_templates[i].cycles_allowed = r.cycles_allowed;
        effect_templates[i].direction = DIR_IDLE;
    }
}

void free_all_slots() {
    for (int i = 0; i < POOL_SIZE; ++i) {
        enemies[i].hit_points = 0;
        shots[i].direction = SHOT_FREE;
        front_effects[i].kind = EFFECT_FREE;
        back_effects[i].kind = EFFECT_FREE;
    }
}
