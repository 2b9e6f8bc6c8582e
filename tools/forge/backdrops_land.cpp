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
constexpr int CROP_KINDS = 7;

struct Field {
    float x, y;  // seed point of the field's cell
    Crop crop;
    float angle;  // direction of the furrows
    float tone;   // small shift of the field's colour
};

// The tile repeats three times across the screen and on down, so nothing in
// it may stand out alone: many small fields of every crop, a net of lanes
// along some of their borders, several small farmsteads, copses and ponds
// spread evenly. Every field and lane wraps round the tile's edges.

constexpr int FIELD_COUNT = 17;
constexpr float FIELD_SPACING = 46;  // least distance between two fields' seed points

// Field borders that carry a lane rather than a hedge; a few of the lanes
// are paved.
float border_hash(int a, int b) {
    return float(hash3(uint32_t(std::min(a, b)), uint32_t(std::max(a, b)), 1907) % 1000) / 1000.f;
}
bool is_lane(int a, int b) {
    return border_hash(a, b) < 0.34f;
}
bool is_paved(int a, int b) {
    return border_hash(a, b) < 0.1f;
}

constexpr float LANE_HALF = 2.6f;
constexpr float ROAD_HALF = 3.6f;

// A small farmstead: house, barn and yard, sitting in a field.
struct Farmstead {
    int x, y;
    bool barn_left;
};
constexpr int FARM_W = 34, FARM_H = 26;

std::vector<Field> lay_out_fields() {
    // Seed points thrown at random but kept apart, so the fields come out of
    // even size with no grid to them.
    Rng rng(1901);
    std::vector<Field> fields;
    for (int tries = 0; int(fields.size()) < FIELD_COUNT && tries < 20000; ++tries) {
        const float x = rng.range(0, TILE), y = rng.range(0, TILE);
        bool crowded = false;
        for (const Field& f : fields) {
            const float dx = ring_delta(x, f.x, TILE), dy = ring_delta(y, f.y, TILE);
            crowded = crowded || dx * dx + dy * dy < FIELD_SPACING * FIELD_SPACING;
        }
        if (crowded) continue;
        Field f;
        f.x = x;
        f.y = y;
        // The least used crop that none of the near fields has, so that no
        // two alike lie side by side and draw the eye into a pattern.
        int used[CROP_KINDS] = {};
        bool beside[CROP_KINDS] = {};
        for (const Field& o : fields) {
            const int k = int(o.crop);
            ++used[k];
            const float dx = ring_delta(x, o.x, TILE), dy = ring_delta(y, o.y, TILE);
            beside[k] = beside[k] || dx * dx + dy * dy < 2.6f * FIELD_SPACING * FIELD_SPACING;
        }
        int pick = -1;
        // Orchards count double: they are busy to look at.
        auto weight = [&](int k) { return used[k] * (Crop(k) == Crop::Orchard ? 2 : 1); };
        for (int k = 0; k < CROP_KINDS; ++k)
            if (!beside[k] && (pick < 0 || weight(k) < weight(pick))) pick = k;
        f.crop = Crop(pick < 0 ? int(fields.size() % 6) : pick);
        f.angle = rng.range(0, PI);
        f.tone = rng.range(-1, 1);
        fields.push_back(f);
    }
    return fields;
}

// Nearest field at a point, the field across its nearest border, the
// distance to that border, and the point relative to the field's seed.
struct FieldSpot {
    int which = 0, other = 0;
    float border = 0, lx = 0, ly = 0;
};

