// The story illustrations, one function per named picture: the Vale, Wren,
// the route, the launch, orbit, the sea, the desert, the four strongholds and
// the way home.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "screens_art.h"

namespace forge::art {

namespace {

using namespace paint;

void sky(Canvas& cv, std::vector<Stop> stops) {
    fill_rect(cv, 0, 0, cv.w, cv.h, vertical(0, cv.h, std::move(stops)));
}

// A rolling ridge line across the picture, filled down to the bottom.
std::vector<Pt> ridge_pts(const Canvas& cv, double base, double amp, double wave, uint32_t seed) {
    std::vector<Pt> pts;
    for (double x = -10; x <= cv.w + 10; x += 4) {
        const double n = noise(x / wave, 0.5, seed) * 0.7 + noise(x / (wave * 0.37), 3.5, seed + 9) * 0.3;
        pts.push_back({x, base - amp * n});
    }
    pts.push_back({cv.w + 10.0, cv.h + 10.0});
    pts.push_back({-10, cv.h + 10.0});
    return pts;
}

void ridge(Canvas& cv, double base, double amp, double wave, uint32_t seed, const Shader& s) {
    fill_poly(cv, ridge_pts(cv, base, amp, wave, seed), s);
}

// A field ridge with furrows following its crest.
void field(Canvas& cv, double base, double amp, double wave, uint32_t seed, uint32_t top, uint32_t bottom,
           uint32_t furrow) {
    const auto pts = ridge_pts(cv, base, amp, wave, seed);
    fill_poly(cv, pts, vertical(base - amp, cv.h, {{0, top}, {1, bottom}}));
    for (int k = 1; k < 9; ++k) {
        const double drop = k * k * 1.6;
        for (size_t i = 0; i + 3 < pts.size(); i += 2) {
            line(cv, {pts[i].x, pts[i].y + drop}, {pts[i + 2].x, pts[i + 2].y + drop}, 0.9 + k * 0.15,
                 solid(furrow), 0.35);
        }
    }
}

void moon(Canvas& cv, Pt c, double r, const Shader& sky_shader) {
    glow(cv, c, r * 3, rgb(120, 120, 200), 0.35);
    fill_ellipse(cv, c, r, r, solid(rgb(250, 245, 215)));
    fill_ellipse(cv, {c.x + r * 0.45, c.y - r * 0.2}, r * 0.9, r * 0.9, sky_shader);
}

void sun(Canvas& cv, Pt c, double r, uint32_t core, uint32_t rim, uint32_t halo) {
    glow(cv, c, r * 4, halo, 0.6);
    fill_ellipse(cv, c, r, r, radial(c, r, {{0, core}, {0.7, core}, {1, rim}}));
}

void barn(Canvas& cv, Pt base, double s, uint32_t wall, uint32_t roof, uint32_t door_light) {
    const double l = base.x - s / 2, r = base.x + s / 2, top = base.y - s * 0.55;
    fill_poly(cv,
              {{l - 2, top + 1},
               {l + s * 0.12, top - s * 0.26},
               {base.x, top - s * 0.4},
               {r - s * 0.12, top - s * 0.26},
               {r + 2, top + 1}},
              solid(roof));
    fill_rect(cv, l, top, s, s * 0.55, vertical(top, base.y, {{0, shade(wall, 1.1)}, {1, shade(wall, 0.7)}}));
    const double dw = s * 0.34, dh = s * 0.36;
    fill_rect(cv, base.x - dw / 2, base.y - dh, dw, dh, solid(door_light));
    if (door_light == 0) {
        line(cv, {base.x - dw / 2, base.y - dh}, {base.x + dw / 2, base.y}, 1.5, solid(shade(wall, 1.6)));
        line(cv, {base.x + dw / 2, base.y - dh}, {base.x - dw / 2, base.y}, 1.5, solid(shade(wall, 1.6)));
    } else {
        glow(cv, {base.x, base.y - dh / 2}, s * 0.9, door_light, 0.35);
    }
    fill_rect(cv, base.x - s * 0.07, top - s * 0.2, s * 0.14, s * 0.12,
              solid(door_light ? door_light : rgb(40, 20, 20)));
}

void silo(Canvas& cv, Pt base, double w, double h, uint32_t colour) {
    fill_rect(cv, base.x - w / 2, base.y - h, w, h,
              along({base.x - w / 2, 0}, {base.x + w / 2, 0},
                    {{0, shade(colour, 0.7)}, {0.4, colour}, {1, shade(colour, 0.5)}}));
    fill_ellipse(cv, {base.x, base.y - h}, w / 2, w * 0.45, solid(shade(colour, 0.85)));
}

void tree(Canvas& cv, Pt base, double h, uint32_t leaf) {
    fill_rect(cv, base.x - h * 0.05, base.y - h * 0.4, h * 0.1, h * 0.4, solid(shade(leaf, 0.5)));
    fill_ellipse(cv, {base.x, base.y - h * 0.62}, h * 0.32, h * 0.38,
                 vertical(base.y - h, base.y - h * 0.3, {{0, shade(leaf, 1.25)}, {1, shade(leaf, 0.7)}}));
}

void comet(Canvas& cv, Pt head, Pt tail_dir, double len) {
    const double n = std::hypot(tail_dir.x, tail_dir.y);
    const Pt d = {tail_dir.x / n, tail_dir.y / n};
    for (int i = 0; i <= 48; ++i) {
        const double t = i / 48.0;
        glow(cv, {head.x + d.x * len * t, head.y + d.y * len * t}, 5 + t * 20, rgb(150, 220, 255),
             0.3 * (1 - t));
    }
    glow(cv, head, 22, rgb(180, 240, 255), 1.0);
    fill_ellipse(cv, head, 3, 3, solid(rgb(255, 255, 255)));
}

// A planet lit from `light` (a unit-ish direction toward the sun), its surface
// from the colour function of its own unit-disc coordinates.
void planet(Canvas& cv, Pt c, double r, Pt light, const std::function<uint32_t(double u, double v)>& surface,
            uint32_t air) {
    if (air) {
        glow(cv, c, r * 1.18, air, 0.55);
        fill_ellipse(cv, c, r + 2.5, r + 2.5, solid(air), 0.7);
    }
    const double lz = 0.55, ln = std::sqrt(light.x * light.x + light.y * light.y + lz * lz);
    fill_ellipse(cv, c, r, r, [=](double x, double y) {
        const double u = (x - c.x) / r, v = (y - c.y) / r;
        const double w = std::sqrt(std::max(0.0, 1 - u * u - v * v));
        const double lit = std::max(0.0, (u * light.x + v * light.y + w * lz) / ln);
        return shade(surface(u / (w + 0.6), v / (w + 0.6)), 0.15 + 1.0 * lit);
    });
}

uint32_t earth_surface(double u, double v) {
    const double land = fbm(u * 2.2 + 7, v * 2.2 + 3, 41);
    const double cloud = fbm(u * 3.5 + 1, v * 6 + 5, 77);
    uint32_t c = land > 0.55 ? mix(rgb(60, 150, 70), rgb(170, 150, 90), (land - 0.55) * 5)
                             : mix(rgb(20, 60, 160), rgb(40, 110, 210), land * 1.6);
    if (cloud > 0.58) c = mix(c, rgb(250, 252, 255), std::min(1.0, (cloud - 0.58) * 7));
    return c;
}

uint32_t mars_surface(double u, double v) {
    const double n = fbm(u * 2.5 + 11, v * 2.5 + 2, 93);
    uint32_t c = mix(rgb(230, 110, 60), rgb(140, 50, 30), std::clamp((n - 0.4) * 3, 0.0, 1.0));
    if (v < -0.78) c = mix(c, rgb(255, 245, 240), std::min(1.0, (-0.78 - v) * 10));
    return c;
}

void earth(Canvas& cv, Pt c, double r, Pt light) {
    planet(cv, c, r, light, earth_surface, rgb(90, 170, 255));
}
void mars(Canvas& cv, Pt c, double r, Pt light) {
    planet(cv, c, r, light, mars_surface, rgb(255, 140, 90));
}

// A bone-white glider: a skull on ribbed wings, flying down the picture.
void bone_glider(Canvas& cv, const Place& p) {
    const std::vector<Pt> wing = {{0.1, -0.3}, {0.55, -0.55}, {1.05, -0.45}, {0.82, -0.18}, {0.98, 0.05},
                                  {0.7, 0.02}, {0.72, 0.32},  {0.45, 0.14},  {0.16, 0.3}};
    const Pt tips[3] = {{1.05, -0.45}, {0.98, 0.05}, {0.72, 0.32}};
    std::vector<Pt> left = wing;
    for (Pt& q : left) q.x = -q.x;
    const auto skull = ellipse_pts({0, 0.32}, 0.27, 0.3, 0, 24);
    const auto jaw = mirrored({{0, 0.5}, {0.17, 0.5}, {0.13, 0.72}, {0, 0.75}});
    outline(cv, {p(wing), p(left), p(skull), p(jaw)}, std::max(1.0, p.size * 0.05), rgb(20, 16, 30));
    const Shader membrane = along(p({0, -0.5}), p({0, 0.4}), {{0, rgb(130, 110, 150)}, {1, rgb(70, 50, 90)}});
    fill_poly(cv, p(wing), membrane);
    fill_poly(cv, p(left), membrane);
    for (int sx = -1; sx <= 1; sx += 2) {
        for (const Pt& tip : tips) {
            line(cv, p({sx * 0.12, -0.25}), p({sx * tip.x, tip.y}), p.size * 0.06, solid(rgb(240, 235, 215)));
        }
    }
    line(cv, p({0, -0.65}), p({0, 0.1}), p.size * 0.1, solid(rgb(240, 235, 215)));
    fill_poly(cv, p(jaw), solid(rgb(220, 214, 195)));
    fill_poly(cv, p(skull),
              radial(p({-0.08, 0.22}), p.size * 0.35, {{0, rgb(255, 252, 240)}, {1, rgb(200, 190, 170)}}));
    for (int sx = -1; sx <= 1; sx += 2) {
        fill_ellipse(cv, p({sx * 0.11, 0.36}), p.size * 0.08, p.size * 0.09, solid(rgb(40, 10, 20)));
        fill_ellipse(cv, p({sx * 0.11, 0.37}), p.size * 0.04, p.size * 0.04, solid(rgb(255, 70, 60)));
    }
}

// ---- the Vale at night, the lights coming down ----
void vale_night(Canvas& cv, std::vector<Label>&) {
    const Shader night =
        vertical(0, cv.h, {{0, rgb(8, 10, 40)}, {0.6, rgb(40, 30, 95)}, {1, rgb(100, 55, 120)}});
    fill_rect(cv, 0, 0, cv.w, cv.h, night);
    Rng rng(100);
    stars(cv, rng, 140, cv.h * 0.7);
    comet(cv, {560, 34}, {1, -0.25}, 200);
    moon(cv, {80, 44}, 20, night);
    ridge(cv, 170, 50, 160, 1, solid(rgb(40, 30, 80)));
    field(cv, 200, 30, 140, 2, rgb(30, 60, 60), rgb(16, 36, 44), rgb(10, 20, 30));
    // Bare earth where the beams have already been.
    fill_ellipse(cv, {440, 214}, 90, 10, solid(rgb(70, 45, 35)));
    fill_ellipse(cv, {612, 222}, 60, 8, solid(rgb(70, 45, 35)));
    field(cv, 232, 20, 110, 3, rgb(26, 50, 40), rgb(12, 26, 24), rgb(6, 14, 14));
    silo(cv, {205, 214}, 18, 50, rgb(90, 90, 120));
    barn(cv, {150, 216}, 70, rgb(120, 30, 40), rgb(50, 24, 36), rgb(255, 200, 90));
    tree(cv, {270, 212}, 40, rgb(30, 60, 50));
    tree(cv, {292, 215}, 30, rgb(26, 54, 46));
    tree(cv, {700, 220}, 44, rgb(30, 60, 50));
    saucer(cv, {{440, 86}, 40, 0}, true);
    saucer(cv, {{612, 128}, 28, 0.05}, true);
    saucer(cv, {{300, 52}, 18, -0.1}, false);
    for (int i = 0; i < 40; ++i) {
        const bool left = i % 2 == 0;
        const double cx = left ? 440 : 612, top = left ? 96 : 135, bottom = left ? 212 : 220;
        const double y = rng.real(top, bottom), spread = (y - top) / (bottom - top) * (left ? 34 : 26) + 6;
        fill_ellipse(cv, {cx + rng.real(-spread, spread), y}, 1.6, 1.6,
                     solid(rng.real(0, 1) > 0.5 ? rgb(200, 160, 90) : rgb(150, 110, 70)));
    }
}

// ---- Wren against the sunset, Abel's barn lit behind her ----
void pilot(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(40, 30, 100)},
             {0.45, rgb(190, 80, 130)},
             {0.78, rgb(255, 150, 80)},
             {1, rgb(255, 210, 130)}});
    sun(cv, {600, 190}, 46, rgb(255, 250, 210), rgb(255, 190, 90), rgb(255, 150, 70));
    for (int i = 0; i < 5; ++i) {
        const double y = 40 + i * 22;
        fill_ellipse(cv, {420.0 + i * 60, y}, 150 - i * 15, 4, solid(rgb(255, 170, 170)), 0.35);
    }
    ridge(cv, 205, 30, 180, 5, solid(rgb(90, 40, 90)));
    ridge(cv, 228, 16, 120, 6, solid(rgb(50, 24, 60)));
    barn(cv, {560, 230}, 120, rgb(70, 30, 50), rgb(40, 18, 40), rgb(255, 210, 120));
    silo(cv, {650, 230}, 26, 80, rgb(80, 50, 80));
    tree(cv, {710, 232}, 70, rgb(60, 30, 60));

    // Wren in profile, facing the sun: each part is drawn first in the sun's
    // colour a little toward the sun, then in shadow, leaving a bright rim.
    const Place p{{230, 116}, 46, 0};
    const Place rim_at{{p.at.x + 2.5, p.at.y - 0.8}, p.size, 0};
    const uint32_t RIM = rgb(255, 200, 120);
    const std::vector<Pt> figure = smooth(
        {{0.0, -1.02}, {0.4, -0.95},  {0.66, -0.7}, {0.74, -0.42}, {0.7, -0.28}, {0.78, -0.14}, {0.9, 0.02},
         {0.76, 0.1},  {0.79, 0.2},   {0.73, 0.27}, {0.77, 0.35},  {0.68, 0.44}, {0.7, 0.58},   {0.55, 0.7},
         {0.3, 0.74},  {0.32, 1.05},  {0.9, 1.3},   {1.7, 1.55},   {2.4, 2.1},   {2.7, 3.2},    {2.8, 4.2},
         {-2.9, 4.2},  {-2.8, 3.0},   {-2.5, 2.0},  {-1.6, 1.4},   {-0.6, 1.15}, {-0.45, 0.75}, {-0.7, 0.45},
         {-0.9, 0.1},  {-0.95, -0.3}, {-0.8, -0.7}, {-0.45, -0.95}},
        1);
    const std::vector<Pt> hair = smooth({{-0.85, 0.3},
                                         {-1.35, 0.45},
                                         {-1.6, 0.85},
                                         {-1.25, 0.75},
                                         {-1.45, 1.1},
                                         {-0.95, 0.8},
                                         {-0.65, 0.55}});
    const std::vector<Pt> cap = smooth({{0.62, -0.72},
                                        {0.42, -1.0},
                                        {0.0, -1.12},
                                        {-0.5, -1.04},
                                        {-0.88, -0.7},
                                        {-1.0, -0.25},
                                        {-0.95, 0.2},
                                        {-0.72, 0.5},
                                        {-0.4, 0.55},
                                        {-0.05, 0.66},
                                        {0.22, 0.62},
                                        {0.28, 0.15},
                                        {0.2, -0.25},
                                        {0.5, -0.52}});
    const std::vector<Pt> collar =
        smooth({{-0.7, 1.1}, {0.35, 1.05}, {0.95, 1.35}, {0.5, 1.6}, {0.0, 1.38}, {-0.6, 1.5}, {-1.1, 1.35}});
    const std::vector<Pt> scarf = smooth({{-0.5, 0.86},
                                          {0.42, 0.9},
                                          {0.5, 1.2},
                                          {-0.4, 1.22},
                                          {-1.3, 1.2},
                                          {-2.3, 1.35},
                                          {-3.2, 1.05},
                                          {-4.1, 1.25},
                                          {-4.3, 0.9},
                                          {-3.4, 0.6},
                                          {-2.4, 0.95},
                                          {-1.4, 0.7}});
    fill_poly(cv, rim_at(figure), solid(RIM));
    fill_poly(cv, p(figure),
              along(p({-2.5, 0}), p({2.5, 0}),
                    {{0, rgb(30, 16, 40)}, {0.7, rgb(60, 30, 56)}, {1, rgb(90, 44, 60)}}));
    fill_poly(cv, rim_at(hair), solid(RIM));
    fill_poly(cv, p(hair), solid(rgb(110, 40, 30)));
    fill_poly(cv, rim_at(cap), solid(RIM));
    fill_poly(cv, p(cap), along(p({-1, 0}), p({0.6, 0}), {{0, rgb(50, 26, 26)}, {1, rgb(110, 60, 40)}}));
    line(cv, p({-0.1, 0.1}), p({0.15, 0.45}), 1.5, solid(rgb(160, 100, 60)));
    // Goggles pushed up on the cap, holding the sunset.
    line(cv, p({0.5, -0.66}), p({-0.98, -0.42}), p.size * 0.12, solid(rgb(34, 22, 30)));
    const Pt lens = p({0.5, -0.68});
    fill_poly(cv, ellipse_pts(lens, p.size * 0.17, p.size * 0.24, 0.3, 32), solid(rgb(240, 180, 70)));
    fill_poly(cv, ellipse_pts(lens, p.size * 0.11, p.size * 0.18, 0.3, 32),
              vertical(lens.y - 8, lens.y + 8,
                       {{0, rgb(120, 60, 150)}, {0.5, rgb(255, 140, 90)}, {1, rgb(255, 235, 160)}}));
    fill_ellipse(cv, {lens.x + 1.5, lens.y - 3}, 1.6, 2.4, solid(rgb(255, 255, 240)));
    fill_poly(cv, rim_at(collar), solid(RIM));
    fill_poly(cv, p(collar), solid(rgb(130, 100, 96)));
    fill_poly(cv, rim_at(scarf), solid(RIM));
    fill_poly(cv, p(scarf), along(p({0.5, 1}), p({-4.3, 1}), {{0, rgb(220, 36, 66)}, {1, rgb(120, 16, 50)}}));
}

