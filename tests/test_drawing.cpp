// Scene drawing: the scrolling background, the sprite layers and their
// animation, read back from the screen surface with the forge's pictures.
#include <gtest/gtest.h>

#include <vector>

#include "core/clock.h"
#include "core/pools.h"
#include "render/scene.h"
#include "tests/harness.h"
#include "tests/test_drawing_pixels.h"

namespace {

class Drawing : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        boot_game(&loop);
        for (bool& flag : stage_flags) flag = false;
        free_all_slots();
        fill_screen(BACKDROP);
    }
    LoopState loop;
};

// The tile picture a background pixel comes from when drawn with `offset`.
Rgb tile_pixel(SDL_Surface* tile, int offset, int x, int y) {
    const int ty = ((y - offset) % SCROLL_TILE + SCROLL_TILE) % SCROLL_TILE;
    return blitted_pixel(tile, x % SCROLL_TILE, ty, BACKDROP);
}

// Whether the whole screen shows the tile scrolled down by `offset`.
bool shows_tiles(SDL_Surface* tile, int offset) {
    for (int y = 0; y < screen->h; y += 3) {
        for (int x = 0; x < screen->w; x += 5) {
            if (!(screen_pixel(x, y) == tile_pixel(tile, offset, x, y))) return false;
        }
    }
    return true;
}

SDL_Surface* picture(int field) {
    return images.pic[field];
}

}  // namespace

TEST_F(Drawing, BackgroundScrollsBySpeedAndWrapsBelowOneTile) {
    stage_flags[LEVEL1_ON] = true;
    SDL_Surface* rural = picture(IMG_RURAL);
    ASSERT_NE(rural, nullptr);

    // Drawn with the offset it had, then moved on; 250 + 8 wraps to 2.
    scroll = Scroll{250, 8};
    draw_background(screen, &scroll);
    EXPECT_TRUE(shows_tiles(rural, 250));
    EXPECT_FALSE(shows_tiles(rural, 2));
    EXPECT_EQ(scroll.offset, 2);
    draw_background(screen, &scroll);
    EXPECT_TRUE(shows_tiles(rural, 2));
    EXPECT_EQ(scroll.offset, 10);

    // A faster scroll after a speed pick-up still wraps once.
    scroll = Scroll{200, 100};
    draw_background(screen, &scroll);
    EXPECT_EQ(scroll.offset, 44);

    // In the frame loop the scroll advances by its speed every frame.
    std::vector<int> offsets;
    scroll = Scroll{0, 8};
    for (int f = 0; f < 40; ++f) {
        run_frame(&loop);
        offsets.push_back(scroll.offset);
    }
    for (int f = 0; f < 40; ++f) EXPECT_EQ(offsets[f], (8 * (f + 1)) % 256) << "frame " << f;
}

TEST_F(Drawing, LastStageInPlayOrderShowsAndNoStageLeavesTheScreenAlone) {
    // clang-format off
    const int TILE_OF_FLAG[STAGE_FLAG_COUNT] = {
        IMG_SAND2, IMG_SAND, IMG_WATER2, IMG_WATER, IMG_LVL1BOSSBG, IMG_OPENSPACE, IMG_RURAL2, IMG_RURAL,
    };
    // clang-format on
    struct Case {
        std::vector<int> flags;
        int shown;
    };
    const Case cases[] = {
        {{LEVEL1_ON}, IMG_RURAL},
        {{LEVEL1_ON, BOSS1_ON}, IMG_RURAL2},
        {{BOSS4_ON, LEVEL1_ON}, IMG_SAND2},
        {{LEVEL3_ON, LEVEL2_ON}, IMG_WATER},
        {{BOSS2_ON, LEVEL2_ON}, IMG_LVL1BOSSBG},
        {{LEVEL4_ON, BOSS3_ON}, IMG_SAND},
        {{LEVEL1_ON, BOSS1_ON, LEVEL2_ON, BOSS2_ON, LEVEL3_ON, BOSS3_ON, LEVEL4_ON, BOSS4_ON}, IMG_SAND2},
    };
    for (const Case& c : cases) {
        for (bool& flag : stage_flags) flag = false;
        for (int flag : c.flags) stage_flags[flag] = true;
        scroll = Scroll{17, 8};
        fill_screen(BACKDROP);
        draw_background(screen, &scroll);
        EXPECT_TRUE(shows_tiles(picture(c.shown), 17)) << "picture " << c.shown;
        // The tiles underneath are covered (they differ, or this could not tell).
        for (int flag : c.flags) {
            SDL_Surface* under = picture(TILE_OF_FLAG[flag]);
            if (under == picture(c.shown)) continue;
            ASSERT_FALSE(same_pictures(under, picture(c.shown)));
            EXPECT_FALSE(shows_tiles(under, 17)) << "picture " << c.shown << " over flag " << flag;
        }
    }

    // Nothing clears the screen: without a stage the old pixels stay.
    for (bool& flag : stage_flags) flag = false;
    scroll = Scroll{17, 8};
    fill_screen(BACKDROP);
    draw_background(screen, &scroll);
    EXPECT_TRUE(untouched(SDL_Rect{0, 0, 800, 600}));
    EXPECT_EQ(scroll.offset, 25);
}

