// The game's music: every score in data/music/ becomes a Standard MIDI File
// in midi/ under the same name.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "forge.h"
#include "midi.h"

namespace forge {

namespace {

// The pieces the game loads; without its score a piece would be silent there.
const char* const PIECES[] = {"level1",   "level2",   "level3", "level4", "title",
                              "gameover", "lvl1boss", "story",  "story2", "victory"};

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

void forge_music(const std::string& src, const std::string& out) {
    namespace fs = std::filesystem;
    for (const char* piece : PIECES) {
        if (!fs::exists(src + "/music/" + piece + ".txt")) {
            throw std::runtime_error("no score " + src + "/music/" + piece + ".txt");
        }
    }
    std::vector<fs::path> scores;
    for (const fs::directory_entry& e : fs::directory_iterator(src + "/music")) {
        if (e.is_regular_file() && e.path().extension() == ".txt") scores.push_back(e.path());
    }
    std::sort(scores.begin(), scores.end());
    for (const fs::path& score : scores) {
        const Song song = parse_score(read_text(score.string()), score.string());
        write_file(out + "/midi/" + score.stem().string() + ".mid", encode_midi(song));
    }
}

}  // namespace forge
