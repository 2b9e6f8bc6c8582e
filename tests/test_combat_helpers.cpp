// Shared set-up for the combat tests.
#include "tests/test_combat_helpers.h"

#include "core/pools.h"
#include "level/enemy_templates.h"

namespace {

constexpr int SHOT_SIZE = 16;
constexpr int TEST_CHANNELS = 32;  // room for every sound of a busy frame

bool is_black(SDL_Surface* pic, int x, int y) {
    return surface_pixel(pic, x, y) == Rgb{0, 0, 0};
}

// Scans the picture for a shot position whose two sample points satisfy
// `wanted`.
template <typename Wanted>
std::optional<Spot> find_spot(SDL_Surface* pic, Wanted wanted) {
    if (!pic) return std::nullopt;
    for (int row = 0; row < pic->h; ++row) {
        for (int col = 0; col + SHOT_SIZE < pic->w; ++col) {
            if (wanted(col, row) && wanted(col + SHOT_SIZE, row)) return Spot{col, row - SHOT_SIZE / 2};
        }
    }
    return std::nullopt;
}

}  // namespace

void CombatTest::SetUp() {
    clear_events();
    difficulty = DIFFICULTY_NORMAL;
    boot_game(&loop);
    free_all_slots();
    player.x = 300;
    player.y = 500;
    Mix_AllocateChannels(TEST_CHANNELS);
    Mix_HaltMusic();  // the title's music
    hush();
    // The mixer stops consuming sound: whatever a test plays stays playing
    // until it is halted, however slowly the test runs.
    SDL_PauseAudio(1);
}

void CombatTest::TearDown() {
    SDL_PauseAudio(0);
    hush();
    Mix_HaltMusic();
    difficulty = DIFFICULTY_NORMAL;
    restart_requested = false;
}

Enemy* place_enemy(int tpl, int32_t x, int32_t y, Direction direction) {
    for (Enemy& e : enemies) {
        if (e.hit_points != 0) continue;
        spawn_enemy(&enemy_templates[tpl], enemies, direction, x, y);
        return &e;
    }
    return nullptr;
}

Shot* place_shot(int tpl, int32_t x, int32_t y, Direction direction) {
    for (Shot& s : shots) {
        if (s.direction != SHOT_FREE) continue;
        spawn_shot(&shot_templates[tpl], shots, direction, x, y);
        return &s;
    }
    return nullptr;
}

std::vector<Shot> live_shots_of_kind(int32_t kind) {
    std::vector<Shot> found;
    for (const Shot& s : shots) {
        if (s.direction != SHOT_FREE && s.kind == kind) found.push_back(s);
    }
    return found;
}

std::vector<Effect> front_effects_of_kind(int32_t kind) {
    std::vector<Effect> found;
    for (const Effect& e : front_effects) {
        if (e.kind == kind) found.push_back(e);
    }
    return found;
}

int sound_count(Mix_Chunk* chunk) {
    if (!chunk) return 0;
    int n = 0;
    for (int c = 0; c < Mix_AllocateChannels(-1); ++c) n += Mix_Playing(c) && Mix_GetChunk(c) == chunk;
    return n;
}

void hush() {
    Mix_HaltChannel(-1);
}

void ensure_music(Mix_Music*& field) {
    if (!field) field = Mix_LoadMUS("wav/exp64.wav");
}

std::optional<Spot> find_solid_spot(SDL_Surface* pic) {
    return find_spot(pic, [&](int x, int y) { return !is_black(pic, x, y); });
}

std::optional<Spot> find_black_spot(SDL_Surface* pic) {
    return find_spot(pic, [&](int x, int y) { return is_black(pic, x, y); });
}

std::optional<Spot> find_spot_solid_in_first_only(SDL_Surface* solid_pic, SDL_Surface* black_pic) {
    if (!solid_pic || !black_pic) return std::nullopt;
    for (int row = 0; row < solid_pic->h; ++row) {
        for (int col = 0; col + SHOT_SIZE < solid_pic->w; ++col) {
            const int right = col + SHOT_SIZE;
            if (!is_black(solid_pic, col, row) && !is_black(solid_pic, right, row) &&
                (is_black(black_pic, col, row) || is_black(black_pic, right, row))) {
                return Spot{col, row - SHOT_SIZE / 2};
            }
        }
    }
    return std::nullopt;
}
