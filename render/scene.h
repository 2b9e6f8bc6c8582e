// Scene drawing: background, effects, ship, enemies, shots, with animation.
#pragma once

#include "core/game_state.h"

// Blits a picture with its top-left corner at (x, y): whole when src is null,
// else the src part of it. A null picture (one that failed to load) draws
// nothing.
void blit_picture(SDL_Surface* picture, const SDL_Rect* src, int32_t x, int32_t y, SDL_Surface* target);

// The tiles of every stage that is on (the last in play order shows), then
// the scroll moves down by its speed.
void draw_background(SDL_Surface* target, Scroll* s);
// Each record in use is drawn (when its kind has pictures) and animated;
// an effect is freed after its allowed cycles.
void draw_effects(Effect* pool, SDL_Surface* target);
// The ship's picture by direction and frame; nothing while destroyed.
void draw_player(Player* p, SDL_Surface* target);
void draw_enemies(Enemy* pool, SDL_Surface* target);
void draw_shots(Shot* pool, SDL_Surface* target);
