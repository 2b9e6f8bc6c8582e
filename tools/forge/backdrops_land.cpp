// Land tiles seen from high above: the farmland of level 1 (and its darker
// boss-stage variant) and the desert of level 4 (and its dusk variant).
#include <algorithm>
#include <cmath>

#include "backdrops_kit.h"

namespace forge::backdrop {

namespace {

constexpr float PI = 3.14159265f;

// Colour and relief of a tile before the sun is put on it.
struct Ground {
    Canvas albedo{TILE, TILE};
    Plane height{TILE, TILE};
};

// Raises a rounded lump (tree, bush, rock) and colours it where it stands out.
void lump(Ground& g, float cx, float cy, float r, float base, float tall, Rgb colour, uint32_t seed,
          float bumps = 0.25f) {
    const int reach = int(r) + 2;
    for (int y = -reach; y <= reach; ++y)
        for (int x = -reach; x <= reach; ++x) {
            const int px = int(std::floor(cx)) + x, py = int(std::floor(cy)) + y;
            const float dx = float(px) + 0.5f - cx, dy = float(py) + 0.5f - cy;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float ragged =
                r * (1 + bumps * wrap_noise(float(px) * 0.45f, float(py) * 0.45f, 1024, seed));
            if (d >= ragged) continue;
            const float top = base + tall * std::sqrt(1 - (d / ragged) * (d / ragged));
            if (top <= g.height.get(px, py)) continue;
            g.height.at(px, py) = top;
            g.albedo.at(px, py) =
                colour * (0.92f + 0.16f * wrap_fbm(float(px) / TILE, float(py) / TILE, 32, 2, seed));
        }
}

// A building of w x h pixels with a pitched roof; the ridge runs along the
// longer side.
void building(Ground& g, int x0, int y0, int w, int h, float walls, float pitch, Rgb roof) {
    const bool ridge_x = w >= h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float across = ridge_x ? std::fabs(float(y) + 0.5f - float(h) / 2) / (float(h) / 2)
                                         : std::fabs(float(x) + 0.5f - float(w) / 2) / (float(w) / 2);
            g.height.at(x0 + x, y0 + y) = walls + pitch * (1 - across);
            const bool eave = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            // Roof tiles show as fine courses across the slope.
            const int course = ridge_x ? y : x;
            g.albedo.at(x0 + x, y0 + y) = roof * (eave ? 0.8f : course % 3 == 0 ? 0.92f : 1.0f);
        }
}

void fill_rect(Ground& g, int x0, int y0, int w, int h, Rgb colour, float height, uint32_t seed) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            g.albedo.at(x, y) =
                colour * (0.94f + 0.12f * wrap_fbm(float(x) / TILE, float(y) / TILE, 64, 2, seed));
            g.height.at(x, y) = height;
        }
}

// ---- farmland -----------------------------------------------------------------

enum class Crop { Pasture, Wheat, Ploughed, Rows, Rapeseed, Fallow, Orchard };

struct Field {
    float x, y;  // seed point of the field's cell
    Crop crop;
    float angle;  // direction of the furrows
    float tone;   // small shift of the field's colour
};

// The main road runs down the tile, swinging left and right; whole sine
// periods per tile so it joins its neighbours.
float road_x(float y) {
    return 140 + 22 * std::sin(2 * PI * y / TILE) + 9 * std::sin(4 * PI * y / TILE + 1.3f);
}
float road_slope(float y) {
    return 22 * 2 * PI / TILE * std::cos(2 * PI * y / TILE) +
           9 * 4 * PI / TILE * std::cos(4 * PI * y / TILE + 1.3f);
}
// The farm track crosses the tile from side to side.
float track_y(float x) {
    return 58 + 14 * std::sin(2 * PI * x / TILE + 0.5f);
}
float track_slope(float x) {
    return 14 * 2 * PI / TILE * std::cos(2 * PI * x / TILE + 0.5f);
}

