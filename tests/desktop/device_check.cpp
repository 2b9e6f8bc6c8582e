// The gamepad and the screen that SDL's dummy driver lacks, faked at link
// time: the linker hands the game's joystick calls and its questions about
// video modes to this file. A pad flooded past SDL's event queue must not
// leave the ship drifting or firing; a screen smaller than the game opens a
// window and keeps no mode it could not open.
#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/game_state.h"
#include "desktop/desktop.h"
#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "desktop/gamepad.h"
#include "game/game.h"
#include "tests/harness.h"
#include "tests/test_desktop_files.h"

extern "C" {
SDL_Surface* __real_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags);
int __real_SDL_VideoModeOK(int width, int height, int bpp, Uint32 flags);
}

namespace {

// The fake pad: what SDL would report of the device at this moment.
struct FakePad {
    bool plugged = false;
    Sint16 axis[2] = {};
    Uint8 hat = SDL_HAT_CENTERED;
    Uint8 button[8] = {};
};
FakePad fake_pad;
// Any address will do: only the fakes below see it.
SDL_Joystick* const FAKE_JOYSTICK = reinterpret_cast<SDL_Joystick*>(&fake_pad);

// The fake screen: no full-screen mode for the game, and perhaps no window.
bool small_screen = false;
bool no_window = false;

bool mode_refused(Uint32 flags) {
    return (small_screen && (flags & SDL_FULLSCREEN)) || (no_window && !(flags & SDL_FULLSCREEN));
}

}  // namespace

extern "C" {

int __wrap_SDL_NumJoysticks() {
    return fake_pad.plugged ? 1 : 0;
}
SDL_Joystick* __wrap_SDL_JoystickOpen(int index) {
    return fake_pad.plugged && index == 0 ? FAKE_JOYSTICK : nullptr;
}
int __wrap_SDL_JoystickNumAxes(SDL_Joystick*) {
    return 2;
}
int __wrap_SDL_JoystickNumHats(SDL_Joystick*) {
    return 1;
}
int __wrap_SDL_JoystickNumButtons(SDL_Joystick*) {
    return 8;
}
Sint16 __wrap_SDL_JoystickGetAxis(SDL_Joystick* j, int axis) {
    return j == FAKE_JOYSTICK && axis >= 0 && axis < 2 ? fake_pad.axis[axis] : 0;
}
Uint8 __wrap_SDL_JoystickGetHat(SDL_Joystick* j, int hat) {
    return j == FAKE_JOYSTICK && hat == 0 ? fake_pad.hat : Uint8(SDL_HAT_CENTERED);
}
Uint8 __wrap_SDL_JoystickGetButton(SDL_Joystick* j, int button) {
    return j == FAKE_JOYSTICK && button >= 0 && button < 8 ? fake_pad.button[button] : 0;
}

int __wrap_SDL_VideoModeOK(int width, int height, int bpp, Uint32 flags) {
    return mode_refused(flags) ? 0 : __real_SDL_VideoModeOK(width, height, bpp, flags);
}
SDL_Surface* __wrap_SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags) {
    if (!mode_refused(flags)) return __real_SDL_SetVideoMode(width, height, bpp, flags);
    SDL_SetError("No video mode large enough for %dx%d", width, height);
    return nullptr;
}

}  // extern "C"

