// Fuzzes the best scores' reader and the merge that rewrites the file: any
// text a player's scores file may hold is read and merged without a fault,
// the scores taken from it are ones the HUD can show, and a fresh file's text
// reads back as the scores it was made from.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/game_state.h"
#include "desktop/desktop_state.h"
#include "desktop/scores.h"

namespace {

void check_range(const BestScores& b) {
    if (b.best[0] != 0) __builtin_trap();  // the unused slot stays empty
    for (int32_t best : b.best) {
        if (best < 0 || best > BEST_MAX) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    BestScores read;
    read.best[1] = 1;  // a stale value the reader must overwrite
    read_scores_text(text, "scores", &read);
    check_range(read);
    BestScores back;
    read_scores_text(scores_text(read), "scores", &back);
    for (int d = 0; d < BEST_SLOTS; ++d) {
        if (back.best[d] != read.best[d]) __builtin_trap();
    }
    // This game's scores merged into the file as it stands.
    BestScores game;
    game.best[DIFFICULTY_NORMAL] = 120;
    const std::string merged = merged_scores_text(text, &game);
    check_range(game);
    BestScores again;
    read_scores_text(merged, "scores", &again);
    check_range(again);
    return 0;
}