float road_distance(float x, float y) {
    const float s = road_slope(y);
    return std::fabs(ring_delta(x, road_x(y), TILE)) / std::sqrt(1 + s * s);
}
float track_distance(float x, float y) {
    const float s = track_slope(x);
    return std::fabs(ring_delta(y, track_y(x), TILE)) / std::sqrt(1 + s * s);
}

constexpr float ROAD_HALF = 4.5f;
constexpr float TRACK_HALF = 2.2f;

// Where the farmyard sits, beside the main road.
constexpr int FARM_Y = 176;
constexpr int FARM_W = 58, FARM_H = 44;

std::vector<Field> lay_out_fields() {
    // Nine fields on a jittered three-by-three grid, so they join up round the tile.
    const Crop crops[9] = {Crop::Pasture,  Crop::Wheat, Crop::Ploughed, Crop::Rows,   Crop::Pasture,
                           Crop::Rapeseed, Crop::Wheat, Crop::Fallow,   Crop::Orchard};
    Rng rng(1901);
    std::vector<Field> fields;
    for (int i = 0; i < 9; ++i) {
        Field f;
        f.x = (float(i % 3) + 0.5f) * TILE / 3 + rng.range(-22, 22);
        f.y = (float(i / 3) + 0.5f) * TILE / 3 + rng.range(-22, 22);
        f.crop = crops[i];
        f.angle = rng.range(0, PI);
        f.tone = rng.range(-1, 1);
        fields.push_back(f);
    }
    return fields;
}

// Nearest field at a point and the distance to its border.
void nearest_field(const std::vector<Field>& fields, float x, float y, int& which, float& border, float& lx,
                   float& ly) {
    float best = 1e9f, second = 1e9f;
    float bx = 0, by = 0, sx = 0, sy = 0;
    which = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        const float dx = ring_delta(x, fields[i].x, TILE), dy = ring_delta(y, fields[i].y, TILE);
        const float d = dx * dx + dy * dy;
        if (d < best) {
            second = best;
            sx = bx;
            sy = by;
            best = d;
            bx = dx;
            by = dy;
            which = int(i);
        } else if (d < second) {
            second = d;
            sx = dx;
            sy = dy;
        }
    }
    const float gap = std::sqrt((sx - bx) * (sx - bx) + (sy - by) * (sy - by));
    border = (second - best) / (2 * std::max(gap, 1e-3f));
    lx = bx;
    ly = by;
}

Rgb crop_colour(const Field& f, float lx, float ly, float u, float v, float& relief) {
    const float along = lx * std::cos(f.angle) + ly * std::sin(f.angle);
    const float mottle = wrap_fbm(u, v, 8, 4, 77) - 0.5f;
    relief = 0;
    switch (f.crop) {
        case Crop::Pasture:
            return Rgb{108, 156, 70} * (1 + 0.05f * f.tone + 0.35f * mottle);
        case Crop::Wheat: {
            const float rows = std::sin(along * 2 * PI / 5);
            const bool tramline = std::fmod(std::fabs(along) + 3, 26.f) < 1.6f;
            const Rgb c = Rgb{212, 184, 104} * (1 + 0.04f * f.tone + 0.05f * rows + 0.2f * mottle);
            return tramline ? c * 0.82f : c;
        }
        case Crop::Ploughed: {
            const float rows = std::sin(along * 2 * PI / 4);
            relief = 0.35f * rows;
            return Rgb{146, 104, 70} * (1 + 0.05f * f.tone + 0.06f * rows + 0.25f * mottle);
        }
        case Crop::Rows: {
            const float rows = 0.5f + 0.5f * std::sin(along * 2 * PI / 6);
            relief = 0.5f * rows;
            return mix(Rgb{128, 104, 72}, Rgb{84, 136, 62}, smoothstep(0.25f, 0.6f, rows)) *
                   (1 + 0.2f * mottle);
        }
        case Crop::Rapeseed:
            return Rgb{222, 204, 78} * (1 + 0.03f * f.tone + 0.3f * mottle);
        case Crop::Fallow:
            return mix(Rgb{150, 150, 96}, Rgb{128, 140, 84}, clamp01(0.5f + 2 * mottle));
        case Crop::Orchard:
            return Rgb{118, 158, 80} * (1 + 0.25f * mottle);
    }
    return {};
}

