// The story illustrations, one function per named picture: the Vale, Wren,
// the route, the launch, orbit, the sea, the desert, the four strongholds and
// the way home.
#include <cmath>
#include <map>
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
    const Pt d = {tail_dir.x / n, tail_dir.y / n}, side = {-d.y, d.x};
    for (int k = 0; k < 3; ++k) {
        const double spread = 6 + k * 10;
        const Pt end = {head.x + d.x * len * (1 - 0.2 * k), head.y + d.y * len * (1 - 0.2 * k)};
        fill_poly(cv,
                  {{head.x + side.x * 2, head.y + side.y * 2},
                   {end.x + side.x * spread, end.y + side.y * spread},
                   {end.x - side.x * spread * 0.3, end.y - side.y * spread * 0.3},
                   {head.x - side.x * 2, head.y - side.y * 2}},
                  along(head, end, {{0, rgb(220, 250, 255)}, {1, rgb(40, 60, 140)}}), 0.35 - 0.08 * k);
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
        fill_ellipse(cv, c, r * 1.025, r * 1.025, solid(air), 0.6);
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
    const auto wing = mirrored({{0, -0.3},
                                {0.5, -0.55},
                                {1.0, -0.35},
                                {0.85, 0.0},
                                {0.65, -0.05},
                                {0.5, 0.25},
                                {0.3, 0.1},
                                {0, 0.4}});
    outline(cv, {p(wing), p(ellipse_pts({0, 0.45}, 0.25, 0.3, 0, 24))}, std::max(1.0, p.size * 0.05),
            rgb(20, 16, 30));
    fill_poly(cv, p(wing), along(p({0, -0.5}), p({0, 0.4}), {{0, rgb(120, 110, 130)}, {1, rgb(60, 50, 80)}}),
              0.9);
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 3; ++k) {
            line(cv, p({0, -0.1 + 0.1 * k}), p({side * (1.0 - 0.22 * k), -0.35 + 0.13 * k}), p.size * 0.07,
                 solid(rgb(240, 235, 215)));
        }
    }
    fill_poly(cv, p(ellipse_pts({0, 0.45}, 0.25, 0.3, 0, 24)), solid(rgb(245, 240, 225)));
    for (int side = -1; side <= 1; side += 2) {
        fill_ellipse(cv, p({side * 0.1, 0.5}), p.size * 0.07, p.size * 0.07, solid(rgb(255, 60, 60)));
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

    // Wren, backlit: each part is drawn first in the sun's colour a little
    // toward the sun, then in shadow, leaving a bright rim.
    const Place p{{185, 112}, 44, 0};
    const uint32_t RIM = rgb(255, 190, 110), DARK = rgb(40, 22, 50), JACKET = rgb(60, 34, 44);
    const std::vector<Pt> jacket = {{-3.2, 4},   {-2.8, 2.2}, {-1.7, 1.5}, {-0.5, 1.25},
                                    {0.5, 1.25}, {1.7, 1.5},  {2.8, 2.2},  {3.2, 4}};
    const std::vector<Pt> scarf = {{-0.2, 1.1}, {1.0, 1.05}, {2.2, 0.6}, {3.4, 0.85}, {4.5, 0.35},
                                   {4.8, 0.75}, {3.6, 1.4},  {2.3, 1.2}, {1.2, 1.6},  {0.0, 1.65}};
    std::vector<Pt> helmet;
    for (int i = 0; i <= 24; ++i) {
        const double a = PI + PI * i / 24;
        helmet.push_back({0.9 * std::cos(a), -0.05 + 1.05 * std::sin(a)});
    }
    const std::vector<Pt> flaps = {{-0.9, -0.1}, {-0.86, 0.7}, {-0.55, 0.78}, {-0.5, -0.1},
                                   {0.5, -0.1},  {0.55, 0.78}, {0.86, 0.7},   {0.9, -0.1}};
    const std::vector<std::vector<Pt>> shapes = {jacket,
                                                 {{-0.35, 0.5}, {0.35, 0.5}, {0.38, 1.4}, {-0.38, 1.4}},
                                                 ellipse_pts({0, 0}, 0.8, 1.0),
                                                 helmet,
                                                 flaps};
    const Place rim_at{{p.at.x + 2.5, p.at.y - 0.5}, p.size, 0};
    for (const auto& s : shapes) fill_poly(cv, rim_at(s), solid(RIM));
    fill_poly(cv, p(jacket), vertical(p.at.y + 50, p.at.y + 180, {{0, JACKET}, {1, DARK}}));
    for (int i = -1; i <= 1; ++i)
        fill_ellipse(cv, p({i * 0.85, 1.35 - std::abs(i) * 0.1}), p.size * 0.55, p.size * 0.42,
                     solid(rgb(110, 80, 80)));
    for (size_t i = 1; i < 3; ++i) fill_poly(cv, p(shapes[i]), solid(DARK));
    fill_poly(cv, p(helmet), solid(rgb(70, 40, 40)));
    fill_poly(cv, rim_at({{-0.9, -0.1}, {-0.86, 0.7}, {-0.55, 0.78}, {-0.5, -0.1}}), solid(rgb(70, 40, 40)));
    fill_poly(cv, p({{0.5, -0.1}, {0.55, 0.78}, {0.86, 0.7}, {0.9, -0.1}}), solid(rgb(70, 40, 40)));
    // Goggles up on the helmet, holding the sunset.
    line(cv, p({-0.9, -0.45}), p({0.9, -0.45}), p.size * 0.14, solid(rgb(30, 20, 30)));
    for (int side = -1; side <= 1; side += 2) {
        const Pt g = p({side * 0.36, -0.48});
        fill_ellipse(cv, g, p.size * 0.3, p.size * 0.27, solid(rgb(230, 170, 60)));
        fill_ellipse(cv, g, p.size * 0.22, p.size * 0.2,
                     vertical(g.y - 9, g.y + 9,
                              {{0, rgb(120, 60, 140)}, {0.5, rgb(255, 140, 90)}, {1, rgb(255, 230, 150)}}));
        fill_ellipse(cv, {g.x - 3, g.y - 3}, 2.5, 2, solid(rgb(255, 255, 240)));
    }
    fill_poly(cv, rim_at(scarf), solid(RIM));
    fill_poly(cv, p(scarf), along(p({0, 1}), p({4.8, 0.6}), {{0, rgb(200, 30, 60)}, {1, rgb(120, 20, 50)}}));
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
    // The Thresher on the far hill, fans turning.
    fill_round_rect(cv, 600, 150, 90, 34, 8, solid(rgb(50, 40, 70)));
    for (int i = 0; i < 4; ++i) fill_ellipse(cv, {610.0 + i * 23, 150}, 11, 5, solid(rgb(70, 60, 90)));
    for (int i = 0; i < 3; ++i) {
        fill_ellipse(cv, {625.0 + i * 20, 168}, 4, 2.5, solid(rgb(255, 60, 40)));
        glow(cv, {625.0 + i * 20, 168}, 10, rgb(255, 60, 40), 0.8);
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
    earth(cv, {300, 600}, 460, {0.5, -0.8});
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

void ring(Canvas& cv, Pt c, double rx, double ry, double from, double to, double width) {
    const int n = 60;
    for (int i = 0; i < n; ++i) {
        const double a0 = from + (to - from) * i / n, a1 = from + (to - from) * (i + 1) / n;
        const Pt p0 = {c.x + rx * std::cos(a0), c.y + ry * std::sin(a0)};
        const Pt p1 = {c.x + rx * std::cos(a1), c.y + ry * std::sin(a1)};
        const double light = 0.6 + 0.4 * std::sin(a0 + 0.6);
        line(cv, p0, p1, width,
             vertical(p0.y - width, p0.y + width,
                      {{0, shade(rgb(190, 200, 230), light + 0.1)}, {1, shade(rgb(90, 90, 130), light)}}));
    }
}

// ---- the Lantern: the station that throws the harvest to Mars ----
void lantern(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(4, 2, 18)}, {1, rgb(24, 12, 50)}});
    Rng rng(505);
    stars(cv, rng, 200, cv.h);
    mars(cv, {680, 70}, 48, {-0.9, 0.2});
    const Pt core = {320, 130};
    fill_poly(cv, {{core.x, core.y - 8}, {680, 66}, {680, 74}, {core.x, core.y + 8}},
              along(core, {680, 70}, {{0, rgb(255, 240, 190)}, {1, rgb(255, 120, 60)}}), 0.75);
    for (double t = 0.1; t < 1; t += 0.1)
        glow(cv, {core.x + (680 - core.x) * t, core.y + (70 - core.y) * t}, 14, rgb(255, 160, 80), 0.4);
    // Vanes of solar cells either side.
    for (int side = -1; side <= 1; side += 2) {
        line(cv, {core.x + side * 150.0, core.y}, {core.x + side * 190.0, core.y}, 6,
             solid(rgb(120, 120, 150)));
        for (int k = 0; k < 3; ++k) {
            const double x0 = core.x + side * (190.0 + k * 36);
            fill_rect(cv, std::min(x0, x0 + side * 32.0), core.y - 34, 32, 68,
                      vertical(core.y - 34, core.y + 34, {{0, rgb(60, 110, 220)}, {1, rgb(20, 30, 100)}}));
            for (int j = 1; j < 4; ++j)
                line(cv, {std::min(x0, x0 + side * 32.0), core.y - 34 + j * 17.0},
                     {std::max(x0, x0 + side * 32.0), core.y - 34 + j * 17.0}, 1, solid(rgb(140, 190, 255)),
                     0.6);
        }
    }
    ring(cv, core, 150, 58, PI, 2 * PI, 12);
    for (int k = 0; k < 6; ++k) {
        const double a = PI * k / 3 + 0.3;
        line(cv, core, {core.x + 150 * std::cos(a), core.y + 58 * std::sin(a)}, 4, solid(rgb(110, 110, 140)));
    }
    glow(cv, core, 120, rgb(255, 150, 60), 0.8);
    fill_ellipse(cv, core, 34, 34,
                 radial({core.x - 8, core.y - 8}, 44,
                        {{0, rgb(255, 255, 240)}, {0.4, rgb(255, 220, 120)}, {1, rgb(230, 90, 30)}}));
    ring(cv, core, 150, 58, 0, PI, 12);
    // Turrets on the rim.
    for (int k = 0; k < 3; ++k) {
        const double a = PI * (0.25 + 0.25 * k);
        const Pt t = {core.x + 150 * std::cos(a), core.y + 58 * std::sin(a)};
        fill_ellipse(cv, t, 10, 8, solid(rgb(80, 80, 110)));
        line(cv, t, {t.x, t.y + 16}, 3, solid(rgb(50, 50, 70)));
        fill_ellipse(cv, {t.x, t.y - 1}, 3, 3, solid(rgb(255, 80, 60)));
    }
    saucer(cv, {{110, 60}, 16, 0.2}, false);
    saucer(cv, {{520, 200}, 14, -0.1}, false);
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

