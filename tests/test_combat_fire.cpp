// Enemy fire: cadence, aim, the bosses' volleys, bullet speeds.
#include <gtest/gtest.h>

#include "combat/enemies.h"
#include "combat/enemy_fire.h"
#include "combat/weapons.h"
#include "core/pools.h"
#include "tests/test_combat_helpers.h"

using EnemyFire = CombatTest;

namespace {

// Runs the enemies' pass n times; the 1-based passes in which a new bullet
// appeared (the bullets are cleared after every pass).
std::vector<int> passes_with_bullets(int n) {
    std::vector<int> fired;
    for (int pass = 1; pass <= n; ++pass) {
        update_enemies(enemies, &player, shots);
        if (live_shot_count() > 0) fired.push_back(pass);
        for (Shot& s : shots) s.direction = SHOT_FREE;
    }
    return fired;
}

struct Bullet {
    int32_t kind, x, y;
    Direction direction;
    bool operator==(const Bullet&) const = default;
};

std::vector<Bullet> live_bullets() {
    std::vector<Bullet> found;
    for (const Shot& s : shots) {
        if (s.direction != SHOT_FREE) found.push_back({s.kind, s.x, s.y, s.direction});
    }
    return found;
}

}  // namespace

TEST_F(EnemyFire, ALinedUpUfoFiresInItsSixteenthAndThirtySecondUpdatesOnly) {
    Enemy* ufo = place_enemy(TPL_UFO, 300, 300);  // straight above the ship
    EXPECT_EQ(passes_with_bullets(80), (std::vector<int>{16, 32}));
    EXPECT_EQ(ufo->shots_left, 0);
    EXPECT_EQ(ufo->fire_clock, 80 % 16);  // the clock runs on
}

