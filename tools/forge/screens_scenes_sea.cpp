// The story pictures at sea: the Gleaners' storm and the Brinemaw, with the
// bone gliders that fly through both.
#include <algorithm>
#include <cmath>
#include <vector>

#include "screens_scenes.h"

namespace forge::art::scenes {

using namespace paint;

namespace {

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

}  // namespace

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

}  // namespace forge::art::scenes
