// The story pictures of the Vale: the lights coming down at night, Wren at
// sunset, Abel's chart, the launch at dawn and the homecoming.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "screens_scenes.h"

namespace forge::art::scenes {

using namespace paint;

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

}  // namespace forge::art::scenes
