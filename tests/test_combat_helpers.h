// Shared set-up for the combat tests: a booted game with empty pools, helpers
// that place enemies and shots, count live records and playing sounds, and
// find solid or black spots in the forge's sprites.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "tests/harness.h"

// A fresh game on normal difficulty, the ship alive at (300, 500), every
// pool empty and every mixing channel quiet, with the audio paused so that
// sounds played by the test are not used up while it looks at them.
class CombatTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    LoopState loop;
};

// Releases an enemy from its template; the slot it went into.
Enemy* place_enemy(int tpl, int32_t x, int32_t y, Direction direction = DIR_IDLE);
// Releases a shot from its template; the slot it went into.
Shot* place_shot(int tpl, int32_t x, int32_t y, Direction direction = DIR_UP);

std::vector<Shot> live_shots_of_kind(int32_t kind);
std::vector<Effect> front_effects_of_kind(int32_t kind);

// Channels now playing the chunk. Every test starts with all channels
// halted and the audio paused, so this counts the times it was played.
int sound_count(Mix_Chunk* chunk);
// Halts every channel, so that later counts start from nothing.
void hush();

// Puts a piece of music in the field when the forge has not made it, so the
// tests can see when music starts and stops.
void ensure_music(Mix_Music*& field);

// A point in a picture's own coordinates.
struct Spot {
    int x, y;
};
// Where a 16 x 16 shot's top-left goes, relative to the picture's top-left,
// so that both its sample points (its middle row, at its left column and one
// past its right) lie inside the picture and are solid, or both black.
std::optional<Spot> find_solid_spot(SDL_Surface* pic);
std::optional<Spot> find_black_spot(SDL_Surface* pic);
// A spot solid in `solid_pic` where `black_pic` has a black sample point, so
// that a shot there hits the first picture and would miss the second.
std::optional<Spot> find_spot_solid_in_first_only(SDL_Surface* solid_pic, SDL_Surface* black_pic);
