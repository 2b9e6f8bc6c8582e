// Best scores: one per difficulty, kept in a small text file, shown on the
// title screen.
#pragma once

#include <SDL.h>

#include <string>

#include "desktop/desktop_state.h"

// $XDG_DATA_HOME/cloudpiercer/scores, or under ~/.local/share.
std::string scores_file_path();

// Reads the file at path into *b. Missing: no best scores. Unreadable or
// damaged (any line that is not a difficulty = score): no best scores and one
// warning line on stderr. True when the file held good scores or none. The
// file also keeps the level "resume" starts (resume_level = 1..4); a damaged
// one means level 1, with one warning line, and the scores stay good.
bool read_scores(const std::string& path, BestScores* b);
std::string scores_text(const BestScores& b);

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
