// Sea tiles: the bright sea of level 3 with its small isles and reefs, and
// the open stormy sea of its boss stage.
#include <algorithm>
#include <cmath>

#include "backdrops_kit.h"

namespace forge::backdrop {

namespace {

constexpr float PI = 3.14159265f;

// Wind waves seen from high above: short bright crest strokes, each with a
// shaded trough on its far side; integer wave numbers keep them seamless.
struct WaveSet {
    int kx, ky;
    float strength;
};

struct SeaLook {
    Rgb deep, shallow;  // open water and water over sand
    Rgb foam, crest;
    WaveSet waves[2];
    float swell;        // height of the waves
    float foam_amount;  // 0 calm .. 1 stormy
    float glint;        // strength of the sun's reflection
    uint32_t seed;
};

// The sea surface's gentle swell; the wave crests are painted on top.
float sea_height(float u, float v, const SeaLook& look) {
    return look.swell * 3 * (wrap_fbm(u, v, 4, 4, look.seed + 2) - 0.5f) +
           look.swell * look.swell * 2 * (wrap_fbm(u, 2 * v, 2, 2, look.seed + 4) - 0.5f);
}

// How much of a wave crest lies here (sharp, 0..1), and of its trough line
// `shift` radians behind it.
float wave_crests(float u, float v, const WaveSet& w, float bend, float shift, float& trough) {
    const float t = 2 * PI * (float(w.kx) * u + float(w.ky) * v) + bend;
    const float crest = std::pow(0.5f + 0.5f * std::cos(t), 10.f);
    trough = std::pow(0.5f + 0.5f * std::cos(t - shift), 10.f);
    return crest;
}

// An island or reef: its outline is a few noisy circles; without `land` it
// is an atoll, a ring of reef round a lagoon.
struct Lobe {
    float x, y, r;
};
struct Isle {
    std::vector<Lobe> lobes;  // overlapping circles give the outline
    bool land;
};

struct Sea {
    Canvas albedo{TILE, TILE};
    Plane height{TILE, TILE};
    Plane wet{TILE, TILE, 1};   // 1 over open water: gets glints and foam
    Plane surf{TILE, TILE, 0};  // breakers along coasts and reefs
};

// Distance from an isle's coast in units of its radius (negative inside).
float coast(const Isle& isle, float x, float y, uint32_t seed) {
    float d = 1e9f;
    for (const Lobe& l : isle.lobes) {
        const float dx = ring_delta(x, l.x, TILE), dy = ring_delta(y, l.y, TILE);
        d = std::min(d, std::sqrt(dx * dx + dy * dy) / l.r - 1);
    }
    return d + 2.2f * (wrap_fbm(x / TILE, y / TILE, 6, 3, seed) - 0.5f) +
           0.8f * (wrap_fbm(x / TILE, y / TILE, 32, 2, seed + 9) - 0.5f);
}

void paint_water(Sea& s, const SeaLook& look) {
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float u = float(x) / TILE, v = float(y) / TILE;
            const float depth = wrap_fbm(u, v, 2, 3, look.seed + 3);
            s.albedo.at(x, y) = mix(look.deep * 0.9f, look.deep * 1.1f, depth);
            s.height.at(x, y) = sea_height(u, v, look);
        }
}

void raise_isle(Sea& s, const Isle& isle, const SeaLook& look, uint32_t seed) {
    const float scale = isle.lobes[0].r;
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            float d = coast(isle, fx, fy, seed);
            if (d > 1.5f) continue;
            if (!isle.land) d = std::fabs(d + 0.22f) - 0.22f;  // a ring of reef, lagoon inside
            const float u = fx / TILE, v = fy / TILE;
            if (d > 0 || !isle.land) {
                // Shallows: the sandy bottom shows through, turquoise near the coast.
                const float shoal = std::pow(clamp01(1 - d / 1.5f), 1.6f);
                const float ripples =
                    0.5f + 0.5f * std::sin(2 * PI * (7 * u + 11 * v) + 8 * wrap_fbm(u, v, 8, 2, seed));
                Rgb bottom = mix(look.shallow, look.shallow * 1.12f, ripples * shoal);
                // The reef top, just awash: smooth, with no coral specks that
                // could pass for bullets.
                if (d <= 0) bottom = look.shallow * (1.12f + 0.1f * wrap_fbm(u, v, 16, 2, seed + 2));
                Rgb& a = s.albedo.at(x, y);
                a = mix(a, bottom, shoal);
                s.height.at(x, y) *= 1 - 0.8f * shoal;  // the swell flattens over the shoal
                const float breakers = 1 - smoothstep(0.0f, 3.0f, std::fabs(d) * scale);
                s.surf.at(x, y) = std::max(s.surf.get(x, y), d > 0 ? breakers : 0.f);
                continue;
            }
            s.wet.at(x, y) = 0;
            const float inland = -d * scale;  // pixels from the shore
            if (inland < 2.5f) {
                s.albedo.at(x, y) = Rgb{234, 216, 160} * (0.94f + 0.12f * wrap_fbm(u, v, 32, 2, seed + 1));
                s.height.at(x, y) = 0.3f * inland;
                continue;
            }
            // Jungle over hills, with a bare rocky top on the big isles.
            const float hill = std::min(inland, scale * 0.9f) * 0.5f + 4 * wrap_fbm(u, v, 16, 3, seed + 3);
            s.height.at(x, y) = hill;
            const float canopy = wrap_fbm(u, v, 32, 2, seed + 4);
            Rgb green = mix(Rgb{46, 110, 52}, Rgb{92, 150, 62}, canopy);
            if (inland > scale * 0.6f && scale > 20) green = mix(green, Rgb{150, 140, 120}, 0.7f);
            s.albedo.at(x, y) = green;
        }
    // Palms scattered on the land: little bumps that catch the light.
    Rng rng(seed);
    for (int i = 0; i < int(scale * 3) && isle.land; ++i) {
        const Lobe& l = isle.lobes[size_t(rng.below(int(isle.lobes.size())))];
        const float a = rng.range(0, 2 * PI), r = l.r * std::sqrt(rng.unit());
        const int ix = int(l.x + r * std::cos(a)), iy = int(l.y + r * std::sin(a));
        if (s.wet.get(ix, iy) > 0) continue;
        for (int y = -2; y <= 2; ++y)
            for (int x = -2; x <= 2; ++x) {
                if (x * x + y * y > 5) continue;
                s.height.at(ix + x, iy + y) += 1.5f - 0.25f * float(x * x + y * y);
                s.albedo.at(ix + x, iy + y) = Rgb{60, 126, 54};
            }
    }
}

