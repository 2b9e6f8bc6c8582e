// Replays: the file format against damaged and hostile files, a recorded
// game played back the same way (and a change to it found at its frame),
// the folder of replays keeping the last games and the bests, and the
// title's idle time before the demo.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/game_state.h"
#include "game/game.h"
#include "replay/format.h"
#include "replay/session.h"
#include "replay/store.h"
#include "screens/title.h"
#include "tests/golden_pilot.h"
#include "tests/harness.h"
#include "tests/test_desktop_files.h"

namespace {

// A small replay with something in every part of a frame.
ReplayData sample_replay() {
    ReplayData r;
    r.header.game_version = "1.0";
    r.header.difficulty = 3;
    r.header.level = 2;
    r.header.resume = true;
    r.header.boss_bar = true;
    r.header.score = 1234;
    r.header.end = REPLAY_END_GAME_OVER;
    r.header.final_check = 0xdeadbeef;
    for (uint32_t f = 0; f < 90; ++f) {
        ReplayFrame fr;
        fr.events_at = uint32_t(r.events.size());
        fr.holds_at = uint32_t(r.holds.size());
        fr.story_at = uint32_t(r.waits.size());
        fr.runs_at = uint32_t(r.runs.size());
        if (f % 7 == 0) {
            r.events.push_back(uint8_t(REPLAY_PRESS | (f % REPLAY_KEY_COUNT)));
            r.events.push_back(REPLAY_WINDOW_CLOSE);
            fr.events = 2;
        }
        if (f % 11 == 0) {
            r.holds.push_back(uint8_t(REPLAY_PRESS | 4));
            fr.holds = 1;
        }
        if (f == 0) {
            r.waits.insert(r.waits.end(), {1100, 1105, 70000});
            fr.story = 3;
        }
        fr.pause_at = fr.story_at + fr.story;
        if (f == 40) {
            r.waits.push_back(2500);
            fr.pause = 1;
        }
        r.runs.push_back(ClockRun{f == 0 ? 123456u : 33u, 1 + f % 5});
        r.runs.push_back(ClockRun{1, 3});
        fr.runs = 2;
        fr.checked = (f + 1) % REPLAY_CHECK_FRAMES == 0;
        fr.check = fr.checked ? f * 2654435761u : 0;
        r.frames.push_back(fr);
    }
    r.header.frames = uint32_t(r.frames.size());
    return r;
}

ReplayRead decode(const std::string& bytes, ReplayData* out, std::string* why) {
    return decode_replay(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out, why);
}

// The check sum made right again after a deliberate change, so that the
// reader's checks of the fields themselves are reached.
void fix_sum(std::string* bytes) {
    const uint32_t sum = replay_checksum(reinterpret_cast<const uint8_t*>(bytes->data()) + REPLAY_SUM_AT + 4,
                                         bytes->size() - REPLAY_SUM_AT - 4);
    for (int i = 0; i < 4; ++i) (*bytes)[REPLAY_SUM_AT + i] = char(sum >> (8 * i) & 0xff);
}

// Where the header's fields lie in a file whose game version is "1.0".
constexpr size_t DIFFICULTY_AT = 22;
constexpr size_t FLAGS_AT = 24;
constexpr size_t FRAMES_AT = 26;
constexpr size_t FIRST_FRAME_AT = 38;

TEST(ReplayFormat, WhatIsWrittenReadsBackTheSame) {
    const ReplayData r = sample_replay();
    const std::string bytes = encode_replay(r);
    ReplayData back;
    std::string why;
    ASSERT_EQ(decode(bytes, &back, &why), REPLAY_READ_OK) << why;
    EXPECT_EQ(back.header.game_version, "1.0");
    EXPECT_EQ(back.header.difficulty, 3);
    EXPECT_EQ(back.header.level, 2);
    EXPECT_TRUE(back.header.resume);
    EXPECT_FALSE(back.header.completed);
    EXPECT_TRUE(back.header.boss_bar);
    EXPECT_EQ(back.header.score, 1234);
    EXPECT_EQ(back.header.end, REPLAY_END_GAME_OVER);
    EXPECT_EQ(back.header.final_check, 0xdeadbeefu);
    ASSERT_EQ(back.frames.size(), r.frames.size());
    EXPECT_EQ(back.events, r.events);
    EXPECT_EQ(back.holds, r.holds);
    EXPECT_EQ(back.waits, r.waits);
    ASSERT_EQ(back.runs.size(), r.runs.size());
    for (size_t i = 0; i < r.runs.size(); ++i) {
        EXPECT_EQ(back.runs[i].step, r.runs[i].step);
        EXPECT_EQ(back.runs[i].count, r.runs[i].count);
    }
    for (size_t f = 0; f < r.frames.size(); ++f) {
        const ReplayFrame& a = r.frames[f];
        const ReplayFrame& b = back.frames[f];
        EXPECT_EQ(a.events, b.events);
        EXPECT_EQ(a.story, b.story);
        EXPECT_EQ(a.pause, b.pause);
        EXPECT_EQ(b.pause_at, b.story_at + b.story) << f;
        EXPECT_EQ(a.checked, b.checked);
        EXPECT_EQ(a.check, b.check);
    }
    // small: a frame of the test clock's kind takes a few bytes
    EXPECT_LT(bytes.size(), r.frames.size() * 12);
}

// Every way a file can be wrong gives its own result and a reason, never a
// crash; nothing of a refused file is kept.
TEST(ReplayFormat, DamagedTruncatedAndUnknownFilesAreRefused) {
    const std::string good = encode_replay(sample_replay());
    ReplayData out;
    std::string why;

    EXPECT_EQ(decode("", &out, &why), REPLAY_READ_EMPTY);
    EXPECT_EQ(decode("settings = yes\n", &out, &why), REPLAY_READ_UNKNOWN);
    EXPECT_EQ(why, "not a Cloudpiercer replay");

    // cut anywhere: truncated (or, inside the magic, too short to be one)
    for (size_t n = 1; n < good.size(); ++n) {
        const ReplayRead r = decode(good.substr(0, n), &out, &why);
        EXPECT_EQ(r, REPLAY_READ_TRUNCATED) << "cut to " << n << ": " << why;
        EXPECT_TRUE(out.frames.empty());
    }
    EXPECT_EQ(decode(good.substr(0, good.size() / 2), &out, &why), REPLAY_READ_TRUNCATED);
    EXPECT_NE(why.find("truncated"), std::string::npos);

    // any byte after the version overwritten: the check sum, or the length
    for (size_t at = 10; at < good.size(); ++at) {
        std::string bad = good;
        bad[at] = char(bad[at] ^ 0x5a);
        const ReplayRead r = decode(bad, &out, &why);
        EXPECT_TRUE(r == REPLAY_READ_DAMAGED || r == REPLAY_READ_TRUNCATED) << "byte " << at << ": " << why;
    }
    std::string middle = good;
    for (size_t i = good.size() / 2; i < good.size() / 2 + 8; ++i) middle[i] = 'x';
    EXPECT_EQ(decode(middle, &out, &why), REPLAY_READ_DAMAGED);
    EXPECT_EQ(why, "damaged: its check sum does not match");
    EXPECT_EQ(decode(good + "x", &out, &why), REPLAY_READ_DAMAGED);

    std::string newer = good;
    newer[8] = 2;
    EXPECT_EQ(decode(newer, &out, &why), REPLAY_READ_VERSION);
    EXPECT_EQ(why, "replay format 2 is not known");
}

// With the check sum made right, the fields themselves are still checked.
TEST(ReplayFormat, FieldsOutOfRangeAreRefusedEvenWithAGoodCheckSum) {
    const std::string good = encode_replay(sample_replay());
    ASSERT_EQ(good[DIFFICULTY_AT], 3);
    struct Case {
        size_t at;
        char value;
        const char* why;
    };
    const Case cases[] = {
        {DIFFICULTY_AT, 0, "damaged: difficulty"},
        {DIFFICULTY_AT, 4, "damaged: difficulty"},
        {DIFFICULTY_AT + 1, 5, "damaged: level"},
        {FLAGS_AT, char(0x80), "damaged: flags"},
        {FLAGS_AT + 1, 9, "damaged: how it ended"},
        {FRAMES_AT + 3, 0x7f, "damaged: frame count"},  // billions of frames
        {FIRST_FRAME_AT, char(0xc0), "damaged: frame 0: unknown parts"},
        {FIRST_FRAME_AT + 2, 0x40, "damaged: frame 0: an unknown key"},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        bad[c.at] = c.value;
        fix_sum(&bad);
        ReplayData out;
        std::string why;
        EXPECT_EQ(decode(bad, &out, &why), REPLAY_READ_DAMAGED) << c.why;
        EXPECT_EQ(why, c.why);
    }
    // fewer frames than the records: bytes left after the last
    std::string fewer = good;
    fewer[FRAMES_AT] = char(fewer[FRAMES_AT] - 1);
    fix_sum(&fewer);
    ReplayData out;
    std::string why;
    EXPECT_EQ(decode(fewer, &out, &why), REPLAY_READ_DAMAGED);
    EXPECT_EQ(why, "damaged: bytes after its last frame");
}

TEST(ReplayFormat, FilesMissingUnreadableOrHugeAreRefused) {
    PlayerFolders home;
    ReplayData out;
    std::string why;
    EXPECT_EQ(read_replay_file(home.root + "/none.replay", &out, &why), REPLAY_READ_MISSING);
    EXPECT_NE(why.find("No such file"), std::string::npos) << why;
    EXPECT_EQ(read_replay_file(home.root, &out, &why), REPLAY_READ_MISSING);  // a folder
    write_whole(home.root + "/empty.replay", "");
    EXPECT_EQ(read_replay_file(home.root + "/empty.replay", &out, &why), REPLAY_READ_EMPTY);
    write_whole(home.root + "/good.replay", encode_replay(sample_replay()));
    EXPECT_EQ(read_replay_file(home.root + "/good.replay", &out, &why), REPLAY_READ_OK) << why;
    EXPECT_EQ(out.frames.size(), 90u);
    {
        std::ofstream huge(home.root + "/huge.replay", std::ios::binary);
        huge.seekp(std::streamoff(REPLAY_MAX_BYTES) + 10);
        huge.put('x');
    }
    EXPECT_EQ(read_replay_file(home.root + "/huge.replay", &out, &why), REPLAY_READ_DAMAGED);
}

// A game recorded through the real frame loop plays back frame for frame;
// a key changed in the recording is found at the first check after it.
TEST(ReplaySession, ARecordedGamePlaysBackTheSameAndAChangeIsFoundAtItsFrame) {
    const ReplayData recorded = fly_golden_level(GoldenFlight{1, DIFFICULTY_HARD, 7, 400});
    ASSERT_EQ(recorded.header.frames, 400u);
    EXPECT_EQ(recorded.header.difficulty, DIFFICULTY_HARD);
    EXPECT_FALSE(recorded.header.resume);
    EXPECT_EQ(recorded.header.end, REPLAY_END_UNFINISHED);
    EXPECT_FALSE(recorded.events.empty());
    EXPECT_FALSE(recorded.waits.empty());  // the opening story's pages
    EXPECT_TRUE(recorded.frames[REPLAY_CHECK_FRAMES - 1].checked);
    EXPECT_FALSE(recorded.frames[REPLAY_CHECK_FRAMES].checked);

    const ReplayOutcome same = play_back(recorded);
    EXPECT_FALSE(same.desync) << same.desync_frame << ": " << same.desync_what;
    EXPECT_TRUE(same.finished);
    EXPECT_EQ(same.frames, 400u);
    EXPECT_EQ(same.score, recorded.header.score);

    // The first press of fire after frame 100 becomes a release: its shot
    // never flies. Found in that frame (the clock of play is read for every
    // shot drawn) or at the next check value at the latest.
    ReplayData changed = recorded;
    uint32_t frame_changed = 0;
    for (uint32_t f = 100; f < changed.frames.size() && !frame_changed; ++f) {
        const ReplayFrame& fr = changed.frames[f];
        for (uint32_t i = 0; i < fr.events; ++i) {
            uint8_t& code = changed.events[fr.events_at + i];
            if (code == (REPLAY_PRESS | 4)) {  // left Ctrl down
                code = 4;                      // left Ctrl up
                frame_changed = f + 1;
                break;
            }
        }
    }
    ASSERT_NE(frame_changed, 0u);
    const ReplayOutcome differs = play_back(changed);
    EXPECT_TRUE(differs.desync);
    EXPECT_GE(differs.desync_frame, frame_changed);
    EXPECT_LT(differs.desync_frame, frame_changed + REPLAY_CHECK_FRAMES);
    EXPECT_EQ(differs.frames, differs.desync_frame - 1);

    // the clock of play a second later from frame 201 on: the animations go
    // another way, found at a check value
    ReplayData clock_changed = recorded;
    clock_changed.runs[clock_changed.frames[200].runs_at].step += 1000;
    const ReplayOutcome later = play_back(clock_changed);
    EXPECT_TRUE(later.desync);
    EXPECT_GT(later.desync_frame, 200u);
}

TEST(ReplayStore, TheLastTwentyAndEachDifficultysBestAreKept) {
    std::vector<std::string> names = {"settings", "scores", "notes.replay",
                                      "20260101-000000-hard-10.replay.new"};
    // 30 games on normal, one a minute, the best early on; one early game on easy
    for (int i = 0; i < 30; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "20261211-10%02d00-normal-%d.replay", i, i == 3 ? 900 : 100 + i);
        names.push_back(name);
    }
    names.push_back("20261210-090000-easy-5.replay");
    names.push_back("20261211-102900-normal-129-2.replay");  // a second game in the same second
    const std::vector<std::string> removed = replays_to_remove(names);
    // 32 replays: the newest 20 (of normal) and the bests of normal (minute 3) and easy stay
    EXPECT_EQ(removed.size(), 32u - 20u - 2u);
    for (const std::string& r : removed) {
        EXPECT_NE(r, "20261211-100300-normal-900.replay");
        EXPECT_NE(r, "20261210-090000-easy-5.replay");
        EXPECT_EQ(r.find("normal"), 16u) << r;
        EXPECT_LT(r, "20261211-101100") << r;  // only older ones go
    }

