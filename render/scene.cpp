// Scene drawing: the scrolling background and the sprite layers, each layer
// stepping its own animation as it is drawn.
#include "render/scene.h"

#include "core/clock.h"

namespace {

constexpr int BACKGROUND_COLUMNS = 7;  // only the first four reach the screen
constexpr int BACKGROUND_ROWS = 4;
constexpr int NO_PICTURE = -1;
constexpr int32_t SHIP_FRAMES = 3;

// clang-format off
// Background picture of each stage flag, in flag order.
const int STAGE_BACKGROUND[STAGE_FLAG_COUNT] = {
    IMG_SAND2,       // BOSS4_ON
    IMG_SAND,        // LEVEL4_ON
    IMG_WATER2,      // BOSS3_ON
    IMG_WATER,       // LEVEL3_ON
    IMG_LVL1BOSSBG,  // BOSS2_ON
    IMG_OPENSPACE,   // LEVEL2_ON
    IMG_RURAL2,      // BOSS1_ON
    IMG_RURAL,       // LEVEL1_ON
};

// The ship's picture set for each direction: banking shows sideways movement;
// DIR_NONE shows nothing.
const int SHIP_PICTURES[DIRECTION_COUNT] = {
    IMG_SHIP,    // DIR_UP
    IMG_SHIPR,   // DIR_RIGHT
    NO_PICTURE,  // DIR_NONE
    IMG_SHIP,    // DIR_DOWN
    IMG_SHIPL,   // DIR_LEFT
    IMG_SHIPL,   // DIR_UP_LEFT
    IMG_SHIPR,   // DIR_UP_RIGHT
    IMG_SHIPL,   // DIR_DOWN_LEFT
    IMG_SHIPR,   // DIR_DOWN_RIGHT
    IMG_SHIP,    // DIR_IDLE
};

// A sprite kind and its pictures. A frame beyond `frames` is not drawn: it
// would show the next sprite's pictures, or run off the bank.
struct KindPictures {
    int32_t kind;
    int first;
    int32_t frames;
};

const KindPictures ENEMY_PICTURES[] = {
    // kind              first picture     frames
    {ENEMY_UFO,          IMG_UFO,          3},
    {ENEMY_LVL1BOSS,     IMG_LVL1BOSS,     3},
    {ENEMY_BIRDHEAD,     IMG_BIRDHEAD,     3},
    {ENEMY_INTERCEPTOR,  IMG_INTERCEPTOR,  3},
    {ENEMY_SKEL,         IMG_SKEL,         1},
    {ENEMY_LVL2BOSS,     IMG_LVL2BOSS,     1},
    {ENEMY_LVL3BOSS,     IMG_LVL3BOSS,     3},
    {ENEMY_LVL4BOSS,     IMG_LVL4BOSS,     2},
    {ENEMY_MARS,         IMG_MARS,         1},
    {ENEMY_SPEEDICON,    IMG_SPEEDICON,    2},
    {ENEMY_WEAPONICON,   IMG_WEAPONICON,   2},
    {ENEMY_SHIELDICON,   IMG_SHIELDICON,   2},
    {ENEMY_LIFEICON,     IMG_LIFEICON,     2},
};

const KindPictures SHOT_PICTURES[] = {
    // kind              first picture     frames
    {SHOT_L1,            IMG_L1B,          1},
    {SHOT_L2,            IMG_L2B,          1},
    {SHOT_L3,            IMG_L3B,          3},
    {SHOT_L4,            IMG_L4B,          2},
    {SHOT_SMALL_BULLET,  IMG_NME1BULLET,   1},
    {SHOT_LARGE_BULLET,  IMG_L3B,          3},
};

const KindPictures EFFECT_PICTURES[] = {
    // kind                    first picture     frames
    {EFFECT_SMALL_EXPLOSION,   IMG_EXP16,        4},
    {EFFECT_LARGE_EXPLOSION,   IMG_EXP64,        5},
    {EFFECT_LOW_SHIELD,        IMG_SHIELDSLOW,   2},
    {EFFECT_GAME_OVER,         IMG_GAMEOVER,     1},
    {EFFECT_SPEED_UP,          IMG_SPEEDUP,      1},
    {EFFECT_ABSORB,            IMG_ABSORB,       5},
    {EFFECT_CLOUD,             IMG_CLOUD,        1},
    {EFFECT_SUN,               IMG_SUN,          2},
    {EFFECT_EARTH,             IMG_EARTH,        3},
};
// clang-format on

// The picture of one frame of a kind, or null when the kind has none.
template <size_t N>
SDL_Surface* kind_picture(const KindPictures (&table)[N], int32_t kind, int32_t frame) {
    for (const KindPictures& row : table) {
        if (row.kind != kind) continue;
        return frame >= 0 && frame < row.frames ? images.pic[row.first + frame] : nullptr;
    }
    return nullptr;
}

// Blits the record's box, cut from the picture's top-left corner.
template <typename Record>
void blit_box(SDL_Surface* picture, const Record& r, SDL_Surface* target) {
    const SDL_Rect src{0, 0, Uint16(r.width), Uint16(r.height)};
    blit_picture(picture, &src, r.x, r.y, target);
}

bool in_use(const Enemy& e) {
    return e.hit_points > 0;
}
bool in_use(const Shot& s) {
    return s.direction != SHOT_FREE;
}
bool in_use(const Effect& e) {
    return e.kind != EFFECT_FREE;
}

// What completing an animation cycle means: enemies and shots animate
// forever; an effect is freed after its allowed cycles.
void cycle_done(Enemy& /*e*/) {}
void cycle_done(Shot& /*s*/) {}
void cycle_done(Effect& e) {
    if (e.cycles_done <= e.cycles_allowed) e.cycles_done += 1;
    if (e.cycles_done > e.cycles_allowed) {
        e.cycles_done = 0;
        e.kind = EFFECT_FREE;
    }
}

// One animation step: the next picture once frame_ms has passed (unsigned,
// so it survives the tick count wrapping), round to the first at the end.
template <typename Record>
void animate(Record& r) {
    if (play_clock_now() - r.frame_tick > Uint32(r.frame_ms)) {
        r.frame += 1;
        r.frame_tick = play_clock_now();
    }
    if (r.frame == r.frame_count) {
        r.frame = 0;
        cycle_done(r);
    }
}

template <typename Record, size_t N>
void draw_pool(Record* pool, const KindPictures (&table)[N], SDL_Surface* target) {
    for (int i = 0; i < POOL_SIZE; ++i) {
        Record& r = pool[i];
        if (!in_use(r)) continue;
        blit_box(kind_picture(table, r.kind, r.frame), r, target);
        animate(r);
    }
}

SDL_Surface* ship_picture(const Player& p) {
    if (p.direction < 0 || p.direction >= DIRECTION_COUNT) return nullptr;
    const int first = SHIP_PICTURES[p.direction];
    if (first == NO_PICTURE || p.frame < 0 || p.frame >= SHIP_FRAMES) return nullptr;
    return images.pic[first + p.frame];
}

}  // namespace