// ---- Abel's chart: the Vale, the Lantern, the sea and the desert ----
void route_map(Canvas& cv, std::vector<Label>& labels) {
    const Pt vale = {120, 150}, lantern = {300, 42}, sea = {430, 170}, desert = {640, 128};
    auto bump = [](double x, double y, Pt c, double r) {
        const double d = std::hypot(x - c.x, y - c.y) / r;
        return d < 1 ? (1 - d * d) : 0.0;
    };
    fill_rect(cv, 0, 0, cv.w, cv.h, [=](double x, double y) {
        double n = fbm(x / 150, y / 150, 5) + 0.3 * bump(x, y, vale, 110) + 0.35 * bump(x, y, desert, 150) -
                   0.4 * bump(x, y, sea, 120) - 0.3 * bump(x, y, {300, 20}, 160);
        if (std::abs(n - 0.52) < 0.008) return rgb(150, 230, 255);
        if (n < 0.52) return mix(rgb(14, 36, 80), rgb(22, 60, 110), n * 1.5);
        const double dry = std::clamp((x - 470) / 120.0, 0.0, 1.0);
        const uint32_t green = mix(rgb(50, 110, 70), rgb(90, 150, 80), (n - 0.52) * 4);
        const uint32_t sand = mix(rgb(200, 160, 90), rgb(240, 200, 120), (n - 0.52) * 4);
        return mix(green, sand, dry);
    });
    for (double x = 16; x < cv.w; x += 32)
        line(cv, {x, 0}, {x, double(cv.h)}, 1, solid(rgb(140, 200, 255)), 0.13);
    for (double y = 16; y < cv.h; y += 32)
        line(cv, {0, y}, {double(cv.w), y}, 1, solid(rgb(140, 200, 255)), 0.13);
    // The sky above the sky: a band of night with the orbit drawn across it.
    fill_rect(cv, 0, 0, cv.w, 58,
              vertical(0, 58, {{0, rgb(6, 6, 24)}, {0.8, rgb(20, 20, 60)}, {1, rgb(20, 20, 60)}}), 0.85);
    Rng rng(202);
    stars(cv, rng, 50, 54);
    for (double a = 0; a < 1; a += 0.02) {
        const double x = a * cv.w;
        const double y = 44 - 26 * std::sin(a * PI);
        fill_ellipse(cv, {x, y + 12}, 1.3, 1.3, solid(rgb(160, 200, 255)), 0.8);
    }
    mars(cv, {715, 24}, 14, {-1, 0});
    // The route, dashed, stop to stop.
    const Pt stops[4] = {vale, lantern, sea, desert};
    for (int leg = 0; leg < 3; ++leg) {
        const Pt a = stops[leg], b = stops[leg + 1];
        const Pt ctrl = {(a.x + b.x) / 2, std::min(a.y, b.y) - 30};
        Pt prev = a;
        for (int i = 1; i <= 24; ++i) {
            const double t = i / 24.0;
            const Pt q = {(1 - t) * (1 - t) * a.x + 2 * t * (1 - t) * ctrl.x + t * t * b.x,
                          (1 - t) * (1 - t) * a.y + 2 * t * (1 - t) * ctrl.y + t * t * b.y};
            if (i % 2) line(cv, prev, q, 3, solid(rgb(255, 210, 60)));
            prev = q;
        }
    }
    const char* const names[4] = {"HARROW VALE", "THE LANTERN", "THE OPEN SEA", "THE GLASS DESERT"};
    for (int i = 0; i < 4; ++i) {
        glow(cv, stops[i], 26, rgb(255, 200, 80), 0.6);
        fill_ellipse(cv, stops[i], 13, 13, solid(rgb(20, 16, 40)));
        fill_ellipse(cv, stops[i], 11, 11, solid(rgb(230, 40, 60)));
        labels.push_back({stops[i], std::to_string(i + 1), rgb(255, 255, 255)});
        const double ly = i == 1 ? stops[i].y + 26 : stops[i].y + 28;
        labels.push_back({{stops[i].x, ly}, names[i], rgb(255, 230, 140)});
    }
}

