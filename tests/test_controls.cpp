// The player's controls through the real frame loop and screens: remapped
// keys and pad buttons from the settings and from the controls screen, the
// help page, the pause when another window takes the keys, screenshots, the
// separate volumes and the level kept for "resume" in a later run.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "assets/sound_bank.h"
#include "controls/key_map.h"
#include "core/clock.h"
#include "desktop/desktop.h"
#include "desktop/desktop_state.h"
#include "desktop/scores.h"
#include "desktop/screenshot.h"
#include "desktop/settings.h"
#include "io/input.h"
#include "screens/pause.h"
#include "screens/story.h"
#include "screens/title.h"
#include "tests/data_folder.h"
#include "tests/harness.h"
#include "tests/test_desktop_files.h"

namespace {

// Lines written to stderr while f runs.
template <typename F>
int warning_lines(F f) {
    testing::internal::CaptureStderr();
    f();
    const std::string out = testing::internal::GetCapturedStderr();
    int lines = 0;
    for (char c : out) lines += c == '\n';
    return lines;
}

SDL_Event button_event(Uint8 button, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton = SDL_JoyButtonEvent{e.type, 0, button, Uint8(down ? SDL_PRESSED : SDL_RELEASED)};
    return e;
}

SDL_Event focus_event(bool gained) {
    SDL_Event e{};
    e.type = SDL_ACTIVEEVENT;
    e.active = SDL_ActiveEvent{SDL_ACTIVEEVENT, Uint8(gained ? 1 : 0), SDL_APPINPUTFOCUS};
    return e;
}

class Controls : public ::testing::Test {
  protected:
    // The desktop with a settings file of the test's own, then a game.
    void start(const std::string& settings_text = "") {
        if (!settings_text.empty()) write_whole(folders.settings(), settings_text);
        clear_events();
        enable_desktop(folders.settings(), folders.scores());
        // As boot_game does, but the title answered with the player's fire key.
        test_clock_set(0);
        start_up();
        load_sounds(&sounds);
        start_new_game();
        level_clock = 1;  // past the opening story
    }
    void start_new_game() {
        push_key(desktop.settings.keys.key[CONTROL_FIRE]);
        push_key(desktop.settings.keys.key[CONTROL_FIRE], false);
        start_game(&loop);
        clear_events();
        test_clock_set(0);
    }
    void TearDown() override {
        clear_events();
        disable_desktop();
        set_master_volume(MIX_MAX_VOLUME);
        resume_game = false;
        game_completed = false;
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
    void free_shots() {
        for (Shot& s : shots) s.direction = SHOT_FREE;
    }
    // Keys pressed and let go at a time each, from `at` on, 100 ms apart.
    Uint32 schedule_presses(Uint32 at, std::initializer_list<SDLKey> keys) {
        for (SDLKey k : keys) {
            schedule_key(at, k);
            schedule_key(at + 50, k, false);
            at += 100;
        }
        return at;
    }
    PlayerFolders folders;
    LoopState loop;
};

}  // namespace

TEST_F(Controls, KeysFromTheSettingsSteerAndFireAndTheGameNeverSeesThem) {
    start("key_left = a\nkey_fire = space\n");
    push_key(SDLK_a);
    EXPECT_EQ(frame_direction(), DIR_LEFT);
    EXPECT_TRUE(input_holds(SDLK_LEFT));
    push_key(SDLK_a, false);
    EXPECT_EQ(frame_direction(), DIR_IDLE);
    free_shots();
    push_key(SDLK_SPACE);
    frame_direction();
    EXPECT_EQ(live_shot_count(), 1);
    EXPECT_TRUE(loop.fire_held);
    push_key(SDLK_SPACE, false);
    frame_direction();
    EXPECT_FALSE(loop.fire_held);

    // The keys the player gave up do nothing; the unchanged ones still work.
    free_shots();
    push_key(SDLK_LEFT);
    push_key(SDLK_LCTRL);
    EXPECT_EQ(frame_direction(), DIR_IDLE);
    EXPECT_EQ(live_shot_count(), 0);
    clear_events();
    push_key(SDLK_UP);
    EXPECT_EQ(frame_direction(), DIR_UP);
    push_key(SDLK_UP, false);

    // A release lost where play did not see it: the re-sync asks for `a`.
    push_key(SDLK_a);
    EXPECT_EQ(frame_direction(), DIR_LEFT);
    SDL_GetKeyState(nullptr)[SDLK_a] = 0;
    EXPECT_EQ(frame_direction(), DIR_IDLE);

    // After the game is completed `a` releases a bonus carrier; steering
    // with it must not.
    game_completed = true;
    const int enemies_before = live_enemy_count();
    push_key(SDLK_a);
    EXPECT_EQ(frame_direction(), DIR_LEFT);
    EXPECT_EQ(live_enemy_count(), enemies_before);
    push_key(SDLK_a, false);
    frame_direction();
}

TEST_F(Controls, HandEditedKeysThatCannotBeTakenKeepTheirDefaultsWithOneWarningEach) {
    write_whole(folders.settings(),
                "key_up = escape\n"       // the desktop's
                "key_down = f12\n"        // the desktop's
                "key_right = sideways\n"  // no such key
                "key_fire = a\n"
                "key_left = a\n"  // fire has it: left stays
                "key_pause = space\n");
    Settings s;
    int warnings = 0;
    EXPECT_EQ(warning_lines([&] { warnings = read_settings(folders.settings(), &s); }), 4);
    EXPECT_EQ(warnings, 4);
    const KeyMap defaults;
    EXPECT_EQ(s.keys.key[CONTROL_UP], defaults.key[CONTROL_UP]);
    EXPECT_EQ(s.keys.key[CONTROL_DOWN], defaults.key[CONTROL_DOWN]);
    EXPECT_EQ(s.keys.key[CONTROL_RIGHT], defaults.key[CONTROL_RIGHT]);
    EXPECT_EQ(s.keys.key[CONTROL_LEFT], defaults.key[CONTROL_LEFT]);
    EXPECT_EQ(s.keys.key[CONTROL_FIRE], SDLK_a);
    EXPECT_EQ(s.keys.key[CONTROL_PAUSE], SDLK_SPACE);

    // Moving a key onto another control's default is fine when that control
    // moves too; the file written back reads the same.
    write_whole(folders.settings(), "key_fire = up\nkey_up = w\npad_fire = 2\npad_pause = 5\n");
    Settings moved;
    EXPECT_EQ(warning_lines([&] { read_settings(folders.settings(), &moved); }), 0);
    EXPECT_EQ(moved.keys.key[CONTROL_FIRE], SDLK_UP);
    EXPECT_EQ(moved.keys.key[CONTROL_UP], SDLK_w);
    const std::string text = settings_text(moved);
    EXPECT_NE(text.find("key_fire = up\n"), std::string::npos);
    EXPECT_NE(text.find("key_pause = left shift\n"), std::string::npos);
    EXPECT_EQ(text.find("pad_start_button"), std::string::npos);  // now pad_pause
    write_whole(folders.settings(), text);
    Settings back;
    EXPECT_EQ(warning_lines([&] { read_settings(folders.settings(), &back); }), 0);
    for (int c = 0; c < CONTROL_COUNT; ++c) EXPECT_EQ(back.keys.key[c], moved.keys.key[c]) << c;
    EXPECT_EQ(back.pad_fire_button, 2);
    EXPECT_EQ(back.pad_start_button, 5);
    // Fire and pause on one pad button: the later line keeps its default.
    write_whole(folders.settings(), "pad_pause = 3\npad_fire = 3\n");
    Settings buttons;
    EXPECT_EQ(warning_lines([&] { read_settings(folders.settings(), &buttons); }), 1);
    EXPECT_EQ(buttons.pad_start_button, 3);
    EXPECT_EQ(buttons.pad_fire_button, PAD_FIRE_BUTTON);
    write_whole(folders.settings(), "pad_fire = 7\n");  // the pause's default
    Settings on_pause;
    EXPECT_EQ(warning_lines([&] { read_settings(folders.settings(), &on_pause); }), 1);
    EXPECT_EQ(on_pause.pad_fire_button, PAD_FIRE_BUTTON);
    EXPECT_EQ(on_pause.pad_start_button, PAD_START_BUTTON);
    // A file of before keeps its pause button.
    write_whole(folders.settings(), "pad_start_button = 4\n");
    Settings old;
    EXPECT_EQ(read_settings(folders.settings(), &old), 0);
    EXPECT_EQ(old.pad_start_button, 4);
}

TEST_F(Controls, KeyNamesAreSdlsOwn) {
    start();  // the display is open: SDL knows its names
    int named = 0;
    for (int k = SDLK_FIRST; k < SDLK_LAST; ++k) {
        const std::string ours = key_name(SDLKey(k));
        if (ours.empty()) continue;
        ++named;
        EXPECT_EQ(ours, SDL_GetKeyName(SDLKey(k))) << k;
        EXPECT_EQ(key_of_name(ours), SDLKey(k)) << ours;
    }
    EXPECT_GT(named, 100);
    EXPECT_EQ(key_of_name("A"), SDLK_UNKNOWN);  // the key is `a`
    EXPECT_EQ(key_of_name(""), SDLK_UNKNOWN);
}

TEST_F(Controls, TheControlsScreenAssignsSwapsRefusesCancelsAndResets) {
    start();
    // Up gets w; down then takes w from it, and up gets down's arrow; F1 is
    // refused and Escape cancels; Escape leaves; left Ctrl starts a game.
    push_key(SDLK_F2);
    Uint32 t = schedule_presses(100, {SDLK_RETURN, SDLK_w, SDLK_DOWN, SDLK_RETURN, SDLK_w});
    t = schedule_presses(t, {SDLK_RETURN, SDLK_F1, SDLK_ESCAPE, SDLK_ESCAPE, SDLK_LCTRL});
    title_screen(screen);
    EXPECT_EQ(desktop.settings.keys.key[CONTROL_DOWN], SDLK_w);
    EXPECT_EQ(desktop.settings.keys.key[CONTROL_UP], SDLK_DOWN);
    const std::string kept = read_whole(folders.settings());
    EXPECT_NE(kept.find("key_down = w\n"), std::string::npos);
    EXPECT_NE(kept.find("key_up = down\n"), std::string::npos);

    // The new keys play.
    restart_game(&loop);
    level_clock = 1;
    push_key(SDLK_w);
    EXPECT_EQ(frame_direction(), DIR_DOWN);
    push_key(SDLK_w, false);
    push_key(SDLK_DOWN);
    EXPECT_EQ(frame_direction(), DIR_UP);
    clear_events();

    // Reset asks first: Escape says no, then Return says yes. The reset row
    // is the tenth; the volumes above it step with left and right.
    test_clock_set(0);
    push_key(SDLK_F2);
    t = schedule_presses(100, {SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN});
    t = schedule_presses(t,
                         {SDLK_LEFT, SDLK_LEFT, SDLK_DOWN, SDLK_LEFT, SDLK_DOWN, SDLK_RETURN, SDLK_ESCAPE});
    t = schedule_presses(t, {SDLK_ESCAPE, SDLK_LCTRL});
    title_screen(screen);
    EXPECT_EQ(desktop.settings.keys.key[CONTROL_DOWN], SDLK_w);  // not reset
    EXPECT_EQ(desktop.settings.music_volume, VOLUME_LEVELS - 2);
    EXPECT_EQ(desktop.settings.effects_volume, VOLUME_LEVELS - 1);
    EXPECT_EQ(Mix_Volume(-1, -1), MIX_MAX_VOLUME * (VOLUME_LEVELS - 1) / VOLUME_LEVELS);
    EXPECT_EQ(Mix_VolumeMusic(-1), MUSIC_VOLUME * (VOLUME_LEVELS - 2) / VOLUME_LEVELS);

    test_clock_set(0);
    push_key(SDLK_F2);
    t = schedule_presses(100, {SDLK_UP, SDLK_UP, SDLK_UP, SDLK_UP, SDLK_UP, SDLK_UP, SDLK_UP, SDLK_UP});
    t = schedule_presses(t, {SDLK_UP, SDLK_UP});  // stops at the first row
    for (int i = 0; i < 9; ++i) t = schedule_presses(t, {SDLK_DOWN});
    t = schedule_presses(t, {SDLK_RETURN, SDLK_RETURN, SDLK_ESCAPE, SDLK_LCTRL});
    title_screen(screen);
    const KeyMap defaults;
    for (int c = 0; c < CONTROL_COUNT; ++c) EXPECT_EQ(desktop.settings.keys.key[c], defaults.key[c]) << c;
    EXPECT_EQ(desktop.settings.music_volume, VOLUME_LEVELS);
    EXPECT_NE(read_whole(folders.settings()).find("key_down = down\n"), std::string::npos);
}

TEST_F(Controls, APadButtonRebindsOnTheControlsScreen) {
    start();
    // Fire's row is the fifth: button 3 fires from now on.
    push_key(SDLK_F2);
    Uint32 t = schedule_presses(100, {SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});
    schedule_event(t, button_event(3, true));
    schedule_event(t + 50, button_event(3, false));
    schedule_presses(t + 100, {SDLK_ESCAPE, SDLK_LCTRL});
    title_screen(screen);
    EXPECT_EQ(desktop.settings.pad_fire_button, 3);
    EXPECT_NE(read_whole(folders.settings()).find("pad_fire = 3\n"), std::string::npos);

    restart_game(&loop);
    level_clock = 1;
    free_shots();
    SDL_Event press = button_event(0, true);
    SDL_PushEvent(&press);
    frame_direction();
    EXPECT_EQ(live_shot_count(), 0);  // the first button no longer fires
    press = button_event(3, true);
    SDL_PushEvent(&press);
    frame_direction();
    EXPECT_EQ(live_shot_count(), 1);
    EXPECT_TRUE(loop.fire_held);
}

TEST_F(Controls, HelpHoldsPlayStillUntilF1OrEscape) {
    start();
    frame_direction();
    const int32_t clock_before = level_clock;
    test_clock_set(1000);
    push_key(SDLK_F1);
    schedule_key(3000, SDLK_F1);
    const int32_t x = player.x = 300;
    push_key(SDLK_RIGHT);  // held while the help shows: play does not move
    run_frame(&loop);
    EXPECT_GE(clock_now(), 3000u);
    EXPECT_EQ(level_clock, clock_before + 1);  // one frame, not sixty
    EXPECT_EQ(player.x, x);                    // the press was taken by the help page
    EXPECT_FALSE(loop.quit_requested);
    clear_events();

    // Escape closes it and does not quit; the picture is put back.
    const Rgb middle = screen_pixel(400, 300);
    push_key(SDLK_F1);
    schedule_key(clock_now() + 500, SDLK_ESCAPE);
    SDL_Event e;
    EXPECT_FALSE(poll_input(&e, INPUT_PLAY));
    EXPECT_EQ(screen_pixel(400, 300), middle);
    run_frame(&loop);
    EXPECT_FALSE(loop.quit_requested);
}

TEST_F(Controls, LosingTheFocusInPlayPausesIt) {
    start();
    test_clock_set(1000);
    SDL_Event lost = focus_event(false);
    SDL_PushEvent(&lost);
    schedule_key(2500, SDLK_LSHIFT);  // the pause key continues
    frame_direction();
    EXPECT_GE(clock_now(), 2500u);

    // Not on the title, and not when the setting says no.
    SDL_PushEvent(&lost);
    push_key(SDLK_LCTRL);
    const Uint32 before = clock_now();
    title_screen(screen);
    EXPECT_LT(clock_now() - before, 100u);
    clear_events();
    desktop.settings.pause_on_focus_loss = false;
    SDL_PushEvent(&lost);
    const Uint32 start_of_frame = clock_now();
    frame_direction();
    EXPECT_LT(clock_now() - start_of_frame, 100u);
}

namespace {

// Width and height of a PNG file; 0, 0 when it does not read as one.
std::pair<png_uint_32, png_uint_32> png_size(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return {0, 0};
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::pair<png_uint_32, png_uint_32> size{0, 0};
    if (png_image_begin_read_from_stdio(&image, f)) {
        size = {image.width, image.height};
        png_image_free(&image);
    }
    std::fclose(f);
    return size;
}

}  // namespace

TEST_F(Controls, F12KeepsThePictureAsAPngAndAnUnwritableFolderWarns) {
    start();
    frame_direction();
    push_key(SDLK_F12);
    frame_direction();
    const std::filesystem::path folder = screenshot_folder();
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++files;
        EXPECT_EQ(entry.path().extension(), ".png");
        EXPECT_EQ(entry.path().filename().string().rfind("cloudpiercer-", 0), 0u);
        EXPECT_EQ(png_size(entry.path()), std::make_pair(png_uint_32(800), png_uint_32(600)));
    }
    EXPECT_EQ(files, 1);
    // A second shot in the same second does not replace the first.
    EXPECT_FALSE(take_screenshot(screen).empty());
    files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files += entry.is_regular_file();
    EXPECT_EQ(files, 2);