void paint_fields(Ground& g, const std::vector<Field>& fields) {
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float u = float(x) / TILE, v = float(y) / TILE;
            // A little wobble keeps the field borders from looking ruled.
            const float wx = float(x) + 4 * (wrap_fbm(u, v, 4, 3, 11) - 0.5f);
            const float wy = float(y) + 4 * (wrap_fbm(u, v, 4, 3, 12) - 0.5f);
            int which;
            float border, lx, ly;
            nearest_field(fields, wx, wy, which, border, lx, ly);
            float relief;
            Rgb c = crop_colour(fields[size_t(which)], lx, ly, u, v, relief);
            // A grass margin runs round each field inside the hedge.
            if (border < 5) c = mix(c, Rgb{124, 150, 84}, 0.6f * (1 - smoothstep(3, 5, border)));
            g.albedo.at(x, y) = c;
            g.height.at(x, y) = relief;
            // Hedges along the borders, thinning out and gapped at gates.
            const float width = 1.4f + 1.6f * wrap_fbm(u, v, 8, 2, 13);
            const bool gate = wrap_fbm(u, v, 16, 2, 14) > 0.74f;
            if (border < width && !gate) {
                const float leafy = wrap_fbm(u, v, 32, 2, 15);
                g.height.at(x, y) = 2.2f + 1.6f * leafy * (1 - border / width);
                g.albedo.at(x, y) = Rgb{58, 98, 46} * (0.85f + 0.3f * leafy);
            }
        }
}

void paint_roads(Ground& g) {
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            const float track = track_distance(fx, fy);
            if (track < TRACK_HALF + 1) {
                const float ruts = std::fabs(track - 1.2f) < 0.5f ? 0.9f : 1.0f;
                const Rgb dirt = Rgb{178, 150, 108} * ruts;
                g.albedo.at(x, y) =
                    mix(dirt, g.albedo.get(x, y), smoothstep(TRACK_HALF, TRACK_HALF + 1, track));
                g.height.at(x, y) = 0;
            }
            const float road = road_distance(fx, fy);
            if (road < ROAD_HALF + 2) {
                Rgb c = Rgb{122, 120, 116} * (0.95f + 0.1f * wrap_fbm(fx / TILE, fy / TILE, 64, 2, 21));
                if (road > ROAD_HALF) c = Rgb{168, 160, 128};  // gravel verge
                // Dashed centre line, 8 on and 8 off: 256 holds 16 whole dashes.
                if (road < 0.6f && std::fmod(fy, 16.f) < 8) c = Rgb{232, 228, 206};
                g.albedo.at(x, y) = c;
                g.height.at(x, y) = 0;
            }
        }
}

bool near_road(float x, float y, float margin) {
    return road_distance(x, y) < ROAD_HALF + 2 + margin || track_distance(x, y) < TRACK_HALF + 1 + margin;
}

bool in_farm(float x, float y, float margin) {
    const float fx = road_x(FARM_Y) + ROAD_HALF + 6;
    const float dx = ring_delta(x, fx, TILE), dy = ring_delta(y, float(FARM_Y), TILE);
    return dx > -margin && dx < FARM_W + margin && dy > -margin && dy < FARM_H + margin;
}

const Rgb TREE_GREENS[4] = {{62, 112, 50}, {76, 124, 48}, {52, 98, 58}, {92, 132, 56}};