TEST_F(EnemyFire, OrdinaryEnemiesAimAlongTheRowOrColumnTheyShareWithTheShip) {
    struct Case {
        int tpl;
        int32_t x, y;
        Bullet expected;
    };
    // The ship is at (300, 500), 64 x 64.
    const Case cases[] = {
        {TPL_UFO, 300, 300, {SHOT_SMALL_BULLET, 324, 364, DIR_DOWN}},   // above
        {TPL_UFO, 280, 600, {SHOT_SMALL_BULLET, 304, 584, DIR_UP}},     // below
        {TPL_UFO, 100, 500, {SHOT_SMALL_BULLET, 164, 524, DIR_RIGHT}},  // exactly level, left of it
        {TPL_UFO, 500, 500, {SHOT_SMALL_BULLET, 484, 524, DIR_LEFT}},   // exactly level, right of it
        {TPL_BIRDHEAD, 100, 450, {SHOT_SMALL_BULLET, 228, 506, DIR_RIGHT}},
        {TPL_SKEL, 280, 200, {SHOT_LARGE_BULLET, 320, 264, DIR_DOWN}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        free_all_slots();
        hush();
        Enemy* e = place_enemy(c.tpl, c.x, c.y);
        e->fire_clock = e->fire_period;
        update_enemies(enemies, &player, shots);
        EXPECT_EQ(live_bullets(), std::vector<Bullet>{c.expected});
        EXPECT_EQ(sound_count(c.expected.kind == SHOT_SMALL_BULLET ? sounds.smallbullet : sounds.largebullet),
                  1);
        EXPECT_EQ(e->shots_left, enemy_templates[c.tpl].shots_left - 1);
    }
    // Not lined up: nothing, and no shot used.
    free_all_slots();
    Enemy* e = place_enemy(TPL_UFO, 100, 100);
    e->fire_clock = e->fire_period;
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(live_shot_count(), 0);
    EXPECT_EQ(e->shots_left, 2);
}

TEST_F(EnemyFire, AnEnemyOnTheShipsCornerFindsNoDirectionButSoundsAndSpendsItsShot) {
    Enemy* ufo = place_enemy(TPL_UFO, 300, 500);
    ufo->fire_clock = ufo->fire_period;
    ufo->shots_left = 1;
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(live_shot_count(), 0);
    EXPECT_EQ(sound_count(sounds.smallbullet), 1);
    EXPECT_EQ(ufo->shots_left, 0);
    // With two shots left both tests hold: two silent volleys, both shots gone.
    free_all_slots();
    hush();
    ufo = place_enemy(TPL_UFO, 300, 500);
    ufo->fire_clock = ufo->fire_period;
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(live_shot_count(), 0);
    EXPECT_EQ(sound_count(sounds.smallbullet), 2);
    EXPECT_EQ(ufo->shots_left, 0);
}

TEST_F(EnemyFire, ASkelOverlappingTheShipBothWaysFiresTwoBulletsTheSameWay) {
    Enemy* skel = place_enemy(TPL_SKEL, 310, 510);
    skel->fire_clock = skel->fire_period;
    update_enemies(enemies, &player, shots);
    const Bullet left{SHOT_LARGE_BULLET, 294, 534, DIR_LEFT};
    EXPECT_EQ(live_bullets(), (std::vector<Bullet>{left, left}));
    EXPECT_EQ(skel->shots_left, 3);
    EXPECT_EQ(sound_count(sounds.largebullet), 2);

    free_all_slots();
    skel = place_enemy(TPL_SKEL, 250, 480);  // left of the ship: both fly right
    skel->fire_clock = skel->fire_period;
    update_enemies(enemies, &player, shots);
    const Bullet right{SHOT_LARGE_BULLET, 346, 504, DIR_RIGHT};
    EXPECT_EQ(live_bullets(), (std::vector<Bullet>{right, right}));
}

TEST_F(EnemyFire, InterceptorsFireOnlyDownTheirColumnAfterTheirSweep) {
    // Level with the ship but not in its column: no fire.
    Enemy* e = place_enemy(TPL_INTERCEPTOR, 100, 480, DIR_RIGHT);
    e->fire_clock = e->fire_period;
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(live_shot_count(), 0);
    EXPECT_EQ(e->shots_left, 8);
    // One step short of the column before its move, in it after: fires.
    free_all_slots();
    e = place_enemy(TPL_INTERCEPTOR, 170, 100, DIR_RIGHT);
    e->fire_clock = e->fire_period;
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(e->x, 178);
    EXPECT_EQ(live_bullets(), (std::vector<Bullet>{{SHOT_LARGE_BULLET, 234, 229, DIR_DOWN}}));
    EXPECT_EQ(e->shots_left, 7);
}

TEST_F(EnemyFire, BulletsFlyFasterOnHarderDifficulties) {
    struct Case {
        int32_t difficulty, small, large;
    };
    for (const Case& c :
         {Case{DIFFICULTY_EASY, 10, 12}, Case{DIFFICULTY_NORMAL, 12, 14}, Case{DIFFICULTY_HARD, 14, 16}}) {
        SCOPED_TRACE(c.difficulty);
        fill_shot_templates(c.difficulty);
        free_all_slots();
        Enemy ufo = enemy_templates[TPL_UFO];
        ufo.x = 300;
        ufo.y = 100;
        Enemy skel = enemy_templates[TPL_SKEL];
        skel.x = 300;
        skel.y = 100;
        enemy_fire(&ufo, shots);
        enemy_fire(&skel, shots);
        move_shots(shots);
        EXPECT_EQ(shots[0].y, 164 + c.small);
        EXPECT_EQ(shots[1].y, 164 + c.large);
    }
}

TEST_F(EnemyFire, EachBossFiresItsVolleyWithItsSound) {
    struct Case {
        int tpl;
        std::vector<Bullet> bullets;
        Mix_Chunk* SoundBank::*sound;
    };
    const int32_t S = SHOT_SMALL_BULLET, L = SHOT_LARGE_BULLET;
    // Every boss at (100, 50).
    const Case cases[] = {
        {TPL_LVL1BOSS,
         {{S, 348, 306, DIR_DOWN}, {S, 348, 306, DIR_DOWN_RIGHT}, {S, 348, 306, DIR_DOWN_LEFT}},
         &SoundBank::smallbullet},
        {TPL_LVL2BOSS,
         {{S, 155, 175, DIR_DOWN},
          {S, 350, 175, DIR_DOWN},
          {S, 250, 110, DIR_DOWN_RIGHT},
          {S, 250, 110, DIR_DOWN_LEFT},
          {L, 250, 110, DIR_DOWN}},
         &SoundBank::largebullet},
        {TPL_LVL3BOSS,
         {{S, 348, 50, DIR_DOWN}, {L, 84, 306, DIR_DOWN_RIGHT}, {L, 612, 306, DIR_DOWN_LEFT}},
         &SoundBank::largebullet},
        {TPL_LVL4BOSS,
         {{L, 220, 306, DIR_DOWN}, {L, 220, 306, DIR_DOWN_RIGHT}, {L, 220, 306, DIR_DOWN_LEFT}},
         &SoundBank::rocket},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tpl);
        free_all_slots();
        hush();
        Enemy boss = enemy_templates[c.tpl];
        boss.x = 100;
        boss.y = 50;
        enemy_fire(&boss, shots);
        EXPECT_EQ(live_bullets(), c.bullets);
        EXPECT_EQ(sound_count(sounds.*c.sound), 1);
        EXPECT_EQ(Mix_Playing(-1), 1);  // one sound for the whole volley
    }
    // A nearly full pool keeps the first bullets of the volley; the sound still plays.
    free_all_slots();
    hush();
    for (int i = 0; i < POOL_SIZE - 2; ++i) place_shot(TPL_SHOT_L1, 0, 0);
    Enemy boss = enemy_templates[TPL_LVL2BOSS];
    boss.x = 100;
    boss.y = 50;
    enemy_fire(&boss, shots);
    EXPECT_EQ(live_shot_count(), POOL_SIZE);
    EXPECT_EQ((Bullet{shots[POOL_SIZE - 2].kind, shots[POOL_SIZE - 2].x, shots[POOL_SIZE - 2].y,
                      shots[POOL_SIZE - 2].direction}),
              (Bullet{S, 155, 175, DIR_DOWN}));
    EXPECT_EQ(shots[POOL_SIZE - 1].x, 350);
    EXPECT_EQ(sound_count(sounds.largebullet), 1);
}

