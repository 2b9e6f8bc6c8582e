// Every data file of the game, damaged in every way a player's folder can
// damage it: the game either plays on without it, or stops at once with one
// line naming it and status 1. Nothing hangs, crashes or floods the terminal.
//
// The checks run in forked children, so a hang or a crash is counted instead
// of taking the test down. The children are started before this process
// opens the audio device (ctest gives every test a process of its own).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "assets/image_bank.h"
#include "assets/sound_bank.h"
#include "core/clock.h"
#include "screens/pause.h"
#include "screens/story.h"
#include "tests/data_folder.h"
#include "tests/harness.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<Uint8>;

enum Damage {
    MISSING,
    EMPTY,
    TRUNCATED,
    RANDOM,
    WRONG_KIND,
    ABSURD_HEADER,
    FOLDER,
    NAMED_PIPE,
    DAMAGE_COUNT
};
const char* const DAMAGE_NAMES[DAMAGE_COUNT] = {"missing",    "empty",         "truncated", "random bytes",
                                                "wrong kind", "absurd header", "a folder",  "a named pipe"};

// Pictures the game can do without: backgrounds, the boss bar and the
// screens' pictures are drawn when there; every other picture is a sprite
// that play cannot draw or hit-test without.
const std::set<std::string> OPTIONAL_PICTURES = {
    "bmp/openspace.bmp", "bmp/rural.bmp",  "bmp/rural2.bmp", "bmp/lvl1bossbg.bmp", "bmp/water.bmp",
    "bmp/water2.bmp",    "bmp/sand.bmp",   "bmp/sand2.bmp",  "bmp/thebosshp.bmp",  "bmp/titlescreen.bmp",
    "bmp/easy.bmp",      "bmp/normal.bmp", "bmp/hard.bmp",   "bmp/paused.bmp"};

constexpr int CHILD_MS = 20000;  // far beyond any real load: only a hang takes this long

std::string kind_of(const std::string& file) {
    return fs::path(file).parent_path().string();
}

// Our own instruments for the music: without them the system's play it.
bool is_bank(const std::string& file) {
    return file == INSTRUMENT_BANK_FILE;
}

bool required(const std::string& file) {
    return kind_of(file) == "bmp" && !OPTIONAL_PICTURES.count(file);
}

// Every file of the forged data tree, folder by folder.
std::vector<std::string> data_files() {
    std::vector<std::string> files;
    for (const char* sub : {"bmp", "story", "wav", "midi"}) {
        for (const auto& entry : fs::directory_iterator(sub))
            files.push_back(sub + ("/" + entry.path().filename().string()));
    }
    std::sort(files.begin(), files.end());
    return files;
}

void put_le32(Bytes* b, size_t at, Uint32 v) {
    for (int i = 0; i < 4; ++i) (*b)[at + size_t(i)] = Uint8(v >> (8 * i));
}

// The file's header with sizes no real file has.
Bytes absurd(const std::string& file, Bytes b) {
    const std::string kind = kind_of(file);
    if (kind == "bmp" || kind == "story") {
        put_le32(&b, 18, 0x40000000);  // width
        put_le32(&b, 22, 0x40000000);  // height
    } else if (is_bank(file)) {
        put_le32(&b, 4, 0xfffffff0);  // RIFF size
    } else if (kind == "wav") {
        put_le32(&b, 4, 0xfffffff0);   // RIFF size
        b[22] = 0;                     // no channels
        put_le32(&b, 24, 0xffffffff);  // samples per second
        put_le32(&b, 40, 0x7ffffff0);  // data size
    } else {
        b[10] = 0xff;  // 65535 tracks
        b[11] = 0xff;
        put_le32(&b, 18, 0xf0ffffff);  // first track's length, big-endian in the file
    }
    return b;
}

void damage(DataFolder* data, const std::string& file, Damage how, std::mt19937* random) {
    const Bytes good = data->original(file);
    switch (how) {
        case MISSING:
            data->remove(file);
            break;
        case EMPTY:
            data->write(file, {});
            break;
        case TRUNCATED:
            data->write(file, Bytes(good.begin(), good.begin() + long(good.size() / 2)));
            break;
        case RANDOM: {
            Bytes noise(good.size());
            for (Uint8& b : noise) b = Uint8((*random)());
            data->write(file, noise);
            break;
        }
        case WRONG_KIND:
            data->write(file, data->original(kind_of(file) == "wav" ? "bmp/pcicon.bmp" : "wav/beep.wav"));
            break;
        case ABSURD_HEADER:
            data->write(file, absurd(file, good));
            break;
        case FOLDER:
            data->make_folder(file);
            break;
        case NAMED_PIPE:
            data->make_named_pipe(file);
            break;
        case DAMAGE_COUNT:
            break;
    }
}

// A plain file that is there but unusable: music says so, once. The
// instrument bank is named whenever it cannot be used, missing or not.
bool music_warns(const std::string& file, Damage how) {
    if (is_bank(file)) return true;
    return kind_of(file) == "midi" && how != MISSING && how != FOLDER && how != NAMED_PIPE;
}