TEST_F(Drawing, EachLayerDrawsItsKindsAndOnlyAnimatesAnUnknownKind) {
    test_clock_set(1000);
    Enemy& ufo = enemies[0];
    ufo = enemy_templates[TPL_UFO];
    ufo.x = 100, ufo.y = 50, ufo.frame = 1, ufo.frame_tick = 1000;
    Enemy& stranger = enemies[1];
    stranger = ufo;
    stranger.x = 300, stranger.kind = 99;
    Enemy& dead = enemies[2];
    dead = ufo;
    dead.x = 500, dead.hit_points = 0;

    Shot& bullet = shots[0];
    bullet = shot_templates[TPL_LARGE_BULLET];
    bullet.x = 100, bullet.y = 300, bullet.frame = 2, bullet.frame_tick = 1000;
    bullet.direction = DIR_DOWN;
    Shot& odd_shot = shots[1];
    odd_shot = bullet;
    odd_shot.x = 200, odd_shot.kind = 7;

    Effect& blast = front_effects[0];
    blast = effect_templates[TPL_LARGE_EXPLOSION];
    blast.x = 100, blast.y = 400, blast.frame = 3, blast.frame_tick = 1000;
    Effect& odd_effect = front_effects[1];
    odd_effect = blast;
    odd_effect.x = 300, odd_effect.kind = 50;

    draw_enemies(enemies, screen);
    draw_shots(shots, screen);
    draw_effects(front_effects, screen);
    const auto box = [](const auto& r) { return SDL_Rect{0, 0, Uint16(r.width), Uint16(r.height)}; };
    EXPECT_TRUE(shows(picture(IMG_UFO + 1), box(ufo), 100, 50));
    EXPECT_TRUE(shows(picture(IMG_L3B + 2), box(bullet), 100, 300));
    EXPECT_TRUE(shows(picture(IMG_EXP64 + 3), box(blast), 100, 400));
    EXPECT_FALSE(untouched(SDL_Rect{100, 50, 64, 64}));
    // unknown kinds and the dead enemy: not drawn
    EXPECT_TRUE(untouched(SDL_Rect{300, 50, 64, 64}));
    EXPECT_TRUE(untouched(SDL_Rect{500, 50, 64, 64}));
    EXPECT_TRUE(untouched(SDL_Rect{200, 300, 16, 16}));
    EXPECT_TRUE(untouched(SDL_Rect{300, 400, 64, 64}));

    // Past frame_ms every record in use, drawn or not, shows its next picture.
    test_clock_set(1000 + Uint32(ufo.frame_ms) + 1);
    draw_enemies(enemies, screen);
    EXPECT_EQ(ufo.frame, 2);
    EXPECT_EQ(stranger.frame, 2);
    EXPECT_EQ(stranger.frame_tick, clock_now());
    EXPECT_EQ(dead.frame, 1);  // a free slot keeps its frame
    test_clock_set(1000 + Uint32(bullet.frame_ms) + 1);
    draw_shots(shots, screen);
    EXPECT_EQ(bullet.frame, 0);  // third of three: round to the first
    EXPECT_EQ(odd_shot.frame, 0);
    EXPECT_EQ(bullet.direction, DIR_DOWN);  // shots animate forever
    test_clock_set(1000 + Uint32(blast.frame_ms) + 1);
    draw_effects(front_effects, screen);
    EXPECT_EQ(blast.frame, 4);
    EXPECT_EQ(odd_effect.frame, 4);
}