FieldSpot nearest_field(const std::vector<Field>& fields, float x, float y) {
    float best = 1e9f, second = 1e9f;
    float bx = 0, by = 0, sx = 0, sy = 0;
    FieldSpot f;
    for (size_t i = 0; i < fields.size(); ++i) {
        const float dx = ring_delta(x, fields[i].x, TILE), dy = ring_delta(y, fields[i].y, TILE);
        const float d = dx * dx + dy * dy;
        if (d < best) {
            second = best;
            sx = bx;
            sy = by;
            f.other = f.which;
            best = d;
            bx = dx;
            by = dy;
            f.which = int(i);
        } else if (d < second) {
            second = d;
            sx = dx;
            sy = dy;
            f.other = int(i);
        }
    }
    const float gap = std::sqrt((sx - bx) * (sx - bx) + (sy - by) * (sy - by));
    f.border = (second - best) / (2 * std::max(gap, 1e-3f));
    f.lx = bx;
    f.ly = by;
    return f;
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
            return Rgb{158, 126, 88} * (1 + 0.05f * f.tone + 0.06f * rows + 0.25f * mottle);
        }
        case Crop::Rows: {
            const float rows = 0.5f + 0.5f * std::sin(along * 2 * PI / 6);
            relief = 0.5f * rows;
            return mix(Rgb{128, 104, 72}, Rgb{84, 136, 62}, smoothstep(0.25f, 0.6f, rows)) *
                   (1 + 0.2f * mottle);
        }
        case Crop::Rapeseed:
            return Rgb{212, 198, 98} * (1 + 0.03f * f.tone + 0.3f * mottle);
        case Crop::Fallow:
            return mix(Rgb{150, 150, 96}, Rgb{128, 140, 84}, clamp01(0.5f + 2 * mottle));
        case Crop::Orchard:
            return Rgb{118, 158, 80} * (1 + 0.25f * mottle);
    }
    return {};
}

// The wobble that keeps field borders from looking ruled; lanes and hedges
// follow the same wobbled borders.
FieldSpot wobbly_field(const std::vector<Field>& fields, float x, float y) {
    const float u = x / TILE, v = y / TILE;
    const float wx = x + 4 * (wrap_fbm(u, v, 4, 3, 11) - 0.5f);
    const float wy = y + 4 * (wrap_fbm(u, v, 4, 3, 12) - 0.5f);
    return nearest_field(fields, wx, wy);
}

bool near_lane(const std::vector<Field>& fields, float x, float y, float margin) {
    const FieldSpot f = wobbly_field(fields, x, y);
    return is_lane(f.which, f.other) && f.border < ROAD_HALF + 1 + margin;
}

void paint_fields(Ground& g, const std::vector<Field>& fields) {
    for (int y = 0; y < TILE; ++y)
        for (int x = 0; x < TILE; ++x) {
            const float u = float(x) / TILE, v = float(y) / TILE;
            const FieldSpot f = wobbly_field(fields, float(x), float(y));
            float relief;
            Rgb c = crop_colour(fields[size_t(f.which)], f.lx, f.ly, u, v, relief);
            // A grass margin runs round each field inside the hedge.
            if (f.border < 5) c = mix(c, Rgb{124, 150, 84}, 0.6f * (1 - smoothstep(3, 5, f.border)));
            g.albedo.at(x, y) = c;
            g.height.at(x, y) = relief;
            if (is_lane(f.which, f.other)) {
                // A lane between the two fields: tarmac with gravel verges, or
                // a dirt track with two ruts.
                const bool paved = is_paved(f.which, f.other);
                const float half = paved ? ROAD_HALF : LANE_HALF;
                if (f.border < half + 1) {
                    Rgb lane = paved ? Rgb{122, 120, 116} * (0.95f + 0.1f * wrap_fbm(u, v, 64, 2, 21))
                                     : Rgb{178, 150, 108} * (std::fabs(f.border - 1.2f) < 0.5f ? 0.9f : 1.0f);
                    if (paved && f.border > half) lane = Rgb{168, 160, 128};  // gravel verge
                    g.albedo.at(x, y) = mix(lane, c, smoothstep(half, half + 1, f.border));
                    g.height.at(x, y) = 0;
                }
                continue;
            }
            // Hedges along the other borders, thinning out and gapped at gates.
            const float width = 1.4f + 1.6f * wrap_fbm(u, v, 8, 2, 13);
            const bool gate = wrap_fbm(u, v, 16, 2, 14) > 0.74f;
            if (f.border < width && !gate) {
                const float leafy = wrap_fbm(u, v, 32, 2, 15);
                g.height.at(x, y) = 2.2f + 1.6f * leafy * (1 - f.border / width);
                g.albedo.at(x, y) = Rgb{58, 98, 46} * (0.85f + 0.3f * leafy);
            }
        }
}

