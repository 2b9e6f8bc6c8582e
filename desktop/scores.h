// Best scores: one per difficulty, kept in a small text file, shown on the
// title screen.
#pragma once

#include <SDL.h>

#include <string>

#include "desktop/desktop_state.h"

// $XDG_DATA_HOME/cloudpiercer/scores, or under ~/.local/share.
std::string scores_file_path();

// Reads the file at path into *b. Missing: no best scores. Lines the game
// cannot use (unknown keys, values it does not understand) are passed over
// with one warning line on stderr for them all; the rest counts. False, with
// one warning and no best scores, when the file is there but cannot be read
// at all (not a plain file, too big): it is then never written that run.
// The file also keeps the level "resume" starts (resume_level = 1..4); a
// damaged one means level 1.
bool read_scores(const std::string& path, BestScores* b);
// The same for the file's text already read; path only names it in warnings.
void read_scores_text(const std::string& text, const std::string& path, BestScores* b);
// A fresh file's text.
std::string scores_text(const BestScores& b);
// The text that replaces the file's text `now`: each known value merged
// with this game's in *game (which takes the merged values), every line the
// game cannot use kept as it was.
std::string merged_scores_text(const std::string& now, BestScores* game);

// The score the HUD shows now, 0..BEST_MAX.
int32_t current_score();
// Notes the score of the game in play as the best of its difficulty when it
// is higher; at game over (or when asked to) writes the file. A new level to
// resume from (a story screen has just closed) is written at once.
void keep_best_score(bool game_over);
// Sets the level "resume" starts to the one kept in the file (at start).
void restore_resume_level();
// Writes the best scores when one is not yet written; a failure warns once a
// run and the game plays on.
void save_best_scores();

// Draws the best score of the chosen difficulty on the title, in the HUD's
// digit pictures, under the difficulty label. Nothing when there is none.
void draw_best_score(SDL_Surface* target);
