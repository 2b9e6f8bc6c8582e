// The player's ship: arrow keys to a direction, start values, movement.
#pragma once

#include "core/game_state.h"

// The direction held after an arrow key is pressed or released; keys other
// than the four arrows leave it unchanged.
Direction press_direction(Direction held, SDLKey key);
Direction release_direction(Direction held, SDLKey key);

// Every start value of the ship; 5 lives on easy, 3 otherwise.
void init_player(Player* p, int32_t difficulty);

// One step along the ship's direction, kept wholly on screen. Only for a ship
// that is alive.
void move_player(Player* p);