void plant_trees(Ground& g, const std::vector<Field>& fields) {
    Rng rng(4242);
    // Hedgerow trees.
    for (int placed = 0, tries = 0; placed < 34 && tries < 4000; ++tries) {
        const float x = rng.range(0, TILE), y = rng.range(0, TILE);
        int which;
        float border, lx, ly;
        nearest_field(fields, x, y, which, border, lx, ly);
        if (border > 1.5f || near_road(x, y, 2) || in_farm(x, y, 4)) continue;
        lump(g, x, y, rng.range(3.2f, 5.5f), 3, 4, TREE_GREENS[rng.below(4)], rng.next());
        ++placed;
    }
    // A copse in the corner of one field.
    const float wx = fields[4].x + 18, wy = fields[4].y - 10;
    for (int i = 0; i < 60; ++i) {
        const float a = rng.range(0, 2 * PI), r = 26 * std::sqrt(rng.unit());
        const float x = wx + r * std::cos(a) * 1.3f, y = wy + r * std::sin(a);
        if (near_road(x, y, 1) || in_farm(x, y, 2)) continue;
        lump(g, x, y, rng.range(4, 6.5f), 3.5f, 5, TREE_GREENS[rng.below(4)], rng.next());
    }
    // Orchard: fruit trees in rows over its whole field.
    for (int y = 0; y < TILE; y += 9)
        for (int x = 0; x < TILE; x += 9) {
            const float px = float(x) + 4.5f + float((y / 9) % 2) * 4.5f, py = float(y) + 4.5f;
            int which;
            float border, lx, ly;
            nearest_field(fields, px, py, which, border, lx, ly);
            if (fields[size_t(which)].crop != Crop::Orchard || border < 6 || near_road(px, py, 2)) continue;
            lump(g, px, py, 2.8f, 1.5f, 2.5f, Rgb{82, 138, 58}, uint32_t(x * 31 + y), 0.15f);
        }
}

// Sheep graze the pastures: white dots with a dark face.
void graze_sheep(Ground& g, const std::vector<Field>& fields) {
    Rng rng(77);
    for (int placed = 0, tries = 0; placed < 14 && tries < 2000; ++tries) {
        const int x = rng.below(TILE), y = rng.below(TILE);
        int which;
        float border, lx, ly;
        nearest_field(fields, float(x), float(y), which, border, lx, ly);
        if (fields[size_t(which)].crop != Crop::Pasture || border < 6 || near_road(float(x), float(y), 3) ||
            in_farm(float(x), float(y), 6))
            continue;
        g.albedo.at(x, y) = Rgb{238, 236, 226};
        g.albedo.at(x + 1, y) = Rgb{238, 236, 226};
        g.albedo.at(x + 2, y) = Rgb{60, 56, 52};
        for (int k = 0; k < 3; ++k) g.height.at(x + k, y) = 1.2f;
        ++placed;
    }
}

void build_farm(Ground& g) {
    const int x0 = int(road_x(FARM_Y) + ROAD_HALF + 6), y0 = FARM_Y;
    const Rgb gravel{176, 166, 142};
    // Driveway from the road, then the yard.
    fill_rect(g, x0 - 8, y0 + 16, 10, 8, gravel, 0, 31);
    fill_rect(g, x0, y0, FARM_W, FARM_H, gravel, 0, 31);
    // Kitchen garden with rows of vegetables.
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 16; ++x) {
            g.albedo.at(x0 + 38 + x, y0 + 28 + y) = (y % 3 == 0) ? Rgb{120, 96, 66} : Rgb{96, 146, 66};
        }
    building(g, x0 + 4, y0 + 4, 26, 14, 4, 7, Rgb{186, 78, 54});                  // farmhouse, tiled roof
    building(g, x0 + 36, y0 + 2, 18, 24, 5, 8, Rgb{124, 134, 128});               // barn, metal roof
    building(g, x0 + 6, y0 + 26, 14, 10, 3, 5, Rgb{150, 70, 50});                 // shed
    lump(g, float(x0) + 28, float(y0) + 34, 5, 0, 12, Rgb{200, 200, 196}, 5, 0);  // silo
    lump(g, float(x0) + 2, float(y0) + FARM_H - 2, 5, 3, 5, TREE_GREENS[0], 6);
    lump(g, float(x0) + FARM_W - 2, float(y0) + 1, 6, 3, 5, TREE_GREENS[2], 7);
}

