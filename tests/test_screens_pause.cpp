// The pause screen: the keys that end it and those it ignores, the panel
// over the frozen frame, a window close, a missing picture.
#include <gtest/gtest.h>

#include "core/clock.h"
#include "screens/pause.h"
#include "tests/harness.h"
#include "tests/test_drawing_pixels.h"

namespace {

constexpr Rgb PAUSE_KEY{214, 123, 124};

class Pause : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        boot_game(&loop);
        fill_screen(BACKDROP);
        panel = load_raw_picture("bmp/paused.bmp");
        ASSERT_NE(panel, nullptr);
    }
    void TearDown() override {
        clear_events();
        SDL_FreeSurface(panel);
    }
    // Whether the screen shows the pause picture over the backdrop, with the
    // backdrop wherever the picture has its transparent colour.
    bool shows_panel() const {
        for (int y = 0; y < screen->h; y += 2) {
            for (int x = 0; x < screen->w; x += 2) {
                const Rgb p = surface_pixel(panel, x, y);
                const Rgb expected = on_screen(p == PAUSE_KEY ? BACKDROP : p);
                if (!(screen_pixel(x, y) == expected)) return false;
            }
        }
        return true;
    }
    LoopState loop;
    SDL_Surface* panel = nullptr;
};

}  // namespace

TEST_F(Pause, TwoQuickPressesShowThePanelOverTheFrozenFrame) {
    // the picture has a panel and a transparent surround
    ASSERT_EQ(surface_pixel(panel, 0, 0), PAUSE_KEY);
    ASSERT_FALSE(surface_pixel(panel, 400, 300) == PAUSE_KEY);
    test_clock_set(700);
    push_key(SDLK_LSHIFT);
    pause_screen(screen);
    EXPECT_TRUE(shows_panel());
    EXPECT_FALSE(untouched(SDL_Rect{390, 290, 20, 20}));
    EXPECT_EQ(clock_now(), 700u);
    EXPECT_EQ(player.frame_tick, 700u);
}

TEST_F(Pause, OnlyASecondLeftShiftPressEndsThePause) {
    // The pausing press comes through the frame loop; its release, right
    // Shift and Escape are taken by the pause screen and ignored.
    const int32_t clock_before = level_clock;
    const int32_t x_before = player.x;
    push_key(SDLK_LSHIFT);
    push_key(SDLK_LSHIFT, false);
    for (SDLKey k : {SDLK_RSHIFT, SDLK_ESCAPE, SDLK_LCTRL}) push_key(k);
    schedule_key(1500, SDLK_LEFT);
    schedule_key(3000, SDLK_LSHIFT);
    run_frame(&loop);
    EXPECT_GE(clock_now(), 3000u);
    EXPECT_FALSE(loop.quit_requested);
    EXPECT_EQ(level_clock, clock_before + 1);  // one frame, however long the pause
    EXPECT_EQ(player.x, x_before);             // keys while paused do not steer
    EXPECT_EQ(player.frame_tick, 3000u);
}

TEST_F(Pause, WindowCloseWhilePausedEndsTheProgram) {
    EXPECT_EXIT(
        {
            schedule_quit(400);
            pause_screen(screen);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(Pause, MissingPictureStillPauses) {
    EmptyFolder folder;
    schedule_key(800, SDLK_LSHIFT);
    pause_screen(screen);
    EXPECT_GE(clock_now(), 800u);
    EXPECT_TRUE(untouched(SDL_Rect{0, 0, 800, 600}));
}