    PlayerFolders home;
    ASSERT_EQ(replay_folder(), home.root + "/data/cloudpiercer/replays");
    const ReplayData r = sample_replay();
    // 25 games end a second apart: 20 are kept, with the best
    for (int i = 0; i < 25; ++i) ASSERT_TRUE(keep_replay_in(replay_folder(), r, 1800000000 + i));
    ASSERT_TRUE(keep_replay_in(replay_folder(), r, 1800000000 + 24));  // the same second again
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(replay_folder())) {
        ReplayData back;
        std::string why;
        EXPECT_EQ(read_replay_file(entry.path(), &back, &why), REPLAY_READ_OK) << entry.path() << why;
        EXPECT_NE(entry.path().string().find("-hard-1234"), std::string::npos);
        count += 1;
    }
    EXPECT_EQ(count, REPLAYS_KEPT);

    // a folder that cannot be written: the game goes on, nothing kept
    std::filesystem::remove_all(replay_folder());
    write_whole(replay_folder(), "a file where the folder should be");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(keep_replay_in(replay_folder(), r, 1800000000));
    EXPECT_FALSE(keep_replay_in(replay_folder(), r, 1800000001));
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_FALSE(keep_replay_in("", r, 1800000000));
}

}  // namespace

namespace {

// The title's idle time for the demo: 30 seconds with no key (the test clock
// moves only while the title rests), a key starting the count again; the
// menu as the tests drive it (no idle time) never leaves by itself.
TEST(TitleDemo, TheTitleGoesIdleAfterThirtySecondsWithNoKey) {
    clear_events();
    test_clock_set(0);
    start_up();
    EXPECT_EQ(title_menu(screen, 30000), TITLE_IDLE);
    EXPECT_GE(clock_now(), 30000u);
    EXPECT_LT(clock_now(), 30100u);

    clear_events();
    test_clock_set(0);
    schedule_key(20000, SDLK_DOWN);
    schedule_key(20010, SDLK_DOWN, false);
    EXPECT_EQ(title_menu(screen, 30000), TITLE_IDLE);
    EXPECT_GE(clock_now(), 50000u);

    clear_events();
    test_clock_set(0);
    schedule_key(40000, SDLK_LCTRL);  // start, on the first row
    EXPECT_EQ(title_menu(screen, 0), TITLE_GAME);
    EXPECT_GE(clock_now(), 40000u);
    clear_events();
}

}  // namespace