namespace {

constexpr Sint16 FULL_TILT = 32767;
constexpr Sint16 WORN_REST = 3000;  // a stick at rest off centre, inside the dead zone

// SDL's own order as it reads the device: the state first, then the event,
// which a full queue drops. True when the event got into the queue.
bool move_axis(Uint8 axis, Sint16 value) {
    fake_pad.axis[axis] = value;
    SDL_Event e{};
    e.type = SDL_JOYAXISMOTION;
    e.jaxis = SDL_JoyAxisEvent{SDL_JOYAXISMOTION, 0, axis, value};
    return SDL_PushEvent(&e) == 0;
}
bool move_hat(Uint8 value) {
    fake_pad.hat = value;
    SDL_Event e{};
    e.type = SDL_JOYHATMOTION;
    e.jhat = SDL_JoyHatEvent{SDL_JOYHATMOTION, 0, 0, value};
    return SDL_PushEvent(&e) == 0;
}
bool press_button(Uint8 button, bool down) {
    fake_pad.button[button] = down;
    SDL_Event e{};
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton = SDL_JoyButtonEvent{e.type, 0, button, Uint8(down ? SDL_PRESSED : SDL_RELEASED)};
    return SDL_PushEvent(&e) == 0;
}

class FakePadPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        fake_pad = FakePad{};
        fake_pad.plugged = true;
        clear_events();
        enable_desktop(folders.settings(), folders.scores());
        boot_game(&loop);  // opens the pad
    }
    void TearDown() override {
        clear_events();
        disable_desktop();
        fake_pad = FakePad{};
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

TEST_F(FakePadPlay, AFloodPastTheEventQueueLeavesTheShipNeitherDriftingNorFiring) {
    ASSERT_TRUE(desktop.pad.joystick);
    ASSERT_TRUE(move_axis(0, FULL_TILT));
    ASSERT_TRUE(move_hat(SDL_HAT_UP));
    ASSERT_TRUE(press_button(0, true));
    EXPECT_EQ(frame_direction(), DIR_UP_RIGHT);
    EXPECT_TRUE(loop.fire_held);

    // A burst of pad events (a stick shaken at full tilt to the right) until
    // SDL's queue is full, then the releases, which it drops.
    int queued = 0;
    for (bool fits = true; fits; ++queued) fits = move_axis(0, queued % 2 ? FULL_TILT : FULL_TILT - 100);
    EXPECT_GE(queued, 100);
    EXPECT_FALSE(move_axis(0, WORN_REST));
    EXPECT_FALSE(move_hat(SDL_HAT_CENTERED));
    EXPECT_FALSE(press_button(0, false));

    EXPECT_EQ(frame_direction(), DIR_IDLE);
    EXPECT_FALSE(loop.fire_held);
    for (Shot& s : shots) s.direction = SHOT_FREE;
    for (int f = 0; f < 20; ++f) EXPECT_EQ(frame_direction(), DIR_IDLE);
    EXPECT_EQ(live_shot_count(), 0);
    for (SDLKey k : {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_LCTRL}) EXPECT_FALSE(gamepad_holds(k));

    // The pad plays on: the next tilt and press count at once.
    ASSERT_TRUE(move_axis(0, -FULL_TILT));
    ASSERT_TRUE(press_button(0, true));
    EXPECT_EQ(frame_direction(), DIR_LEFT);
    EXPECT_EQ(live_shot_count(), 1);
    EXPECT_TRUE(loop.fire_held);

    // A release of the hat alone lost in another flood: the stick still
    // holds left, and only the hat's up is let go.
    ASSERT_TRUE(move_hat(SDL_HAT_UP));
    EXPECT_EQ(frame_direction(), DIR_UP_LEFT);
    for (bool fits = true; fits;) fits = press_button(3, true);
    EXPECT_FALSE(move_hat(SDL_HAT_CENTERED));
    EXPECT_EQ(frame_direction(), DIR_LEFT);
    EXPECT_TRUE(loop.fire_held);
}

TEST_F(FakePadPlay, TheDeadZoneOfTheSettingsCountsInTheResync) {
    // A worn stick resting a little right, inside the dead zone: after a
    // flood the ship stays put; with no dead zone it is a tilt like any.
    ASSERT_TRUE(move_axis(0, FULL_TILT));
    EXPECT_EQ(frame_direction(), DIR_RIGHT);
    for (bool fits = true; fits;) fits = move_axis(1, 0);
    EXPECT_FALSE(move_axis(0, WORN_REST));
    EXPECT_EQ(frame_direction(), DIR_IDLE);

    desktop.settings.pad_dead_zone = 0;
    ASSERT_TRUE(move_axis(0, FULL_TILT));
    EXPECT_EQ(frame_direction(), DIR_RIGHT);
    for (bool fits = true; fits;) fits = move_axis(1, 0);
    EXPECT_FALSE(move_axis(0, WORN_REST));
    EXPECT_EQ(frame_direction(), DIR_RIGHT);  // still a tilt to the right
}

namespace {

class SmallScreen : public ::testing::Test {
  protected:
    void SetUp() override { clear_events(); }
    void TearDown() override {
        small_screen = no_window = false;
        clear_events();
        disable_desktop();
        start_up();  // back to the full screen the other tests expect
    }
    PlayerFolders folders;
};

int count_lines(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

}  // namespace

TEST_F(SmallScreen, APlainStartPlaysInAWindowAndNoModeItCouldNotOpenIsKept) {
    small_screen = true;
    enable_desktop(folders.settings(), folders.scores());
    testing::internal::CaptureStderr();
    start_up();
    std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(screen);
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(count_lines(said), 1) << said;
    EXPECT_NE(said.find("window"), std::string::npos) << said;

    // F11 cannot reach a full screen: it stays a window, and nothing is
    // written; the game goes on.
    LoopState loop;
    restart_game(&loop);
    level_clock = 1;
    testing::internal::CaptureStderr();
    push_key(SDLK_F11);
    run_frame(&loop);
    said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    EXPECT_LE(count_lines(said), 1) << said;
    EXPECT_FALSE(std::filesystem::exists(folders.settings()));
    // A setting changed since is written with the choice the file had.
    push_key(SDLK_m);
    run_frame(&loop);
    EXPECT_NE(read_whole(folders.settings()).find("fullscreen = yes\n"), std::string::npos);
    disable_desktop();

    // --fullscreen over a window in the file: a window, and the file still
    // says window when another setting is written.
    write_whole(folders.settings(), "fullscreen = no\n");
    const char* asked[] = {"cloudpiercer", "--fullscreen"};
    ASSERT_EQ(start_desktop(2, asked), -1);
    desktop.own_display = false;  // the fake small screen is the software path's; it has no OpenGL
    testing::internal::CaptureStderr();
    start_up();
    said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(count_lines(said), 1) << said;
    EXPECT_EQ(read_whole(folders.settings()), "fullscreen = no\n");
    push_key(SDLK_m);
    run_frame(&loop);
    EXPECT_NE(read_whole(folders.settings()).find("fullscreen = no\n"), std::string::npos);
    disable_desktop();

    // On a screen that has the mode, --fullscreen opens it and is kept.
    small_screen = false;
    write_whole(folders.settings(), "fullscreen = no\n");
    ASSERT_EQ(start_desktop(2, asked), -1);
    EXPECT_EQ(read_whole(folders.settings()), "fullscreen = no\n");  // not yet: nothing opened
    start_up();
    EXPECT_TRUE(screen->flags & SDL_FULLSCREEN);
    EXPECT_NE(read_whole(folders.settings()).find("fullscreen = yes\n"), std::string::npos);
}

TEST_F(SmallScreen, NoModeAtAllStopsWithOneLine) {
    EXPECT_EXIT(
        {
            small_screen = no_window = true;
            enable_desktop(folders.settings(), folders.scores());
            start_up();
        },
        testing::ExitedWithCode(1), "^[^\n]*800x600[^\n]*\n$");
}
