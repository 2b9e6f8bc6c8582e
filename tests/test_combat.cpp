// Hits and damage: the pixel test against the forge's sprites, player shots
// against enemies, ordinary destructions, and the ship's pass.
#include <gtest/gtest.h>

#include "combat/collisions.h"
#include "combat/enemies.h"
#include "core/player.h"
#include "core/pools.h"
#include "tests/test_combat_helpers.h"

using Collisions = CombatTest;

namespace {

constexpr int32_t EX = 300;  // where the target enemies sit
constexpr int32_t EY = 200;

// A plain surface in the given depth, solid white but for one black pixel.
SDL_Surface* solid_surface(int bpp, int w, int h, int black_x, int black_y) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bpp, 0, 0, 0, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 255, 255, 255));
    SDL_Rect dot{Sint16(black_x), Sint16(black_y), 1, 1};
    SDL_FillRect(s, &dot, SDL_MapRGB(s->format, 0, 0, 0));
    return s;
}

Shot shot_at(int32_t x, int32_t y) {
    Shot s = shot_templates[TPL_SHOT_L1];
    s.x = x;
    s.y = y;
    s.direction = DIR_UP;
    return s;
}

// Places a bullet of the kind over a solid spot of the ship's first picture.
Shot* bullet_on_ship(int tpl) {
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_SHIP]);
    if (!spot) return nullptr;
    return place_shot(tpl, player.x + spot->x, player.y + spot->y, DIR_DOWN);
}

// Takes the ship's last shield with a bullet, in one pass of the ship.
void shoot_down_ship() {
    player.shields = 1;
    bullet_on_ship(TPL_SMALL_BULLET);
    update_player(&player);
}

}  // namespace

TEST_F(Collisions, PixelTestNeedsBothSamplePointsInsideAndSolidInEveryPixelDepth) {
    for (int bpp : {16, 24, 32}) {
        SCOPED_TRACE(bpp);
        SDL_Surface* mask = solid_surface(bpp, 64, 64, 40, 30);
        struct Case {
            int32_t x, y;  // the shot's top-left, the target at (100, 100)
            bool hit;
        };
        const Case cases[] = {
            {100, 100, true},   // sample points at columns 0 and 16, row 8
            {147, 100, true},   // right sample point at column 63, the last
            {148, 100, false},  // right sample point at column 64, outside
            {99, 100, false},   // left sample point at column -1, outside
            {100, 155, true},   // sample row 63
            {100, 156, false},  // sample row 64, outside
            {100, 92, true},    // sample row 0
            {100, 91, false},   // sample row -1, outside
            {140, 122, false},  // left sample point on the black pixel
            {124, 122, false},  // right sample point on the black pixel
            {125, 122, true},   // one column over, both solid
        };
        for (const Case& c : cases) {
            const Shot s = shot_at(c.x, c.y);
            EXPECT_EQ(shot_hits(&s, 100, 100, 64, 64, mask), c.hit) << c.x << "," << c.y;
        }
        SDL_FreeSurface(mask);
    }
    // The box tests are strict: touching edges do not overlap; a free shot never hits.
    const Shot touching_left = shot_at(84, 100);
    const Shot touching_top = shot_at(100, 84);
    EXPECT_FALSE(boxes_overlap(&touching_left, 100, 100, 64, 64));
    EXPECT_FALSE(boxes_overlap(&touching_top, 100, 100, 64, 64));
    EXPECT_FALSE(boxes_overlap(&touching_top, 100, 68, 16, 64));
    Shot free_shot = shot_at(100, 100);
    free_shot.direction = SHOT_FREE;
    EXPECT_FALSE(boxes_overlap(&free_shot, 100, 100, 64, 64));
    // A missing picture is never hit rather than a crash.
    const Shot s = shot_at(100, 100);
    EXPECT_FALSE(pixel_hit(&s, 100, 100, nullptr));
}