// ---- dawn: the Cloudpiercer climbs out of the Vale ----
void launch(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(40, 80, 180)},
             {0.5, rgb(130, 150, 230)},
             {0.8, rgb(255, 180, 160)},
             {1, rgb(255, 220, 170)}});
    sun(cv, {110, 200}, 34, rgb(255, 255, 230), rgb(255, 220, 140), rgb(255, 190, 120));
    Rng rng(303);
    for (int i = 0; i < 5; ++i)
        cloud(cv, {rng.real(0, cv.w), rng.real(40, 120)}, rng.real(26, 40), rgb(255, 235, 240),
              rgb(190, 160, 210), rng);
    ridge(cv, 190, 40, 170, 7, solid(rgb(120, 120, 170)));
    // The Thresher rising behind the far hill, hazy with distance.
    const Place t{{650, 136}, 56, 0};
    const uint32_t haze = rgb(120, 110, 170);
    fill_poly(cv, t({{-0.4, 0.3}, {0.4, 0.3}, {1.1, 1.6}, {-1.1, 1.6}}), solid(rgb(190, 255, 180)), 0.22);
    for (int i = 0; i < 4; ++i) {
        const Pt f = t({-0.78 + i * 0.52, -0.42});
        fill_ellipse(cv, f, 14, 5, solid(mix(rgb(40, 34, 60), haze, 0.3)));
        fill_ellipse(cv, f, 11, 3.2, solid(mix(rgb(150, 150, 190), haze, 0.3)), 0.7);
    }
    fill_poly(cv, t({{-1, -0.1}, {-0.82, -0.38}, {0.82, -0.38}, {1, -0.1}, {0.86, 0.3}, {-0.86, 0.3}}),
              vertical(t.at.y - 22, t.at.y + 18,
                       {{0, mix(rgb(90, 70, 110), haze, 0.3)}, {1, mix(rgb(40, 30, 60), haze, 0.3)}}));
    fill_ellipse(cv, t({0, -0.4}), 12, 8, solid(mix(rgb(70, 60, 90), haze, 0.3)));
    for (int i = 0; i < 3; ++i) {
        const Pt eye = t({-0.4 + i * 0.4, 0.05});
        fill_ellipse(cv, eye, 4, 2.5, solid(rgb(255, 70, 50)));
        glow(cv, eye, 12, rgb(255, 70, 50), 0.8);
    }
    saucer(cv, {{560, 120}, 12, 0}, false);
    saucer(cv, {{720, 110}, 10, 0}, false);
    field(cv, 212, 26, 130, 8, rgb(110, 170, 80), rgb(70, 120, 60), rgb(50, 90, 40));
    field(cv, 236, 14, 90, 9, rgb(210, 180, 80), rgb(160, 130, 60), rgb(130, 100, 40));
    barn(cv, {230, 222}, 40, rgb(180, 40, 40), rgb(80, 40, 40), 0);
    silo(cv, {262, 222}, 10, 30, rgb(190, 190, 210));
    const Place ship{{440, 96}, 70, 0.62};
    for (int side = -1; side <= 1; side += 2) {
        const Pt from = ship({side * 0.07, 1.0});
        fill_poly(
            cv,
            {{from.x - 3, from.y}, {from.x + 3, from.y}, {250.0 + side * 16, 240}, {250.0 - side * 2, 240}},
            along(from, {250, 240}, {{0, rgb(255, 255, 255)}, {1, rgb(255, 230, 230)}}), 0.6);
    }
    cloudpiercer(cv, ship, 1.0);
}

