// Faults a hostile tester found: keys released where play did not see them,
// event floods, a closed output pipe, no display, named pipes and damaged
// music in the data folder.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>
#include <string>

#include "assets/data_file.h"
#include "core/clock.h"
#include "core/player.h"
#include "core/pools.h"
#include "tests/data_folder.h"
#include "tests/harness.h"

namespace {

class HeldKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        boot_game(&loop);
        free_all_slots();
    }
    void TearDown() override {
        set_auto_keys(false);
        clear_events();
    }
    LoopState loop;
};

int player_shot_count() {
    int n = 0;
    for (const Shot& s : shots) n += s.direction != SHOT_FREE && s.kind >= SHOT_L1 && s.kind <= SHOT_L4;
    return n;
}

bool key_down_now(SDLKey k) {
    return SDL_GetKeyState(nullptr)[k] != 0;
}

// The arrow plays a part in the direction: releasing it would change it.
bool direction_uses(Direction d, SDLKey arrow) {
    return release_direction(d, arrow) != d;
}

const SDLKey ARROWS[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};

}  // namespace

TEST_F(HeldKeys, FireReleasedOnAStoryPageStopsTheAutomaticFire) {
    push_key(SDLK_LCTRL);
    run_frame(&loop);
    ASSERT_TRUE(loop.fire_held);
    // The next frame opens the opening story; fire is let go while it is read.
    level_clock = 0;
    set_auto_keys(true);
    schedule_key(clock_now() + 500, SDLK_LCTRL, false);
    run_frame(&loop);
    set_auto_keys(false);
    ASSERT_GT(level_clock, 0);
    EXPECT_FALSE(loop.fire_held);
    free_all_slots();
    for (int f = 0; f < 90; ++f) {
        player.shields = 5;
        run_frame(&loop);
    }
    EXPECT_EQ(player_shot_count(), 0) << "the ship fires with nothing held";
}

TEST_F(HeldKeys, KeysReleasedDuringThePauseAreReleasedInPlay) {
    push_key(SDLK_RIGHT);
    push_key(SDLK_LCTRL);
    run_frame(&loop);
    const int32_t x = player.x;
    ASSERT_EQ(loop.held_direction, DIR_RIGHT);
    // Pause, let go of both keys while paused, then continue.
    push_key(SDLK_LSHIFT);
    schedule_key(clock_now() + 100, SDLK_RIGHT, false);
    schedule_key(clock_now() + 150, SDLK_LCTRL, false);
    schedule_key(clock_now() + 300, SDLK_LSHIFT);
    run_frame(&loop);
    EXPECT_EQ(loop.held_direction, DIR_IDLE);
    EXPECT_FALSE(loop.fire_held);
    EXPECT_EQ(player.x, x) << "the ship drifts after the pause";
    run_frames(&loop, 20);
    EXPECT_EQ(player.x, x);

    // An arrow still held through the pause keeps steering.
    push_key(SDLK_LEFT);
    run_frame(&loop);
    push_key(SDLK_LSHIFT);
    schedule_key(clock_now() + 300, SDLK_LSHIFT);
    run_frame(&loop);
    EXPECT_EQ(loop.held_direction, DIR_LEFT);
    EXPECT_LT(player.x, x - 10);
}

TEST_F(HeldKeys, AfterAFloodTheHeldDirectionAgreesWithTheArrowsDown) {
    // Floods of 400 arrow events overflow SDL's queue of 128; the events
    // lost may be releases. Each event changes one arrow, as a real key does.
    std::mt19937 random(11);
    for (int flood = 0; flood < 15; ++flood) {
        SCOPED_TRACE(flood);
        for (int e = 0; e < 400; ++e) {
            const SDLKey k = ARROWS[random() % 4];
            push_key(k, !key_down_now(k));
        }
        run_frame(&loop);
        for (SDLKey k : ARROWS) {
            if (!key_down_now(k)) {
                EXPECT_FALSE(direction_uses(loop.held_direction, k)) << "arrow " << k;
            }
        }
        // Let go of everything: the ship must stand still.
        for (SDLKey k : ARROWS) {
            if (key_down_now(k)) push_key(k, false);
        }
        run_frame(&loop);
        const int32_t x = player.x, y = player.y;
        run_frame(&loop);
        EXPECT_EQ(loop.held_direction, DIR_IDLE);
        EXPECT_EQ(player.x, x);
        EXPECT_EQ(player.y, y);
    }
}