TEST_F(Collisions, ShotsOverBlackPartsOfASpriteFlyOnAndSolidPartsAreHit) {
    struct Case {
        int tpl;
        int image;
    };
    const Case cases[] = {{TPL_UFO, IMG_UFO},
                          {TPL_BIRDHEAD, IMG_BIRDHEAD},
                          {TPL_SKEL, IMG_SKEL},
                          {TPL_LVL1BOSS, IMG_LVL1BOSS},
                          {TPL_WEAPONICON, IMG_WEAPONICON}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.image);
        free_all_slots();
        Enemy* e = place_enemy(c.tpl, EX, EY);
        const int32_t hp = e->hit_points;
        const std::optional<Spot> black = find_black_spot(images.pic[c.image]);
        ASSERT_TRUE(black);
        Shot* s = place_shot(TPL_SHOT_L1, EX + black->x, EY + black->y);
        update_enemies(enemies, &player, shots);
        EXPECT_EQ(e->hit_points, hp);
        EXPECT_NE(s->direction, SHOT_FREE);

        const std::optional<Spot> solid = find_solid_spot(images.pic[c.image]);
        ASSERT_TRUE(solid);
        s = place_shot(TPL_SHOT_L1, EX + solid->x, EY + solid->y);
        update_enemies(enemies, &player, shots);
        EXPECT_EQ(e->hit_points, hp - 1);
        EXPECT_EQ(s->direction, SHOT_FREE);
    }
}