TEST_F(EnemyFire, BossesHoldFireWhileTheShipIsGoneAndTheirClocksRunOn) {
    // A level-1 boss resting at the top while the ship is gone.
    Enemy* boss = place_enemy(TPL_LVL1BOSS, 127, 0);
    const int32_t period = boss->fire_period;
    player.shields = 0;
    player.lives = 2;
    EXPECT_TRUE(passes_with_bullets(3 * (period + 1)).empty());
    EXPECT_EQ(boss->fire_clock, 0);  // three whole turns of the clock
    EXPECT_EQ(boss->shots_left, 99999);

    // The ship back: the volley comes when the clock is due.
    player.shields = 5;
    boss->fire_clock = period - 2;
    EXPECT_EQ(passes_with_bullets(period + 1), (std::vector<int>{3}));
    EXPECT_EQ(boss->shots_left, 99998);  // the first boss counts its volleys

    // The other bosses do not count theirs.
    free_all_slots();
    boss = place_enemy(TPL_LVL4BOSS, 200, 100);
    boss->fire_clock = boss->fire_period;
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(live_shot_count(), 3);
    EXPECT_EQ(boss->shots_left, 99999);
}

TEST_F(EnemyFire, AUfoDestroyedWhenItsFireClockIsDueStillFires) {
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_UFO]);
    ASSERT_TRUE(spot);
    Enemy* ufo = place_enemy(TPL_UFO, 300, 300);
    ufo->fire_clock = ufo->fire_period;
    place_shot(TPL_SHOT_L4, 300 + spot->x, 300 + spot->y);
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(ufo->hit_points, 0);
    EXPECT_EQ(player.score_ones, 1);
    EXPECT_EQ(live_shots_of_kind(SHOT_SMALL_BULLET).size(), 1u);
    EXPECT_EQ(sound_count(sounds.smallbullet), 1);
}
