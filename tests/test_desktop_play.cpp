// The desktop extensions in the running game: the pad through the real
// frame loop and screens, the best score on the title, the volume keys,
// Escape on the title and the switch between window and full screen.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "assets/sound_bank.h"
#include "core/clock.h"
#include "desktop/desktop.h"
#include "desktop/desktop_state.h"
#include "desktop/gamepad.h"
#include "screens/pause.h"
#include "screens/story.h"
#include "screens/title.h"
#include "tests/harness.h"
#include "tests/test_desktop_files.h"

namespace {

constexpr Sint16 FULL_TILT = 32767;
constexpr Sint16 SLIGHT_TILT = 6000;  // inside the dead zone
constexpr Uint8 START_BUTTON = PAD_START_BUTTON;
constexpr Uint8 OTHER_BUTTON = 3;

SDL_Event axis_event(Uint8 axis, Sint16 value) {
    SDL_Event e{};
    e.type = SDL_JOYAXISMOTION;
    e.jaxis = SDL_JoyAxisEvent{SDL_JOYAXISMOTION, 0, axis, value};
    return e;
}
SDL_Event hat_event(Uint8 value) {
    SDL_Event e{};
    e.type = SDL_JOYHATMOTION;
    e.jhat = SDL_JoyHatEvent{SDL_JOYHATMOTION, 0, 0, value};
    return e;
}
SDL_Event button_event(Uint8 button, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton = SDL_JoyButtonEvent{e.type, 0, button, Uint8(down ? SDL_PRESSED : SDL_RELEASED)};
    return e;
}
void push(SDL_Event e) {
    SDL_PushEvent(&e);
}
void stick(Sint16 x, Sint16 y) {
    push(axis_event(0, x));
    push(axis_event(1, y));
}

class DesktopPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        clear_events();
        enable_desktop(folders.settings(), folders.scores());
        boot_game(&loop);
    }
    void TearDown() override {
        clear_events();
        disable_desktop();
        // the mixer as the other tests expect it
        set_master_volume(MIX_MAX_VOLUME);
        resume_game = false;
        level = 1;
    }
    // One frame with the ship safe in mid-screen; the direction it took.
    Direction frame_direction() {
        player.x = 300;
        player.y = 300;
        player.shields = 5;
        run_frame(&loop);
        return player.direction;
    }
    PlayerFolders folders;
    LoopState loop;
};

}  // namespace

TEST_F(DesktopPlay, StickAndHatSteerTheEightDirectionsOfTheArrows) {
    struct Case {
        Sint16 x, y;
        Uint8 hat;
        Direction dir;
    };
    const Case cases[] = {
        {0, -FULL_TILT, SDL_HAT_UP, DIR_UP},
        {FULL_TILT, 0, SDL_HAT_RIGHT, DIR_RIGHT},
        {0, FULL_TILT, SDL_HAT_DOWN, DIR_DOWN},
        {-FULL_TILT, 0, SDL_HAT_LEFT, DIR_LEFT},
        {-FULL_TILT, -FULL_TILT, SDL_HAT_LEFTUP, DIR_UP_LEFT},
        {FULL_TILT, -FULL_TILT, SDL_HAT_RIGHTUP, DIR_UP_RIGHT},
        {-FULL_TILT, FULL_TILT, SDL_HAT_LEFTDOWN, DIR_DOWN_LEFT},
        {FULL_TILT, FULL_TILT, SDL_HAT_RIGHTDOWN, DIR_DOWN_RIGHT},
    };
    for (const Case& c : cases) {
        stick(c.x, c.y);
        EXPECT_EQ(frame_direction(), c.dir) << "stick " << c.x << "," << c.y;
        const DirectionStep step = direction_step(c.dir);
        EXPECT_EQ(player.x, 300 + step.dx * player.speed);
        EXPECT_EQ(player.y, 300 + step.dy * player.speed);
        stick(0, 0);
        EXPECT_EQ(frame_direction(), DIR_IDLE) << "stick released";
        push(hat_event(c.hat));
        EXPECT_EQ(frame_direction(), c.dir) << "hat " << int(c.hat);
        push(hat_event(SDL_HAT_CENTERED));
        EXPECT_EQ(frame_direction(), DIR_IDLE) << "hat released";
    }
}