// ---- orbit: the Earth below, Mars ahead, something shining ----
void orbit(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(2, 2, 14)}, {0.7, rgb(10, 14, 46)}, {1, rgb(20, 40, 90)}});
    Rng rng(404);
    stars(cv, rng, 220, cv.h);
    earth(cv, {300, 600}, 460, {0.9, -0.7});
    mars(cv, {655, 58}, 26, {-0.8, 0.3});
    glow(cv, {560, 84}, 30, rgb(255, 220, 150), 0.9);
    line(cv, {540, 84}, {580, 84}, 1.2, solid(rgb(255, 240, 200)));
    line(cv, {560, 64}, {560, 104}, 1.2, solid(rgb(255, 240, 200)));
    for (double t = 0; t < 1; t += 0.025) {
        fill_ellipse(cv, {300 + t * 260, 150 - t * 66}, 1.2, 1.2, solid(rgb(255, 210, 140)), 0.7 * t);
    }
    const Place ship{{430, 128}, 24, 1.05};
    cloudpiercer(cv, ship, 0.8);
}

// ---- the Lantern: a carrier whose reactor throws the harvest to Mars ----
void lantern(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(4, 2, 18)}, {1, rgb(24, 12, 50)}});
    Rng rng(505);
    stars(cv, rng, 200, cv.h);
    // Drawn in the carrier's own frame: hull centre line at x 158, reactor at
    // (448, 118), scaled onto the picture.
    const double k = 0.82;
    auto at = [k](double x, double y) { return Pt{110 + x * k, 22 + y * k}; };
    auto pts = [&](std::vector<Pt> v) {
        for (Pt& q : v) q = at(q.x, q.y);
        return v;
    };
    const Pt reactor = at(448, 118), mars_at = {690, 66};
    fill_poly(cv,
              {{reactor.x, reactor.y - 6},
               {mars_at.x, mars_at.y - 4},
               {mars_at.x, mars_at.y + 4},
               {reactor.x, reactor.y + 6}},
              along(reactor, mars_at, {{0, rgb(220, 255, 255)}, {1, rgb(60, 160, 255)}}), 0.8);
    for (double t = 0.1; t < 1; t += 0.08) {
        glow(cv, {reactor.x + (mars_at.x - reactor.x) * t, reactor.y + (mars_at.y - reactor.y) * t}, 12,
             rgb(120, 220, 255), 0.4);
    }
    mars(cv, mars_at, 44, {-0.9, 0.2});
    const uint32_t HULL = rgb(194, 202, 216), PANEL = rgb(74, 92, 200), METAL = rgb(138, 148, 168),
                   INKY = rgb(22, 26, 44);
    for (int i = -1; i <= 1; ++i) {
        const Pt n = at(158 + i * 32.0, 18 + std::abs(i) * 6.0);
        fill_poly(cv, {{n.x - 6, n.y}, {n.x + 6, n.y}, {n.x, n.y - 16}},
                  along(n, {n.x, n.y - 16}, {{0, rgb(200, 240, 255)}, {1, rgb(60, 120, 255)}}));
    }
    std::vector<Pt> half = {{0, 14},   {44, 16},  {80, 34},  {100, 70}, {104, 118},
                            {98, 160}, {74, 198}, {40, 220}, {0, 228}};
    const auto body = pts([&] {
        auto v = mirrored(half);
        for (Pt& q : v) q.x += 158;
        return v;
    }());
    const auto boom = pts({{250, 109}, {430, 109}, {430, 127}, {250, 127}});
    const auto pod = ellipse_pts(reactor, 42 * k, 42 * k, 0, 48);
    const auto spike = pts({{478, 113}, {506, 118}, {478, 123}});
    outline(cv,
            {body, boom, pod, spike, ellipse_pts(at(63, 112), 20 * k, 20 * k),
             ellipse_pts(at(258, 112), 20 * k, 20 * k)},
            1.6, INKY);
    for (double y : {80.0, 156.0}) {
        const Pt c = at(350, y);
        fill_rect(cv, c.x - 46 * k, c.y - 24 * k, 92 * k, 48 * k,
                  along({c.x - 40, c.y - 20}, {c.x + 40, c.y + 20},
                        {{0, rgb(90, 136, 255)}, {1, rgb(32, 60, 156)}}));
        for (double x = -46 + 12; x < 46; x += 12)
            line(cv, at(350 + x, y - 24), at(350 + x, y + 24), 0.8, solid(rgb(154, 184, 255)), 0.7);
        for (double d = -24 + 10; d < 24; d += 10)
            line(cv, at(304, y + d), at(396, y + d), 0.8, solid(rgb(154, 184, 255)), 0.7);
    }
    fill_poly(cv, boom,
              vertical(at(0, 109).y, at(0, 127).y, {{0, shade(METAL, 1.3)}, {1, shade(METAL, 0.7)}}));
    for (double x = 262; x < 420; x += 14)
        line(cv, at(x, 110), at(x + 12, 126), 1.2, solid(shade(METAL, 0.6)));
    fill_poly(cv, spike, solid(METAL));
    fill_poly(
        cv, pod,
        radial({reactor.x - 10, reactor.y - 10}, 50 * k, {{0, shade(HULL, 1.2)}, {1, shade(HULL, 0.7)}}));
    fill_ellipse(cv, reactor, 30 * k, 30 * k, solid(PANEL));
    fill_ellipse(cv, reactor, 20 * k, 20 * k, solid(rgb(32, 48, 96)));
    glow(cv, reactor, 60, rgb(80, 220, 255), 0.8);
    fill_ellipse(
        cv, reactor, 17 * k, 17 * k,
        radial({reactor.x - 4, reactor.y - 4}, 17 * k, {{0, rgb(224, 255, 255)}, {1, rgb(32, 168, 224)}}));
    for (int i = 0; i < 8; ++i) {
        const double a = 2 * PI * i / 8;
        fill_ellipse(cv, {reactor.x + std::cos(a) * 37 * k, reactor.y + std::sin(a) * 37 * k}, 2, 2,
                     solid(rgb(80, 255, 255)));
    }
    for (double x : {63.0, 258.0}) fill_ellipse(cv, at(x, 112), 20 * k, 20 * k, solid(METAL));
    fill_poly(cv, body, vertical(at(0, 14).y, at(0, 228).y, {{0, shade(HULL, 1.15)}, {1, shade(HULL, 0.8)}}));
    for (int sgn = -1; sgn <= 1; sgn += 2) {
        const auto plate = pts({{158 + 30.0 * sgn, 40},
                                {158 + 70.0 * sgn, 58},
                                {158 + 80.0 * sgn, 96},
                                {158 + 80.0 * sgn, 150},
                                {158 + 62.0 * sgn, 182},
                                {158 + 34.0 * sgn, 150}});
        fill_poly(cv, plate,
                  vertical(at(0, 40).y, at(0, 182).y, {{0, shade(PANEL, 1.2)}, {1, shade(PANEL, 0.8)}}));
        for (int w = 0; w < 6; ++w) {
            const Pt win = at(158 + (50.0 + w % 2 * 14) * sgn, 84.0 + w * 12);
            fill_rect(cv, win.x - 3, win.y - 1.5, 6, 3, solid(rgb(128, 255, 255)));
        }
    }
    for (int w = 0; w < 5; ++w)
        fill_ellipse(cv, at(158, 84.0 + w * 12), 2, 2, solid(w % 2 ? rgb(255, 80, 64) : rgb(96, 255, 255)));
    const Pt hangar = at(158, 200);
    fill_rect(cv, hangar.x - 15, hangar.y - 7, 30, 14, solid(rgb(64, 40, 24)));
    fill_rect(cv, hangar.x - 12, hangar.y - 4, 24, 9,
              radial({hangar.x, hangar.y + 3}, 16, {{0, rgb(255, 192, 96)}, {1, rgb(160, 64, 16)}}));
    // Turrets, barrels down.
    const struct { double x, y, r; } turrets[3] = {{63, 110, 14}, {258, 110, 14}, {158, 46, 20}};
    for (const auto& t : turrets) {
        const Pt c = at(t.x, t.y);
        line(cv, {c.x - 3, c.y}, {c.x - 3, c.y + t.r * k + 8}, 2.5, solid(rgb(60, 64, 80)));
        line(cv, {c.x + 3, c.y}, {c.x + 3, c.y + t.r * k + 8}, 2.5, solid(rgb(60, 64, 80)));
        fill_ellipse(cv, c, t.r * k + 1.5, t.r * k + 1.5, solid(INKY));
        fill_ellipse(cv, c, t.r * k, t.r * k,
                     radial({c.x - 3, c.y - 3}, t.r * k, {{0, shade(METAL, 1.3)}, {1, shade(METAL, 0.7)}}));
        fill_ellipse(cv, c, 2.5, 2.5, solid(rgb(255, 80, 60)));
    }
    saucer(cv, {{60, 60}, 16, 0.2}, false);
    saucer(cv, {{560, 200}, 14, -0.1}, false);
    saucer(cv, {{600, 150}, 11, 0.1}, false);
}