// Loads the one file the way the game does, in a child.
ChildEnd load_in_child(const std::string& file) {
    return run_in_child(
        [&] {
            const std::string kind = kind_of(file);
            if (required(file)) {
                load_required_picture(file.c_str());  // ends the program when unusable
                return 0;
            }
            if (kind == "wav") {
                Mix_OpenAudio(44100, AUDIO_S16MSB, 2, 2048);
                return load_chunk(file.c_str()) ? 10 : 0;
            }
            if (is_bank(file)) return use_instrument_bank() ? 10 : 0;
            if (kind == "midi") return load_music(file.c_str()) ? 10 : 0;
            return load_raw_picture(file.c_str()) ? 10 : 0;
        },
        CHILD_MS);
}

// The outcome of one damaged file: what a player would see.
std::string outcome(const std::string& file, Damage how, const ChildEnd& end) {
    const long lines = std::count(end.errors.begin(), end.errors.end(), '\n');
    const bool names_it = end.errors.find("\"" + file + "\"") != std::string::npos;
    if (end.status < 0) return "hung or crashed";
    if (end.status == 10) return "loaded as if whole";
    if (end.status == 1 && lines == 1 && names_it) return "stops, naming it";
    if (end.status == 0 && lines == 0) return "plays on without it";
    if (end.status == 0 && lines == 1 && names_it && music_warns(file, how))
        return "plays on without it, naming it";
    return "status " + std::to_string(end.status) + ", said: " + end.errors;
}

std::string expected(const std::string& file, Damage how) {
    if (required(file)) return "stops, naming it";
    return music_warns(file, how) ? "plays on without it, naming it" : "plays on without it";
}

// A game with the file damaged: title, opening story, play with fire, a ufo,
// a pause and the boss bar, every level's background and every story.
int play_a_little() {
    LoopState loop;
    boot_game(&loop, true);
    set_auto_keys(true);
    push_key(SDLK_LCTRL);
    push_key(SDLK_q);
    run_frames(&loop, 40);
    push_key(SDLK_LSHIFT);
    schedule_key(clock_now() + 200, SDLK_LSHIFT);
    boss_bar_shown = true;
    for (int stage = 0; stage < STAGE_FLAG_COUNT; ++stage) {
        for (bool& flag : stage_flags) flag = false;
        stage_flags[stage] = true;
        level_clock = 100;
        run_frames(&loop, 3);
    }
    for (int story = 0; story <= 4; ++story) story_screen(screen, story);
    set_auto_keys(false);
    return player.shields == 5 && !loop.quit_requested ? 0 : 1;
}

}  // namespace

TEST(DamagedFiles, EveryDataFileDamagedEveryWayEitherPlaysOnOrStopsNamingIt) {
    DataFolder data;
    const std::vector<std::string> files = data_files();
    ASSERT_EQ(files.size(), 101u + 12u + 10u + 1u) << "pictures, sounds, music and instruments of the forge";
    SDL_Init(SDL_INIT_VIDEO);  // keyed pictures are converted to the display's format
    screen = SDL_SetVideoMode(800, 600, 16, 0);

    std::mt19937 random(3);
    std::map<std::string, int> counts;  // outcome -> files x damages
    for (const std::string& file : files) {
        for (int how = 0; how < DAMAGE_COUNT; ++how) {
            damage(&data, file, Damage(how), &random);
            const std::string got = outcome(file, Damage(how), load_in_child(file));
            EXPECT_EQ(got, expected(file, Damage(how))) << file << ", " << DAMAGE_NAMES[how];
            counts[got] += 1;
            data.restore(file);
        }
    }
    for (const auto& [what, n] : counts) std::printf("damaged files: %d x %s\n", n, what.c_str());

    // The game plays on with every file it can do without damaged at once,
    // each way in turn; damaged music is named once, and only then.
    for (int how = 0; how < DAMAGE_COUNT; ++how) {
        SCOPED_TRACE(DAMAGE_NAMES[how]);
        for (const std::string& file : files) {
            if (!required(file)) damage(&data, file, Damage(how), &random);
        }
        const ChildEnd end = run_in_child(play_a_little, 4 * CHILD_MS);
        EXPECT_EQ(end.status, 0) << (end.status < 0 ? "hung or crashed" : end.errors);
        // each damaged piece named, every time the sounds are loaded
        std::set<std::string> named;
        int bank_named = 0;
        std::string line;
        for (char c : end.errors) {
            if (c != '\n') {
                line += c;
                continue;
            }
            if (line.find(INSTRUMENT_BANK_FILE) != std::string::npos) {
                bank_named += 1;  // once a run: the synthesiser takes its instruments once
                line.clear();
                continue;
            }
            EXPECT_NE(line.find("is damaged; playing on without it"), std::string::npos) << line;
            named.insert(line);
            line.clear();
        }
        EXPECT_EQ(named.size(), music_warns("midi/", Damage(how)) ? 10u : 0u) << end.errors;
        EXPECT_EQ(bank_named, 1) << end.errors;
        for (const std::string& file : files) data.restore(file);
    }
}