// Broad shoals where the sandy bottom shows through, spread all over the
// tile by a noise that wraps: light and shade with no one shape to recognise.
void paint_shoals(Sea& s, const SeaLook& look, uint32_t seed) {
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float u = float(x) / TILE, v = float(y) / TILE;
            const float n = wrap_fbm(u, v, 3, 4, seed);
            const float shoal = smoothstep(0.5f, 0.8f, n);
            const float ripples =
                0.5f + 0.5f * std::sin(2 * PI * (7 * u + 11 * v) + 8 * wrap_fbm(u, v, 8, 2, seed));
            Rgb& a = s.albedo.at(x, y);
            a = mix(a, mix(look.shallow * 0.9f, look.shallow * 1.05f, ripples), shoal * 0.55f);
            s.height.at(x, y) *= 1 - 0.6f * shoal;
        }
}

// Spots for small isles and reefs, thrown at random but kept `apart`
// pixels from each other round the wrapping tile, so they spread evenly.
std::vector<Lobe> scatter(int count, float apart, float r0, float r1, uint32_t seed) {
    Rng rng(seed);
    std::vector<Lobe> spots;
    for (int tries = 0; int(spots.size()) < count && tries < 5000; ++tries) {
        const float x = rng.range(0, TILE), y = rng.range(0, TILE);
        bool crowded = false;
        for (const Lobe& l : spots) {
            const float dx = ring_delta(x, l.x, TILE), dy = ring_delta(y, l.y, TILE);
            crowded = crowded || dx * dx + dy * dy < apart * apart;
        }
        if (!crowded) spots.push_back({x, y, rng.range(r0, r1)});
    }
    return spots;
}

