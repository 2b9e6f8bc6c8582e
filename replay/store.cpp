// The folder of replays: naming, writing and thinning out.
#include "replay/store.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "desktop/files.h"

namespace {

const char* const DIFFICULTY_NAMES[] = {"", "easy", "normal", "hard"};
const char SUFFIX[] = ".replay";

struct NameParts {
    std::string stamp;  // YYYYmmdd-HHMMSS, sorts by time
    int difficulty = 0;
    int score = 0;
};

bool all_digits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads back a name replay_file_name made (with an optional -N after the
// score, for two games ended in the same second).
bool parse_name(const std::string& name, NameParts* parts) {
    const size_t suffix = sizeof SUFFIX - 1;
    if (name.size() <= suffix + 16 || name.compare(name.size() - suffix, suffix, SUFFIX) != 0) return false;
    const std::string stem = name.substr(0, name.size() - suffix);
    if (!all_digits(stem.substr(0, 8)) || stem[8] != '-' || !all_digits(stem.substr(9, 6)) || stem[15] != '-')
        return false;
    parts->stamp = stem.substr(0, 15);
    const std::string rest = stem.substr(16);
    for (int d = 1; d <= 3; ++d) {
        const std::string label = std::string(DIFFICULTY_NAMES[d]) + "-";
        if (rest.compare(0, label.size(), label) != 0) continue;
        std::string score = rest.substr(label.size());
        const size_t dash = score.find('-');
        if (dash != std::string::npos) {
            if (!all_digits(score.substr(dash + 1))) return false;
            score.resize(dash);
        }
        if (!all_digits(score) || score.size() > 4) return false;
        parts->difficulty = d;
        parts->score = std::stoi(score);
        return true;
    }
    return false;
}

bool warned = false;

}  // namespace

std::string replay_folder() {
    return player_file("XDG_DATA_HOME", ".local/share", "replays");
}

std::string replay_file_name(std::time_t when, const ReplayHeader& header) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const int d = header.difficulty >= 1 && header.difficulty <= 3 ? header.difficulty : 2;
    return std::string(stamp) + "-" + DIFFICULTY_NAMES[d] + "-" + std::to_string(header.score) + SUFFIX;
}

std::vector<std::string> replays_to_remove(const std::vector<std::string>& names) {
    std::vector<std::pair<std::string, NameParts>> replays;
    for (const std::string& name : names) {
        NameParts parts;
        if (parse_name(name, &parts)) replays.emplace_back(name, parts);
    }
    // newest first: by the time in the name, then by the name itself
    std::sort(replays.begin(), replays.end(), [](const auto& a, const auto& b) {
        return a.second.stamp != b.second.stamp ? a.second.stamp > b.second.stamp : a.first > b.first;
    });
    std::vector<bool> kept(replays.size(), false);
    for (size_t i = 0; i < replays.size() && i < size_t(REPLAYS_KEPT); ++i) kept[i] = true;
    for (int d = 1; d <= 3; ++d) {
        int best = -1;
        for (size_t i = 0; i < replays.size(); ++i) {
            if (replays[i].second.difficulty == d &&
                (best < 0 || replays[i].second.score > replays[best].second.score))
                best = int(i);
        }
        if (best >= 0) kept[best] = true;
    }
    std::vector<std::string> removed;
    for (size_t i = 0; i < replays.size(); ++i) {
        if (!kept[i]) removed.push_back(replays[i].first);
    }
    return removed;
}

bool keep_replay_in(const std::string& folder, const ReplayData& replay, std::time_t when) {
    bool ok = !folder.empty();
    if (ok) {
        const std::string name = replay_file_name(when, replay.header);
        std::string path = folder + "/" + name;
        // two games ended in the same second with the same score
        for (int n = 2; access(path.c_str(), F_OK) == 0 && n < 100; ++n) {
            path = folder + "/" + name.substr(0, name.size() - (sizeof SUFFIX - 1)) + "-" +
                   std::to_string(n) + SUFFIX;
        }
        ok = write_file_atomically(path, encode_replay(replay));
    }
    if (!ok) {
        if (!warned) {
            std::fprintf(stderr, "cloudpiercer: cannot keep the replay in %s; play goes on without it\n",
                         folder.empty() ? "a replays folder (no HOME)" : folder.c_str());
        }
        warned = true;
        return false;
    }
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        // one thread: readdir is safe here
        while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
        closedir(dir);
    }
    for (const std::string& name : replays_to_remove(names)) {
        std::string path = folder;
        path.append("/").append(name);
        unlink(path.c_str());
    }
    return true;
}

void keep_replay(const ReplayData& replay) {
    keep_replay_in(replay_folder(), replay, std::time(nullptr));
}
