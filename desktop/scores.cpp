// Best scores per difficulty: the file, the game's score, and the digits on
// the title screen.
#include "desktop/scores.h"

#include <cstdio>

#include "assets/image_bank.h"
#include "core/game_state.h"
#include "desktop/files.h"
#include "render/scene.h"

namespace {

// Keys of the file (index: difficulty).
const char* const DIFFICULTY_KEY[BEST_SLOTS] = {nullptr, "easy", "normal", "hard"};
// The level "resume" starts, kept with the scores for the next run.
const char* const RESUME_KEY = "resume_level";
constexpr int LAST_LEVEL = 4;

// The best score sits under the difficulty label of the title picture, on a
// panel of the label box's navy so the digits read over the clouds.
constexpr int SCORE_DIGITS = 4;
constexpr int DIGIT_SIZE = 24;   // cell of a digit in bmp/numbers.bmp
constexpr int32_t BEST_X = 688;  // thousands; the HUD's own digit columns
constexpr int32_t BEST_Y = 494;
constexpr int PANEL_MARGIN = 4;
constexpr Uint8 PANEL_RED = 16, PANEL_GREEN = 22, PANEL_BLUE = 52;

int difficulty_slot() {
    return difficulty >= DIFFICULTY_EASY && difficulty <= DIFFICULTY_HARD ? difficulty : 0;
}

void warn_damaged(const std::string& path, const char* why) {
    std::fprintf(stderr, "cloudpiercer: %s %s; starting with no best scores\n", path.c_str(), why);
}

}  // namespace

std::string scores_file_path() {
    return player_file("XDG_DATA_HOME", ".local/share", "scores");
}

bool read_scores(const std::string& path, BestScores* b) {
    *b = BestScores{};
    std::string text;
    const ReadResult read = read_small_file(path, &text);
    if (read == READ_MISSING) return true;
    if (read == READ_UNREADABLE) {
        warn_damaged(path, "cannot be read");
        return false;
    }
    BestScores found;
    size_t pos = 0;
    while (pos < text.size()) {
        std::string key, value;
        const LineKind kind = next_setting_line(text, &pos, &key, &value);
        if (kind == LINE_BLANK) continue;
        if (kind == LINE_PAIR && key == RESUME_KEY) {
            // A damaged level costs only itself: resume starts at level 1.
            if (!parse_number(value, 1, LAST_LEVEL, &found.resume_level)) {
                found.resume_level = 1;
                std::fprintf(stderr, "cloudpiercer: %s has a damaged %s; resume starts at level 1\n",
                             path.c_str(), RESUME_KEY);
            }
            continue;
        }
        int slot = 0;
        for (int d = DIFFICULTY_EASY; d <= DIFFICULTY_HARD; ++d) {
            if (kind == LINE_PAIR && key == DIFFICULTY_KEY[d]) slot = d;
        }
        int score = 0;
        // One bad line means the file is not what we wrote: trust none of it.
        if (slot == 0 || !parse_number(value, 0, BEST_MAX, &score)) {
            warn_damaged(path, "is damaged");
            return false;
        }
        found.best[slot] = score;
    }
    *b = found;
    return true;
}

std::string scores_text(const BestScores& b) {
    std::string text = "# Cloudpiercer best scores, one per difficulty\n";
    for (int d = DIFFICULTY_EASY; d <= DIFFICULTY_HARD; ++d) {
        text += std::string(DIFFICULTY_KEY[d]) + " = " + std::to_string(b.best[d]) + "\n";
    }
    text += std::string(RESUME_KEY) + " = " + std::to_string(b.resume_level) + "\n";
    return text;
}

int32_t current_score() {
    const int32_t score = player.score_ones + 10 * score_tens + 100 * score_hundreds + 1000 * score_thousands;
    return score < 0 ? 0 : score > BEST_MAX ? BEST_MAX : score;
}

void keep_best_score(bool game_over) {
    if (!desktop.on) return;
    const int slot = difficulty_slot();
    const int32_t score = current_score();
    if (slot != 0 && score > desktop.scores.best[slot]) {
        desktop.scores.best[slot] = score;
        desktop.scores_dirty = true;
    }
    // The level the last story led to is kept at once: it changes only
    // between levels, and a run that ends any way at all starts there next.
    if (level >= 1 && level <= LAST_LEVEL && level != desktop.scores.resume_level) {
        desktop.scores.resume_level = level;
        desktop.scores_dirty = true;
        game_over = true;
    }
    if (game_over) save_best_scores();
}

void restore_resume_level() {
    if (desktop.on) level = desktop.scores.resume_level;
}

void save_best_scores() {
    if (!desktop.on || !desktop.scores_dirty) return;
    desktop.scores_dirty = false;  // tried once; a failing folder stays failing
    if (write_file_atomically(desktop.scores_path, scores_text(desktop.scores))) return;
    if (desktop.scores_warned) return;
    desktop.scores_warned = true;
    std::fprintf(stderr, "cloudpiercer: cannot write the scores file %s; best scores are not kept\n",
                 desktop.scores_path.empty() ? "(no home folder)" : desktop.scores_path.c_str());
}

void draw_best_score(SDL_Surface* target) {
    const int slot = difficulty_slot();
    if (!desktop.on || slot == 0 || desktop.scores.best[slot] <= 0) return;
    if (!desktop.digits) desktop.digits = load_keyed_picture("bmp/numbers.bmp");
    if (!desktop.digits) return;
    SDL_Rect panel{Sint16(BEST_X - PANEL_MARGIN), Sint16(BEST_Y - PANEL_MARGIN),
                   Uint16(SCORE_DIGITS * DIGIT_SIZE + 2 * PANEL_MARGIN),
                   Uint16(DIGIT_SIZE + 2 * PANEL_MARGIN)};
    SDL_FillRect(target, &panel, SDL_MapRGB(target->format, PANEL_RED, PANEL_GREEN, PANEL_BLUE));
    int32_t rest = desktop.scores.best[slot];
    for (int i = SCORE_DIGITS - 1; i >= 0; --i) {  // right to left, like the HUD
        const SDL_Rect cell{Sint16(DIGIT_SIZE * (rest % 10)), 0, DIGIT_SIZE, DIGIT_SIZE};
        blit_picture(desktop.digits, &cell, BEST_X + DIGIT_SIZE * i, BEST_Y, target);
        rest /= 10;
    }
}