void waterspout(Canvas& cv, double x, double top, double bottom) {
    const double mid = (top + bottom) / 2;
    fill_poly(cv,
              {{x - 26, top}, {x + 26, top}, {x + 8, mid}, {x + 22, bottom}, {x - 22, bottom}, {x - 8, mid}},
              along({x - 26, 0}, {x + 26, 0},
                    {{0, rgb(120, 150, 160)}, {0.4, rgb(220, 240, 240)}, {1, rgb(90, 120, 130)}}),
              0.7);
    fill_ellipse(cv, {x, bottom}, 40, 8, solid(rgb(230, 245, 245)), 0.8);
}

// ---- a storm of the Gleaners' making over the open sea ----
void sea_storm(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(18, 24, 40)}, {0.6, rgb(60, 80, 100)}, {1, rgb(90, 110, 120)}});
    Rng rng(606);
    lightning(cv, {600, 0}, 150, rng);
    for (int i = 0; i < 7; ++i)
        cloud(cv, {rng.real(0, cv.w), rng.real(10, 40)}, rng.real(45, 70), rgb(90, 100, 120), rgb(30, 36, 54),
              rng);
    waterspout(cv, 230, 70, 160);
    waterspout(cv, 470, 60, 164);
    saucer(cv, {{230, 58}, 30, 0}, false);
    saucer(cv, {{470, 50}, 34, 0}, false);
    stormy_sea(cv, 150, rng);
    bone_glider(cv, {{120, 190}, 22, 0.2});
    bone_glider(cv, {{340, 206}, 18, -0.1});
    bone_glider(cv, {{640, 196}, 24, 0.1});
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
    const Place m{{376, 120}, 120, 0};
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
    fill_poly(cv, m(horns), solid(rgb(60, 70, 90)));
    fill_poly(cv, m(body),
              along(m({-2, 0}), m({2, 0}),
                    {{0, rgb(40, 60, 80)},
                     {0.35, rgb(110, 130, 150)},
                     {0.5, rgb(150, 170, 185)},
                     {0.65, rgb(100, 120, 140)},
                     {1, rgb(40, 60, 80)}}));
    // White ribs over the grey plates.
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 5; ++k) {
            const double y = -0.25 + k * 0.12;
            line(cv, m({side * 0.3, y}), m({side * (1.5 - k * 0.2), y + 0.22 + k * 0.04}), 4,
                 solid(rgb(235, 230, 210)));
        }
        fill_ellipse(cv, m({side * 1.85, 0.22}), 8, 6, solid(rgb(255, 90, 60)));
        glow(cv, m({side * 1.85, 0.22}), 20, rgb(255, 90, 60), 0.7);
    }
    line(cv, m({0, 0.6}), m({0, 1.5}), 6, solid(rgb(90, 110, 130)));
    // The maw and its eyes.
    fill_ellipse(cv, m({0, -0.55}), 40, 16, solid(rgb(10, 20, 30)));
    glow(cv, m({0, -0.55}), 50, rgb(80, 255, 210), 0.8);
    for (int k = -3; k <= 3; ++k) {
        const Pt t = m({k * 0.09, -0.66});
        fill_poly(cv, {{t.x - 4, t.y}, {t.x + 4, t.y}, {t.x, t.y + 9}}, solid(rgb(240, 235, 215)));
    }
    for (int side = -1; side <= 1; side += 2) {
        fill_ellipse(cv, m({side * 0.3, -0.4}), 9, 4, solid(rgb(180, 255, 120)));
        glow(cv, m({side * 0.3, -0.4}), 18, rgb(160, 255, 100), 0.8);
    }
    // Sea water pouring off the wings.
    for (int i = 0; i < 24; ++i) {
        const double u = rng.real(-1.9, 1.9);
        const Pt a = m({u, 0.3 - std::abs(u) * 0.05});
        line(cv, a, {a.x + rng.real(-3, 3), a.y + rng.real(15, 40)}, rng.real(1.5, 3.5),
             solid(rgb(200, 235, 240)), 0.6);
    }
    for (int i = 0; i < 30; ++i)
        fill_ellipse(cv, {rng.real(120, 640), rng.real(170, 190)}, rng.real(8, 20), 3,
                     solid(rgb(230, 245, 245)), 0.7);
    bone_glider(cv, {{90, 200}, 18, 0.3});
    bone_glider(cv, {{670, 190}, 20, -0.3});
}

