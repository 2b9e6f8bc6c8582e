// The title menu: its keys and sounds, what it draws, the choices it leaves
// behind, and the ways it ends the program.
#include <gtest/gtest.h>

#include <vector>

#include "core/clock.h"
#include "screens/title.h"
#include "tests/harness.h"
#include "tests/test_drawing_pixels.h"

namespace {

constexpr int CURSOR_X = 461;
constexpr int ROW_Y[] = {302, 367, 435, 498};
constexpr int LABEL_X = 685, LABEL_Y = 444;
constexpr int MIXING_CHANNELS = 32;

// Holds the mixer still while a screen runs, so that every sound it starts
// is still playing afterwards: the channels in use count the sounds.
class HeldMixer {
  public:
    HeldMixer() {
        Mix_HaltChannel(-1);
        SDL_LockAudio();
    }
    ~HeldMixer() {
        SDL_UnlockAudio();
        Mix_HaltChannel(-1);
    }
    int sounds_started() const { return Mix_Playing(-1); }
};

class Title : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        test_clock_set(0);
        start_up();
        Mix_AllocateChannels(MIXING_CHANNELS);
        resume_game = false;
        level = 1;
        cursor = load_keyed_picture("bmp/cursor.bmp");
        labels[DIFFICULTY_EASY] = load_raw_picture("bmp/easy.bmp");
        labels[DIFFICULTY_NORMAL] = load_raw_picture("bmp/normal.bmp");
        labels[DIFFICULTY_HARD] = load_raw_picture("bmp/hard.bmp");
        ASSERT_NE(cursor, nullptr);
        ASSERT_NE(sounds.beep, nullptr);
        for (int d = DIFFICULTY_EASY; d <= DIFFICULTY_HARD; ++d) ASSERT_NE(labels[d], nullptr);
    }
    void TearDown() override {
        clear_events();
        SDL_FreeSurface(cursor);
        for (SDL_Surface* l : labels) SDL_FreeSurface(l);
        resume_game = false;
        level = 1;
        difficulty = DIFFICULTY_NORMAL;
    }

    // The row (0-3) the drawn cursor is on, or -1 when not on exactly one.
    int cursor_row() const {
        int found = -1;
        for (int row = 0; row < 4; ++row) {
            if (!covers(cursor, CURSOR_X, ROW_Y[row])) continue;
            if (found >= 0) return -1;
            found = row;
        }
        return found;
    }
    // The difficulty whose label is drawn, or 0.
    int32_t label_shown() const {
        for (int d = DIFFICULTY_EASY; d <= DIFFICULTY_HARD; ++d) {
            if (shows_whole(labels[d], LABEL_X, LABEL_Y)) return d;
        }
        return 0;
    }
    // Whether the cursor's visible pixels are on the screen at (x, y).
    static bool covers(SDL_Surface* pic, int x, int y) {
        for (int j = 0; j < pic->h; ++j) {
            for (int i = 0; i < pic->w; ++i) {
                const Rgb p = blitted_pixel(pic, i, j, BACKDROP);
                if (p == on_screen(BACKDROP)) continue;  // keyed: shows what is under
                if (!(screen_pixel(x + i, y + j) == p)) return false;
            }
        }
        return true;
    }

    SDL_Surface* cursor = nullptr;
    SDL_Surface* labels[DIFFICULTY_HARD + 1] = {};
};

void press(std::initializer_list<SDLKey> keys) {
    for (SDLKey k : keys) push_key(k);
}

}  // namespace

TEST_F(Title, CursorStopsSilentlyAtTheFirstAndLastRows) {
    ASSERT_FALSE(same_pictures(labels[DIFFICULTY_EASY], labels[DIFFICULTY_HARD]));
    {
        HeldMixer mixer;
        press({SDLK_UP, SDLK_LCTRL});
        title_screen(screen);
        EXPECT_EQ(mixer.sounds_started(), 0);
        EXPECT_EQ(cursor_row(), 0);
        EXPECT_FALSE(resume_game);
    }
    {
        // Four downs reach row 4 with three beeps; one up is the difficulty
        // row, two more the start row.
        HeldMixer mixer;
        press({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_UP, SDLK_UP, SDLK_UP, SDLK_LCTRL});
        title_screen(screen);
        EXPECT_EQ(mixer.sounds_started(), 6);
        EXPECT_EQ(cursor_row(), 0);
        EXPECT_FALSE(resume_game);
        EXPECT_EQ(difficulty, DIFFICULTY_NORMAL);
    }
}

