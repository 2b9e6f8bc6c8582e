// The benchmark's own tools, headless: the floor program runs and ends by
// itself, and the flip logger loaded into it passes every flip on and logs
// each one, or, with no log or one it cannot write, changes nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string LOG = "/tmp/cloudpiercer-bench-check.log";

// Runs the floor program for a second with the logger loaded; its exit status.
int run_floor(const std::string& log_setting) {
    const std::string command = "SDL_VIDEODRIVER=dummy LD_PRELOAD=" FLIP_LOG_PATH " " + log_setting +
                                " " BARE_FLIP_PATH " 1 >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Flip {
    long long monotonic_ns, realtime_ns;
};

std::vector<Flip> read_log() {
    std::vector<Flip> flips;
    std::ifstream in(LOG);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Flip f{};
        std::string rest;
        EXPECT_TRUE(fields >> f.monotonic_ns >> f.realtime_ns) << "torn line: " << line;
        EXPECT_FALSE(fields >> rest) << "extra field: " << line;
        flips.push_back(f);
    }
    return flips;
}

long long realtime_now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

// Every flip of the run is logged once, in order, at a time within the run.
TEST(BenchTools, TheLoggerRecordsEveryFlipOfTheFloorInOrder) {
    unlink(LOG.c_str());
    const long long before = realtime_now_ns();
    ASSERT_EQ(run_floor("CLOUDPIERCER_FLIP_LOG=" + LOG), 0);
    const long long after = realtime_now_ns();
    const std::vector<Flip> flips = read_log();
    ASSERT_GE(flips.size(), 2u);
    for (size_t i = 0; i < flips.size(); ++i) {
        EXPECT_GE(flips[i].realtime_ns, before);
        EXPECT_LE(flips[i].realtime_ns, after);
        if (i > 0) {
            EXPECT_GT(flips[i].monotonic_ns, flips[i - 1].monotonic_ns);
        }
    }
    // a log left from an earlier run is added to, not overwritten
    ASSERT_EQ(run_floor("CLOUDPIERCER_FLIP_LOG=" + LOG), 0);
    EXPECT_GT(read_log().size(), flips.size());
    unlink(LOG.c_str());
}

// Without a log, or with one in a folder that does not exist, the program
// runs as it would without the logger.
TEST(BenchTools, NoLogOrAnUnwritableOneChangesNothing) {
    EXPECT_EQ(run_floor(""), 0);
    EXPECT_EQ(run_floor("CLOUDPIERCER_FLIP_LOG=/nonexistent-folder/flips.log"), 0);
    EXPECT_EQ(run_floor("CLOUDPIERCER_FLIP_LOG="), 0);
}
