// The check value of a replay: a hash of the state of play.
#pragma once

#include <cstdint>

// FNV-1a over the state of play field by field (never over the padding of
// the records): the four pools, the ship, the score digits, the shields, the
// level clock and the stage flags, the scroll and the boss bar, and the words
// of the frame loop's own state given (held keys, autofire count).
uint32_t state_of_play_hash(const int32_t* loop_words, int loop_word_count);