TEST_F(DesktopPlay, StickMovesGoThroughThePressAndReleaseRules) {
    // Up, then up-right, then right alone, then a swing straight to the
    // left, each as one pad event or two, like hands on the arrows.
    push(axis_event(1, -FULL_TILT));
    EXPECT_EQ(frame_direction(), DIR_UP);
    push(axis_event(0, FULL_TILT));
    EXPECT_EQ(frame_direction(), DIR_UP_RIGHT);
    EXPECT_TRUE(gamepad_holds(SDLK_UP) && gamepad_holds(SDLK_RIGHT));
    push(axis_event(1, SLIGHT_TILT));  // back inside the dead zone
    EXPECT_EQ(frame_direction(), DIR_RIGHT);
    EXPECT_FALSE(gamepad_holds(SDLK_UP));
    push(axis_event(0, -FULL_TILT));
    EXPECT_EQ(frame_direction(), DIR_LEFT);
    // The hat joins the stick: left on the stick and down on the hat.
    push(hat_event(SDL_HAT_DOWN));
    EXPECT_EQ(frame_direction(), DIR_DOWN_LEFT);
    push(hat_event(SDL_HAT_CENTERED));
    EXPECT_EQ(frame_direction(), DIR_LEFT);
    push(axis_event(0, -SLIGHT_TILT));
    EXPECT_EQ(frame_direction(), DIR_IDLE);
    for (SDLKey k : {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_LCTRL}) EXPECT_FALSE(gamepad_holds(k));
    // A second pad is not the one that plays.
    SDL_Event other = axis_event(0, FULL_TILT);
    other.jaxis.which = 1;
    push(other);
    EXPECT_EQ(frame_direction(), DIR_IDLE);
}

TEST_F(DesktopPlay, FirstButtonFiresAndHoldsAutofireLikeLeftCtrl) {
    push(button_event(0, true));
    frame_direction();
    EXPECT_EQ(live_shot_count(), 1);
    EXPECT_TRUE(gamepad_holds(SDLK_LCTRL));
    EXPECT_TRUE(loop.fire_held);
    for (Shot& s : shots) s.direction = SHOT_FREE;
    for (int f = 0; f < 8; ++f) frame_direction();  // normal: the next shot 8 frames on
    EXPECT_EQ(live_shot_count(), 1);
    push(button_event(0, false));
    frame_direction();
    EXPECT_FALSE(loop.fire_held);
    EXPECT_FALSE(gamepad_holds(SDLK_LCTRL));
    // Other buttons do not fire.
    push(button_event(OTHER_BUTTON, true));
    for (Shot& s : shots) s.direction = SHOT_FREE;
    frame_direction();
    EXPECT_EQ(live_shot_count(), 0);
}

