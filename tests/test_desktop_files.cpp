// The desktop's files and command line: options, the settings file and the
// best scores, missing, empty, damaged and unwritable; atomic replacement.
#include "tests/test_desktop_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/game_state.h"
#include "desktop/desktop.h"
#include "desktop/desktop_state.h"
#include "desktop/display.h"
#include "desktop/files.h"
#include "desktop/options.h"
#include "desktop/scores.h"
#include "desktop/settings.h"
#include "tests/data_folder.h"

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

class DesktopFiles : public ::testing::Test {
  protected:
    void TearDown() override { disable_desktop(); }
    PlayerFolders folders;
};

}  // namespace

TEST(Options, EveryOptionAndTheUsageError) {
    struct Case {
        std::vector<const char*> args;
        OptionAction action;
        DisplayChoice display;
        const char* bad;
    };
    const Case cases[] = {
        {{}, ACTION_PLAY, DISPLAY_AS_SET, ""},
        {{"--window"}, ACTION_PLAY, DISPLAY_WINDOW, ""},
        {{"--fullscreen"}, ACTION_PLAY, DISPLAY_FULLSCREEN, ""},
        {{"--window", "--fullscreen"}, ACTION_PLAY, DISPLAY_FULLSCREEN, ""},  // the last one counts
        {{"--help"}, ACTION_HELP, DISPLAY_AS_SET, ""},
        {{"-h"}, ACTION_HELP, DISPLAY_AS_SET, ""},
        {{"--window", "--version"}, ACTION_VERSION, DISPLAY_WINDOW, ""},
        {{"--help", "--bogus"}, ACTION_HELP, DISPLAY_AS_SET, ""},  // help wins over what follows
        {{"--windowed"}, ACTION_USAGE, DISPLAY_AS_SET, "--windowed"},
        {{"--window", "level3"}, ACTION_USAGE, DISPLAY_WINDOW, "level3"},
        {{"-"}, ACTION_USAGE, DISPLAY_AS_SET, "-"},
        {{""}, ACTION_USAGE, DISPLAY_AS_SET, ""},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv{"cloudpiercer"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const Options o = parse_options(int(argv.size()), argv.data());
        const std::string name = c.args.empty() ? "(none)" : c.args.back();
        EXPECT_EQ(o.action, c.action) << name;
        EXPECT_EQ(o.display, c.display) << name;
        EXPECT_EQ(o.bad, c.bad) << name;
    }
    // The help names every option and the new keys; the usage error is one line.
    for (const char* word : {"--window", "--fullscreen", "--help", "--version", "F11", "Alt+Enter", "M ",
                             "keypad", "settings", "scores"}) {
        EXPECT_NE(std::string(help_text()).find(word), std::string::npos) << word;
    }
    Options bad;
    bad.bad = "--x";
    const std::string line = usage_error(bad);
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    EXPECT_NE(line.find("'--x'"), std::string::npos);
}

TEST_F(DesktopFiles, StartStatusesAndTheWindowChoiceRemembered) {
    const char* help[] = {"cloudpiercer", "--help"};
    const char* version[] = {"cloudpiercer", "--version"};
    const char* bad[] = {"cloudpiercer", "--fast"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(start_desktop(2, help), 0);
    EXPECT_EQ(start_desktop(2, version), 0);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("--fullscreen"), std::string::npos);
    EXPECT_NE(out.find("1.0"), std::string::npos);
    int status = 0;
    EXPECT_EQ(warning_lines([&] { status = start_desktop(2, bad); }), 1);
    EXPECT_EQ(status, 2);
    EXPECT_FALSE(desktop.on);  // none of these starts a game or writes a file
    EXPECT_FALSE(std::filesystem::exists(folders.root + "/config"));

    // --window starts windowed and is written down for the next run, which
    // then opens a window without the option.
    const char* window[] = {"cloudpiercer", "--window"};
    const char* plain[] = {"cloudpiercer"};
    EXPECT_EQ(start_desktop(2, window), -1);
    EXPECT_TRUE(desktop.on);
    EXPECT_EQ(display_mode_flag(), 0u);
    disable_desktop();
    EXPECT_NE(read_whole(folders.settings()).find("fullscreen = no"), std::string::npos);
    EXPECT_EQ(start_desktop(1, plain), -1);
    EXPECT_FALSE(desktop.settings.fullscreen);
}

TEST_F(DesktopFiles, SettingsRoundTripAndDefaultsWhenMissingOrEmpty) {
    Settings s;
    EXPECT_EQ(warning_lines([&] { read_settings(folders.settings(), &s); }), 0);  // missing
    EXPECT_TRUE(s.fullscreen);
    EXPECT_EQ(s.volume, VOLUME_LEVELS);
    EXPECT_FALSE(s.muted);
    write_whole(folders.settings(), "");
    EXPECT_EQ(read_settings(folders.settings(), &s), 0);
    EXPECT_TRUE(s.fullscreen);

    const Settings changed{false, 3, true, 1234, 9};
    ASSERT_TRUE(write_file_atomically(folders.settings(), settings_text(changed)));
    Settings back;
    EXPECT_EQ(read_settings(folders.settings(), &back), 0);
    EXPECT_FALSE(back.fullscreen);
    EXPECT_EQ(back.volume, 3);
    EXPECT_TRUE(back.muted);
    EXPECT_EQ(back.pad_dead_zone, 1234);
    EXPECT_EQ(back.pad_start_button, 9);
}

TEST_F(DesktopFiles, DamagedSettingsWarnOncePerBadLineAndKeepTheRest) {
    write_whole(folders.settings(),
                "# a comment\n"
                "   \n"
                "volume = 5\n"
                "colour = blue\n"       // unknown key
                "muted = perhaps\n"     // bad switch
                "volume = 12\n"         // out of range: the 5 stays
                "pad_dead_zone = -3\n"  // not a number we take
                "fullscreen\n"          // no '='
                "= yes\n"               // no key
                "\xff\xfe\x01\n"        // binary junk
                "fullscreen=no\r\n");   // written on another system: still good
    Settings s;
    int warnings = 0;
    EXPECT_EQ(warning_lines([&] { warnings = read_settings(folders.settings(), &s); }), 7);
    EXPECT_EQ(warnings, 7);
    EXPECT_EQ(s.volume, 5);
    EXPECT_FALSE(s.muted);
    EXPECT_EQ(s.pad_dead_zone, PAD_DEAD_ZONE);
    EXPECT_FALSE(s.fullscreen);

    // A folder where the file should be cannot be read: defaults, one line.
    std::filesystem::remove(folders.settings());
    std::filesystem::create_directories(folders.settings());
    Settings d;
    EXPECT_EQ(warning_lines([&] { read_settings(folders.settings(), &d); }), 1);
    EXPECT_EQ(d.volume, VOLUME_LEVELS);
}

TEST_F(DesktopFiles, ScoresRoundTripMissingEmptyAndDamaged) {
    BestScores b;
    b.best[DIFFICULTY_NORMAL] = 77;
    EXPECT_EQ(warning_lines([&] { EXPECT_TRUE(read_scores(folders.scores(), &b)); }), 0);
    EXPECT_EQ(b.best[DIFFICULTY_NORMAL], 0);  // missing: no best scores
    write_whole(folders.scores(), "");
    EXPECT_TRUE(read_scores(folders.scores(), &b));

    BestScores kept;
    kept.best[DIFFICULTY_EASY] = 9999;
    kept.best[DIFFICULTY_HARD] = 40;
    ASSERT_TRUE(write_file_atomically(folders.scores(), scores_text(kept)));
    EXPECT_TRUE(read_scores(folders.scores(), &b));
    EXPECT_EQ(b.best[DIFFICULTY_EASY], 9999);
    EXPECT_EQ(b.best[DIFFICULTY_NORMAL], 0);
    EXPECT_EQ(b.best[DIFFICULTY_HARD], 40);

    // Lines the game cannot use are passed over with one warning for them
    // all; what it can use counts.
    struct Damaged {
        std::string text;
        int32_t easy;
    };
    const Damaged damaged[] = {
        {"easy = 12\nnormal = 3x\n", 12},
        {"easy = 10000\n", 0},
        {"easy = -1\n", 0},
        {"insane = 5\neasy = 7\n", 7},
        {"easy 12\n", 0},
        {"easy = 12\n\x89PNG\r\n\x1a\n", 12},
        {std::string(70000, '7'), 0},
        {"Easy = 30\n\xef\xbb\xbfx\n", 30},
    };
    for (const Damaged& d : damaged) {
        write_whole(folders.scores(), d.text);
        bool good = false;
        EXPECT_EQ(warning_lines([&] { good = read_scores(folders.scores(), &b); }), 1) << d.text;
        EXPECT_TRUE(good) << d.text;
        EXPECT_EQ(b.best[DIFFICULTY_EASY], d.easy) << d.text;
    }
    // A file that cannot be read at all: no best scores, one warning.
    write_whole(folders.scores(), std::string(1024 * 1024 + 1, '\n'));
    b.best[DIFFICULTY_EASY] = 5;
    bool good = true;
    EXPECT_EQ(warning_lines([&] { good = read_scores(folders.scores(), &b); }), 1);
    EXPECT_FALSE(good);
    EXPECT_EQ(b.best[DIFFICULTY_EASY], 0);
}

TEST_F(DesktopFiles, ReplacementIsAtomicAndAFailedWriteKeepsTheOldFile) {
    const std::string path = folders.scores();
    ASSERT_TRUE(write_file_atomically(path, "easy = 1\n"));  // makes the folders too
    struct stat first {};
    ASSERT_EQ(stat(path.c_str(), &first), 0);
    ASSERT_TRUE(write_file_atomically(path, "easy = 2\n"));
    struct stat second {};
    ASSERT_EQ(stat(path.c_str(), &second), 0);
    EXPECT_NE(first.st_ino, second.st_ino);  // a new file renamed over, not rewritten in place
    EXPECT_EQ(read_whole(path), "easy = 2\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));

    // What an earlier version left beside it is passed by, not opened.
    std::filesystem::create_directories(path + ".new");
    EXPECT_TRUE(write_file_atomically(path, "easy = 3\n"));
    EXPECT_EQ(read_whole(path), "easy = 3\n");
    EXPECT_TRUE(std::filesystem::is_directory(path + ".new"));

    // When the new file cannot be written whole (as on a full disk: here a
    // size limit), the old one stays and no new file is left.
    const ChildEnd end = run_in_child(
        [&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit tiny{4, 4};
            setrlimit(RLIMIT_FSIZE, &tiny);
            return write_file_atomically(path, "easy = 4444\n") ? 1 : 0;
        },
        5000);
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(read_whole(path), "easy = 3\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(folders.root + "/data/cloudpiercer"))
        ++entries;
    EXPECT_EQ(entries, 2);  // scores and the old scores.new
}

TEST_F(DesktopFiles, UnwritableFoldersWarnOnceAndTheGameGoesOn) {
    // A regular file where the folder should be: no one can make the folder,
    // not even root.
    write_whole(folders.root + "/blocked", "not a folder");
    enable_desktop(folders.root + "/blocked/cloudpiercer/settings",
                   folders.root + "/blocked/cloudpiercer/scores");
    EXPECT_EQ(warning_lines([] {
                  player.score_ones = score_hundreds = score_thousands = 0;
                  difficulty = DIFFICULTY_NORMAL;
                  score_tens = 5;
                  keep_best_score(true);
                  score_tens = 6;
                  keep_best_score(true);
                  save_settings();
                  save_settings();
              }),
              2);                                           // one for the scores, one for the settings
    EXPECT_EQ(desktop.scores.best[DIFFICULTY_NORMAL], 60);  // still the best of this run
    EXPECT_EQ(read_whole(folders.root + "/blocked"), "not a folder");
    score_tens = 0;
}
