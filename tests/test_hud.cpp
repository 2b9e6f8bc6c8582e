// The heads-up display: the gliding shield bar with its gauge frames, the
// spare lives, the boss bar and the carried score, read back from the screen.
#include <gtest/gtest.h>

#include <vector>

#include "core/pools.h"
#include "render/hud.h"
#include "tests/harness.h"
#include "tests/test_drawing_pixels.h"

namespace {

// Where the display's parts sit on the screen.
constexpr int GAUGE_X = 6, GAUGE_Y = 530;
constexpr int BAR_X = 6, BAR_Y = 563, BAR_H = 32;
const SDL_Rect SHIELD_CORNER{0, 520, 300, 80};
const SDL_Rect LIVES_ROW{250, 560, 120, 24};
const SDL_Rect BOSS_BAR{0, 0, 800, 20};
const SDL_Rect SCORE{680, 560, 120, 30};

// Play with nothing on but the display: no stage runs, no background is
// drawn, every pool is empty, one life (no spare-life icons in the way).
class Hud : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        boot_game(&loop);
        for (bool& flag : stage_flags) flag = false;
        free_all_slots();
        player.lives = 1;
        fill_screen(BACKDROP);
    }
    LoopState loop;
};

SDL_Surface* picture(int field) {
    return images.pic[field];
}

Layer gauge(int field) {
    return whole(picture(field), GAUGE_X, GAUGE_Y);
}

Layer bar(int width) {
    return Layer{picture(IMG_SHIELDBAR), SDL_Rect{0, 0, Uint16(width), BAR_H}, BAR_X, BAR_Y};
}

Layer digit(int d, int x) {
    return Layer{picture(IMG_NUMBERS), SDL_Rect{Sint16(24 * d), 0, 24, 24}, x, 565};
}

// The four digit cells, thousands first.
std::vector<Layer> score_digits(int thousands, int hundreds, int tens, int ones) {
    return {digit(thousands, 688), digit(hundreds, 712), digit(tens, 736), digit(ones, 760)};
}

}  // namespace

TEST_F(Hud, ShieldBarGlidesTwoPixelsAFrameUnderTheMatchingGauge) {
    ASSERT_FALSE(same_pictures(picture(IMG_SHIELDSRED), picture(IMG_SHIELDS)));
    ASSERT_FALSE(same_pictures(picture(IMG_SHIELDSGREEN), picture(IMG_SHIELDS)));

    // 5 to 4 shields: 32 frames of red, the steady gauge over the last.
    player.shields = 4;
    for (int f = 1; f <= 33; ++f) {
        fill_screen(BACKDROP);
        run_frame(&loop);
        const int width = f <= 32 ? 256 - 2 * f : 192;
        ASSERT_EQ(shield_bar_src.w, width) << "frame " << f;
        std::vector<Layer> layers;
        if (f <= 32) layers.push_back(gauge(IMG_SHIELDSRED));
        if (f >= 32) layers.push_back(gauge(IMG_SHIELDS));
        layers.push_back(bar(width));
        EXPECT_TRUE(shows_layers(layers, SHIELD_CORNER)) << "frame " << f;
    }

    // Back to 5: 32 frames of green growth.
    player.shields = 5;
    for (int f = 1; f <= 32; ++f) {
        fill_screen(BACKDROP);
        run_frame(&loop);
        ASSERT_EQ(shield_bar_src.w, 192 + 2 * f) << "frame " << f;
        std::vector<Layer> layers{gauge(IMG_SHIELDSGREEN)};
        if (f == 32) layers.push_back(gauge(IMG_SHIELDS));
        layers.push_back(bar(192 + 2 * f));
        EXPECT_TRUE(shows_layers(layers, SHIELD_CORNER)) << "frame " << f;
    }
}