void dig_pond(Ground& g, float cx, float cy) {
    for (int y = -12; y <= 12; ++y)
        for (int x = -16; x <= 16; ++x) {
            const float px = cx + float(x), py = cy + float(y);
            const float d = std::sqrt((float(x) / 12) * (float(x) / 12) + (float(y) / 8) * (float(y) / 8)) +
                            0.15f * wrap_noise(px * 0.2f, py * 0.2f, 1024, 3);
            if (d > 1.25f) continue;
            if (d > 1) {
                g.albedo.at(int(px), int(py)) = Rgb{98, 128, 70};  // reeds round the bank
                g.height.at(int(px), int(py)) = 0.8f;
                continue;
            }
            g.albedo.at(int(px), int(py)) = mix(Rgb{60, 104, 132}, Rgb{96, 140, 160}, d);
            g.height.at(int(px), int(py)) = -1.5f * (1 - d);
        }
}

Ground build_farmland() {
    Ground g;
    const std::vector<Field> fields = lay_out_fields();
    paint_fields(g, fields);
    dig_pond(g, 44, 92);
    paint_roads(g);
    build_farm(g);
    plant_trees(g, fields);
    graze_sheep(g, fields);
    return g;
}

struct Crater {
    float x, y, r;
};

// Bomb craters for the darker boss-stage farmland.
std::vector<Crater> scorch(Ground& g) {
    std::vector<Crater> craters;
    Rng rng(666);
    for (int i = 0; i < 5; ++i) {
        const float cx = rng.range(0, TILE), cy = rng.range(0, TILE), r = rng.range(6, 11);
        craters.push_back({cx, cy, r});
        const int reach = int(r * 2);
        for (int y = -reach; y <= reach; ++y)
            for (int x = -reach; x <= reach; ++x) {
                const float d = std::sqrt(float(x * x + y * y)) / r;
                if (d > 2) continue;
                const int px = int(cx) + x, py = int(cy) + y;
                const float burn =
                    1 -
                    smoothstep(0.6f, 2.f, d + 0.3f * wrap_noise(float(px) * 0.3f, float(py) * 0.3f, 1024, 9));
                g.albedo.at(px, py) = mix(g.albedo.get(px, py), Rgb{54, 44, 36}, burn * 0.85f);
                if (d < 1.2f) g.height.at(px, py) = d < 0.9f ? -2.5f * (1 - d / 0.9f) : 1.2f;
            }
    }
    return craters;
}

// Some craters still burn: a smoke trail blown down-right, embers on top.
void set_fires(Canvas& c, const std::vector<Crater>& craters) {
    Rng rng(13);
    for (size_t i = 0; i < craters.size(); i += 2) {
        const Crater& k = craters[i];
        for (int s = 0; s < 26; ++s) {
            const float t = float(s) / 26;
            const float sx = k.x + 3 + t * 34, sy = k.y + 2 + t * 22, sr = 3 + t * 7;
            for (int y = -int(sr) - 1; y <= int(sr) + 1; ++y)
                for (int x = -int(sr) - 1; x <= int(sr) + 1; ++x) {
                    const float d = std::sqrt(float(x * x + y * y)) / sr;
                    if (d > 1) continue;
                    Rgb& p = c.at(int(sx) + x, int(sy) + y);
                    p = mix(p, Rgb{70, 66, 72}, 0.09f * (1 - d) * (1 - t * 0.7f));
                }
        }
        for (int e = 0; e < 14; ++e) {
            const float a = rng.range(0, 6.2832f), r = k.r * 0.5f * std::sqrt(rng.unit());
            const int ex = int(k.x + r * std::cos(a)), ey = int(k.y + r * std::sin(a));
            c.at(ex, ey) = e % 3 == 0 ? Rgb{255, 226, 120} : Rgb{240, 110, 36};
            if (e % 3 == 0) c.at(ex + 1, ey) = Rgb{226, 80, 30};
        }
    }
}

// ---- desert -------------------------------------------------------------------

const Rgb ROCK{152, 96, 72};

// A dry river bed winding down the tile: cracked clay between low banks,
// with a few bushes that still find water.
float wadi_x(float y) {
    return 52 + 18 * std::sin(2 * PI * y / TILE + 0.4f) + 7 * std::sin(6 * PI * y / TILE);
}

