// The player's files as a hostile tester leaves them: named pipes, links,
// folders and leftovers where the files or their new copies go, lines from a
// newer version, and two games writing at once. Nothing hangs, nothing is
// written through a leftover or outside the files' places, no best is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "desktop/desktop.h"
#include "desktop/desktop_state.h"
#include "desktop/files.h"
#include "desktop/options.h"
#include "desktop/scores.h"
#include "desktop/settings.h"
#include "tests/data_folder.h"
#include "tests/test_desktop_files.h"

namespace fs = std::filesystem;

namespace {

// Long enough for a loaded machine; a hang runs into it.
constexpr int CHILD_MS = 10000;

int count_lines(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

template <typename F>
std::string warnings_of(F f) {
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
}

void set_score(int32_t score) {
    player.score_ones = score % 10;
    score_tens = score / 10 % 10;
    score_hundreds = score / 100 % 10;
    score_thousands = score / 1000;
}

// A game on `level` ends with `score`: the best is kept and the file written.
void end_game_with(int level, int32_t score) {
    difficulty = level;
    set_score(score);
    keep_best_score(true);
    set_score(0);
}

bool is_fifo(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// The names in a folder, sorted.
std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// What a hostile tester puts where a file is looked for.
enum Oddity { NAMED_PIPE, LINK_TO_PIPE, FOLDER, LINK_TO_DEVICE, LINK_LOOP };
const char* const ODDITY_NAME[] = {"named pipe", "link to a pipe", "folder", "link to a device",
                                   "loop of links"};

void make_oddity(Oddity odd, const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    switch (odd) {
        case NAMED_PIPE:
            mkfifo(path.c_str(), 0600);
            break;
        case LINK_TO_PIPE:
            mkfifo((path + "-pipe").c_str(), 0600);
            fs::create_symlink(path + "-pipe", path);
            break;
        case FOLDER:
            fs::create_directories(path);
            break;
        case LINK_TO_DEVICE:
            fs::create_symlink("/dev/zero", path);
            break;
        case LINK_LOOP:
            fs::create_symlink(path + "-other", path);
            fs::create_symlink(path, path + "-other");
            break;
    }
}

class HostileFiles : public ::testing::Test {
  protected:
    void TearDown() override {
        disable_desktop();
        set_score(0);
        difficulty = DIFFICULTY_NORMAL;
    }
    std::string config() const { return folders.root + "/config/cloudpiercer"; }
    std::string data() const { return folders.root + "/data/cloudpiercer"; }
    PlayerFolders folders;
};

}  // namespace

TEST_F(HostileFiles, FilesThatAreNotPlainAreNeitherWaitedForNorWrittenOver) {
    for (Oddity odd : {NAMED_PIPE, LINK_TO_PIPE, FOLDER, LINK_TO_DEVICE, LINK_LOOP}) {
        SCOPED_TRACE(ODDITY_NAME[odd]);
        fs::remove_all(folders.root + "/config");
        fs::remove_all(folders.root + "/data");
        make_oddity(odd, folders.settings());
        make_oddity(odd, folders.scores());
        const std::vector<std::string> settings_folder = names_in(config());
        const std::vector<std::string> scores_folder = names_in(data());
        // In a child: a hang ends in its time limit instead of the suite's.
        const ChildEnd end = run_in_child(
            [&] {
                enable_desktop(folders.settings(), folders.scores());
                const bool defaults = desktop.settings.volume == VOLUME_LEVELS && desktop.settings.fullscreen;
                desktop.settings.muted = true;  // as M does
                save_settings();
                end_game_with(DIFFICULTY_NORMAL, 1234);
                return defaults ? 0 : 1;
            },
            CHILD_MS);
        EXPECT_EQ(end.status, 0);
        // Said once for each file, with no second word at the writes.
        EXPECT_EQ(count_lines(end.errors), 2) << end.errors;
        EXPECT_NE(end.errors.find("left as it is"), std::string::npos) << end.errors;
        // Both left exactly as they were, nothing beside them.
        EXPECT_EQ(names_in(config()), settings_folder);
        EXPECT_EQ(names_in(data()), scores_folder);
        if (odd == NAMED_PIPE) {
            EXPECT_TRUE(is_fifo(folders.settings()) && is_fifo(folders.scores()));
        }
        if (odd != NAMED_PIPE && odd != FOLDER) {
            EXPECT_TRUE(fs::is_symlink(folders.settings()) && fs::is_symlink(folders.scores()));
        }
    }
}

TEST_F(HostileFiles, LeftoverNewFilesOfAnyKindAreNeverOpened) {
    // Whatever an earlier version, a crash or a hostile tester left under
    // the old name of the new file.
    const std::string victim = folders.root + "/victim";
    write_whole(victim, "not the game's\n");
    fs::create_directories(folders.root + "/victim-folder");
    struct Leftover {
        const char* what;
        void (*make)(const std::string& path, const std::string& victim);
    };
    const Leftover leftovers[] = {
        {"named pipe", [](const std::string& p, const std::string&) { mkfifo(p.c_str(), 0600); }},
        {"link to a file", [](const std::string& p, const std::string& v) { fs::create_symlink(v, p); }},
        {"link to a folder",
         [](const std::string& p, const std::string& v) { fs::create_symlink(v + "-folder", p); }},
        {"link to nothing",
         [](const std::string& p, const std::string& v) { fs::create_symlink(v + "-none", p); }},
        {"folder", [](const std::string& p, const std::string&) { fs::create_directories(p); }},
        {"plain file", [](const std::string& p, const std::string&) { write_whole(p, "half"); }},
    };
    for (const Leftover& left : leftovers) {
        SCOPED_TRACE(left.what);
        fs::remove_all(folders.root + "/config");
        fs::remove_all(folders.root + "/data");
        fs::create_directories(config());
        fs::create_directories(data());
        left.make(folders.settings() + ".new", victim);
        left.make(folders.scores() + ".new", victim);
        const ChildEnd end = run_in_child(
            [&] {
                enable_desktop(folders.settings(), folders.scores());
                desktop.settings.muted = true;
                save_settings();
                end_game_with(DIFFICULTY_NORMAL, 1234);
                return 0;
            },
            CHILD_MS);
        EXPECT_EQ(end.status, 0);
        EXPECT_EQ(end.errors, "");
        EXPECT_FALSE(fs::is_symlink(folders.settings()));
        EXPECT_NE(read_whole(folders.settings()).find("muted = yes\n"), std::string::npos);
        EXPECT_NE(read_whole(folders.scores()).find("normal = 1234\n"), std::string::npos);
        EXPECT_EQ(read_whole(victim), "not the game's\n");
        EXPECT_TRUE(fs::is_empty(folders.root + "/victim-folder"));
        EXPECT_FALSE(fs::exists(folders.root + "/victim-none"));
        // The leftover itself is left alone, and the new file is gone.
        EXPECT_EQ(names_in(config()), (std::vector<std::string>{"settings", "settings.new"}));
        EXPECT_EQ(names_in(data()), (std::vector<std::string>{"scores", "scores.new"}));
    }
}

TEST_F(HostileFiles, AFileReachedThroughALinkIsReplacedWhereTheLinkLeads) {
    // A dotfile manager's links: relative for the settings, a chain of two
    // for the scores; the files they lead to keep their modes.
    const std::string dotfiles = folders.root + "/dotfiles";
    write_whole(dotfiles + "/settings", "volume = 3\n");
    write_whole(dotfiles + "/scores", "hard = 40\n");
    fs::permissions(dotfiles + "/settings", fs::perms(0600));
    fs::create_directories(config());
    fs::create_directories(data());
    fs::create_symlink("../../dotfiles/settings", folders.settings());
    fs::create_symlink(dotfiles + "/scores-link", folders.scores());
    fs::create_symlink("scores", dotfiles + "/scores-link");

    enable_desktop(folders.settings(), folders.scores());
    EXPECT_EQ(desktop.settings.volume, 3);
    EXPECT_EQ(desktop.scores.best[DIFFICULTY_HARD], 40);
    desktop.settings.muted = true;
    save_settings();
    end_game_with(DIFFICULTY_NORMAL, 77);
    EXPECT_TRUE(fs::is_symlink(folders.settings()));
    EXPECT_TRUE(fs::is_symlink(folders.scores()) && fs::is_symlink(dotfiles + "/scores-link"));
    EXPECT_NE(read_whole(dotfiles + "/settings").find("muted = yes\n"), std::string::npos);
    EXPECT_NE(read_whole(dotfiles + "/settings").find("volume = 3\n"), std::string::npos);
    EXPECT_EQ(fs::status(dotfiles + "/settings").permissions() & fs::perms::all, fs::perms(0600));
    EXPECT_EQ(read_whole(dotfiles + "/scores"), "hard = 40\nnormal = 77\n");
    EXPECT_EQ(names_in(dotfiles), (std::vector<std::string>{"scores", "scores-link", "settings"}));
    disable_desktop();

    // A link to a file not yet made: it is made there.
    fs::remove(dotfiles + "/settings");
    enable_desktop(folders.settings(), folders.scores());
    save_settings();
    EXPECT_TRUE(fs::is_symlink(folders.settings()));
    EXPECT_NE(read_whole(dotfiles + "/settings").find("volume = 8\n"), std::string::npos);

    // A loop of links is no file to write.
    fs::remove(folders.settings());
    fs::create_symlink("settings-loop", folders.settings());
    fs::create_symlink("settings", config() + "/settings-loop");
    EXPECT_FALSE(write_file_atomically(folders.settings(), "volume = 1\n"));
    EXPECT_EQ(names_in(config()), (std::vector<std::string>{"settings", "settings-loop"}));
}

TEST_F(HostileFiles, LinesTheGameCannotUseAreKeptAndBestsAreNeverLost) {
    // A newer version's key, a value past the four digits, a byte-order mark
    // and a hand-edited capital: the bests still count, the rest is kept.
    write_whole(folders.scores(),
                "\xEF\xBB\xBF# mine\n"
                "easy = 500\n"
                "Normal = 1234\n"
                "hard = 800\n"
                "resume = 3\n"
                "hard = 12000\n"
                "colour: blue");
    const std::string said = warnings_of([&] { enable_desktop(folders.settings(), folders.scores()); });
    EXPECT_EQ(count_lines(said), 1) << said;  // one line for the three it cannot use
    EXPECT_EQ(desktop.scores.best[DIFFICULTY_EASY], 500);
    EXPECT_EQ(desktop.scores.best[DIFFICULTY_NORMAL], 1234);
    EXPECT_EQ(desktop.scores.best[DIFFICULTY_HARD], 800);

    end_game_with(DIFFICULTY_NORMAL, 50);  // no new best: the file as it was
    end_game_with(DIFFICULTY_HARD, 2000);
    EXPECT_EQ(read_whole(folders.scores()),
              "# mine\n"
              "easy = 500\n"
              "normal = 1234\n"
              "hard = 2000\n"
              "resume = 3\n"
              "hard = 12000\n"
              "colour: blue\n");
}

TEST_F(HostileFiles, TwoGamesEndingTogetherKeepBothBests) {
    // One game started, another wrote a best since: both are kept, and this
    // game shows the other's from then on.
    enable_desktop(folders.settings(), folders.scores());
    write_whole(folders.scores(), "normal = 700\n");
    end_game_with(DIFFICULTY_EASY, 300);
    end_game_with(DIFFICULTY_NORMAL, 600);
    EXPECT_EQ(read_whole(folders.scores()), "normal = 700\neasy = 300\n");
    EXPECT_EQ(desktop.scores.best[DIFFICULTY_NORMAL], 700);
    disable_desktop();

    // Two processes, both started on the same file and let go at the same
    // moment, each with a best of its own.
    for (int trial = 0; trial < 12; ++trial) {
        fs::remove_all(folders.root + "/data");
        int ready[2], go[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(go), 0);
        pid_t games[2];
        for (int g = 0; g < 2; ++g) {
            games[g] = fork();
            ASSERT_GE(games[g], 0);
            if (games[g] == 0) {
                close(ready[0]);
                close(go[1]);
                enable_desktop(folders.settings(), folders.scores());
                char c = 'r';
                if (write(ready[1], &c, 1) != 1 || read(go[0], &c, 1) != 0) _exit(2);
                end_game_with(g == 0 ? DIFFICULTY_EASY : DIFFICULTY_HARD, 100 * (g + 1) + trial);
                _exit(0);
            }
        }
        close(ready[1]);
        close(go[0]);
        char c;
        for (int g = 0; g < 2; ++g) EXPECT_EQ(read(ready[0], &c, 1), 1);
        close(go[1]);  // both read the end of the pipe at once
        for (pid_t game : games) {
            int status = 0;
            waitpid(game, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        close(ready[0]);
        const std::string scores = read_whole(folders.scores());
        EXPECT_NE(scores.find("easy = " + std::to_string(100 + trial) + "\n"), std::string::npos) << scores;
        EXPECT_NE(scores.find("hard = " + std::to_string(200 + trial) + "\n"), std::string::npos) << scores;
        EXPECT_EQ(names_in(data()), std::vector<std::string>{"scores"});
    }
}

TEST_F(HostileFiles, SettingsThatCannotBeReadAreNeverWrittenOver) {
    // Over 1 MiB of good lines and comments: too big to be ours, kept.
    const std::string comments(1100 * 1024, '#');
    write_whole(folders.settings(), comments + "\nvolume = 3\n");
    std::string said = warnings_of([&] { enable_desktop(folders.settings(), folders.scores()); });
    EXPECT_EQ(count_lines(said), 1) << said;
    EXPECT_EQ(desktop.settings.volume, VOLUME_LEVELS);
    said = warnings_of([] {
        desktop.settings.muted = true;
        save_settings();
        save_settings();
    });
    EXPECT_EQ(said, "");
    EXPECT_EQ(read_whole(folders.settings()), comments + "\nvolume = 3\n");
    disable_desktop();

    // Under it, however long the comments: read, and written again.
    write_whole(folders.settings(), "# " + std::string(200 * 1024, '-') + "\nvolume = 3\n");
    enable_desktop(folders.settings(), folders.scores());
    EXPECT_EQ(desktop.settings.volume, 3);
    save_settings();
    EXPECT_NE(read_whole(folders.settings()).find("volume = 3\n"), std::string::npos);
    disable_desktop();

    // A byte-order mark before the first key is no part of it.
    write_whole(folders.settings(), "\xEF\xBB\xBFvolume = 2\n");
    Settings s;
    EXPECT_EQ(warnings_of([&] { EXPECT_EQ(read_settings(folders.settings(), &s), 0); }), "");
    EXPECT_EQ(s.volume, 2);
}

TEST_F(HostileFiles, FoldersAreMadeForThePlayerAlone) {
    enable_desktop(player_file("XDG_CONFIG_HOME", ".config", "settings"),
                   player_file("XDG_DATA_HOME", ".local/share", "scores"));
    save_settings();
    end_game_with(DIFFICULTY_EASY, 10);
    for (const std::string& folder : {folders.root + "/config", config(), folders.root + "/data", data()}) {
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all) << folder;
    }
}

TEST(PadSettings, SettingsThatWouldLeaveThePadUnusableAreRefused) {
    PlayerFolders folders;
    write_whole(folders.settings(), "pad_start_button = 0\npad_dead_zone = 32767\n");
    Settings s;
    std::string said = warnings_of([&] { EXPECT_EQ(read_settings(folders.settings(), &s), 2); });
    EXPECT_NE(said.find("fire button"), std::string::npos) << said;
    EXPECT_NE(said.find("no travel"), std::string::npos) << said;
    EXPECT_EQ(s.pad_start_button, PAD_START_BUTTON);
    EXPECT_EQ(s.pad_dead_zone, PAD_DEAD_ZONE);
    // Just inside: taken.
    write_whole(folders.settings(), "pad_start_button = 1\npad_dead_zone = 32766\n");
    EXPECT_EQ(read_settings(folders.settings(), &s), 0);
    EXPECT_EQ(s.pad_start_button, 1);
    EXPECT_EQ(s.pad_dead_zone, 32766);
}

TEST(EchoedText, ControlCharactersAreShownEscaped) {
    EXPECT_EQ(printable("plain = text"), "plain = text");
    EXPECT_EQ(printable("\x1b[2J\a\t\x7f"), "\\x1b[2J\\x07\\x09\\x7f");
    EXPECT_EQ(printable("caf\xC3\xA9 \xE2\x9C\x88"), "caf\xC3\xA9 \xE2\x9C\x88");  // UTF-8 stays
    // A C1 control in UTF-8, a lone lead byte, a cut sequence, an overlong
    // slash and a surrogate.
    EXPECT_EQ(printable("\xC2\x9B"), "\\xc2\\x9b");
    EXPECT_EQ(printable("\xC3"), "\\xc3");
    EXPECT_EQ(printable("\xE2\x9C"), "\\xe2\\x9c");
    EXPECT_EQ(printable("\xC0\xAF"), "\\xc0\\xaf");
    EXPECT_EQ(printable("\xED\xA0\x80"), "\\xed\\xa0\\x80");

    // In the warnings about a file and the command line.
    PlayerFolders folders;
    write_whole(folders.settings(), "\x1b]0;owned\acolour = x\nvolume = \x1b[31mloud\n");
    Settings s;
    std::string said = warnings_of([&] { read_settings(folders.settings(), &s); });
    Options bad;
    bad.bad = "--\x1b[2J";
    said += usage_error(bad);
    EXPECT_EQ(count_lines(said), 3) << said;
    for (char c : said) EXPECT_TRUE(c == '\n' || (unsigned char)c >= 0x20) << int(c);
    EXPECT_NE(said.find("\\x1b]0;owned\\x07colour"), std::string::npos) << said;
    EXPECT_NE(said.find("'\\x1b[31mloud'"), std::string::npos) << said;
    EXPECT_NE(said.find("'--\\x1b[2J'"), std::string::npos) << said;
}