TEST_F(Hud, LastShieldShowsASliverAndNoShieldsAnEmptyBar) {
    player.shields = 1;
    for (int i = 0; i < 200; ++i) draw_hud(screen);
    fill_screen(BACKDROP);
    draw_hud(screen);
    EXPECT_EQ(shield_bar_src.w, 10);
    EXPECT_TRUE(shows_layers({gauge(IMG_SHIELDS), bar(10)}, SHIELD_CORNER));

    player.shields = 0;
    for (int i = 0; i < 10; ++i) draw_hud(screen);
    fill_screen(BACKDROP);
    draw_hud(screen);
    EXPECT_EQ(shield_bar_src.w, 0);
    EXPECT_TRUE(shows_layers({gauge(IMG_SHIELDS)}, SHIELD_CORNER));
}

TEST_F(Hud, OneIconForEverySpareLife) {
    struct Case {
        int lives, icons;
    };
    for (const Case c : {Case{3, 2}, Case{1, 0}, Case{0, 0}, Case{5, 4}}) {
        player.lives = c.lives;
        fill_screen(BACKDROP);
        draw_hud(screen);
        std::vector<Layer> layers{gauge(IMG_SHIELDS), bar(256)};
        for (int i = 0; i < c.icons; ++i) layers.push_back(whole(picture(IMG_PCICON), 260 + 16 * i, 564));
        EXPECT_TRUE(shows_layers(layers, LIVES_ROW)) << c.lives << " lives";
    }
}

TEST_F(Hud, BossBarIsAsWideAsTheBossHasHitPoints) {
    SDL_Surface* boss_bar = picture(IMG_THEBOSSHP);
    ASSERT_NE(boss_bar, nullptr);
    struct Case {
        bool shown;
        int32_t width;
        Uint16 drawn;
    };
    for (const Case c : {Case{true, 300, 300}, Case{true, 800, 800}, Case{true, 0, 0}, Case{true, -5, 0},
                         Case{false, 300, 0}}) {
        boss_bar_shown = c.shown;
        boss_bar_width = c.width;
        fill_screen(BACKDROP);
        draw_hud(screen);
        EXPECT_TRUE(shows_layers({Layer{boss_bar, SDL_Rect{0, 0, c.drawn, 16}, 0, 0}}, BOSS_BAR))
            << "width " << c.width;
    }
    boss_bar_shown = false;
}

TEST_F(Hud, ScoreCarriesEveryPointInTheFrameAndStopsAt9999) {
    // 0999 and one more point, through a real frame: 1000 at once.
    player.score_ones = 10;
    score_tens = score_hundreds = 9;
    score_thousands = 0;
    run_frame(&loop);
    EXPECT_TRUE(shows_layers(score_digits(1, 0, 0, 0), SCORE));

    struct Case {
        int32_t ones, tens, hundreds, thousands;  // before
        int32_t shown[4];                         // thousands first
    };
    const Case cases[] = {
        {12, 0, 0, 0, {0, 0, 1, 2}},  // two enemies at once: nothing lost
        {25, 9, 0, 0, {0, 1, 1, 5}}, {10, 9, 9, 0, {1, 0, 0, 0}},
        {10, 9, 9, 9, {9, 9, 9, 9}},  // no fifth digit: the score stops
        {21, 9, 9, 9, {9, 9, 9, 9}}, {9, 9, 9, 9, {9, 9, 9, 9}},
        {3, 4, 5, 6, {6, 5, 4, 3}},
    };
    for (const Case& c : cases) {
        player.score_ones = c.ones;
        score_tens = c.tens, score_hundreds = c.hundreds, score_thousands = c.thousands;
        for (int call = 0; call < 2; ++call) {  // and it stays so
            fill_screen(BACKDROP);
            draw_hud(screen);
            const int32_t now[4] = {score_thousands, score_hundreds, score_tens, player.score_ones};
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(now[i], c.shown[i]) << "from ones " << c.ones << ", digit " << i;
            EXPECT_TRUE(shows_layers(score_digits(c.shown[0], c.shown[1], c.shown[2], c.shown[3]), SCORE));
        }
    }
}