TEST_F(Title, DifficultyRowCyclesTheLabelWithABeepEach) {
    const int32_t after[] = {DIFFICULTY_NORMAL, DIFFICULTY_HARD, DIFFICULTY_EASY, DIFFICULTY_NORMAL,
                             DIFFICULTY_HARD};
    for (int selects = 0; selects < 5; ++selects) {
        HeldMixer mixer;
        press({SDLK_DOWN, SDLK_DOWN});
        for (int i = 0; i < selects; ++i) push_key(SDLK_LCTRL);
        press({SDLK_UP, SDLK_UP, SDLK_LCTRL});
        title_screen(screen);
        EXPECT_EQ(difficulty, after[selects]) << selects << " selects";
        EXPECT_EQ(label_shown(), after[selects]) << selects << " selects";
        EXPECT_EQ(mixer.sounds_started(), 4 + selects);
    }
}

TEST_F(Title, KeyReleasesAndOtherKeysAreIgnored) {
    HeldMixer mixer;
    // Releases of the menu keys, right Ctrl, Return, Escape: nothing moves.
    push_key(SDLK_DOWN, false);
    push_key(SDLK_LCTRL, false);
    press({SDLK_RCTRL, SDLK_RETURN, SDLK_ESCAPE, SDLK_LSHIFT});
    schedule_key(100, SDLK_DOWN);
    schedule_key(200, SDLK_LCTRL);
    title_screen(screen);
    // Had right Ctrl selected, the game would have started on row 1.
    EXPECT_GE(clock_now(), 200u);
    EXPECT_EQ(mixer.sounds_started(), 1);
    EXPECT_TRUE(resume_game);
    EXPECT_EQ(cursor_row(), 1);
}

TEST_F(Title, DownAndSelectQueuedTogetherResumeAfterOneRedraw) {
    fill_screen(BACKDROP);
    press({SDLK_DOWN, SDLK_LCTRL});
    title_screen(screen);
    EXPECT_TRUE(resume_game);
    EXPECT_EQ(cursor_row(), 1);
    EXPECT_EQ(label_shown(), DIFFICULTY_NORMAL);
    EXPECT_EQ(clock_now(), 0u);  // one pass: no rest, so no second redraw
}

TEST_F(Title, MenuWaitsAndRedrawsWhileNoKeyIsPressed) {
    schedule_key(2000, SDLK_LCTRL);
    title_screen(screen);
    EXPECT_GE(clock_now(), 2000u);
    EXPECT_EQ(cursor_row(), 0);
    EXPECT_FALSE(resume_game);
}

TEST_F(Title, ResumedGameStartsAtTheStoredLevelAndEveryLaterGameToo) {
    LoopState loop;
    level = 3;
    player.lives = 1;
    player.score_ones = 4;
    score_tens = 7;
    press({SDLK_DOWN, SDLK_LCTRL});
    start_game(&loop);
    for (int f = 0; f < STAGE_FLAG_COUNT; ++f) EXPECT_EQ(stage_flags[f], f == LEVEL3_ON) << f;
    EXPECT_EQ(level_clock, 0);
    EXPECT_EQ(player.lives, 3);
    EXPECT_EQ(player.shields, 5);
    EXPECT_EQ(player.score_ones + score_tens + score_hundreds + score_thousands, 0);

    // After a game over the start-up runs again; the first row now resumes
    // too, at the level the last story led to.
    level = 2;
    start_up();
    push_key(SDLK_LCTRL);
    start_game(&loop);
    for (int f = 0; f < STAGE_FLAG_COUNT; ++f) EXPECT_EQ(stage_flags[f], f == LEVEL2_ON) << f;
    EXPECT_TRUE(resume_game);
}

TEST_F(Title, QuitRowAndWindowCloseEndTheProgram) {
    EXPECT_EXIT(
        {
            press({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_LCTRL});
            title_screen(screen);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            schedule_quit(500);
            title_screen(screen);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(Title, MissingCursorStopsWithOneLineNamingIt) {
    EmptyFolder folder;
    EXPECT_EXIT(title_screen(screen), testing::ExitedWithCode(1), "^[^\n]*bmp/cursor\\.bmp[^\n]*\n$");
}
