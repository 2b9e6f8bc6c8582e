// The game's music: every score in data/music/ becomes a Standard MIDI File
// in midi/ under the same name.
#include <algorithm>
#include <cmath>
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

// Each piece's level in the mix, in dB, so that they all sound about equally
// loud whatever their scoring: a quiet story piece next to the title, or the
// boss fight's full band. Applied to every part's channel volume (controller
// 7), which General MIDI synthesisers follow as 40 * log10(volume / 127) dB,
// so a part keeps its balance within its piece. The pieces are brought to
// the quietest one's level (pieces with a part at full volume cannot be
// raised), and the game's music volume sets them all in the mix.
struct PieceGain {
    const char* piece;
    double db;
};
// clang-format off
constexpr PieceGain PIECE_GAINS[] = {
//   piece        dB
    {"title",     -3.0},
    {"story",     -2.3},
    {"story2",    2.3},
    {"level1",    -3.6},
    {"level2",    -2.6},
    {"level3",    -2.7},
    {"level4",    -2.5},
    {"lvl1boss",  -3.2},
    {"gameover",  -1.9},
    {"victory",   -3.8},
};
// clang-format on

void apply_gain(Song& song, const std::string& piece) {
    for (const PieceGain& g : PIECE_GAINS) {
        if (piece != g.piece) continue;
        const double scale = std::pow(10.0, g.db / 40.0);
        for (MidiPart& p : song.parts) p.volume = std::clamp(int(std::lround(p.volume * scale)), 0, 127);
    }
}

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
        Song song = parse_score(read_text(score.string()), score.string());
        apply_gain(song, score.stem().string());
        write_file(out + "/midi/" + score.stem().string() + ".mid", encode_midi(song));
    }
}

}  // namespace forge
