// Scene drawing: background, effects, ship, enemies, shots, with animation.
#pragma once

#include "core/game_state.h"

void draw_background(SDL_Surface* target, Scroll* s);
void draw_effects(Effect* pool, SDL_Surface* target);
void draw_player(Player* p, SDL_Surface* target);
void draw_enemies(Enemy* pool, SDL_Surface* target);
void draw_shots(Shot* pool, SDL_Surface* target);