bool in_farm(const std::vector<Farmstead>& farms, float x, float y, float margin) {
    for (const Farmstead& f : farms) {
        const float dx = ring_delta(x, float(f.x), TILE), dy = ring_delta(y, float(f.y), TILE);
        if (dx > -margin && dx < FARM_W + margin && dy > -margin && dy < FARM_H + margin) return true;
    }
    return false;
}

const Rgb TREE_GREENS[4] = {{62, 112, 50}, {76, 124, 48}, {52, 98, 58}, {92, 132, 56}};

void plant_trees(Ground& g, const std::vector<Field>& fields, const std::vector<Farmstead>& farms) {
    Rng rng(4242);
    // Hedgerow trees.
    for (int placed = 0, tries = 0; placed < 44 && tries < 6000; ++tries) {
        const float x = rng.range(0, TILE), y = rng.range(0, TILE);
        const FieldSpot f = wobbly_field(fields, x, y);
        if (f.border > 1.5f || near_lane(fields, x, y, 2) || in_farm(farms, x, y, 4)) continue;
        lump(g, x, y, rng.range(3.2f, 5.5f), 3, 4, TREE_GREENS[rng.below(4)], rng.next());
        ++placed;
    }
    // Small copses in the corners of a few fields, spread over the tile.
    for (size_t c = 1; c < fields.size(); c += 4) {
        const float wx = fields[c].x + rng.range(-14, 14), wy = fields[c].y + rng.range(-14, 14);
        for (int i = 0; i < 16; ++i) {
            const float a = rng.range(0, 2 * PI), r = 12 * std::sqrt(rng.unit());
            const float x = wx + r * std::cos(a) * 1.3f, y = wy + r * std::sin(a);
            if (near_lane(fields, x, y, 1) || in_farm(farms, x, y, 2)) continue;
            lump(g, x, y, rng.range(3.5f, 5.5f), 3.5f, 5, TREE_GREENS[rng.below(4)], rng.next());
        }
    }
    // Orchards: fruit trees in rows over their whole fields.
    for (int y = 0; y < TILE; y += 9)
        for (int x = 0; x < TILE; x += 9) {
            const float px = float(x) + 4.5f + float((y / 9) % 2) * 4.5f, py = float(y) + 4.5f;
            const FieldSpot f = wobbly_field(fields, px, py);
            if (fields[size_t(f.which)].crop != Crop::Orchard || f.border < 6) continue;
            lump(g, px, py, 2.8f, 1.5f, 2.5f, Rgb{82, 138, 58}, uint32_t(x * 31 + y), 0.15f);
        }
}

void build_farm(Ground& g, const Farmstead& f, uint32_t seed) {
    const Rgb gravel{176, 166, 142};
    fill_rect(g, f.x, f.y, FARM_W, FARM_H, gravel, 0, seed);
    const Rgb roofs[3] = {{186, 78, 54}, {150, 70, 50}, {170, 96, 64}};
    const Rgb roof = roofs[seed % 3];
    const int house_x = f.barn_left ? f.x + 16 : f.x + 2;
    const int barn_x = f.barn_left ? f.x + 2 : f.x + 22;
    building(g, house_x, f.y + 3, 16, 10, 4, 6, roof);               // farmhouse, tiled roof
    building(g, barn_x, f.y + 2, 11, 20, 5, 7, Rgb{124, 134, 128});  // barn, metal roof
    lump(g, float(house_x) + 6, float(f.y) + 20, 3.5f, 0, 9, Rgb{200, 200, 196}, seed, 0);  // silo
}

