// Power-ups: what each carrier (and Mars) gives, when it is wasted, the
// pick-up burst, and the points that bring a carrier.
#include <gtest/gtest.h>

#include "combat/collisions.h"
#include "combat/enemies.h"
#include "core/player.h"
#include "core/pools.h"
#include "tests/test_combat_helpers.h"

using Powerups = CombatTest;

namespace {

constexpr int32_t CX = 200;  // where carriers are shot down
constexpr int32_t CY = 100;

// A carrier of the template destroyed in one pass, where it stands.
void shoot_down(int tpl) {
    Enemy* e = place_enemy(tpl, CX, CY);
    e->hit_points = -1;
    update_enemies(enemies, &player, shots);
}

// The ship's last shield taken by a bullet in one pass.
void lose_ship() {
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_SHIP]);
    ASSERT_TRUE(spot);
    player.shields = 1;
    place_shot(TPL_SMALL_BULLET, player.x + spot->x, player.y + spot->y, DIR_DOWN);
    update_player(&player);
    ASSERT_EQ(player.shields, 0);
}

int front_effect_count() {
    int n = 0;
    for (const Effect& e : front_effects) n += e.kind != EFFECT_FREE;
    return n;
}

// Four explosions from the carrier (down, left, right, up), the notice for a
// speed pick-up, then the absorb field on the ship.
void expect_burst(bool with_notice) {
    const Direction burst[] = {DIR_DOWN, DIR_LEFT, DIR_RIGHT, DIR_UP};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(front_effects[i].kind, EFFECT_LARGE_EXPLOSION);
        EXPECT_EQ(front_effects[i].x, CX);
        EXPECT_EQ(front_effects[i].y, CY);
        EXPECT_EQ(front_effects[i].direction, burst[i]);
    }
    int next = 4;
    if (with_notice) {
        const Effect& notice = front_effects[next++];
        EXPECT_EQ(notice.kind, EFFECT_SPEED_UP);
        EXPECT_EQ(notice.x, -512);
        EXPECT_EQ(notice.y, 200);
        EXPECT_EQ(notice.direction, DIR_RIGHT);
        EXPECT_EQ(notice.speed, 24);
    }
    const Effect& field = front_effects[next++];
    EXPECT_EQ(field.kind, EFFECT_ABSORB);
    EXPECT_EQ(field.x, player.x);
    EXPECT_EQ(field.y, player.y);
    EXPECT_EQ(field.direction, DIR_IDLE);
    EXPECT_EQ(front_effect_count(), next);
}

}  // namespace

TEST_F(Powerups, SpeedRisesInThreeStepsAndTheFourthCarrierIsWasted) {
    const int32_t speeds[] = {14, 18, 22};
    const int32_t frame_ms[] = {155, 140, 125};
    const int32_t scrolls[] = {12, 16, 20};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        free_all_slots();
        hush();
        shoot_down(TPL_SPEEDICON);
        EXPECT_EQ(player.speed, speeds[i]);
        EXPECT_EQ(player.frame_ms, frame_ms[i]);
        EXPECT_EQ(scroll.speed, scrolls[i]);
        EXPECT_EQ(sound_count(sounds.speedup), 1);
        expect_burst(true);
    }
    free_all_slots();
    hush();
    shoot_down(TPL_SPEEDICON);
    EXPECT_EQ(player.speed, 22);
    EXPECT_EQ(scroll.speed, 20);
    EXPECT_EQ(live_enemy_count(), 0);
    EXPECT_EQ(front_effect_count(), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);

    // A lost ship comes back at the start speed over a background at 8.
    lose_ship();
    for (int f = 0; f < 150; ++f) update_player(&player);
    ASSERT_EQ(player.shields, 5);
    EXPECT_EQ(player.speed, 10);
    EXPECT_EQ(player.frame_ms, 170);
    EXPECT_EQ(scroll.speed, 8);
}

