// Enemy kinds: what difficulty changes in the templates, and how a release
// takes its slot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "core/clock.h"
#include "level/enemy_templates.h"
#include "tests/harness.h"

TEST(EnemyKinds, HardAddsOneHitPointToAllButTheBosses) {
    Enemy easy[ENEMY_TEMPLATE_COUNT], normal[ENEMY_TEMPLATE_COUNT];
    fill_enemy_templates(DIFFICULTY_EASY);
    std::copy(std::begin(enemy_templates), std::end(enemy_templates), easy);
    fill_enemy_templates(DIFFICULTY_NORMAL);
    std::copy(std::begin(enemy_templates), std::end(enemy_templates), normal);
    fill_enemy_templates(DIFFICULTY_HARD);
    EXPECT_EQ(std::memcmp(easy, normal, sizeof easy), 0);
    for (int i = 0; i < ENEMY_TEMPLATE_COUNT; ++i) {
        SCOPED_TRACE(i);
        const bool boss = i >= TPL_LVL4BOSS && i <= TPL_LVL1BOSS;
        EXPECT_GT(easy[i].hit_points, 0);  // a copy always occupies its slot
        EXPECT_EQ(enemy_templates[i].hit_points, easy[i].hit_points + (boss ? 0 : 1));
        Enemy same = enemy_templates[i];
        same.hit_points = easy[i].hit_points;
        EXPECT_EQ(std::memcmp(&same, &easy[i], sizeof same), 0);  // nothing else differs
    }
    EXPECT_EQ(enemy_templates[TPL_UFO].hit_points, 4);
    EXPECT_EQ(easy[TPL_UFO].hit_points, 3);
    EXPECT_EQ(enemy_templates[TPL_LVL1BOSS].hit_points, 180);
    EXPECT_EQ(easy[TPL_LVL1BOSS].hit_points, 180);
}

TEST(EnemyKinds, ReleaseTakesTheFirstFreeSlotAndAFullPoolChangesNothing) {
    fill_enemy_templates(DIFFICULTY_NORMAL);
    for (Enemy& e : enemies) e = Enemy{};
    enemies[0].hit_points = 1;
    enemies[1].hit_points = -2;  // dying this frame: not free
    test_clock_set(4321);
    spawn_enemy(&enemy_templates[TPL_UFO], enemies, DIR_LEFT, -70, 50);
    EXPECT_EQ(enemies[2].kind, ENEMY_UFO);
    EXPECT_EQ(enemies[2].direction, DIR_LEFT);  // the template holds another
    EXPECT_NE(enemy_templates[TPL_UFO].direction, DIR_LEFT);
    EXPECT_EQ(enemies[2].x, -70);
    EXPECT_EQ(enemies[2].y, 50);
    EXPECT_EQ(enemies[2].frame_tick, 4321u);

    // Two releases of one template are independent of each other and of it.
    enemies[0].hit_points = 0;
    spawn_enemy(&enemy_templates[TPL_UFO], enemies, DIR_RIGHT, 10, 20);
    EXPECT_EQ(enemies[0].kind, ENEMY_UFO);
    enemies[0].hit_points -= 1;
    enemies[0].x += 8;
    EXPECT_EQ(enemies[2].hit_points, 3);
    EXPECT_EQ(enemies[2].x, -70);
    EXPECT_EQ(enemy_templates[TPL_UFO].hit_points, 3);
    EXPECT_EQ(enemy_templates[TPL_UFO].x, 0);

    for (Enemy& e : enemies) {
        if (e.hit_points == 0) e.hit_points = 5;
    }
    Enemy before[POOL_SIZE];
    std::copy(std::begin(enemies), std::end(enemies), before);
    test_clock_advance(100);
    spawn_enemy(&enemy_templates[TPL_LVL1BOSS], enemies, DIR_IDLE, 0, 0);
    EXPECT_EQ(std::memcmp(before, enemies, sizeof before), 0);  // not even a frame_tick
}
