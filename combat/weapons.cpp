// The player's weapons.
#include "combat/weapons.h"

void fill_shot_templates(int32_t difficulty) {
    struct Row {
        int32_t kind, height, width, frame_count, frame_ms;
        int32_t speed[3];  // easy, normal, hard
    };
    static const Row ROWS[SHOT_TEMPLATE_COUNT] = {
        // kind            h   w frames ms  speed easy normal hard
        {SHOT_L1, 16, 16, 1, 1, {14, 14, 14}},            // TPL_SHOT_L1
        {SHOT_L2, 16, 16, 1, 1, {16, 16, 16}},            // TPL_SHOT_L2
        {0, 0, 0, 0, 0, {0, 0, 0}},                       // never used
        {SHOT_L3, 16, 16, 3, 60, {12, 12, 12}},           // TPL_SHOT_L3
        {SHOT_L4, 16, 16, 2, 1, {10, 10, 10}},            // TPL_SHOT_L4
        {SHOT_SMALL_BULLET, 16, 16, 1, 1, {10, 12, 14}},  // TPL_SMALL_BULLET
        {SHOT_LARGE_BULLET, 16, 16, 3, 60, {12, 14, 16}}, // TPL_LARGE_BULLET
    };
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

void player_fire(Player*, Shot*) {}
