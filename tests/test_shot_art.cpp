// What is seen is what is hit: every shot picture against every picture it is
// hit-tested on, column by column, with the game's own pixel test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "combat/collisions.h"
#include "core/pools.h"
#include "tests/harness.h"

namespace {

constexpr int SHOT_SIZE = 16;  // every shot's box and picture
// Most of a sprite's columns a passing bolt may visibly cross without a hit,
// or hit without visibly touching, in percent.
constexpr int MOST_MISSED_PERCENT = 10;

// Which pixels of a picture show (the black key is empty), row by row.
struct Solid {
    int w = 0, h = 0;
    std::vector<char> px;
    bool at(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h && px[size_t(y * w + x)]; }
};

Solid solid_of(SDL_Surface* pic) {
    Solid s{pic->w, pic->h, std::vector<char>(size_t(pic->w * pic->h))};
    for (int y = 0; y < pic->h; ++y)
        for (int x = 0; x < pic->w; ++x)
            s.px[size_t(y * pic->w + x)] = !(surface_pixel(pic, x, y) == Rgb{0, 0, 0});
    return s;
}

// The columns of a shot picture where anything shows, in any row: what the
// eye takes for the bolt's width as it flies past.
std::vector<int> body_columns(SDL_Surface* shot) {
    const Solid s = solid_of(shot);
    std::vector<int> cols;
    for (int x = 0; x < s.w; ++x)
        for (int y = 0; y < s.h; ++y)
            if (s.at(x, y)) {
                cols.push_back(x);
                break;
            }
    return cols;
}

// A shot flown up through a target at every column. A column is seen hitting
// when, on some row, the bolt's whole width lies over the target's solid
// pixels (a graze with part of the bolt off the edge reads as a near miss);
// it counts as missed when no row of it passes the game's pixel test. A hit
// with no part of the bolt over anything solid on that row is a phantom.
struct Tally {
    int seen = 0;
    int missed = 0;
    int hits = 0;
    int phantoms = 0;
    int missed_percent() const { return seen ? 100 * missed / seen : 0; }
    int phantom_percent() const { return hits ? 100 * phantoms / hits : 0; }
};

Tally fly_through(SDL_Surface* target, SDL_Surface* shot_pic, int32_t shot_kind) {
    const Solid t = solid_of(target);
    const std::vector<int> body = body_columns(shot_pic);
    Tally tally;
    Shot shot{};
    shot.kind = shot_kind;
    shot.width = SHOT_SIZE;
    shot.height = SHOT_SIZE;
    shot.direction = DIR_UP;
    for (int dx = -SHOT_SIZE; dx <= t.w; ++dx) {
        bool seen = false, hit = false, phantom = false;
        for (int row = 0; row < t.h; ++row) {
            bool all = !body.empty(), any = false;
            for (int c : body) {
                const bool s = t.at(dx + c, row);
                all = all && s;
                any = any || s;
            }
            shot.x = dx;
            shot.y = row - SHOT_SIZE / 2;
            const bool registered = pixel_hit(&shot, 0, 0, target);
            seen = seen || all;
            hit = hit || registered;
            phantom = phantom || (registered && !any);
        }
        tally.seen += seen;
        tally.missed += seen && !hit;
        tally.hits += hit;
        tally.phantoms += phantom;
    }
    return tally;
}

struct Target {
    const char* name;
    int picture;
};
struct ShotPicture {
    const char* name;
    int picture;
    int32_t kind;
};

}  // namespace