TEST_F(Powerups, WeaponCarriersAndMarsRaiseTheWeaponToFiveAndThenAreWasted) {
    for (int tpl : {TPL_WEAPONICON, TPL_MARS, TPL_WEAPONICON, TPL_MARS}) {
        SCOPED_TRACE(tpl);
        const int32_t before = player.weapon;
        free_all_slots();
        hush();
        shoot_down(tpl);
        EXPECT_EQ(player.weapon, before + 1);
        EXPECT_EQ(sound_count(sounds.absorb), 1);
        expect_burst(false);
    }
    for (int tpl : {TPL_WEAPONICON, TPL_MARS}) {
        free_all_slots();
        hush();
        shoot_down(tpl);
        EXPECT_EQ(player.weapon, 5);
        EXPECT_EQ(front_effect_count(), 0);
        EXPECT_EQ(Mix_Playing(-1), 0);
        EXPECT_EQ(live_enemy_count(), 0);
    }
    EXPECT_EQ(player.score_ones, 0);  // carriers score nothing
    EXPECT_EQ(player.powerup_points, 0);
}

TEST_F(Powerups, AShieldCarrierRestoresFiveOnlyWhenSomeAreMissing) {
    shoot_down(TPL_SHIELDICON);  // at 5: wasted
    EXPECT_EQ(player.shields, 5);
    EXPECT_EQ(front_effect_count(), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);

    // At 1, after the warning: back to 5, and the next drop to 1 warns again.
    player.shields = 1;
    update_player(&player);
    ASSERT_TRUE(player.low_shield_warned);
    free_all_slots();
    hush();
    shoot_down(TPL_SHIELDICON);
    EXPECT_EQ(player.shields, 5);
    EXPECT_EQ(sound_count(sounds.hpup), 1);
    expect_burst(false);
    update_player(&player);
    EXPECT_FALSE(player.low_shield_warned);
    player.shields = 1;
    hush();
    update_player(&player);
    EXPECT_EQ(sound_count(sounds.shieldsarelow), 2);
}

TEST_F(Powerups, ALifeCarrierAlwaysAddsALife) {
    player.lives = 9;
    shoot_down(TPL_LIFEICON);
    EXPECT_EQ(player.lives, 10);  // no upper limit
    EXPECT_EQ(sound_count(sounds.absorb), 1);
    expect_burst(false);
    // Also while a lost ship waits to return.
    lose_ship();
    free_all_slots();
    shoot_down(TPL_LIFEICON);
    EXPECT_EQ(player.lives, 10);
}

TEST_F(Powerups, CarriersShotDownWhileTheShipIsGoneCannotBringItBackEarly) {
    // A shield carrier hit by a shot still in flight does not revive the
    // parked ship: it returns by the death clock, at its place.
    lose_ship();
    free_all_slots();
    shoot_down(TPL_SHIELDICON);
    EXPECT_EQ(player.shields, 0);
    update_player(&player);
    EXPECT_EQ(player.x, 2000);
    for (int f = 0; f < 150; ++f) update_player(&player);
    EXPECT_EQ(player.shields, 5);
    EXPECT_EQ(player.x, 332);

    // Once the last ship is lost a life carrier cannot hold the game over up.
    player.lives = 1;
    lose_ship();
    free_all_slots();
    shoot_down(TPL_LIFEICON);
    EXPECT_EQ(player.lives, 0);
    for (int f = 0; f < 530; ++f) update_player(&player);
    EXPECT_TRUE(restart_requested);
}

TEST_F(Powerups, FiveSkelsOnNormalBringNothingAndTheNextKillBringsACarrier) {
    for (bool& f : stage_flags) f = false;  // only the drop rule of the script runs
    auto carriers = [] {
        int n = 0;
        for (const Enemy& e : enemies) {
            n += e.hit_points != 0 &&
                 (e.kind == ENEMY_SPEEDICON || e.kind == ENEMY_WEAPONICON || e.kind == ENEMY_SHIELDICON);
        }
        return n;
    };
    for (int i = 0; i < 5; ++i) {
        place_enemy(TPL_SKEL, 100, 100)->hit_points = -1;
        run_frame(&loop);
    }
    EXPECT_EQ(player.powerup_points, 25);
    run_frame(&loop);
    EXPECT_EQ(carriers(), 0);

    place_enemy(TPL_UFO, 100, 100)->hit_points = -1;
    run_frame(&loop);
    EXPECT_EQ(player.powerup_points, 26);
    EXPECT_EQ(carriers(), 0);
    run_frame(&loop);
    EXPECT_EQ(carriers(), 1);
    EXPECT_EQ(player.powerup_points, 0);
    for (const Enemy& e : enemies) {
        if (e.hit_points == 0) continue;
        EXPECT_EQ(e.x, 396);  // placed at (400, -32) going left, then one step
        EXPECT_EQ(e.y, -31);
    }
}