// Storm sea with rolling wave crests from `horizon` down.
void stormy_sea(Canvas& cv, double horizon, Rng& rng) {
    fill_rect(cv, 0, horizon, cv.w, cv.h - horizon,
              vertical(horizon, cv.h, {{0, rgb(50, 90, 100)}, {1, rgb(10, 30, 44)}}));
    for (int i = 0; i < 260; ++i) {
        const double y = rng.real(horizon + 2, cv.h);
        const double depth = (y - horizon) / (cv.h - horizon);
        const double x = rng.real(-20, cv.w), len = 8 + depth * 40;
        line(cv, {x, y}, {x + len, y - 1 - depth * 3}, 0.8 + depth * 1.6, solid(rgb(170, 220, 220)),
             0.25 + 0.4 * depth);
    }
}

void lightning(Canvas& cv, Pt from, double bottom, Rng& rng) {
    Pt at = from;
    while (at.y < bottom) {
        const Pt next = {at.x + rng.real(-14, 14), std::min(bottom, at.y + rng.real(10, 24))};
        line(cv, at, next, 2.2, solid(rgb(240, 250, 255)));
        glow(cv, next, 18, rgb(160, 200, 255), 0.35);
        at = next;
    }
}

void waterspout(Canvas& cv, double x, double top, double bottom, double sway) {
    std::vector<Pt> right, left;
    for (int i = 0; i <= 24; ++i) {
        const double t = i / 24.0;
        const double y = top + (bottom - top) * t;
        const double half = 24 * (1 - t) * (1 - t) + 5 + 22 * std::pow(t, 5);
        const double cx = x + sway * std::sin(t * 3.2);
        right.push_back({cx + half, y});
        left.push_back({cx - half, y});
    }
    std::vector<Pt> outline_pts = right;
    outline_pts.insert(outline_pts.end(), left.rbegin(), left.rend());
    fill_poly(cv, outline_pts,
              along({x - 30, 0}, {x + 30, 0},
                    {{0, rgb(100, 130, 140)}, {0.45, rgb(220, 240, 240)}, {1, rgb(80, 110, 120)}}),
              0.65);
    for (int k = 0; k < 6; ++k) {
        const double t = 0.15 + k * 0.13;
        const Pt a = left[size_t(t * 24)], b = right[size_t(t * 24 + 1)];
        line(cv, a, b, 1.2, solid(rgb(240, 250, 250)), 0.35);
    }
    for (int k = -3; k <= 3; ++k) {
        fill_ellipse(cv, {x + k * 9.0 + sway * std::sin(3.2), bottom - std::abs(k) * 1.5}, 13 - std::abs(k),
                     6, solid(rgb(235, 248, 248)), 0.5);
    }
}