TEST(ShotArt, EveryBoltHitsWhereItVisiblyCrossesAnEnemyAndNowhereElse) {
    LoopState loop;
    boot_game(&loop);
    // Enemies are tested on the first picture of their kind.
    const Target targets[] = {
        {"ufo", IMG_UFO},
        {"lvl1boss", IMG_LVL1BOSS},
        {"birdhead", IMG_BIRDHEAD},
        {"interceptor", IMG_INTERCEPTOR},
        {"skel", IMG_SKEL},
        {"lvl2boss", IMG_LVL2BOSS},
        {"lvl3boss", IMG_LVL3BOSS},
        {"lvl4boss", IMG_LVL4BOSS},
        {"mars", IMG_MARS},
        {"speedicon", IMG_SPEEDICON},
        {"weaponicon", IMG_WEAPONICON},
        {"shieldicon", IMG_SHIELDICON},
        {"lifeicon", IMG_LIFEICON},
    };
    const ShotPicture shots[] = {
        {"l1b", IMG_L1B, SHOT_L1},      {"l2b", IMG_L2B, SHOT_L2},      {"l3b0", IMG_L3B, SHOT_L3},
        {"l3b1", IMG_L3B + 1, SHOT_L3}, {"l3b2", IMG_L3B + 2, SHOT_L3}, {"l4b0", IMG_L4B, SHOT_L4},
        {"l4b1", IMG_L4B + 1, SHOT_L4},
    };
    // The table of missed columns goes out after the checks' messages.
    std::string table = "missed/seen ", phantoms = "phantom/hit ";
    char cell[32];
    for (const ShotPicture& s : shots) {
        std::snprintf(cell, sizeof cell, " %12s", s.name);
        table += cell;
        phantoms += cell;
    }
    for (const Target& t : targets) {
        std::snprintf(cell, sizeof cell, "\n%-12s", t.name);
        table += cell;
        phantoms += cell;
        for (const ShotPicture& s : shots) {
            SCOPED_TRACE(std::string(s.name) + " on " + t.name);
            const Tally tally = fly_through(images.pic[t.picture], images.pic[s.picture], s.kind);
            std::snprintf(cell, sizeof cell, " %4d/%-4d%3d%%", tally.missed, tally.seen,
                          tally.missed_percent());
            table += cell;
            std::snprintf(cell, sizeof cell, " %4d/%-4d%3d%%", tally.phantoms, tally.hits,
                          tally.phantom_percent());
            phantoms += cell;
            ASSERT_GT(tally.seen, 0) << "a bolt should be able to cross every enemy";
            EXPECT_LT(tally.missed_percent(), MOST_MISSED_PERCENT) << tally.missed << " of " << tally.seen;
            EXPECT_LT(tally.phantom_percent(), MOST_MISSED_PERCENT) << tally.phantoms << " of " << tally.hits;
        }
    }
    std::printf("%s\n%s\n", table.c_str(), phantoms.c_str());
}

TEST(ShotArt, EnemyBulletsHitTheShipWhereTheyVisiblyCrossIt) {
    LoopState loop;
    boot_game(&loop);
    const ShotPicture bullets[] = {
        {"nme1bullet", IMG_NME1BULLET, SHOT_SMALL_BULLET},
        {"l3b0", IMG_L3B, SHOT_LARGE_BULLET},
        {"l3b1", IMG_L3B + 1, SHOT_LARGE_BULLET},
        {"l3b2", IMG_L3B + 2, SHOT_LARGE_BULLET},
    };
    for (const ShotPicture& b : bullets) {
        SCOPED_TRACE(b.name);
        const Tally tally = fly_through(images.pic[IMG_SHIP], images.pic[b.picture], b.kind);
        std::printf("ship %-10s missed %d of %d seen (%d%%), phantoms %d of %d hits\n", b.name, tally.missed,
                    tally.seen, tally.missed_percent(), tally.phantoms, tally.hits);
        ASSERT_GT(tally.seen, 0);
        EXPECT_LT(tally.missed_percent(), MOST_MISSED_PERCENT);
        EXPECT_LT(tally.phantom_percent(), MOST_MISSED_PERCENT);
    }
}

namespace {

// How much neighbouring lines of a tile differ (mean over a line of the
// summed red, green and blue differences): the median over every pair inside
// the tile, and the pair that meets where the tile wraps round.
struct Seam {
    double inside = 0;
    double edge = 0;
};

Seam seam(SDL_Surface* tile, bool across) {
    const int n = across ? tile->w : tile->h;
    const int m = across ? tile->h : tile->w;
    auto at = [&](int line, int i) {
        return across ? surface_pixel(tile, line, i) : surface_pixel(tile, i, line);
    };
    auto line_diff = [&](int a, int b) {
        double sum = 0;
        for (int i = 0; i < m; ++i) {
            const Rgb p = at(a, i), q = at(b, i);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
        }
        return sum / m;
    };
    std::vector<double> inside;
    for (int k = 0; k + 1 < n; ++k) inside.push_back(line_diff(k, k + 1));
    std::nth_element(inside.begin(), inside.begin() + inside.size() / 2, inside.end());
    return Seam{inside[inside.size() / 2], line_diff(n - 1, 0)};
}

}  // namespace

// The screen shows a grid of one tile, so its right edge meets its left and
// its bottom its top: a feature that stops at an edge draws a line across
// the whole screen.
TEST(ShotArt, BackgroundTilesJoinWithoutASeamAcrossAndDown) {
    for (const char* path : {"bmp/rural.bmp", "bmp/rural2.bmp", "bmp/openspace.bmp", "bmp/lvl1bossbg.bmp",
                             "bmp/water.bmp", "bmp/water2.bmp", "bmp/sand.bmp", "bmp/sand2.bmp"}) {
        SDL_Surface* tile = SDL_LoadBMP(path);
        ASSERT_NE(tile, nullptr) << path;
        for (bool across : {true, false}) {
            const Seam s = seam(tile, across);
            EXPECT_GT(s.inside, 0) << path << ": a tile of one flat colour";
            EXPECT_LT(s.edge, 2 * s.inside)
                << path << (across ? " joins its neighbour badly across" : " joins its neighbour badly down");
        }
        SDL_FreeSurface(tile);
    }
}