void cut_wadi(Ground& g, uint32_t seed) {
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            const float width = 6 + 3 * wrap_fbm(fx / TILE, fy / TILE, 4, 2, seed + 8);
            const float d = std::fabs(ring_delta(fx, wadi_x(fy), TILE));
            if (d > width + 10) continue;
            const float bank = smoothstep(width, width + 10, d);
            g.height.at(x, y) = lerp(-1.5f, g.height.get(x, y), bank);
            if (d < width + 1) {
                const float crack = cell_edge(fx, fy, 8, seed + 9);
                Rgb clay = Rgb{206, 182, 146} * (0.95f + 0.1f * wrap_fbm(fx / TILE, fy / TILE, 32, 2, seed));
                if (crack < 0.6f) clay = clay * 0.86f;
                g.albedo.at(x, y) = mix(clay, g.albedo.get(x, y), smoothstep(width - 1, width + 1, d));
            }
        }
    Rng rng(seed + 10);
    for (int i = 0; i < 9; ++i) {
        const float y = rng.range(0, TILE), side = rng.unit() < 0.5f ? -1.f : 1.f;
        const float x = wadi_x(y) + side * rng.range(6, 10);
        lump(g, x, y, rng.range(2.2f, 3.8f), g.height.get(int(x), int(y)), 2.5f, Rgb{96, 112, 58}, rng.next(),
             0.4f);
    }
}

// A butte: a flat rock top with steep banded cliffs and scree at its foot.
void raise_butte(Ground& g, float cx, float cy, float r, uint32_t seed) {
    const int reach = int(r * 1.6f);
    for (int y = -reach; y <= reach; ++y)
        for (int x = -reach; x <= reach; ++x) {
            const int px = int(cx) + x, py = int(cy) + y;
            const float d = std::sqrt(float(x * x) + float(y * y) * 1.6f) *
                            (1 + 0.35f * wrap_noise(float(px) * 0.12f, float(py) * 0.12f, 1024, seed));
            if (d > r * 1.5f) continue;
            const float cliff = smoothstep(r, r - 2.5f, d);
            const float scree = 1.5f * smoothstep(r * 1.5f, r, d);
            const float top = 11 * cliff + scree;
            const float old = g.height.get(px, py) * smoothstep(r * 0.9f, r * 1.5f, d);
            g.height.at(px, py) = std::max(top, old);
            if (d < r * 1.25f) {
                // Strata show as bands on the cliff; the top is paler and worn.
                const float band = 0.9f + 0.1f * std::sin(top * 2.4f);
                const Rgb c = cliff > 0.98f ? Rgb{186, 130, 92} : ROCK * band;
                g.albedo.at(px, py) =
                    c * (0.92f + 0.16f * wrap_fbm(float(px) / TILE, float(py) / TILE, 32, 2, seed));
            }
        }
}