// ---- a storm of the Gleaners' making over the open sea ----
void sea_storm(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(18, 24, 40)}, {0.6, rgb(60, 80, 100)}, {1, rgb(90, 110, 120)}});
    Rng rng(606);
    lightning(cv, {600, 0}, 150, rng);
    for (int i = 0; i < 7; ++i)
        cloud(cv, {rng.real(0, cv.w), rng.real(10, 40)}, rng.real(45, 70), rgb(90, 100, 120), rgb(30, 36, 54),
              rng);
    waterspout(cv, 230, 70, 160, 8);
    waterspout(cv, 470, 60, 164, -10);
    saucer(cv, {{230, 58}, 30, 0}, false);
    saucer(cv, {{470, 50}, 34, 0}, false);
    stormy_sea(cv, 150, rng);
    for (int i = 0; i < 160; ++i) {
        const Pt r = {rng.real(0, cv.w + 40), rng.real(0, cv.h)};
        line(cv, r, {r.x - 6, r.y + 16}, 0.8, solid(rgb(190, 210, 230)), 0.3);
    }
    bone_glider(cv, {{120, 188}, 30, 0.2});
    bone_glider(cv, {{340, 204}, 24, -0.1});
    bone_glider(cv, {{660, 196}, 32, 0.1});
    cloudpiercer(cv, {{560, 120}, 26, -0.5}, 0.8);
}

// ---- the Brinemaw: a steel manta breaking the surface ----
void brinemaw(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(10, 14, 30)}, {0.6, rgb(30, 50, 70)}, {1, rgb(50, 80, 90)}});
    Rng rng(707);
    lightning(cv, {120, 0}, 110, rng);
    for (int i = 0; i < 6; ++i)
        cloud(cv, {rng.real(0, cv.w), rng.real(5, 30)}, rng.real(40, 60), rgb(70, 80, 100), rgb(24, 28, 44),
              rng);
    stormy_sea(cv, 110, rng);
    const Place m{{376, 132}, 108, 0};
    const auto body = mirrored({{0, -0.75},
                                {0.25, -0.7},
                                {0.45, -0.45},
                                {1.6, -0.05},
                                {2.0, 0.25},
                                {1.2, 0.35},
                                {0.5, 0.55},
                                {0.2, 0.9},
                                {0, 0.95}});
    const auto horns = mirrored({{0.12, -0.72}, {0.3, -1.0}, {0.38, -0.92}, {0.3, -0.62}});
    fill_ellipse(cv, {376, 150}, 290, 50, solid(rgb(20, 40, 50)), 0.6);
    outline(cv, {m(body), m(horns)}, 2.5, rgb(8, 12, 20));
    fill_poly(cv, m(horns), solid(rgb(72, 48, 120)));
    fill_poly(cv, m(body),
              along(m({-2, 0}), m({2, 0}),
                    {{0, rgb(52, 28, 92)},
                     {0.35, rgb(112, 64, 176)},
                     {0.5, rgb(152, 104, 216)},
                     {0.65, rgb(100, 56, 160)},
                     {1, rgb(52, 28, 92)}}));
    // Spine and white ribs over the grey plates.
    line(cv, m({0, -0.45}), m({0, 0.9}), 9, solid(rgb(72, 48, 120)));
    line(cv, m({0, -0.45}), m({0, 0.9}), 5, solid(rgb(216, 192, 248)));
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 4; ++k) {
            const Pt a = {side * 0.3, -0.32 + k * 0.15}, c = {side * (1.0 - 0.1 * k), -0.3 + k * 0.15},
                     b = {side * (1.75 - 0.28 * k), 0.16 + k * 0.07};
            Pt prev = m(a);
            for (int i = 1; i <= 12; ++i) {
                const double t = i / 12.0;
                const Pt q = m({(1 - t) * (1 - t) * a.x + 2 * t * (1 - t) * c.x + t * t * b.x,
                                (1 - t) * (1 - t) * a.y + 2 * t * (1 - t) * c.y + t * t * b.y});
                const double w = 6 - 3.5 * t;
                line(cv, {prev.x, prev.y + 2}, {q.x, q.y + 2}, w, solid(rgb(40, 16, 60)));
                line(cv, prev, q, w, solid(rgb(236, 230, 210)));
                prev = q;
            }
        }
        const Pt gun = m({side * 1.85, 0.22});
        fill_ellipse(cv, gun, 8, 6, solid(rgb(255, 90, 60)));
        glow(cv, gun, 20, rgb(255, 90, 60), 0.7);
    }
    // The maw and its eyes.
    fill_ellipse(cv, m({0, -0.55}), 40, 16, solid(rgb(10, 20, 30)));
    glow(cv, m({0, -0.55}), 50, rgb(255, 88, 208), 0.8);
    for (int k = -3; k <= 3; ++k) {
        const Pt t = m({k * 0.09, -0.66});
        fill_poly(cv, {{t.x - 4, t.y}, {t.x + 4, t.y}, {t.x, t.y + 9}}, solid(rgb(240, 235, 215)));
    }
    for (int side = -1; side <= 1; side += 2) {
        fill_ellipse(cv, m({side * 0.3, -0.4}), 9, 4, solid(rgb(255, 240, 128)));
        glow(cv, m({side * 0.3, -0.4}), 18, rgb(255, 96, 16), 0.8);
    }
    // Sea water pouring off the wings, then the sea closing over its tail.
    for (int i = 0; i < 30; ++i) {
        const double u = rng.real(-1.9, 1.9);
        const Pt a = m({u, 0.28 - std::abs(u) * 0.05});
        line(cv, a, {a.x + rng.real(-2, 2), a.y + rng.real(12, 30)}, rng.real(1, 2.5),
             solid(rgb(200, 235, 240)), 0.55);
    }
    const double waterline = 180;
    fill_rect(cv, 0, waterline, cv.w, cv.h - waterline,
              vertical(waterline, cv.h, {{0, rgb(40, 80, 92)}, {1, rgb(10, 30, 44)}}), 0.8);
    for (int i = 0; i < 120; ++i) {
        const double y = rng.real(waterline + 2, cv.h), depth = (y - waterline) / (cv.h - waterline);
        const double x = rng.real(-20, cv.w), len = 14 + depth * 36;
        line(cv, {x, y}, {x + len, y - 1 - depth * 2}, 0.8 + depth * 1.4, solid(rgb(170, 220, 220)),
             0.3 + 0.4 * depth);
    }
    for (int i = 0; i < 90; ++i) {
        const double x = rng.real(150, 600), y = waterline + rng.real(-6, 4);
        line(cv, {x, y}, {x + rng.real(6, 18), y + rng.real(-2, 1)}, rng.real(1.5, 3),
             solid(rgb(240, 250, 250)), 0.75);
    }
    bone_glider(cv, {{80, 196}, 26, 0.3});
    bone_glider(cv, {{680, 190}, 28, -0.3});
}