TEST_F(HeldKeys, TheBonusShieldKeyDoesNotRaiseAWreck) {
    // Once the game has been completed, R adds a shield; a ship already
    // destroyed stays a wreck, parked off screen, and lives never go below 0.
    game_completed = true;
    player.lives = 1;
    player.shields = 1;
    shots[0] = shot_templates[TPL_SMALL_BULLET];
    shots[0].x = player.x + 24;
    shots[0].y = player.y + 24;
    shots[0].direction = DIR_DOWN;
    run_frame(&loop);
    ASSERT_EQ(player.shields, 0) << "the bullet destroys the ship";
    const int32_t x = player.x;
    for (int f = 0; f < 30; ++f) {
        push_key(SDLK_r);
        push_key(SDLK_r, false);
        run_frame(&loop);
        EXPECT_EQ(player.shields, 0);
    }
    EXPECT_EQ(player.x, x);
    EXPECT_EQ(player.lives, 0);
    game_completed = false;
}

TEST(NoticeDeathTest, PrintedOnceARunAndAClosedPipeDoesNotEndTheGame) {
    // Two start-ups, as after a game over, with standard output into a pipe.
    EXPECT_EXIT(
        {
            int ends[2];
            if (pipe(ends) != 0) std::_Exit(20);
            dup2(ends[1], STDOUT_FILENO);
            close(ends[1]);
            start_up();
            start_up();
            std::fflush(stdout);
            close(STDOUT_FILENO);
            char text[4096] = {};
            const ssize_t n = read(ends[0], text, sizeof text - 1);
            int lines = 0;
            for (ssize_t i = 0; i < n; ++i) lines += text[i] == '\n';
            std::_Exit(lines);
        },
        ::testing::ExitedWithCode(1), "");
    // The reader has gone (cloudpiercer | head -1): the game plays on.
    EXPECT_EXIT(
        {
            int ends[2];
            if (pipe(ends) != 0) std::_Exit(20);
            close(ends[0]);
            dup2(ends[1], STDOUT_FILENO);
            start_up();
            start_up();
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(NoDisplay, WithoutADisplayOrAChosenDriverTheGameStopsWithOneLine) {
    int err[2];
    ASSERT_EQ(pipe(err), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(err[1], STDERR_FILENO);
        close(err[0]);
        freopen("/dev/null", "r", stdin);
        freopen("/dev/null", "w", stdout);
        unsetenv("DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        execl(GAME_PATH, GAME_PATH, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(err[1]);
    // A game left running in the terminal is stopped after a generous while.
    int status = 0;
    int waited_ms = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (waited_ms > 30000) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        usleep(50 * 1000);
        waited_ms += 50;
    }
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;) text.append(buffer, size_t(n));
    close(err[0]);
    ASSERT_TRUE(WIFEXITED(status)) << "still running after 30 s, or killed";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(text.find("no graphical display"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
}

TEST(DataFiles, NamedPipesAndFoldersCountAsMissingInsteadOfHangingTheStart) {
    DataFolder data;
    for (const char* file : {"wav/laser.wav", "midi/title.mid", "bmp/rural.bmp", "story/00.bmp"}) {
        SCOPED_TRACE(file);
        for (bool pipe : {true, false}) {
            if (pipe) {
                data.make_named_pipe(file);
            } else {
                data.make_folder(file);
            }
            // A pipe with no writer would block a plain open for ever.
            const ChildEnd end = run_in_child(
                [&] {
                    const bool nothing = load_chunk(file) == nullptr && load_music(file) == nullptr &&
                                         load_raw_picture(file) == nullptr;
                    return nothing ? 0 : 1;
                },
                20000);
            EXPECT_EQ(end.status, 0) << (end.status < 0 ? "hung" : "loaded something");
            // Nothing is said about a file that is not there to read.
            testing::internal::CaptureStderr();
            load_music(file);
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        }
    }
}

TEST(DataFiles, ANamedPipeInPlaceOfASpriteStopsTheStartNamingIt) {
    DataFolder data;
    data.make_named_pipe("bmp/ship1.bmp");
    const ChildEnd end = run_in_child(
        [] {
            SDL_Init(SDL_INIT_VIDEO);
            screen = SDL_SetVideoMode(800, 600, 16, 0);
            load_images(&images);
            return 0;
        },
        20000);
    EXPECT_EQ(end.status, 1) << (end.status < 0 ? "hung" : "");
    EXPECT_EQ(end.errors.rfind("cloudpiercer: cannot load picture \"bmp/ship1.bmp\" in folder", 0), 0u)
        << end.errors;
    EXPECT_EQ(std::count(end.errors.begin(), end.errors.end(), '\n'), 1);
}