void dig_pond(Ground& g, float cx, float cy, float size) {
    for (int y = -12; y <= 12; ++y)
        for (int x = -16; x <= 16; ++x) {
            const float px = cx + float(x), py = cy + float(y);
            const float d = std::sqrt((float(x) / (12 * size)) * (float(x) / (12 * size)) +
                                      (float(y) / (8 * size)) * (float(y) / (8 * size))) +
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
    // Ponds and farmsteads sit inside fields, well away from each other.
    for (size_t i = 0; i < fields.size(); i += 6) dig_pond(g, fields[i].x + 6, fields[i].y - 4, 0.7f);
    std::vector<Farmstead> farms;
    for (size_t i = 3; i < fields.size(); i += 5) {
        farms.push_back({int(fields[i].x) - FARM_W / 2, int(fields[i].y) - FARM_H / 2, i % 2 == 0});
    }
    for (size_t i = 0; i < farms.size(); ++i) build_farm(g, farms[i], uint32_t(31 + i));
    plant_trees(g, fields, farms);
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

// Some craters still smoulder: a smoke trail blown down-right. No embers:
// bright specks on the ground would pass for bullets.
void set_fires(Canvas& c, const std::vector<Crater>& craters) {
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
    }
}

// ---- desert -------------------------------------------------------------------

// Weathered grey-tan: rocks must not share the red of the enemies' bullets.
const Rgb ROCK{170, 148, 122};

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
                const Rgb c = cliff > 0.98f ? Rgb{200, 176, 142} : ROCK * band;
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
            // Many small crests rather than a few long ones, bent on a finer
            // scale than the tile, so the eye finds no line that repeats.
            const float bend = 2.4f * (wrap_fbm(u, v, 3, 4, seed + 1) - 0.5f);
            const float main = dune(2 * u + 5 * v + bend);
            const float cross = dune(-3 * u + 4 * v + 1.6f * (wrap_fbm(u, v, 3, 3, seed + 5) - 0.5f));
            const float profile = std::max(main, 0.6f * cross);
            const float tall = 2 + 7 * smoothstep(0.3f, 0.7f, wrap_fbm(u, v, 4, 3, seed + 2));
            // Wind ripples on the gentle slopes.
            const float ripple =
                0.22f * std::sin(2 * PI * (14 * u - 9 * v) + 6 * wrap_fbm(u, v, 4, 2, seed + 3));
            g.height.at(x, y) = tall * profile + ripple;
            const float tone = wrap_fbm(u, v, 4, 4, seed + 4);
            Rgb sand = mix(Rgb{204, 156, 100}, Rgb{232, 194, 138}, clamp01(0.35f + 0.6f * profile));
            g.albedo.at(x, y) = sand * (0.9f + 0.2f * tone);
        }
    // Small buttes and boulder fields, thrown at random but kept apart so
    // they spread evenly and none stands out as the tile's landmark.
    Rng rng(seed * 13 + 5);
    std::vector<std::pair<float, float>> rocks;
    for (int tries = 0; rocks.size() < 9 && tries < 5000; ++tries) {
        const float x = rng.range(0, TILE), y = rng.range(0, TILE);
        bool crowded = false;
        for (const auto& r : rocks) {
            const float dx = ring_delta(x, r.first, TILE), dy = ring_delta(y, r.second, TILE);
            crowded = crowded || dx * dx + dy * dy < 62 * 62;
        }
        if (!crowded) rocks.push_back({x, y});
    }
    for (size_t i = 0; i < rocks.size(); ++i) {
        const float cx = rocks[i].first, cy = rocks[i].second;
        if (i % 3 == 0) {
            raise_butte(g, cx, cy, rng.range(7, 10), seed + 6 + uint32_t(i));
            continue;
        }
        for (int y = -14; y <= 14; ++y)
            for (int x = -14; x <= 14; ++x) {
                const float d = std::sqrt(float(x * x + y * y));
                if (d > 14) continue;
                const int px = int(cx) + x, py = int(cy) + y;
                g.albedo.at(px, py) = mix(g.albedo.get(px, py), Rgb{176, 130, 92}, 0.35f * (1 - d / 14));
                g.height.at(px, py) *= 0.5f + 0.5f * d / 14;  // dunes thin out round the rock
            }
        const int n = 2 + rng.below(3);
        for (int k = 0; k < n; ++k) {
            const float a = rng.range(0, 2 * PI), r = rng.range(0, 7);
            const float bx = cx + r * std::cos(a), by = cy + r * std::sin(a);
            lump(g, bx, by, rng.range(2.5f, 5), g.height.get(int(bx), int(by)), rng.range(3, 5),
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
    // A cool violet dusk: the red boss of this stage must stand out on it.
    grade(sand2, {0.66f, 0.6f, 0.7f}, {70, 64, 120}, 0.2f);
    soften(sand2, 0.9f, 0.9f);
    write_bmp16(out + "/bmp/sand2.bmp", to_image(sand2));
}

}  // namespace forge::backdrop