// Dunes with a bright windward face and a shadowed lee.
void dunes(Canvas& cv, double base, double amp, uint32_t seed, uint32_t lit, uint32_t shadow) {
    const auto pts = ridge_pts(cv, base, amp, 120, seed);
    fill_poly(cv, pts, vertical(base - amp, cv.h, {{0, lit}, {0.5, mix(lit, shadow, 0.5)}, {1, shadow}}));
    for (size_t i = 0; i + 3 < pts.size(); ++i)
        line(cv, pts[i], pts[i + 1], 1.4, solid(shade(lit, 1.25)), 0.8);
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
    dunes(cv, 170, 20, 11, rgb(240, 170, 90), rgb(170, 90, 60));
    dunes(cv, 200, 26, 12, rgb(250, 190, 100), rgb(180, 100, 60));
    dunes(cv, 236, 30, 13, rgb(255, 205, 120), rgb(190, 110, 70));
    for (int k = 0; k < 4; ++k) {
        const double x0 = 120 + k * 160;
        line(cv, {x0, 240}, {380 + k * 10.0, 162}, 2.5 - k * 0.2, solid(rgb(210, 250, 255)), 0.7);
        glow(cv, {(x0 + 380) / 2, 200}, 12, rgb(200, 255, 255), 0.5);
    }
    cloudpiercer(cv, {{150, 110}, 30, 0.9}, 0.8);
}

