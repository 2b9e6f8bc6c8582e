// The golden replays: one for each level and difficulty, flown by the golden
// pilot and kept in tests/replays. Each is played headless through the real
// frame loop; a change to play fails them, naming the first frame found to
// differ. scripts/record-golden-replays records them again when a change to
// play is meant.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "replay/format.h"
#include "replay/store.h"
#include "tests/golden_pilot.h"

namespace {

std::string golden_path(int index) {
    return std::string(GOLDEN_REPLAY_DIR) + "/" + golden_name(index);
}

class GoldenReplay : public ::testing::TestWithParam<int> {};

TEST_P(GoldenReplay, PlaysBackWithEveryCheckValueMatching) {
    ReplayData replay;
    std::string why;
    ASSERT_EQ(read_replay_file(golden_path(GetParam()), &replay, &why), REPLAY_READ_OK) << why;
    const GoldenFlight flight = golden_flight(GetParam());
    EXPECT_EQ(replay.header.level, flight.level);
    EXPECT_EQ(replay.header.difficulty, flight.difficulty);
    ASSERT_GT(replay.header.frames, 300u);

    const ReplayOutcome o = play_back(replay);
    EXPECT_FALSE(o.desync) << golden_name(GetParam()) << ": desync at frame " << o.desync_frame << " ("
                           << o.desync_what << "); if play was changed on purpose, run "
                           << "scripts/record-golden-replays";
    EXPECT_TRUE(o.finished);
    EXPECT_EQ(o.frames, replay.header.frames);
    EXPECT_EQ(o.score, replay.header.score);
}

INSTANTIATE_TEST_SUITE_P(EveryLevelAndDifficulty, GoldenReplay, ::testing::Range(0, GOLDEN_COUNT),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = golden_name(info.param);
                             name = name.substr(0, name.find('.'));
                             for (char& c : name) c = c == '-' ? '_' : c;
                             return name;
                         });

// Run by scripts/record-golden-replays (never by the suite): flies the 12
// levels again and writes them into tests/replays, or into the folder named
// by GOLDEN_REPLAY_OUT.
TEST(GoldenReplays, DISABLED_RecordAgain) {
    const char* out = std::getenv("GOLDEN_REPLAY_OUT");
    const std::string folder = out && *out ? out : GOLDEN_REPLAY_DIR;
    for (int i = 0; i < GOLDEN_COUNT; ++i) {
        const ReplayData replay = fly_golden_level(golden_flight(i));
        const std::string bytes = encode_replay(replay);
        const std::string path = folder + "/" + golden_name(i);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_TRUE(f) << path;
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
        ASSERT_EQ(std::fclose(f), 0);
        std::printf("%s: %u frames, score %d, %s, %zu bytes\n", golden_name(i), replay.header.frames,
                    replay.header.score,
                    replay.header.end == REPLAY_END_GAME_OVER ? "game over" : "level flown", bytes.size());
        // what was recorded plays back the same way
        const ReplayOutcome o = play_back(replay);
        EXPECT_FALSE(o.desync) << golden_name(i) << " frame " << o.desync_frame << ": " << o.desync_what;
        EXPECT_TRUE(o.finished) << golden_name(i);
    }
}

}  // namespace
