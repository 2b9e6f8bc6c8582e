// Space tiles: the deep space of level 2 and the red gloom of its boss stage,
// their gas in many small wisps spread evenly, so the tile shows no one cloud
// that repeats.
#include <cmath>

#include "backdrops_kit.h"

namespace forge::backdrop {

namespace {

struct SpaceLook {
    Rgb base;                  // empty space
    Rgb gas[3];                // nebula colours, blended by a slow noise
    Rgb glow;                  // hot knots in the densest gas
    float gas_strength;        // 0..1 of the nebula's full colour
    int stars, faint_stars;    // bright-ish stars and the dust of faint ones
    Rgb star_warm, star_cool;  // star colours
    float star_power;          // brightness of the stars
    uint32_t seed;
};

// Adds light at a wrapped position.
void glow_at(Canvas& c, int x, int y, Rgb light, float k) {
    Rgb& p = c.at(x, y);
    p = p + light * k;
}

void paint_gas(Canvas& c, const SpaceLook& look) {
    const uint32_t s = look.seed;
    for (int y = 0; y < TILE; ++y) {
        for (int x = 0; x < TILE; ++x) {
            const float u = float(x) / TILE, v = float(y) / TILE;
            const float wu = u + 0.08f * (wrap_fbm(u, v, 4, 4, s + 1) - 0.5f);
            const float wv = v + 0.08f * (wrap_fbm(u, v, 4, 4, s + 2) - 0.5f);
            const float n = wrap_fbm(wu, wv, 4, 5, s + 3, 0.55f);
            float density = 0.1f + 0.9f * smoothstep(0.42f, 0.85f, n);
            // Bright filaments along the folds of the gas.
            const float fold = 1 - std::fabs(2 * wrap_fbm(wu, wv, 5, 4, s + 7) - 1);
            density += 0.45f * std::pow(fold, 6.f) * smoothstep(0.3f, 0.6f, n);
            // Dark dust lanes cut through the glowing gas.
            const float lane = wrap_fbm(wu, wv, 5, 4, s + 5);
            density *= 1 - 0.55f * smoothstep(0.52f, 0.68f, lane);
            const float hue = wrap_fbm(u, v, 3, 3, s + 4);
            const Rgb gas = hue < 0.5f ? mix(look.gas[0], look.gas[1], smoothstep(0.38f, 0.5f, hue))
                                       : mix(look.gas[1], look.gas[2], smoothstep(0.5f, 0.62f, hue));
            const float knot = 0.5f * std::pow(smoothstep(0.62f, 0.92f, n), 2.f);
            // Faint all-over haze keeps the black from looking empty.
            const float haze = 0.12f * wrap_fbm(u, v, 4, 4, s + 6);
            Rgb p = look.base + gas * (look.gas_strength * (density + haze));
            p = p + look.glow * (knot * look.gas_strength);
            c.at(x, y) = p;
        }
    }
}

void paint_stars(Canvas& c, const SpaceLook& look) {
    Rng rng(look.seed * 31 + 7);
    for (int i = 0; i < look.faint_stars; ++i) {
        const int x = rng.below(TILE), y = rng.below(TILE);
        glow_at(c, x, y, mix(look.star_cool, look.star_warm, rng.unit()), rng.range(0.08f, 0.25f));
    }
    for (int i = 0; i < look.stars; ++i) {
        const int x = rng.below(TILE), y = rng.below(TILE);
        const float b = look.star_power * (0.25f + 0.75f * std::pow(rng.unit(), 3.f));
        const Rgb col = mix(look.star_cool, look.star_warm, rng.unit());
        glow_at(c, x, y, col, b);
        if (b > 0.45f) {
            for (int d = 0; d < 4; ++d) {
                const int dx = d == 0 ? 1 : d == 1 ? -1 : 0, dy = d == 2 ? 1 : d == 3 ? -1 : 0;
                glow_at(c, x + dx, y + dy, col, b * 0.35f);
            }
        }
        if (b > 0.8f) {  // a few bright ones get a four-pointed glint
            for (int k = 2; k <= 5; ++k) {
                const float f = b * 0.3f / float(k - 1);
                glow_at(c, x + k, y, col, f);
                glow_at(c, x - k, y, col, f);
                glow_at(c, x, y + k, col, f);
                glow_at(c, x, y - k, col, f);
            }
        }
    }
}

void forge_space(const std::string& path, const SpaceLook& look) {
    Canvas c(TILE, TILE);
    paint_gas(c, look);
    paint_stars(c, look);
    write_bmp16(path, to_image(c));
}

}  // namespace

void forge_space_tiles(const std::string& out) {
    SpaceLook open{};
    open.base = {5, 7, 20};
    open.gas[0] = {40, 70, 160};
    open.gas[1] = {110, 50, 150};
    open.gas[2] = {30, 120, 140};
    open.glow = {150, 110, 190};
    open.gas_strength = 0.45f;
    open.stars = 150;
    open.faint_stars = 500;
    open.star_warm = {255, 236, 200};
    open.star_cool = {190, 215, 255};
    open.star_power = 1.0f;
    open.seed = 2024;
    forge_space(out + "/bmp/openspace.bmp", open);

    SpaceLook boss{};
    boss.base = {10, 3, 8};
    boss.gas[0] = {120, 20, 30};
    boss.gas[1] = {150, 50, 30};
    boss.gas[2] = {100, 20, 80};
    boss.glow = {200, 110, 60};
    boss.gas_strength = 0.42f;
    boss.stars = 80;
    boss.faint_stars = 300;
    boss.star_warm = {255, 200, 170};
    boss.star_cool = {230, 200, 210};
    boss.star_power = 0.8f;
    boss.seed = 6670;
    forge_space(out + "/bmp/lvl1bossbg.bmp", boss);
}

}  // namespace forge::backdrop