Ground build_desert(uint32_t seed) {
    Ground g;
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float u = float(x) / TILE, v = float(y) / TILE;
            // Crests run across the wind, bent by noise so they meander; a second,
            // weaker set crossing them breaks the lines into a net of dunes.
            auto dune = [](float phase) {
                const float t = phase - std::floor(phase);
                const float crest = 0.84f;
                return t < crest ? std::pow(t / crest, 1.5f) : std::pow(1 - (t - crest) / (1 - crest), 0.6f);
            };
            const float bend = 1.8f * (wrap_fbm(u, v, 1, 4, seed + 1) - 0.5f);
            const float main = dune(1 * u + 3 * v + bend);
            const float cross = dune(-2 * u + 2 * v + 1.4f * (wrap_fbm(u, v, 2, 3, seed + 5) - 0.5f));
            const float profile = std::max(main, 0.6f * cross);
            const float tall = 3 + 12 * smoothstep(0.3f, 0.7f, wrap_fbm(u, v, 2, 3, seed + 2));
            // Wind ripples on the gentle slopes.
            const float ripple =
                0.22f * std::sin(2 * PI * (14 * u - 9 * v) + 6 * wrap_fbm(u, v, 4, 2, seed + 3));
            g.height.at(x, y) = tall * profile + ripple;
            const float tone = wrap_fbm(u, v, 4, 4, seed + 4);
            Rgb sand = mix(Rgb{204, 156, 100}, Rgb{232, 194, 138}, clamp01(0.35f + 0.6f * profile));
            g.albedo.at(x, y) = sand * (0.9f + 0.2f * tone);
        }
    cut_wadi(g, seed);
    Rng rng(seed * 13 + 5);
    // A flat-topped butte with cliffs, then boulder fields.
    const float butte_y = rng.range(0, TILE);
    raise_butte(g, wadi_x(butte_y) + rng.range(90, 130), butte_y, 22, seed + 6);
    for (int c = 0; c < 3; ++c) {
        const float cy = rng.range(0, TILE), cx = wadi_x(cy) + rng.range(40, 210);
        for (int y = -22; y <= 22; ++y)
            for (int x = -22; x <= 22; ++x) {
                const float d = std::sqrt(float(x * x + y * y));
                if (d > 22) continue;
                const int px = int(cx) + x, py = int(cy) + y;
                g.albedo.at(px, py) = mix(g.albedo.get(px, py), Rgb{176, 130, 92}, 0.45f * (1 - d / 22));
                g.height.at(px, py) *= 0.4f + 0.6f * d / 22;  // dunes thin out round the rock
            }
        const int n = 3 + rng.below(4);
        for (int i = 0; i < n; ++i) {
            const float a = rng.range(0, 2 * PI), r = rng.range(0, 11);
            const float bx = cx + r * std::cos(a), by = cy + r * std::sin(a);
            lump(g, bx, by, rng.range(3, 7), g.height.get(int(bx), int(by)), rng.range(4, 7),
                 ROCK * rng.range(0.85f, 1.1f), rng.next(), 0.35f);
        }
    }
    // Dry scrub in the hollows between dunes.
    for (int placed = 0, tries = 0; placed < 18 && tries < 3000; ++tries) {
        const float x = rng.range(0, TILE), y = rng.range(0, TILE);
        if (g.height.get(int(x), int(y)) > 2.5f) continue;
        lump(g, x, y, rng.range(1.6f, 2.6f), g.height.get(int(x), int(y)), 1.5f, Rgb{116, 112, 62},
             rng.next(), 0.45f);
        ++placed;
    }
    return g;
}

}  // namespace

void forge_land_tiles(const std::string& out) {
    const Ground farm = build_farmland();
    Light day;
    day.relief = 1.0f;
    Canvas rural = light_tile(farm.albedo, farm.height, day);
    soften(rural, 0.86f, 0.85f);
    write_bmp16(out + "/bmp/rural.bmp", to_image(rural));

    Ground battle = farm;
    const std::vector<Crater> craters = scorch(battle);
    Light evening = day;
    evening.sun_height = 0.6f;  // a lower sun throws longer shadows
    evening.shadow_tint = {80, 80, 150};
    Canvas rural2 = light_tile(battle.albedo, battle.height, evening);
    grade(rural2, {0.52f, 0.5f, 0.62f}, {30, 20, 60}, 0.08f);
    soften(rural2, 0.95f, 0.8f);
    set_fires(rural2, craters);
    write_bmp16(out + "/bmp/rural2.bmp", to_image(rural2));

    const Ground dunes = build_desert(41);
    Light noon;
    noon.contrast = 0.6f;
    noon.shadow_tint = {150, 120, 120};
    Canvas sand = light_tile(dunes.albedo, dunes.height, noon);
    soften(sand, 0.85f, 0.95f);
    write_bmp16(out + "/bmp/sand.bmp", to_image(sand));

    const Ground dusk_dunes = build_desert(97);
    Light dusk = noon;
    dusk.sun_height = 0.45f;
    dusk.shadow_tint = {90, 70, 160};
    Canvas sand2 = light_tile(dusk_dunes.albedo, dusk_dunes.height, dusk);
    grade(sand2, {0.8f, 0.58f, 0.48f}, {60, 30, 66}, 0.12f);
    soften(sand2, 0.9f, 0.9f);
    write_bmp16(out + "/bmp/sand2.bmp", to_image(sand2));
}

}  // namespace forge::backdrop