Canvas render_sea(const Sea& s, const SeaLook& look) {
    Light sun;
    sun.contrast = 0.5f;
    sun.shadow_tint = {70, 110, 160};
    Canvas c = light_tile(s.albedo, s.height, sun);
    // The sun's glitter and the foam on the water.
    const float hx = -0.5f, hy = -0.5f, hz = 1.707f;  // half-way between sun and eye
    const float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float wet = s.wet.get(x, y);
            if (wet <= 0) continue;
            const float u = float(x) / TILE, v = float(y) / TILE;
            const float dx = (s.height.get(x + 1, y) - s.height.get(x - 1, y)) * 0.5f;
            const float dy = (s.height.get(x, y + 1) - s.height.get(x, y - 1)) * 0.5f;
            const float nl = std::sqrt(dx * dx + dy * dy + 1);
            const float sparkle = std::pow(std::max(0.f, (-dx * hx - dy * hy + hz) / nl / hl), 90.f);
            Rgb& p = c.at(x, y);
            p = mix(p, Rgb{255, 255, 245}, clamp01(sparkle * look.glint));
            // Wind waves: bright crests with shaded troughs; in a storm the
            // crests break into foam streaks running with the wind.
            const float bend = 9 * wrap_fbm(u, v, 4, 3, look.seed + 8);
            const float patchy = smoothstep(0.45f, 0.68f, wrap_fbm(u, v, 16, 3, look.seed + 6));
            float crest = 0, trough = 0;
            for (const WaveSet& w : look.waves) {
                float t;
                crest += w.strength * wave_crests(u, v, w, bend, 1.2f, t);
                trough += w.strength * t;
            }
            const float calm = 1 - s.surf.get(x, y);
            p = p * (1 - 0.22f * trough * patchy * wet * calm);
            p = mix(p, look.crest, clamp01(crest * patchy) * 0.5f * wet * calm);
            const float streak = wrap_fbm(u + v, 6 * v, 4, 3, look.seed + 5);
            const float whitecap = look.foam_amount * crest * smoothstep(0.5f, 0.75f, streak);
            float foam = std::max(
                whitecap, s.surf.get(x, y) * smoothstep(0.4f, 0.6f, wrap_fbm(u, v, 32, 2, look.seed + 7)));
            // Spindrift: long thin lines of foam blown along the wind.
            const float lines =
                std::pow(0.5f + 0.5f * std::cos(2 * PI * (2 * u + 22 * v) + bend * 0.7f), 24.f);
            foam = std::max(foam, look.foam_amount * 0.5f * lines * smoothstep(0.45f, 0.7f, streak));
            p = mix(p, look.foam, clamp01(foam) * 0.9f);
        }
    return c;
}

}  // namespace

void forge_sea_tiles(const std::string& out) {
    SeaLook calm{};
    calm.deep = {30, 98, 152};
    calm.shallow = {70, 190, 190};
    calm.foam = {236, 246, 246};
    calm.crest = {150, 206, 236};
    calm.waves[0] = {2, 17, 1.0f};
    calm.waves[1] = {-3, 13, 0.45f};
    calm.swell = 1.0f;
    calm.foam_amount = 0.0f;
    calm.glint = 0.5f;
    calm.seed = 300;
    Sea sea;
    paint_water(sea, calm);
    paint_shoals(sea, calm, 320);
    // No one big island: three middling isles of different shapes, kept far
    // apart, and a reef ring.
    const std::vector<Lobe> spots = scatter(4, 112, 12, 16, 305);
    for (size_t i = 0; i < spots.size(); ++i) {
        const Lobe& l = spots[i];
        const uint32_t seed = 310 + uint32_t(i);
        if (i == 3) {
            raise_isle(sea, Isle{{l}, false}, calm, seed);  // a reef ring round a lagoon
            continue;
        }
        const float turn = float(i) * 2.1f;
        const Lobe tail{l.x + l.r * 1.1f * std::cos(turn), l.y + l.r * 1.1f * std::sin(turn), l.r * 0.65f};
        raise_isle(sea, Isle{{l, tail}, true}, calm, seed);
    }
    Canvas water = render_sea(sea, calm);
    soften(water, 0.88f, 0.9f);
    write_bmp16(out + "/bmp/water.bmp", to_image(water));

    SeaLook storm{};
    storm.deep = {30, 62, 78};
    storm.shallow = {52, 100, 100};
    storm.foam = {200, 214, 216};
    storm.crest = {120, 150, 160};
    storm.waves[0] = {3, 12, 1.0f};
    storm.waves[1] = {-2, 10, 0.6f};
    storm.swell = 2.0f;
    storm.foam_amount = 1.0f;
    storm.glint = 0.15f;
    storm.seed = 900;
    Sea rough;
    paint_water(rough, storm);
    // Open storm water only: rocks this small read as specks in a fight.
    Canvas water2 = render_sea(rough, storm);
    soften(water2, 0.9f, 0.85f);
    write_bmp16(out + "/bmp/water2.bmp", to_image(water2));
}

}  // namespace forge::backdrop