// Dunes with a bright windward face and a shadowed lee: the fill darkens
// where the crest line falls away to the right and with depth below it.
void dunes(Canvas& cv, double base, double amp, uint32_t seed, uint32_t lit, uint32_t shadow) {
    const double phase = seed * 1.7, wave = 150 + seed % 5 * 20;
    auto crest = [=](double x) {
        const double s = 0.5 + 0.5 * std::sin(x / wave * 2 * PI + phase);
        return base - amp * (std::pow(s, 1.6) * 0.8 + 0.2 * noise(x / 60, 1.5, seed));
    };
    std::vector<Pt> pts;
    for (double x = -10; x <= cv.w + 10; x += 3) pts.push_back({x, crest(x)});
    pts.push_back({cv.w + 10.0, cv.h + 10.0});
    pts.push_back({-10, cv.h + 10.0});
    fill_poly(cv, pts, [=](double x, double y) {
        const double lee = std::clamp((crest(x + 2) - crest(x - 2)) * 0.5, 0.0, 1.0);
        const double depth = std::clamp((y - crest(x)) / (amp * 1.5), 0.0, 1.0);
        return mix(mix(lit, shadow, depth * 0.5), shadow, lee * 0.8);
    });
    for (size_t i = 0; i + 3 < pts.size(); ++i)
        line(cv, pts[i], pts[i + 1], 1.2, solid(shade(lit, 1.2)), 0.7);
}

// ---- the desert, glass streaks leading to the horizon ----
void desert(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(70, 40, 120)},
             {0.4, rgb(220, 90, 110)},
             {0.62, rgb(255, 170, 80)},
             {0.7, rgb(255, 220, 140)},
             {1, rgb(255, 220, 140)}});
    sun(cv, {520, 150}, 60, rgb(255, 250, 200), rgb(255, 180, 60), rgb(255, 120, 60));
    // Glass spires on the horizon.
    Rng rng(808);
    for (int i = 0; i < 9; ++i) {
        const double x = 300 + i * 22 + rng.real(-6, 6), h = rng.real(30, 70);
        fill_poly(cv, {{x - 5, 160}, {x + 1, 160 - h}, {x + 5, 160}},
                  along({x - 5, 0}, {x + 5, 0}, {{0, rgb(120, 220, 240)}, {1, rgb(60, 90, 160)}}), 0.85);
        glow(cv, {x + 1, 160 - h}, 8, rgb(200, 255, 255), 0.6);
    }
    dunes(cv, 172, 22, 11, rgb(240, 170, 90), rgb(170, 90, 60));
    dunes(cv, 204, 34, 12, rgb(250, 190, 100), rgb(180, 100, 60));
    dunes(cv, 240, 40, 13, rgb(255, 205, 120), rgb(190, 110, 70));
    // Streaks of glass, long and thin, running toward the spires.
    const Pt spires = {390, 160};
    for (int k = 0; k < 7; ++k) {
        const Pt c = {60.0 + k * 105 + rng.real(-20, 20), rng.real(196, 232)};
        const double turn = std::remainder(std::atan2(spires.y - c.y, spires.x - c.x), PI) * 0.35;
        const double len = rng.real(40, 80);
        fill_poly(cv, ellipse_pts(c, len, 2.6, turn, 40),
                  along({c.x - len, c.y}, {c.x + len, c.y},
                        {{0, rgb(150, 230, 255)}, {0.5, rgb(255, 255, 255)}, {1, rgb(120, 200, 240)}}),
                  0.85);
        glow(cv, {c.x + std::cos(turn) * len * 0.3, c.y + std::sin(turn) * len * 0.3}, 14, rgb(220, 255, 255),
             0.7);
    }
    cloudpiercer(cv, {{150, 110}, 30, 0.9}, 0.8);
}

// The Kiln's guardian: a scorpion war machine, claws toward the viewer, the
// Kiln Heart set in its back and a rocket battery for a mouth.
void scorpion(Canvas& cv, const Place& p) {
    const uint32_t SHELL = rgb(168, 34, 40), GOLDEN = rgb(232, 168, 48), LIMB = rgb(108, 26, 34),
                   INKY = rgb(30, 8, 16);
    for (int s = -1; s <= 1; s += 2) {
        for (int k = 0; k < 3; ++k) {
            const Pt hip = p({s * 0.6, -0.35 + 0.3 * k}), knee = p({s * 1.45, -0.7 + 0.33 * k}),
                     foot = p({s * 1.9, -0.05 + 0.42 * k});
            line(cv, hip, knee, p.size * 0.16, solid(INKY));
            line(cv, knee, foot, p.size * 0.11, solid(INKY));
            line(cv, hip, knee, p.size * 0.11, solid(LIMB));
            line(cv, knee, foot, p.size * 0.07, solid(LIMB));
            fill_ellipse(cv, knee, p.size * 0.08, p.size * 0.08, solid(GOLDEN));
        }
        const Pt shoulder = p({s * 0.5, 0.55}), elbow = p({s * 1.25, 0.8}), wrist = p({s * 1.05, 1.35});
        line(cv, shoulder, elbow, p.size * 0.2, solid(INKY));
        line(cv, elbow, wrist, p.size * 0.2, solid(INKY));
        line(cv, shoulder, elbow, p.size * 0.15, solid(LIMB));
        line(cv, elbow, wrist, p.size * 0.15, solid(LIMB));
        fill_ellipse(cv, elbow, p.size * 0.1, p.size * 0.1, solid(GOLDEN));
        // The claw: a heavy outer jaw and a thinner inner one, slightly open.
        std::vector<Pt> outer = {{0, 0}, {0.35, 0.1}, {0.42, 0.45}, {0.25, 0.75}, {0.05, 0.5}};
        std::vector<Pt> inner = {{-0.05, 0.05}, {-0.2, 0.3}, {-0.12, 0.62}, {0.0, 0.35}};
        for (Pt& q : outer) q = {q.x * s, q.y};
        for (Pt& q : inner) q = {q.x * s, q.y};
        const Place claw{wrist, p.size * 1.4, 0};
        outline(cv, {claw(smooth(outer)), claw(smooth(inner))}, 1.5, INKY);
        fill_poly(cv, claw(smooth(outer)),
                  along(claw({-0.3, 0}), claw({0.4, 0.6}), {{0, shade(SHELL, 1.3)}, {1, shade(SHELL, 0.6)}}));
        fill_poly(cv, claw(smooth(inner)), solid(shade(SHELL, 0.8)));
        fill_ellipse(cv, claw({0.25 * s, 0.72}), 2, 2, solid(GOLDEN));
    }
    // Tail curling back over the body, segment by segment.
    const Pt tail[6] = {{0, -0.9}, {0.12, -1.25}, {0.3, -1.55}, {0.52, -1.75}, {0.78, -1.82}, {1.0, -1.7}};
    for (int i = 5; i >= 0; --i) {
        const double r = 0.3 - i * 0.035;
        fill_ellipse(cv, p(tail[i]), p.size * r + 1.5, p.size * r * 0.85 + 1.5, solid(INKY));
        fill_ellipse(cv, p(tail[i]), p.size * r, p.size * r * 0.85,
                     radial(p({tail[i].x - 0.1, tail[i].y - 0.1}), p.size * r * 1.2,
                            {{0, shade(SHELL, 1.35)}, {1, shade(SHELL, 0.65)}}));
    }
    const Pt sting = p({1.12, -1.55});
    fill_poly(cv, {p({0.95, -1.72}), p({1.08, -1.68}), sting}, solid(GOLDEN));
    glow(cv, sting, 10, rgb(255, 200, 80), 0.8);
    // Body shell with gold seams.
    const auto shell = ellipse_pts(p.at, p.size * 0.82, p.size * 1.02, 0, 48);
    outline(cv, {shell}, 2, INKY);
    fill_poly(cv, shell,
              radial(p({-0.25, -0.3}), p.size * 1.2,
                     {{0, shade(SHELL, 1.4)}, {0.6, SHELL}, {1, shade(SHELL, 0.55)}}));
    for (int k = 1; k <= 3; ++k) {
        const double y = -0.75 + k * 0.38;
        const double half = 0.82 * std::sqrt(std::max(0.0, 1 - (y / 1.02) * (y / 1.02)));
        line(cv, p({-half, y}), p({half, y}), 2, solid(GOLDEN), 0.8);
    }
    // The Heart in its back.
    const Pt heart = p({0, -0.25});
    glow(cv, heart, p.size * 0.9, rgb(255, 80, 160), 0.8);
    const double r = p.size * 0.36;
    for (int k = 0; k < 6; ++k) {
        const double a0 = PI / 6 + PI * k / 3, a1 = a0 + PI / 3;
        const Pt p0 = {heart.x + r * std::cos(a0), heart.y + r * 1.15 * std::sin(a0)};
        const Pt p1 = {heart.x + r * std::cos(a1), heart.y + r * 1.15 * std::sin(a1)};
        fill_poly(cv, {heart, p0, p1},
                  solid(shade(mix(rgb(255, 60, 170), rgb(255, 160, 70), k / 5.0),
                              0.75 + 0.4 * std::cos(a0 + 2.4))));
        line(cv, p0, p1, 1.6, solid(rgb(255, 230, 250)));
    }
    glow(cv, heart, p.size * 0.35, rgb(255, 255, 220), 1.0);
    // Rocket battery mouth.
    const Pt mouth = p({0, 0.9});
    fill_round_rect(cv, mouth.x - p.size * 0.3, mouth.y - p.size * 0.12, p.size * 0.6, p.size * 0.24, 4,
                    solid(rgb(58, 12, 32)));
    for (int i = -2; i <= 2; ++i) {
        const Pt tube = {mouth.x + i * p.size * 0.11, mouth.y};
        fill_ellipse(cv, tube, p.size * 0.045, p.size * 0.06, solid(rgb(255, 200, 96)));
        glow(cv, tube, p.size * 0.12, rgb(255, 120, 40), 0.6);
    }
    for (int s = -1; s <= 1; s += 2) {
        fill_ellipse(cv, p({s * 0.28, 0.55}), p.size * 0.09, p.size * 0.06, solid(rgb(255, 240, 128)));
        glow(cv, p({s * 0.28, 0.55}), p.size * 0.18, rgb(255, 120, 20), 0.8);
    }
}