TEST_F(Collisions, AnAnimatedEnemyAndABankingShipAreTestedAgainstTheirFirstPicture) {
    // Solid in the first picture but not in the one on show: still a hit;
    // the other way round: a miss.
    struct Animated {
        int tpl, image, frames;
    };
    const Animated animated[] = {
        {TPL_UFO, IMG_UFO, 3}, {TPL_BIRDHEAD, IMG_BIRDHEAD, 3}, {TPL_INTERCEPTOR, IMG_INTERCEPTOR, 3}};
    int checked = 0;
    for (const Animated& a : animated) {
        for (int frame = 1; frame < a.frames; ++frame) {
            SCOPED_TRACE(a.image + frame);
            free_all_slots();
            Enemy* e = place_enemy(a.tpl, EX, EY);
            e->frame = frame;
            const int32_t hp = e->hit_points;
            if (auto spot = find_spot_solid_in_first_only(images.pic[a.image], images.pic[a.image + frame])) {
                place_shot(TPL_SHOT_L1, EX + spot->x, EY + spot->y);
                update_enemies(enemies, &player, shots);
                EXPECT_EQ(e->hit_points, hp - 1);
                ++checked;
            }
            if (auto spot = find_spot_solid_in_first_only(images.pic[a.image + frame], images.pic[a.image])) {
                e->hit_points = hp;
                place_shot(TPL_SHOT_L1, EX + spot->x, EY + spot->y);
                update_enemies(enemies, &player, shots);
                EXPECT_EQ(e->hit_points, hp);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0) << "some animated enemy should change its shape";

    // The ship, level or banking, in any frame of its animation.
    struct Shown {
        int image;
        Direction direction;
    };
    checked = 0;
    for (const Shown& shown :
         {Shown{IMG_SHIP, DIR_UP}, Shown{IMG_SHIPL, DIR_LEFT}, Shown{IMG_SHIPR, DIR_RIGHT}}) {
        for (int frame = 0; frame < 3; ++frame) {
            SDL_Surface* pic = images.pic[shown.image + frame];
            SCOPED_TRACE(shown.image + frame);
            player.direction = shown.direction;
            player.frame = frame;
            if (auto spot = find_spot_solid_in_first_only(images.pic[IMG_SHIP], pic)) {
                free_all_slots();
                player.shields = 5;
                place_shot(TPL_SMALL_BULLET, player.x + spot->x, player.y + spot->y, DIR_DOWN);
                update_player(&player);
                EXPECT_EQ(player.shields, 4);
                ++checked;
            }
            if (auto spot = find_spot_solid_in_first_only(pic, images.pic[IMG_SHIP])) {
                free_all_slots();
                player.shields = 5;
                place_shot(TPL_SMALL_BULLET, player.x + spot->x, player.y + spot->y, DIR_DOWN);
                update_player(&player);
                EXPECT_EQ(player.shields, 5);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0) << "the banking pictures should differ from ship0 somewhere";
}

TEST_F(Collisions, EveryShotThatMeetsAnEnemyInOneFrameHitsAndIsSpent) {
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_UFO]);
    ASSERT_TRUE(spot);
    Enemy* ufo = place_enemy(TPL_UFO, EX, EY);
    ASSERT_EQ(ufo->hit_points, 3);
    Shot* a = place_shot(TPL_SHOT_L1, EX + spot->x, EY + spot->y);
    Shot* b = place_shot(TPL_SHOT_L1, EX + spot->x, EY + spot->y);
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(ufo->hit_points, 1);
    EXPECT_EQ(a->direction, SHOT_FREE);
    EXPECT_EQ(b->direction, SHOT_FREE);
    EXPECT_EQ(front_effects_of_kind(EFFECT_SMALL_EXPLOSION).size(), 2u);
    EXPECT_EQ(sound_count(sounds.exp16), 2);
    EXPECT_EQ(player.score_ones, 0);

    // Enemy bullets pass through enemies.
    Shot* bullet = place_shot(TPL_LARGE_BULLET, EX + spot->x, EY + spot->y, DIR_DOWN);
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(ufo->hit_points, 1);
    EXPECT_NE(bullet->direction, SHOT_FREE);
}

TEST_F(Collisions, EachShotKindDoesItsDamageAndLeavesItsHitEffects) {
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_LVL1BOSS]);
    ASSERT_TRUE(spot);
    struct Case {
        int tpl;
        int32_t damage;
        int32_t effect_kind;
        std::vector<int32_t> dx;
        Direction direction;
    };
    const Case cases[] = {
        {TPL_SHOT_L1, 1, EFFECT_SMALL_EXPLOSION, {0}, DIR_IDLE},
        {TPL_SHOT_L2, 2, EFFECT_SMALL_EXPLOSION, {-8, 8}, DIR_IDLE},
        {TPL_SHOT_L3, 3, EFFECT_SMALL_EXPLOSION, {0}, DIR_IDLE},
        {TPL_SHOT_L4, 5, EFFECT_LARGE_EXPLOSION, {-8, 8}, DIR_UP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tpl);
        free_all_slots();
        Enemy boss = enemy_templates[TPL_LVL1BOSS];
        boss.x = EX;
        boss.y = EY;
        const int32_t sx = EX + spot->x, sy = EY + spot->y;
        place_shot(c.tpl, sx, sy);
        hit_enemy_with_shots(&boss, shots);
        EXPECT_EQ(boss.hit_points, 180 - c.damage);
        const std::vector<Effect> fx = front_effects_of_kind(c.effect_kind);
        ASSERT_EQ(fx.size(), c.dx.size());
        for (size_t i = 0; i < fx.size(); ++i) {
            EXPECT_EQ(fx[i].x, sx + c.dx[i]);
            EXPECT_EQ(fx[i].y, sy);
            EXPECT_EQ(fx[i].direction, c.direction);
        }
    }
}