void blit_picture(SDL_Surface* picture, const SDL_Rect* src, int32_t x, int32_t y, SDL_Surface* target) {
    if (!picture) return;
    // The blitter clips and writes back the rectangles: give it copies.
    SDL_Rect part = src ? *src : SDL_Rect{};
    SDL_Rect dest{Sint16(x), Sint16(y), 0, 0};
    SDL_BlitSurface(picture, src ? &part : nullptr, target, &dest);
}

void draw_background(SDL_Surface* target, Scroll* s) {
    for (int row = 0; row < BACKGROUND_ROWS; ++row) {
        for (int col = 0; col < BACKGROUND_COLUMNS; ++col) {
            const int32_t x = SCROLL_TILE * col;
            const int32_t y = SCROLL_TILE * row + s->offset - SCROLL_TILE;
            // The tiles are opaque: the last stage on in play order shows.
            for (int flag : STAGE_ORDER) {
                if (stage_flags[flag])
                    blit_picture(images.pic[STAGE_BACKGROUND[flag]], nullptr, x, y, target);
            }
        }
    }
    s->offset += s->speed;
    if (s->offset >= SCROLL_TILE) s->offset -= SCROLL_TILE;
}

void draw_effects(Effect* pool, SDL_Surface* target) {
    draw_pool(pool, EFFECT_PICTURES, target);
}

void draw_enemies(Enemy* pool, SDL_Surface* target) {
    draw_pool(pool, ENEMY_PICTURES, target);
}

void draw_shots(Shot* pool, SDL_Surface* target) {
    draw_pool(pool, SHOT_PICTURES, target);
}

void draw_player(Player* p, SDL_Surface* target) {
    if (p->shields <= 0) return;  // destroyed: neither drawn nor animated
    blit_picture(ship_picture(*p), nullptr, p->x, p->y, target);
    // The next frame is due frame_ms after the last was due, not after it was
    // noticed, so the cadence does not drift with the frame rate.
    const Uint32 now = play_clock_now();
    const Uint32 elapsed = now - p->frame_tick;
    if (elapsed > Uint32(p->frame_ms)) {
        p->frame += 1;
        p->frame_tick = now - (elapsed - Uint32(p->frame_ms));
    }
    if (p->frame == SHIP_FRAMES) p->frame = 0;
}