// ---- the Kiln's guardian before its spires of glass ----
void kiln(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(20, 6, 30)}, {0.6, rgb(90, 20, 60)}, {1, rgb(200, 70, 60)}});
    Rng rng(909);
    stars(cv, rng, 80, 100);
    dunes(cv, 170, 30, 21, rgb(150, 70, 70), rgb(60, 20, 40));
    const Pt centre = {376, 118};
    glow(cv, centre, 260, rgb(255, 80, 120), 0.6);
    // Spires of glass behind the guardian.
    for (int k = 0; k < 12; ++k) {
        const double x = 90 + k * 52 + rng.real(-12, 12), base = rng.real(172, 186), h = rng.real(60, 120);
        const double lean = (x - centre.x) * 0.05;
        fill_poly(cv, {{x - 9, base}, {x + lean, base - h}, {x + 9, base}},
                  along({x - 9, 0}, {x + 9, 0},
                        {{0, rgb(160, 240, 255)}, {0.5, rgb(240, 200, 255)}, {1, rgb(90, 60, 160)}}),
                  0.75);
        glow(cv, {x + lean, base - h}, 8, rgb(255, 220, 255), 0.5);
    }
    dunes(cv, 236, 24, 22, rgb(120, 50, 60), rgb(40, 14, 30));
    // Cracks of fire across the sand.
    for (int k = 0; k < 9; ++k) {
        const double a = PI * (0.1 + 0.8 * k / 8.0);
        Pt at = {centre.x + 70 * std::cos(a), 200};
        for (int s = 0; s < 3; ++s) {
            const Pt next = {at.x + std::cos(a) * 50 + rng.real(-10, 10), at.y + 14};
            line(cv, at, next, 2.5, solid(rgb(255, 180, 80)));
            glow(cv, next, 12, rgb(255, 120, 40), 0.45);
            at = next;
        }
    }
    scorpion(cv, {{centre.x, 110}, 52, 0});
    saucer(cv, {{120, 60}, 22, 0.2}, false);
    saucer(cv, {{640, 56}, 24, -0.2}, false);
    saucer(cv, {{70, 130}, 14, 0.1}, false);
}

// ---- home: morning over the Vale, and lights coming down again ----
void homecoming(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(90, 150, 230)},
             {0.55, rgb(190, 200, 240)},
             {0.8, rgb(255, 210, 170)},
             {1, rgb(255, 230, 180)}});
    sun(cv, {110, 170}, 40, rgb(255, 255, 230), rgb(255, 230, 150), rgb(255, 200, 120));
    Rng rng(1010);
    for (int i = 0; i < 4; ++i)
        cloud(cv, {rng.real(200, cv.w), rng.real(40, 110)}, rng.real(26, 40), rgb(255, 250, 250),
              rgb(200, 190, 230), rng);
    comet(cv, {640, 26}, {1, -0.2}, 120);
    // New lights riding in under the comet: the story starts again.
    for (int i = 0; i < 3; ++i) {
        const Pt light = {600.0 + i * 34, 50.0 + i * 10};
        glow(cv, light, 14, rgb(120, 255, 150), 1.0);
        fill_ellipse(cv, light, 2, 2, solid(rgb(240, 255, 240)));
    }
    ridge(cv, 180, 40, 170, 31, solid(rgb(120, 160, 170)));
    field(cv, 206, 26, 140, 32, rgb(120, 190, 80), rgb(80, 140, 60), rgb(60, 110, 50));
    field(cv, 234, 16, 100, 33, rgb(230, 200, 90), rgb(180, 150, 60), rgb(150, 120, 50));
    silo(cv, {520, 212}, 16, 46, rgb(200, 200, 220));
    barn(cv, {460, 214}, 70, rgb(190, 40, 40), rgb(90, 40, 40), 0);
    tree(cv, {380, 216}, 44, rgb(60, 130, 60));
    tree(cv, {620, 222}, 50, rgb(60, 130, 60));
    // Abel by the barn door, waving.
    const Pt abel = {408, 214};
    fill_rect(cv, abel.x - 3, abel.y - 16, 6, 16, solid(rgb(50, 50, 80)));
    fill_ellipse(cv, {abel.x, abel.y - 20}, 3.5, 3.5, solid(rgb(50, 50, 80)));
    line(cv, {abel.x + 2, abel.y - 14}, {abel.x + 9, abel.y - 24}, 2, solid(rgb(50, 50, 80)));
    cloudpiercer(cv, {{610, 120}, 36, -PI / 2 - 0.25}, 0.4);
}

}  // namespace

void scene(Canvas& cv, const std::string& name, std::vector<Label>& labels) {
    if (name == "vale_night") return vale_night(cv, labels);
    if (name == "pilot") return pilot(cv, labels);
    if (name == "route_map") return route_map(cv, labels);
    if (name == "launch") return launch(cv, labels);
    if (name == "orbit") return orbit(cv, labels);
    if (name == "lantern") return lantern(cv, labels);
    if (name == "sea_storm") return sea_storm(cv, labels);
    if (name == "brinemaw") return brinemaw(cv, labels);
    if (name == "desert") return desert(cv, labels);
    if (name == "kiln") return kiln(cv, labels);
    if (name == "homecoming") return homecoming(cv, labels);
    throw std::runtime_error("no story picture named '" + name + "'");
}

}  // namespace forge::art