TEST_F(Collisions, ARocketOnAThreePointUfoTakesItToMinusTwoAndDestroysItInTheSameUpdate) {
    const std::optional<Spot> spot = find_solid_spot(images.pic[IMG_UFO]);
    ASSERT_TRUE(spot);
    Enemy ufo = enemy_templates[TPL_UFO];
    ufo.x = EX;
    ufo.y = EY;
    place_shot(TPL_SHOT_L4, EX + spot->x, EY + spot->y);
    hit_enemy_with_shots(&ufo, shots);
    EXPECT_EQ(ufo.hit_points, -2);

    free_all_slots();
    hush();
    Enemy* e = place_enemy(TPL_UFO, EX, EY);
    place_shot(TPL_SHOT_L4, EX + spot->x, EY + spot->y);
    update_enemies(enemies, &player, shots);
    EXPECT_EQ(e->hit_points, 0);
    EXPECT_EQ(player.score_ones, 1);
    EXPECT_EQ(player.powerup_points, 1);
    // The rocket's two explosions, then the ufo's own, moving down from its corner.
    const std::vector<Effect> fx = front_effects_of_kind(EFFECT_LARGE_EXPLOSION);
    ASSERT_EQ(fx.size(), 3u);
    EXPECT_EQ(fx[2].x, EX);
    EXPECT_EQ(fx[2].y, EY);
    EXPECT_EQ(fx[2].direction, DIR_DOWN);
    EXPECT_EQ(sound_count(sounds.exp16), 1);
    EXPECT_EQ(sound_count(sounds.exp64), 1);
}

TEST_F(Collisions, OrdinaryEnemiesExplodeAndScoreByKind) {
    struct Case {
        int tpl;
        int32_t points;
        std::vector<int32_t> dx;
        std::vector<Direction> directions;
    };
    const Case cases[] = {
        {TPL_UFO, 1, {0}, {DIR_DOWN}},
        {TPL_BIRDHEAD, 2, {0, 64}, {DIR_DOWN, DIR_DOWN}},
        {TPL_INTERCEPTOR, 3, {0, 32, 64}, {DIR_DOWN, DIR_UP, DIR_DOWN}},
        {TPL_SKEL, 5, {0, 32}, {DIR_DOWN, DIR_DOWN}},
    };
    int32_t score = 0, points = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tpl);
        free_all_slots();
        hush();
        Enemy* e = place_enemy(c.tpl, EX, EY);
        e->hit_points = -1;
        update_enemies(enemies, &player, shots);
        EXPECT_EQ(e->hit_points, 0);
        EXPECT_EQ(player.score_ones, ++score);
        EXPECT_EQ(player.powerup_points, points += c.points);
        const std::vector<Effect> fx = front_effects_of_kind(EFFECT_LARGE_EXPLOSION);
        ASSERT_EQ(fx.size(), c.dx.size());
        for (size_t i = 0; i < fx.size(); ++i) {
            EXPECT_EQ(fx[i].x, EX + c.dx[i]);
            EXPECT_EQ(fx[i].y, EY);
            EXPECT_EQ(fx[i].direction, c.directions[i]);
        }
        EXPECT_EQ(sound_count(sounds.exp64), 1);
    }
}

TEST_F(Collisions, BulletsHitTheShipOnlyOnItsSolidPartsAndPlayerShotsPassThrough) {
    const std::optional<Spot> black = find_black_spot(images.pic[IMG_SHIP]);
    ASSERT_TRUE(black);
    Shot* margin = place_shot(TPL_LARGE_BULLET, player.x + black->x, player.y + black->y, DIR_DOWN);
    const std::optional<Spot> solid = find_solid_spot(images.pic[IMG_SHIP]);
    ASSERT_TRUE(solid);
    Shot* own = place_shot(TPL_SHOT_L4, player.x + solid->x, player.y + solid->y);
    update_player(&player);
    EXPECT_EQ(player.shields, 5);
    EXPECT_NE(margin->direction, SHOT_FREE);
    EXPECT_NE(own->direction, SHOT_FREE);

    // Two bullets in one pass both hit: small takes 1, large 2, each leaving a
    // small explosion where it was.
    free_all_slots();
    Shot* small = bullet_on_ship(TPL_SMALL_BULLET);
    Shot* large = bullet_on_ship(TPL_LARGE_BULLET);
    update_player(&player);
    EXPECT_EQ(player.shields, 2);
    EXPECT_EQ(small->direction, SHOT_FREE);
    EXPECT_EQ(large->direction, SHOT_FREE);
    const std::vector<Effect> fx = front_effects_of_kind(EFFECT_SMALL_EXPLOSION);
    ASSERT_EQ(fx.size(), 2u);
    EXPECT_EQ(fx[0].x, player.x + solid->x);
    EXPECT_EQ(fx[0].direction, DIR_IDLE);
    EXPECT_EQ(sound_count(sounds.exp16), 2);
}

