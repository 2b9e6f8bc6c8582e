// The presenter's arithmetic on the desktops players have (where the picture
// lies, fit and integer, and how large a window opens), and the picture's
// settings in the settings file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "desktop/desktop_state.h"
#include "desktop/files.h"
#include "desktop/settings.h"
#include "present/layout.h"
#include "present/presenter.h"
#include "tests/test_desktop_files.h"

namespace {

constexpr int PW = 800, PH = 600;

struct Desktop {
    int w, h;
    ScreenRect fit, integer;
    int window_scale;  // auto
};

// clang-format off
const Desktop DESKTOPS[] = {
    //  screen         fit                          integer                       window
    {1280,  720,  { 160,    0,  960,  720}, { 240,   60,  800,  600}, 1},
    {1366,  768,  { 171,    0, 1024,  768}, { 283,   84,  800,  600}, 1},
    {1920, 1080,  { 240,    0, 1440, 1080}, { 560,  240,  800,  600}, 1},
    {1920, 1200,  { 160,    0, 1600, 1200}, { 160,    0, 1600, 1200}, 1},  // room for panels: not 2
    {2560, 1440,  { 320,    0, 1920, 1440}, { 480,  120, 1600, 1200}, 2},
    {3840, 2160,  { 480,    0, 2880, 2160}, { 720,  180, 2400, 1800}, 3},
    {5120, 2880,  { 640,    0, 3840, 2880}, { 960,  240, 3200, 2400}, 4},
    {1280, 1024,  {   0,   32, 1280,  960}, { 240,  212,  800,  600}, 1},
    {1080, 1920,  {   0,  555, 1080,  810}, { 140,  660,  800,  600}, 1},  // portrait
    {1440, 2560,  {   0,  740, 1440, 1080}, { 320,  980,  800,  600}, 1},
    {2160, 3840,  {   0, 1110, 2160, 1620}, { 280, 1320, 1600, 1200}, 2},
    { 800,  600,  {   0,    0,  800,  600}, {   0,    0,  800,  600}, 1},
    { 640,  480,  {   0,    0,  640,  480}, {   0,    0,  640,  480}, 1},  // too small: scaled down, whole
    {1024,  600,  {  112,   0,  800,  600}, { 112,    0,  800,  600}, 1},
};
// clang-format on

void expect_rect(const ScreenRect& got, const ScreenRect& want, const std::string& where) {
    EXPECT_EQ(got.x, want.x) << where;
    EXPECT_EQ(got.y, want.y) << where;
    EXPECT_EQ(got.w, want.w) << where;
    EXPECT_EQ(got.h, want.h) << where;
}

TEST(Present, FitAndIntegerRectanglesAndTheWindowOnCommonDesktops) {
    for (const Desktop& d : DESKTOPS) {
        const std::string where = std::to_string(d.w) + "x" + std::to_string(d.h);
        const ScreenRect fit = picture_rect(d.w, d.h, PW, PH, SCALE_FIT);
        const ScreenRect integer = picture_rect(d.w, d.h, PW, PH, SCALE_INTEGER);
        expect_rect(fit, d.fit, where + " fit");
        expect_rect(integer, d.integer, where + " integer");
        // Always whole on the screen and within a pixel of 4:3.
        for (const ScreenRect& r : {fit, integer}) {
            EXPECT_GE(r.x, 0) << where;
            EXPECT_GE(r.y, 0) << where;
            EXPECT_LE(r.x + r.w, d.w) << where;
            EXPECT_LE(r.y + r.h, d.h) << where;
            EXPECT_LE(std::abs(r.w * 3 - r.h * 4), 4) << where;
        }
        // Integer: a whole multiple whenever the picture fits at all.
        if (d.w >= PW && d.h >= PH) {
            EXPECT_EQ(integer.w % PW, 0) << where;
        }

        EXPECT_EQ(auto_window_scale(d.w, d.h, PW, PH), d.window_scale) << where;
        int w = 0, h = 0;
        PresentChoice automatic;
        presenter_window_size(automatic, d.w, d.h, PW, PH, &w, &h);
        EXPECT_EQ(w, PW * d.window_scale) << where;
        EXPECT_EQ(h, PH * d.window_scale) << where;
        // The window leaves room for the panels on every side it has.
        if (d.window_scale > 1) {
            EXPECT_LE(w + WINDOW_ROOM_W, d.w) << where;
            EXPECT_LE(h + WINDOW_ROOM_H, d.h) << where;
        }
        // A scale the player chose is taken as it is.
        PresentChoice twice;
        twice.window_scale = 2;
        presenter_window_size(twice, d.w, d.h, PW, PH, &w, &h);
        EXPECT_EQ(w, 1600) << where;
        EXPECT_EQ(h, 1200) << where;
    }
    // The 4K desktop: a window of at least 1600x1200.
    EXPECT_GE(auto_window_scale(3840, 2160, PW, PH) * PW, 1600);
    // A desktop of unknown size (the dummy driver reports 0x0): one picture.
    EXPECT_EQ(auto_window_scale(0, 0, PW, PH), 1);
}

class PresentSettings : public ::testing::Test {
  protected:
    PlayerFolders folders;
};

TEST_F(PresentSettings, PictureChoicesReadWrittenAndBadWordsIgnored) {
    Settings s;
    EXPECT_EQ(s.scale, SETTING_SCALE_FIT);  // the defaults: fit, smooth, vsync, a window that fits
    EXPECT_EQ(s.filter, SETTING_FILTER_SMOOTH);
    EXPECT_EQ(s.vsync, 1);
    EXPECT_EQ(s.window_scale, WINDOW_SCALE_AUTO);
    const std::string defaults = settings_text(s);
    for (const char* line :
         {"\nscale = fit\n", "\nfilter = smooth\n", "\nvsync = on\n", "\nwindow_scale = auto\n"}) {
        EXPECT_NE(defaults.find(line), std::string::npos) << line;
    }

    write_whole(folders.settings(),
                "scale = integer\n"
                "filter = sharp\n"
                "vsync = off\n"
                "window_scale = 3\n");
    EXPECT_EQ(read_settings(folders.settings(), &s), 0);
    EXPECT_EQ(s.scale, SETTING_SCALE_INTEGER);
    EXPECT_EQ(s.filter, SETTING_FILTER_SHARP);
    EXPECT_EQ(s.vsync, 0);
    EXPECT_EQ(s.window_scale, 3);
    ASSERT_TRUE(write_file_atomically(folders.settings(), settings_text(s)));
    Settings back;
    EXPECT_EQ(read_settings(folders.settings(), &back), 0);
    EXPECT_EQ(back.scale, SETTING_SCALE_INTEGER);
    EXPECT_EQ(back.filter, SETTING_FILTER_SHARP);
    EXPECT_EQ(back.vsync, 0);
    EXPECT_EQ(back.window_scale, 3);

    // Words not in the list, in another case, or past the end warn and
    // leave the setting as it was.
    write_whole(folders.settings(),
                "scale = stretch\n"
                "filter = Sharp\n"
                "vsync = \n"
                "window_scale = 5\n"
                "window_scale = 0\n"
                "window_scale = 2\n");
    Settings d;
    testing::internal::CaptureStderr();
    const int warnings = read_settings(folders.settings(), &d);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(warnings, 5);
    EXPECT_EQ(d.scale, SETTING_SCALE_FIT);
    EXPECT_EQ(d.filter, SETTING_FILTER_SMOOTH);
    EXPECT_EQ(d.vsync, 1);
    EXPECT_EQ(d.window_scale, 2);
}

}  // namespace