TEST_F(DesktopPlay, StartButtonPausesUntilPressedAgain) {
    test_clock_set(1000);
    push(button_event(START_BUTTON, true));
    schedule_event(1100, button_event(START_BUTTON, false));  // a release does not resume
    schedule_event(1600, button_event(START_BUTTON, true));
    frame_direction();
    EXPECT_GE(clock_now(), 1600u);
    EXPECT_GE(player.frame_tick, 1600u);
    EXPECT_EXIT(
        {
            push(button_event(START_BUTTON, true));
            schedule_quit(2500);
            run_frame(&loop);  // the frame loop would only note a quit: the pause screen exits
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(DesktopPlay, AnyButtonTurnsAStoryPage) {
    // Story 1 has two pages; presses in a page's first second are lost.
    test_clock_set(0);
    push(button_event(OTHER_BUTTON, true));
    schedule_event(1200, button_event(OTHER_BUTTON, true));
    schedule_event(2400, button_event(0, true));
    story_screen(screen, 1);
    EXPECT_GE(clock_now(), 2400u);
    EXPECT_EQ(level, 2);
}

TEST_F(DesktopPlay, PadMovesTheTitleCursorAndSelects) {
    push(hat_event(SDL_HAT_DOWN));
    push(hat_event(SDL_HAT_CENTERED));
    push(button_event(0, true));
    title_screen(screen);
    EXPECT_TRUE(resume_game);  // row 2
}

TEST_F(DesktopPlay, EscapeOnTheTitleQuits) {
    EXPECT_EXIT(
        {
            push_key(SDLK_ESCAPE);
            title_screen(screen);
        },
        testing::ExitedWithCode(0), "");
}

namespace {

constexpr int BEST_X = 688, BEST_Y = 494, DIGIT = 24;

void set_score(int32_t thousands, int32_t hundreds, int32_t tens, int32_t ones) {
    score_thousands = thousands;
    score_hundreds = hundreds;
    score_tens = tens;
    player.score_ones = ones;
}

// Plays out the last frame of a lost game: the death clock reaches the restart.
void end_game(LoopState* loop) {
    player.lives = 0;
    player.shields = 0;
    player.death_clock = 529;
    run_frame(loop);
}

// Whether the title shows `score` in the HUD's digits under the label.
bool title_shows_best(int score) {
    SDL_Surface* strip = load_keyed_picture("bmp/numbers.bmp");
    const Uint32 key = strip->format->colorkey;
    bool shown = true;
    for (int i = 3; i >= 0; --i, score /= 10) {
        for (int y = 0; y < DIGIT; ++y) {
            for (int x = 0; x < DIGIT; ++x) {
                const int sx = DIGIT * (score % 10) + x;
                if (surface_value(strip, sx, y) == key) continue;
                if (!(screen_pixel(BEST_X + DIGIT * i + x, BEST_Y + y) == surface_pixel(strip, sx, y)))
                    shown = false;
            }
        }
    }
    SDL_FreeSurface(strip);
    return shown;
}

}  // namespace

TEST_F(DesktopPlay, AHigherScoreAtGameOverIsKeptAndShownOnTheTitle) {
    set_score(1, 2, 3, 4);
    end_game(&loop);
    ASSERT_TRUE(restart_requested);
    EXPECT_NE(read_whole(folders.scores()).find("normal = 1234\n"), std::string::npos);

    // The next run reads it and the title shows it for normal, the
    // difficulty the title opens on.
    disable_desktop();
    enable_desktop(folders.settings(), folders.scores());
    start_up();
    push_key(SDLK_LCTRL);
    title_screen(screen);
    EXPECT_TRUE(title_shows_best(1234));

    // A lower score does not replace it; easy, with no best yet, shows none.
    restart_game(&loop);
    level_clock = 1;  // past the opening story
    set_score(0, 0, 5, 0);
    end_game(&loop);
    EXPECT_NE(read_whole(folders.scores()).find("normal = 1234\n"), std::string::npos);
    start_up();
    for (SDLKey k : {SDLK_DOWN, SDLK_DOWN, SDLK_LCTRL, SDLK_LCTRL, SDLK_UP, SDLK_UP, SDLK_LCTRL}) push_key(k);
    title_screen(screen);
    ASSERT_EQ(difficulty, DIFFICULTY_EASY);
    EXPECT_FALSE(title_shows_best(1234));
    EXPECT_FALSE(title_shows_best(0));

    // Quitting in the middle of a game keeps the score reached so far, as
    // the program started from its command line does at exit.
    // The child that runs it makes a home of its own; it is sent to ours.
    setenv("CLOUDPIERCER_TEST_DATA", (folders.root + "/data").c_str(), 0);
    EXPECT_EXIT(
        {
            setenv("XDG_DATA_HOME", std::getenv("CLOUDPIERCER_TEST_DATA"), 1);
            disable_desktop();
            const char* argv[] = {"cloudpiercer"};
            if (start_desktop(1, argv) != -1) std::exit(3);
            restart_game(&loop);
            level_clock = 1;  // past the opening story
            set_score(2, 0, 0, 0);
            frame_direction();
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
    unsetenv("CLOUDPIERCER_TEST_DATA");
    EXPECT_NE(read_whole(folders.scores()).find("normal = 2000\n"), std::string::npos);
}

TEST_F(DesktopPlay, AHangUpEndsTheGameKeepingTheBestScore) {
    // The terminal the game was started from is closed in mid-game: the
    // game ends as at a window close, and the score reached is kept.
    setenv("CLOUDPIERCER_TEST_DATA", (folders.root + "/data").c_str(), 0);
    EXPECT_EXIT(
        {
            setenv("XDG_DATA_HOME", std::getenv("CLOUDPIERCER_TEST_DATA"), 1);
            disable_desktop();
            const char* argv[] = {"cloudpiercer"};
            if (start_desktop(1, argv) != -1) std::exit(3);
            boot_game(&loop);
            set_score(0, 3, 2, 1);
            raise(SIGHUP);
            for (int f = 0; f < 3 && !loop.quit_requested; ++f) frame_direction();
            std::exit(loop.quit_requested ? 0 : 4);
        },
        testing::ExitedWithCode(0), "");
    unsetenv("CLOUDPIERCER_TEST_DATA");
    EXPECT_NE(read_whole(folders.scores()).find("normal = 321\n"), std::string::npos);
}

TEST_F(DesktopPlay, VolumeKeysStepTheMixerAndMuteSilencesBoth) {
    auto volumes_after = [&](std::initializer_list<SDLKey> keys) {
        for (SDLKey k : keys) push_key(k);
        frame_direction();
        const int effects = Mix_Volume(-1, -1);
        // one level for both: the music keeps its place under the effects
        EXPECT_EQ(Mix_VolumeMusic(-1), MUSIC_VOLUME * effects / MIX_MAX_VOLUME);
        return effects;
    };
    EXPECT_EQ(volumes_after({}), MIX_MAX_VOLUME);  // no settings: as loud as ever
    EXPECT_EQ(volumes_after({SDLK_MINUS}), MIX_MAX_VOLUME - VOLUME_STEP);
    EXPECT_EQ(volumes_after({SDLK_KP_MINUS, SDLK_MINUS}), MIX_MAX_VOLUME - 3 * VOLUME_STEP);
    EXPECT_EQ(volumes_after({SDLK_EQUALS, SDLK_KP_PLUS}), MIX_MAX_VOLUME - VOLUME_STEP);
    EXPECT_EQ(volumes_after({SDLK_EQUALS, SDLK_EQUALS}), MIX_MAX_VOLUME);  // stops at full
    EXPECT_EQ(volumes_after({SDLK_m}), 0);
    EXPECT_EQ(volumes_after({SDLK_m}), MIX_MAX_VOLUME);
    EXPECT_EQ(volumes_after({SDLK_m, SDLK_MINUS}), MIX_MAX_VOLUME - VOLUME_STEP);  // a step unmutes
    for (int i = 0; i < VOLUME_LEVELS + 2; ++i) push_key(SDLK_MINUS);
    EXPECT_EQ(volumes_after({}), 0);
    EXPECT_EQ(volumes_after({SDLK_EQUALS, SDLK_m}), 0);

    // Remembered for the next run, which opens the mixer at that level.
    const std::string kept = read_whole(folders.settings());
    EXPECT_NE(kept.find("volume = 1\n"), std::string::npos);
    EXPECT_NE(kept.find("muted = yes\n"), std::string::npos);
    disable_desktop();
    set_master_volume(MIX_MAX_VOLUME);
    enable_desktop(folders.settings(), folders.scores());
    start_up();
    EXPECT_EQ(Mix_Volume(-1, -1), 0);
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    // The keys are the desktop's: M does not turn a story page.
    test_clock_set(0);
    schedule_key(1200, SDLK_m);
    schedule_key(2400, SDLK_RETURN);
    schedule_key(3600, SDLK_RETURN);
    story_screen(screen, 2);
    EXPECT_GE(clock_now(), 3600u);
    EXPECT_EQ(Mix_VolumeMusic(-1), MUSIC_VOLUME * VOLUME_STEP / MIX_MAX_VOLUME);
}

TEST_F(DesktopPlay, F11AndAltEnterSwitchTheDisplayOnEveryScreenKeepingTheGame) {
    SDL_Surface* const before = screen;
    ASSERT_TRUE(screen->flags & SDL_FULLSCREEN);  // the default
    const int32_t lives = player.lives;
    push_key(SDLK_F11);
    EXPECT_EQ(frame_direction(), DIR_IDLE);
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(screen, before);  // the screens hold this surface
    EXPECT_EQ(player.lives, lives);
    EXPECT_NE(read_whole(folders.settings()).find("fullscreen = no\n"), std::string::npos);

    SDL_Event alt_enter{};
    alt_enter.type = SDL_KEYDOWN;
    alt_enter.key.keysym.sym = SDLK_RETURN;
    alt_enter.key.keysym.mod = KMOD_LALT;
    push(alt_enter);
    frame_direction();
    EXPECT_TRUE(screen->flags & SDL_FULLSCREEN);

    // In the pause screen and on the title as well.
    for (SDLKey k : {SDLK_LSHIFT, SDLK_F11, SDLK_LSHIFT}) push_key(k);
    frame_direction();
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    push_key(SDLK_F11);
    push_key(SDLK_LCTRL);
    title_screen(screen);
    EXPECT_TRUE(screen->flags & SDL_FULLSCREEN);
    EXPECT_NE(read_whole(folders.settings()).find("fullscreen = yes\n"), std::string::npos);
}