TEST_F(Collisions, LowShieldWarningSoundsTwiceShowsOnceAndComesAgainAfterShieldsLeaveOne) {
    player.shields = 3;
    bullet_on_ship(TPL_LARGE_BULLET);
    update_player(&player);
    EXPECT_EQ(player.shields, 1);
    EXPECT_EQ(sound_count(sounds.shieldsarelow), 2);
    std::vector<Effect> sign = front_effects_of_kind(EFFECT_LOW_SHIELD);
    ASSERT_EQ(sign.size(), 1u);
    EXPECT_EQ(sign[0].x, 144);
    EXPECT_EQ(sign[0].y, 236);
    EXPECT_EQ(sign[0].direction, DIR_IDLE);
    EXPECT_TRUE(player.low_shield_warned);

    // Still at 1: no second warning.
    hush();
    update_player(&player);
    EXPECT_EQ(sound_count(sounds.shieldsarelow), 0);
    EXPECT_EQ(front_effects_of_kind(EFFECT_LOW_SHIELD).size(), 1u);

    // Shields restored: the flag clears, and the next drop to 1 warns again.
    player.shields = 5;
    update_player(&player);
    EXPECT_FALSE(player.low_shield_warned);
    player.shields = 2;
    bullet_on_ship(TPL_SMALL_BULLET);
    update_player(&player);
    EXPECT_EQ(sound_count(sounds.shieldsarelow), 2);
    EXPECT_EQ(front_effects_of_kind(EFFECT_LOW_SHIELD).size(), 2u);
}

TEST_F(Collisions, ALargeBulletAtTwoShieldsLosesTheShipWithoutAWarning) {
    player.shields = 2;
    player.weapon = 4;
    player.speed = 18;
    player.frame_ms = 140;
    scroll.speed = 16;
    player.x = 320;
    player.y = 400;
    bullet_on_ship(TPL_LARGE_BULLET);
    update_player(&player);
    EXPECT_EQ(player.shields, 0);
    EXPECT_EQ(sound_count(sounds.shieldsarelow), 0);
    EXPECT_TRUE(front_effects_of_kind(EFFECT_LOW_SHIELD).empty());
    EXPECT_EQ(sound_count(sounds.exp64), 1);
    // Eight large explosions from where the ship was, in their order.
    const Direction order[] = {DIR_DOWN, DIR_DOWN_LEFT, DIR_DOWN_RIGHT, DIR_LEFT,
                               DIR_UP,   DIR_UP_LEFT,   DIR_UP_RIGHT,   DIR_RIGHT};
    const std::vector<Effect> fx = front_effects_of_kind(EFFECT_LARGE_EXPLOSION);
    ASSERT_EQ(fx.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(fx[size_t(i)].direction, order[i]);
        EXPECT_EQ(fx[size_t(i)].x, 320);
        EXPECT_EQ(fx[size_t(i)].y, 400);
    }
    // Parked off screen, one life fewer, everything the pick-ups raised back at the start.
    EXPECT_EQ(player.x, 2000);
    EXPECT_EQ(player.y, 1000);
    EXPECT_EQ(player.lives, 2);
    EXPECT_EQ(player.weapon, 1);
    EXPECT_EQ(player.speed, 10);
    EXPECT_EQ(player.frame_ms, 170);
    EXPECT_EQ(scroll.speed, 8);
    EXPECT_FALSE(player.low_shield_warned);
}