// ---- the Kiln Heart in its crater of glass ----
void kiln(Canvas& cv, std::vector<Label>&) {
    sky(cv, {{0, rgb(20, 6, 30)}, {0.6, rgb(90, 20, 60)}, {1, rgb(200, 70, 60)}});
    Rng rng(909);
    stars(cv, rng, 80, 100);
    dunes(cv, 190, 30, 21, rgb(150, 70, 70), rgb(60, 20, 40));
    const Pt heart = {376, 112};
    glow(cv, heart, 220, rgb(255, 80, 120), 0.7);
    // Cracks of fire across the sand.
    for (int k = 0; k < 9; ++k) {
        const double a = PI * (0.1 + 0.8 * k / 8.0);
        Pt at = {heart.x + 60 * std::cos(a), 190};
        for (int s = 0; s < 4; ++s) {
            const Pt next = {at.x + std::cos(a) * 40 + rng.real(-10, 10), at.y + 14};
            line(cv, at, next, 2.5, solid(rgb(255, 180, 80)));
            at = next;
        }
    }
    dunes(cv, 240, 20, 22, rgb(120, 50, 60), rgb(40, 14, 30));
    // Spires of glass around the heart, the back ones first.
    for (int k = 0; k < 10; ++k) {
        const double a = 2 * PI * k / 10 + 0.2;
        const double x = heart.x + 150 * std::cos(a), base = 200 + 16 * std::sin(a),
                     h = 90 + 30 * std::sin(a * 3);
        const double lean = std::cos(a) * 20;
        fill_poly(cv, {{x - 10, base}, {x + lean, base - h}, {x + 10, base}},
                  along({x - 10, 0}, {x + 10, 0},
                        {{0, rgb(160, 240, 255)}, {0.5, rgb(240, 200, 255)}, {1, rgb(90, 60, 160)}}),
                  0.75);
    }
    const double r = 62;
    for (int k = 0; k < 6; ++k) {
        const double a0 = PI / 6 + PI * k / 3, a1 = a0 + PI / 3;
        const Pt p0 = {heart.x + r * std::cos(a0), heart.y + r * 1.2 * std::sin(a0)};
        const Pt p1 = {heart.x + r * std::cos(a1), heart.y + r * 1.2 * std::sin(a1)};
        const double light = 0.6 + 0.4 * std::cos(a0 + PI / 6 + 2.2);
        fill_poly(cv, {heart, p0, p1},
                  solid(shade(mix(rgb(255, 60, 160), rgb(255, 150, 60), k / 5.0), light + 0.2)));
        line(cv, p0, p1, 2, solid(rgb(255, 230, 250)));
        line(cv, heart, p0, 1.2, solid(rgb(255, 220, 240)), 0.7);
    }
    glow(cv, heart, 50, rgb(255, 255, 220), 1.0);
    fill_ellipse(cv, heart, 12, 14, solid(rgb(255, 255, 240)));
    saucer(cv, {{150, 70}, 22, 0.2}, false);
    saucer(cv, {{610, 60}, 24, -0.2}, false);
    saucer(cv, {{90, 130}, 14, 0.1}, false);
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
    for (int i = 0; i < 3; ++i) glow(cv, {600.0 + i * 30, 44.0 + i * 8}, 8, rgb(140, 255, 160), 0.8);
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
    static const std::map<std::string, void (*)(Canvas&, std::vector<Label>&)> scenes = {
        {"vale_night", vale_night}, {"pilot", pilot},     {"route_map", route_map},  {"launch", launch},
        {"orbit", orbit},           {"lantern", lantern}, {"sea_storm", sea_storm},  {"brinemaw", brinemaw},
        {"desert", desert},         {"kiln", kiln},       {"homecoming", homecoming}};
    const auto it = scenes.find(name);
    if (it == scenes.end()) throw std::runtime_error("no story picture named '" + name + "'");
    it->second(cv, labels);
}

}  // namespace forge::art
