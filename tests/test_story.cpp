// Story screens: the key delay, the pages each story needs, the music of each
// page, what a story leaves behind, a missing page, and a window close.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/clock.h"
#include "screens/story.h"
#include "tests/harness.h"
#include "tests/test_levels_music.h"

namespace {

class Story : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        boot_game(&loop);
        test_clock_set(0);
    }
    void TearDown() override {
        clear_events();
        game_completed = false;
        level = 1;
    }
    LoopState loop;
};

// Far later presses, so that a story needing more presses than a test gives
// it ends late instead of waiting forever.
constexpr Uint32 LATE_MS = 100000;
void schedule_late_presses() {
    for (Uint32 k = 0; k < 6; ++k) schedule_key(LATE_MS + 1100 * k, SDLK_SPACE);
}

struct StoryCase {
    int story;
    int presses;  // accepted key presses that close it
    int32_t level_after;
    bool completes_game;
    // What plays after the first page goes up, then after each accepted press.
    std::vector<Mix_MusicType> music;
};

// story: the midi piece, story2 and victory: the wave piece.
const StoryCase STORIES[] = {
    {0, 4, 1, false, {MUS_MID, MUS_MID, MUS_WAV, MUS_NONE, MUS_NONE}},
    {1, 2, 2, false, {MUS_WAV, MUS_NONE, MUS_NONE}},
    {2, 2, 3, false, {MUS_MID, MUS_NONE, MUS_NONE}},
    {3, 2, 4, false, {MUS_MID, MUS_NONE, MUS_NONE}},
    {4, 1, 1, true, {MUS_WAV, MUS_NONE}},
};

}  // namespace

TEST_F(Story, KeysInAPagesFirstSecondAreLost) {
    // Story 1 has two pages. Presses at 0 and 0.5 s are lost; 1.2 s turns
    // the page; 1.7 s is within the new page's first second; 2.3 s closes.
    for (Uint32 at : {0u, 500u, 1200u, 1700u, 2300u}) schedule_key(at, SDLK_SPACE);
    schedule_late_presses();
    story_screen(screen, 1);
    EXPECT_GE(clock_now(), 2300u);
    EXPECT_LT(clock_now(), 2300u + 2 * FRAME_MS);
    EXPECT_EQ(level, 2);

    // A press right at the deadline is still too early.
    clear_events();
    test_clock_set(0);
    schedule_key(KEY_DELAY_MS, SDLK_SPACE);
    schedule_key(KEY_DELAY_MS + 500, SDLK_SPACE);
    schedule_late_presses();
    story_screen(screen, 4);
    EXPECT_GE(clock_now(), KEY_DELAY_MS + 500);
    EXPECT_LT(clock_now(), KEY_DELAY_MS + 500 + 2 * FRAME_MS);
}

TEST_F(Story, EachStoryNeedsItsPressesAndLeavesLevelAndShip) {
    for (const StoryCase& c : STORIES) {
        SCOPED_TRACE(c.story);
        clear_events();
        test_clock_set(0);
        game_completed = false;
        level = 9;
        player.x = 10;
        player.y = 20;
        player.direction = DIR_LEFT;
        player.frame_tick = 0;
        for (int k = 1; k <= c.presses; ++k) schedule_key(Uint32(1100 * k), SDLK_SPACE);
        schedule_late_presses();

        story_screen(screen, c.story);

        const Uint32 closed_at = Uint32(1100 * c.presses);
        EXPECT_GE(clock_now(), closed_at);
        EXPECT_LT(clock_now(), closed_at + 2 * FRAME_MS);
        EXPECT_EQ(level, c.level_after);
        EXPECT_EQ(game_completed, c.completes_game);
        EXPECT_EQ(player.x, 368);
        EXPECT_EQ(player.y, 500);
        EXPECT_EQ(player.direction, DIR_IDLE);
        EXPECT_EQ(player.frame_tick, clock_now());
    }
    // Once the ending has been seen it stays seen, whatever story comes next.
    game_completed = true;
    clear_events();
    test_clock_set(0);
    schedule_key(1100, SDLK_SPACE);
    schedule_key(2200, SDLK_SPACE);
    schedule_late_presses();
    story_screen(screen, 2);
    EXPECT_TRUE(game_completed);
}

TEST_F(Story, EachPageChangesTheMusicItsWay) {
    TestMusic music;
    ASSERT_TRUE(music.ready());
    sounds.story = music.midi;
    sounds.story2 = music.wave;
    sounds.victory = music.wave;
    for (const StoryCase& c : STORIES) {
        SCOPED_TRACE(c.story);
        Mix_HaltMusic();
        StoryScreen s;
        story_open(&s, c.story);
        EXPECT_EQ(music_playing(), c.music[0]);
        for (int k = 1; k <= c.presses; ++k) {
            SCOPED_TRACE(k);
            EXPECT_FALSE(s.closing);
            test_clock_advance(KEY_DELAY_MS + 1);
            story_key(&s);
            EXPECT_EQ(music_playing(), c.music[size_t(k)]);
        }
        EXPECT_TRUE(s.closing);
        story_close(&s);
    }
}

TEST_F(Story, AMissingPageDrawsNothingAndStillTurns) {
    // A data folder with a red first page, no second page and a green third.
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "story_missing_page";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "story");
    SDL_Surface* page = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(page, nullptr, SDL_MapRGB(page->format, 255, 0, 0));
    SDL_SaveBMP(page, (dir / "story/00.bmp").c_str());
    SDL_FillRect(page, nullptr, SDL_MapRGB(page->format, 0, 255, 0));
    SDL_SaveBMP(page, (dir / "story/02.bmp").c_str());
    SDL_FreeSurface(page);
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(dir);

    const Rgb red{255, 0, 0}, green{0, 255, 0};
    StoryScreen s;
    story_open(&s, 0);
    story_draw(&s, screen);
    EXPECT_EQ(screen_pixel(400, 300), red);
    test_clock_advance(KEY_DELAY_MS + 1);
    story_key(&s);
    EXPECT_EQ(s.picture, nullptr);
    story_draw(&s, screen);
    EXPECT_EQ(screen_pixel(400, 300), red);  // the old page stays
    test_clock_advance(KEY_DELAY_MS + 1);
    story_key(&s);
    story_draw(&s, screen);
    EXPECT_EQ(screen_pixel(400, 300), green);
    test_clock_advance(KEY_DELAY_MS + 1);
    story_key(&s);  // the missing fourth page turns like the others
    test_clock_advance(KEY_DELAY_MS + 1);
    story_key(&s);
    EXPECT_TRUE(s.closing);
    story_close(&s);

    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
}

TEST_F(Story, AWindowCloseEndsTheProgram) {
    EXPECT_EXIT(
        {
            schedule_quit(300);
            story_screen(screen, 0);
        },
        testing::ExitedWithCode(0), "");
    // Also after the first key has been taken.
    EXPECT_EXIT(
        {
            schedule_key(1100, SDLK_SPACE);
            schedule_quit(1500);
            story_screen(screen, 3);
        },
        testing::ExitedWithCode(0), "");
}
