// Best scores per difficulty: the file, the game's score, and the digits on
// the title screen.
#include "desktop/scores.h"

#include <cstdio>
#include <string>

#include "assets/image_bank.h"
#include "core/game_state.h"
#include "desktop/files.h"
#include "render/scene.h"

namespace {

// The last level: "resume" starts at one of 1..LAST_LEVEL.
constexpr int LAST_LEVEL = 4;

// How the file's value and this game's make the one written back.
enum ScoreMerge {
    MERGE_HIGHER,  // the better of the two: a best score
    MERGE_LATEST,  // this game's: where it left off
};

// One `key = value` line of the file that the game knows.
struct ScoreRow {
    const char* key;
    int32_t& (*value)(BestScores& b);
    int32_t min, max;
    ScoreMerge merge;
};

template <int DIFFICULTY>
int32_t& best_of(BestScores& b) {
    return b.best[DIFFICULTY];
}

int32_t& resume_of(BestScores& b) {
    return b.resume_level;
}

// clang-format off
const ScoreRow SCORE_ROWS[] = {
    //key       value                        min max       merge
    {"easy",    best_of<DIFFICULTY_EASY>,    0,  BEST_MAX, MERGE_HIGHER},
    {"normal",  best_of<DIFFICULTY_NORMAL>,  0,  BEST_MAX, MERGE_HIGHER},
    {"hard",    best_of<DIFFICULTY_HARD>,    0,  BEST_MAX, MERGE_HIGHER},
    {"resume_level", resume_of,              1,  LAST_LEVEL, MERGE_LATEST},  // the level "resume" starts
};
// clang-format on
constexpr int SCORE_ROW_COUNT = int(sizeof SCORE_ROWS / sizeof SCORE_ROWS[0]);

const char SCORES_HEADER[] = "# Cloudpiercer best scores, one per difficulty\n";

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

int32_t merged(ScoreMerge merge, int32_t file, int32_t game) {
    switch (merge) {
        case MERGE_HIGHER:
            return file > game ? file : game;
        case MERGE_LATEST:
            return game;
    }
    return game;
}

// One line of the file as the game understands it.
struct ScoreLine {
    std::string text;  // as it stands in the file, with its line end
    LineKind kind;
    int row = -1;  // the known key with a value the game can use; -1 otherwise
    int32_t value = 0;
};

// The next line of text at *pos.
ScoreLine next_score_line(const std::string& text, size_t* pos) {
    const size_t start = *pos;
    std::string key, value;
    ScoreLine line;
    line.kind = next_setting_line(text, pos, &key, &value);
    line.text = text.substr(start, *pos - start);
    if (line.kind != LINE_PAIR) return line;
    for (int r = 0; r < SCORE_ROW_COUNT; ++r) {
        int number = 0;
        if (same_key(key, SCORE_ROWS[r].key) &&
            parse_number(value, SCORE_ROWS[r].min, SCORE_ROWS[r].max, &number)) {
            line.row = r;
            line.value = number;
        }
    }
    return line;
}

// The values of the file's text into *b (a key twice: merged), noting which
// were there; the number of lines with nothing the game can use, and the
// first of them.
int parse_scores(const std::string& text, BestScores* b, bool seen[], int* first_unused) {
    int unused = 0;
    size_t pos = 0;
    for (int number = 1; pos < text.size(); ++number) {
        const ScoreLine line = next_score_line(text, &pos);
        if (line.kind == LINE_BLANK) continue;
        if (line.row < 0) {
            if (unused++ == 0) *first_unused = number;
            continue;
        }
        const ScoreRow& row = SCORE_ROWS[line.row];
        int32_t& value = row.value(*b);
        value = seen[line.row] ? merged(row.merge, value, line.value) : line.value;
        seen[line.row] = true;
    }
    return unused;
}

std::string score_line(const ScoreRow& row, BestScores& b) {
    return std::string(row.key) + " = " + std::to_string(row.value(b)) + "\n";
}

}  // namespace

std::string scores_file_path() {
    return player_file("XDG_DATA_HOME", ".local/share", "scores");
}

bool read_scores(const std::string& path, BestScores* b) {
    *b = BestScores{};
    std::string text, why;
    const ReadResult read = read_small_file(path, &text, &why);
    if (read == READ_MISSING) return true;
    if (read == READ_UNREADABLE) {
        std::fprintf(stderr,
                     "cloudpiercer: cannot read %s (%s); no best scores shown, the file left as it is\n",
                     printable(path).c_str(), why.c_str());
        return false;
    }
    read_scores_text(text, path, b);
    return true;
}

void read_scores_text(const std::string& text, const std::string& path, BestScores* b) {
    *b = BestScores{};
    bool seen[SCORE_ROW_COUNT] = {};
    int first_unused = 0;
    if (const int unused = parse_scores(text, b, seen, &first_unused)) {
        std::fprintf(stderr, "cloudpiercer: %s:%d: %d line%s not understood, kept as %s\n",
                     printable(path).c_str(), first_unused, unused, unused == 1 ? "" : "s",
                     unused == 1 ? "it is" : "they are");
    }
}

std::string scores_text(const BestScores& b) {
    BestScores values = b;
    std::string text = SCORES_HEADER;
    for (const ScoreRow& row : SCORE_ROWS) text += score_line(row, values);
    return text;
}

std::string merged_scores_text(const std::string& now, BestScores* game) {
    BestScores file;
    bool seen[SCORE_ROW_COUNT] = {};
    int first_unused = 0;
    parse_scores(now, &file, seen, &first_unused);
    for (int r = 0; r < SCORE_ROW_COUNT; ++r) {
        const ScoreRow& row = SCORE_ROWS[r];
        if (seen[r]) row.value(*game) = merged(row.merge, row.value(file), row.value(*game));
    }
    if (now.empty()) return scores_text(*game);
    // The file line by line: each known value in its place (once), every
    // other line as it was; the values it lacked after them, when set.
    std::string text;
    bool written[SCORE_ROW_COUNT] = {};
    size_t pos = 0;
    while (pos < now.size()) {
        ScoreLine line = next_score_line(now, &pos);
        if (line.row < 0) {
            if (line.text.empty() || line.text.back() != '\n') line.text += '\n';
            text += line.text;
        } else if (!written[line.row]) {
            text += score_line(SCORE_ROWS[line.row], *game);
            written[line.row] = true;
        }
    }
    BestScores none;
    for (int r = 0; r < SCORE_ROW_COUNT; ++r) {
        const ScoreRow& row = SCORE_ROWS[r];
        if (!written[r] && row.value(*game) != row.value(none)) text += score_line(row, *game);
    }
    return text;
}

int32_t current_score() {
    const int32_t score = player.score_ones + 10 * score_tens + 100 * score_hundreds + 1000 * score_thousands;
    if (score < 0) return 0;
    return score > BEST_MAX ? BEST_MAX : score;
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
    desktop.scores_dirty = false;           // tried once; a failing folder stays failing
    if (desktop.scores_left_alone) return;  // said when it was read
    // Merged with the file as it is now, not as it was at the start: another
    // game may have written a best of its own since.
    BestScores scores = desktop.scores;
    if (update_file_atomically(desktop.scores_path, [&scores](const std::string& now) {
            return merged_scores_text(now, &scores);
        })) {
        desktop.scores = scores;
        return;
    }
    if (desktop.scores_warned) return;
    desktop.scores_warned = true;
    std::fprintf(stderr, "cloudpiercer: cannot write the scores file %s; best scores are not kept\n",
                 desktop.scores_path.empty() ? "(no home folder)" : printable(desktop.scores_path).c_str());
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