TEST_F(Collisions, ALostShipWaitsUntouchedAndReturnsAfter150Frames) {
    player.direction = DIR_IDLE;
    shoot_down_ship();
    ASSERT_EQ(player.shields, 0);
    ASSERT_EQ(player.lives, 2);
    for (int frame = 1; frame < 150; ++frame) {
        bullet_on_ship(TPL_LARGE_BULLET);  // nothing hits a ship that is gone
        player.shields = 0;
        update_player(&player);
        ASSERT_EQ(player.shields, 0) << frame;
        ASSERT_EQ(player.x, 2000) << frame;  // not moved, not clamped
        ASSERT_EQ(player.death_clock, frame);
        free_all_slots();
    }
    hush();
    update_player(&player);
    EXPECT_EQ(player.shields, 5);
    EXPECT_EQ(player.x, 332);
    EXPECT_EQ(player.y, 500);
    EXPECT_EQ(player.death_clock, 0);
    EXPECT_EQ(sound_count(sounds.hpup), 1);
    EXPECT_EQ(player.lives, 2);
    // The pass goes on after the return: a held direction moves it at once.
    player.direction = DIR_LEFT;
    player.shields = 0;
    player.death_clock = 149;
    update_player(&player);
    EXPECT_EQ(player.x, 322);
}

TEST_F(Collisions, LosingTheLastShipHaltsTheMusicThenGameOverAt60AndRestartAt530) {
    ensure_music(sounds.level1);
    ensure_music(sounds.gameover);
    play_music(sounds.level1, -1);
    ASSERT_TRUE(Mix_PlayingMusic());
    boss_bar_shown = true;
    player.lives = 1;
    shoot_down_ship();
    EXPECT_EQ(player.lives, 0);
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_FALSE(boss_bar_shown);

    // Through the real frame loop from here on.
    run_frames(&loop, 59);
    EXPECT_FALSE(Mix_PlayingMusic());
    EXPECT_TRUE(front_effects_of_kind(EFFECT_GAME_OVER).empty());
    run_frame(&loop);
    EXPECT_TRUE(Mix_PlayingMusic());
    std::vector<Effect> sign = front_effects_of_kind(EFFECT_GAME_OVER);
    ASSERT_EQ(sign.size(), 1u);
    EXPECT_EQ(sign[0].x, 144);
    EXPECT_EQ(sign[0].y, 600 - 2);  // placed at 600 and moved once, upwards
    EXPECT_EQ(sign[0].direction, DIR_UP);

    run_frames(&loop, 469);
    EXPECT_FALSE(restart_requested);
    EXPECT_EQ(player.death_clock, 529);
    Enemy* e = place_enemy(TPL_UFO, 100, 100, DIR_DOWN);
    run_frame(&loop);
    EXPECT_TRUE(restart_requested);
    EXPECT_EQ(e->y, 100);  // the frame was abandoned before the enemies moved

    // The loop then runs the start-up again: a fresh game.
    boot_game(&loop);
    EXPECT_FALSE(restart_requested);
    EXPECT_EQ(player.lives, 3);
    EXPECT_EQ(player.shields, 5);
    EXPECT_EQ(live_enemy_count(), 0);
}

TEST_F(Collisions, OnEasyTheFifthLossEndsTheGameAndGainedLivesAddToIt) {
    // Ships lost until one does not come back within 150 frames.
    auto losses_until_game_over = [] {
        for (int loss = 1; loss <= 10; ++loss) {
            free_all_slots();
            shoot_down_ship();
            for (int f = 0; f < 150; ++f) update_player(&player);
            if (player.shields == 0) return loss;
        }
        return 0;
    };
    difficulty = DIFFICULTY_EASY;  // as if chosen on the title screen
    init_player(&player, difficulty);
    EXPECT_EQ(losses_until_game_over(), 5);
    EXPECT_EQ(player.lives, 0);
    EXPECT_EQ(front_effects_of_kind(EFFECT_GAME_OVER).size(), 1u);

    init_player(&player, difficulty);
    player.lives += 1;  // a life carrier shot down
    EXPECT_EQ(losses_until_game_over(), 6);

    difficulty = DIFFICULTY_NORMAL;
    init_player(&player, difficulty);
    EXPECT_EQ(losses_until_game_over(), 3);
}
