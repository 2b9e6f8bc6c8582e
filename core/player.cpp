// The player's ship: steering, start values and movement.
#include "core/player.h"

#include "core/clock.h"

namespace {

// The highest the ship's top-left may go so the 64 x 64 ship stays on screen.
constexpr int32_t SHIP_MAX_X = 736;
constexpr int32_t SHIP_MAX_Y = 536;

// A press turns the held direction: a second arrow at right angles to the
// first makes a diagonal; anything else is replaced outright.
struct PressRule {
    SDLKey key;
    Direction when_a, gives_a;
    Direction when_b, gives_b;
    Direction otherwise;
};
// clang-format off
const PressRule PRESS_RULES[] = {
    // key         when gives  when gives  otherwise
    {SDLK_UP, DIR_RIGHT, DIR_UP_RIGHT, DIR_LEFT, DIR_UP_LEFT, DIR_UP},
    {SDLK_DOWN, DIR_RIGHT, DIR_DOWN_RIGHT, DIR_LEFT, DIR_DOWN_LEFT, DIR_DOWN},
    {SDLK_LEFT, DIR_UP, DIR_UP_LEFT, DIR_DOWN, DIR_DOWN_LEFT, DIR_LEFT},
    {SDLK_RIGHT, DIR_UP, DIR_UP_RIGHT, DIR_DOWN, DIR_DOWN_RIGHT, DIR_RIGHT},
};

// A release takes the key's part out of the held direction; a key that no
// longer contributes changes nothing.
struct ReleaseRule {
    SDLKey key;
    Direction from[3];
    Direction to[3];
};
const ReleaseRule RELEASE_RULES[] = {
    // key       from                                   to
    {SDLK_UP, {DIR_UP, DIR_UP_LEFT, DIR_UP_RIGHT}, {DIR_IDLE, DIR_LEFT, DIR_RIGHT}},
    {SDLK_DOWN, {DIR_DOWN, DIR_DOWN_LEFT, DIR_DOWN_RIGHT}, {DIR_IDLE, DIR_LEFT, DIR_RIGHT}},
    {SDLK_LEFT, {DIR_LEFT, DIR_DOWN_LEFT, DIR_UP_LEFT}, {DIR_IDLE, DIR_DOWN, DIR_UP}},
    {SDLK_RIGHT, {DIR_RIGHT, DIR_DOWN_RIGHT, DIR_UP_RIGHT}, {DIR_IDLE, DIR_DOWN, DIR_UP}},
};
// clang-format on

}  // namespace

Direction press_direction(Direction held, SDLKey key) {
    for (const PressRule& r : PRESS_RULES) {
        if (r.key != key) continue;
        if (held == r.when_a) return r.gives_a;
        if (held == r.when_b) return r.gives_b;
        return r.otherwise;
    }
    return held;
}

Direction release_direction(Direction held, SDLKey key) {
    for (const ReleaseRule& r : RELEASE_RULES) {
        if (r.key != key) continue;
        for (int i = 0; i < 3; ++i) {
            if (held == r.from[i]) return r.to[i];
        }
    }
    return held;
}

void init_player(Player* p, int32_t difficulty) {
    *p = Player{};
    p->x = 300;
    p->y = 500;
    p->frame = 0;
    p->direction = DIR_UP;  // replaced by the held direction in the first frame
    p->height = 64;
    p->width = 64;
    p->shields = 5;
    p->lives = difficulty == DIFFICULTY_EASY ? 5 : 3;
    p->weapon = 1;
    p->max_speed = 22;
    p->speed = 10;
    p->frame_ms = 170;
    p->death_clock = 0;
    p->score_ones = 0;
    p->powerup_points = 0;
    p->low_shield_warned = false;
    p->frame_tick = play_clock_now();
}

void move_player(Player* p) {
    const DirectionStep step = direction_step(p->direction);
    p->x += step.dx * p->speed;
    p->y += step.dy * p->speed;
    if (p->y > SHIP_MAX_Y) p->y = SHIP_MAX_Y;
    if (p->x > SHIP_MAX_X) p->x = SHIP_MAX_X;
    if (p->y < 0) p->y = 0;
    if (p->x < 0) p->x = 0;
}