TEST_F(Drawing, EffectPlaysItsAllowedCyclesThenIsFreed) {
    // An unknown kind runs the same course, undrawn.
    for (int32_t kind : {EFFECT_SMALL_EXPLOSION, int32_t(77)}) {
        for (int32_t cycles : {0, 2}) {
            free_all_slots();
            test_clock_set(5000);
            spawn_effect(&effect_templates[TPL_SMALL_EXPLOSION], front_effects, DIR_IDLE, 200, 200);
            Effect& e = front_effects[0];
            e.kind = kind;
            e.cycles_allowed = cycles;
            e.frame_tick = clock_now() - 20;
            // The pictures shown, call by call, 20 ms apart.
            std::vector<int> shown;
            while (e.kind != EFFECT_FREE && shown.size() < 200) {
                fill_screen(BACKDROP);
                const int frame = e.frame;
                draw_effects(front_effects, screen);
                shown.push_back(frame);
                const bool drawn = !untouched(SDL_Rect{200, 200, 16, 16});
                EXPECT_EQ(drawn, kind == EFFECT_SMALL_EXPLOSION);
                if (kind == EFFECT_SMALL_EXPLOSION) {
                    EXPECT_TRUE(shows_whole(picture(IMG_EXP16 + frame), 200, 200)) << "frame " << frame;
                }
                test_clock_advance(20);
            }
            // 60 ms a picture: each is shown in four calls, 80 ms.
            std::vector<int> expected;
            for (int c = 0; c <= cycles; ++c) {
                for (int f = 0; f < 4; ++f) expected.insert(expected.end(), 4, f);
            }
            EXPECT_EQ(shown, expected) << "kind " << kind << ", cycles " << cycles;
            EXPECT_EQ(e.cycles_done, 0);
        }
    }
}

TEST_F(Drawing, ShipPictureFollowsTheDirectionAndAWreckIsNotDrawn) {
    struct Case {
        Direction direction;
        int pictures;  // -1: none
    };
    const Case cases[] = {
        {DIR_UP, IMG_SHIP},     {DIR_DOWN, IMG_SHIP},      {DIR_IDLE, IMG_SHIP},
        {DIR_LEFT, IMG_SHIPL},  {DIR_UP_LEFT, IMG_SHIPL},  {DIR_DOWN_LEFT, IMG_SHIPL},
        {DIR_RIGHT, IMG_SHIPR}, {DIR_UP_RIGHT, IMG_SHIPR}, {DIR_DOWN_RIGHT, IMG_SHIPR},
        {DIR_NONE, -1},
    };
    ASSERT_FALSE(same_pictures(picture(IMG_SHIP + 1), picture(IMG_SHIPL + 1)));
    ASSERT_FALSE(same_pictures(picture(IMG_SHIP + 1), picture(IMG_SHIPR + 1)));
    ASSERT_FALSE(same_pictures(picture(IMG_SHIPL + 1), picture(IMG_SHIPR + 1)));
    test_clock_set(2000);
    for (const Case& c : cases) {
        fill_screen(BACKDROP);
        player.x = 300, player.y = 200, player.frame = 1, player.frame_tick = 2000;
        player.direction = c.direction;
        draw_player(&player, screen);
        if (c.pictures < 0) {
            EXPECT_TRUE(untouched(SDL_Rect{300, 200, 64, 64}));
        } else {
            EXPECT_TRUE(shows_whole(picture(c.pictures + 1), 300, 200)) << "direction " << c.direction;
        }
    }

    // A destroyed ship is neither drawn nor animated, however late.
    fill_screen(BACKDROP);
    player.shields = 0;
    player.direction = DIR_IDLE;
    test_clock_set(9000);
    draw_player(&player, screen);
    EXPECT_TRUE(untouched(SDL_Rect{300, 200, 64, 64}));
    EXPECT_EQ(player.frame, 1);
    EXPECT_EQ(player.frame_tick, 2000u);
}

TEST_F(Drawing, ShipCadenceKeepsTheOvershoot) {
    struct Case {
        Uint32 tick, now;
        int32_t frame_after;
        Uint32 tick_after;
    };
    const Case cases[] = {
        {1000, 1200, 0, 1170},       // due: the 30 ms late are kept
        {1000, 1100, 2, 1000},       // not yet due
        {1000, 1170, 2, 1000},       // exactly frame_ms is not past it
        {0xFFFFFFF0u, 200, 0, 154},  // across the tick count's wrap
    };
    for (const Case& c : cases) {
        fill_screen(BACKDROP);
        player.direction = DIR_IDLE, player.shields = 5;
        player.frame = 2, player.frame_tick = c.tick, player.frame_ms = 170;
        test_clock_set(c.now);
        draw_player(&player, screen);
        EXPECT_TRUE(shows_whole(picture(IMG_SHIP + 2), player.x, player.y));
        EXPECT_EQ(player.frame, c.frame_after) << "clock " << c.now;
        EXPECT_EQ(player.frame_tick, c.tick_after) << "clock " << c.now;
    }

    // Over 33 ms frames the ship still changes picture every 170 ms on average.
    player.frame = 0, player.frame_tick = 0;
    int changes = 0;
    for (Uint32 t = 33; t <= 33 * 300; t += 33) {
        test_clock_set(t);
        const int32_t before = player.frame;
        draw_player(&player, screen);
        changes += player.frame != before;
    }
    EXPECT_EQ(changes, 33 * 300 / 170);
}