    // A file where the folder should be: one line, and play goes on.
    std::filesystem::remove_all(folder);
    write_whole(folder.string().substr(0, folder.string().size() - 1), "not a folder");
    push_key(SDLK_F12);
    EXPECT_EQ(warning_lines([&] { frame_direction(); }), 1);
    EXPECT_FALSE(loop.quit_requested);
}

TEST_F(Controls, ResumeInANewProcessStartsAtTheLevelKept) {
    start();
    // The story before level 3 closes in play: the level is written at once.
    test_clock_set(0);
    schedule_key(1200, SDLK_RETURN);
    schedule_key(2400, SDLK_RETURN);
    story_screen(screen, 2);
    ASSERT_EQ(level, 3);
    frame_direction();
    EXPECT_NE(read_whole(folders.scores()).find("resume_level = 3\n"), std::string::npos);

    EXPECT_EXIT(
        {
            disable_desktop();
            level = 1;
            resume_game = false;
            enable_desktop(folders.settings(), folders.scores());
            start_up();
            push_key(SDLK_DOWN);
            push_key(SDLK_LCTRL);  // resume
            LoopState fresh;
            start_game(&fresh);
            std::exit(stage_flags[LEVEL3_ON] && !stage_flags[LEVEL1_ON] ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");

    // A damaged entry means level 1, and the scores stay.
    write_whole(folders.scores(), "normal = 120\nresume_level = 9\n");
    BestScores b;
    bool good = false;
    EXPECT_EQ(warning_lines([&] { good = read_scores(folders.scores(), &b); }), 1);
    EXPECT_TRUE(good);
    EXPECT_EQ(b.resume_level, 1);
    EXPECT_EQ(b.best[DIFFICULTY_NORMAL], 120);
}

TEST_F(Controls, ThePausePanelNamesThePlayersPauseKey) {
    start("key_pause = p\n");
    test_clock_set(1000);
    schedule_key(1500, SDLK_LSHIFT);  // not the pause key any more
    schedule_key(2000, SDLK_p);
    pause_screen(screen);
    EXPECT_GE(clock_now(), 2000u);
    // The panel's line that said left Shift is painted over and lettered.
    Uint8 r, g, b;
    SDL_GetRGB(SDL_MapRGB(screen->format, 15, 19, 62), screen->format, &r, &g, &b);
    EXPECT_EQ(screen_pixel(192, 324), (Rgb{r, g, b}));
    int bright = 0;
    for (int y = 328; y < 350; ++y) {
        for (int x = 250; x < 550; ++x) bright += screen_pixel(x, y).r > 200;
    }
    EXPECT_GT(bright, 100);
}

TEST_F(Controls, WithoutTheirPicturesTheControlsScreenAndTheHelpStillWork) {
    DataFolder data;  // the forged pictures, sounds and music, but no controls/ folder
    ASSERT_FALSE(std::filesystem::exists("controls"));
    start();
    push_key(SDLK_F2);
    schedule_presses(100, {SDLK_RETURN, SDLK_x, SDLK_ESCAPE, SDLK_LCTRL});
    title_screen(screen);
    EXPECT_EQ(desktop.settings.keys.key[CONTROL_UP], SDLK_x);
    restart_game(&loop);
    level_clock = 1;
    push_key(SDLK_F1);
    schedule_key(clock_now() + 300, SDLK_F1);
    frame_direction();
    EXPECT_FALSE(loop.quit_requested);
}
