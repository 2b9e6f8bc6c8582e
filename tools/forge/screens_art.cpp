// Subjects shared by the title and the story pages: the Cloudpiercer, the
// Gleaners' saucers, clouds and stars.
#include "screens_art.h"

#include <algorithm>
#include <cmath>

namespace forge::art {

using namespace paint;

void outline(Canvas& cv, const std::vector<std::vector<Pt>>& parts, double width, uint32_t colour) {
    for (int k = 0; k < 8; ++k) {
        const double a = k * PI / 4;
        const double dx = std::cos(a) * width, dy = std::sin(a) * width;
        for (const auto& part : parts) {
            std::vector<Pt> moved = part;
            for (Pt& q : moved) q = {q.x + dx, q.y + dy};
            fill_poly(cv, moved, solid(colour));
        }
    }
}

void cloudpiercer(Canvas& cv, const Place& p, double flame, uint32_t rim) {
    const auto body =
        mirrored({{0, -1}, {0.06, -0.8}, {0.12, -0.45}, {0.15, -0.05}, {0.16, 0.6}, {0.12, 0.9}, {0, 0.94}});
    const auto wing =
        mirrored({{0, -0.25}, {0.14, -0.25}, {0.8, 0.36}, {0.82, 0.5}, {0.55, 0.5}, {0.16, 0.45}, {0, 0.45}});
    const auto fins = mirrored({{0, 0.5}, {0.12, 0.52}, {0.34, 0.86}, {0.34, 0.98}, {0.1, 0.92}, {0, 0.92}});
    const uint32_t CRIMSON = rgb(214, 28, 60), CRIMSON_DARK = rgb(120, 10, 40);

    if (flame > 0) {
        for (int side = -1; side <= 1; side += 2) {
            const double sx = side * 0.07;
            fill_poly(cv, p({{sx - 0.055, 0.9}, {sx + 0.055, 0.9}, {sx, 0.9 + 0.7 * flame}}),
                      along(p({sx, 0.9}), p({sx, 0.9 + 0.7 * flame}),
                            {{0, rgb(255, 250, 210)}, {0.3, rgb(255, 190, 50)}, {1, rgb(255, 70, 20)}}));
            glow(cv, p({sx, 1.0}), p.size * 0.35 * flame + 2, rgb(255, 150, 60), 0.8);
        }
    }
    outline(cv, {p(wing), p(body), p(fins)}, std::max(1.0, p.size * 0.035), rim);

    const Shader metal = along(p({-0.85, 0}), p({0.85, 0}),
                               {{0, rgb(20, 50, 150)},
                                {0.3, rgb(70, 130, 250)},
                                {0.45, rgb(140, 190, 255)},
                                {0.7, rgb(50, 105, 232)},
                                {1, rgb(18, 40, 130)}});
    fill_poly(cv, p(wing), metal);
    for (int side = -1; side <= 1; side += 2) {
        std::vector<Pt> stripe = {{0.56, 0.14}, {0.66, 0.23}, {0.66, 0.5}, {0.56, 0.5}};
        for (Pt& q : stripe) q.x *= side;
        fill_poly(cv, p(stripe), solid(CRIMSON));
    }
    fill_poly(cv, p(fins),
              along(p({-0.34, 0}), p({0.34, 0}), {{0, CRIMSON_DARK}, {0.4, CRIMSON}, {1, CRIMSON_DARK}}));
    fill_poly(cv, p(body),
              along(p({-0.16, 0}), p({0.16, 0}),
                    {{0, rgb(120, 135, 180)},
                     {0.35, rgb(255, 255, 255)},
                     {0.7, rgb(200, 210, 235)},
                     {1, rgb(95, 105, 150)}}));
    fill_poly(cv, p(mirrored({{0, -1}, {0.06, -0.8}, {0.08, -0.72}, {0, -0.72}})), solid(CRIMSON));
    line(cv, p({0, -0.12}), p({0, 0.86}), p.size * 0.05, solid(CRIMSON));
    fill_poly(cv, p(ellipse_pts({0, -0.42}, 0.07, 0.21, 0, 32)),
              along(p({0, -0.63}), p({0, -0.21}),
                    {{0, rgb(30, 50, 120)}, {0.35, rgb(110, 230, 255)}, {1, rgb(20, 40, 100)}}));
    fill_poly(cv, p(ellipse_pts({-0.02, -0.5}, 0.02, 0.07, 0, 16)), solid(rgb(240, 255, 255)), 0.85);
    for (int side = -1; side <= 1; side += 2) {
        fill_poly(cv, p(ellipse_pts({side * 0.07, 0.91}, 0.045, 0.03, 0, 16)), solid(rgb(30, 30, 50)));
    }
}

void saucer(Canvas& cv, const Place& p, bool beam) {
    if (beam) {
        fill_poly(cv, p({{-0.35, 0.15}, {0.35, 0.15}, {1.0, 3.4}, {-1.0, 3.4}}),
                  along(p({0, 0.15}), p({0, 3.4}), {{0, rgb(210, 255, 190)}, {1, rgb(40, 110, 80)}}), 0.3);
    }
    const auto under = ellipse_pts({0, 0.08}, 0.75, 0.27, 0, 48);
    const auto rim = ellipse_pts({0, 0}, 1, 0.2, 0, 64);
    std::vector<Pt> dome;
    for (int i = 0; i <= 24; ++i) {
        const double a = PI + PI * i / 24;
        dome.push_back({0.42 * std::cos(a), -0.04 + 0.44 * std::sin(a)});
    }
    outline(cv, {p(under), p(rim), p(dome)}, std::max(1.0, p.size * 0.04), rgb(16, 10, 30));
    fill_poly(cv, p(under), along(p({0, 0}), p({0, 0.35}), {{0, rgb(90, 60, 130)}, {1, rgb(35, 20, 60)}}));
    glow(cv, p({0, 0.28}), p.size * 0.45, rgb(120, 255, 150), 0.7);
    fill_poly(cv, p(dome),
              radial(p({-0.14, -0.3}), p.size * 0.5,
                     {{0, rgb(235, 255, 250)}, {0.35, rgb(90, 230, 200)}, {1, rgb(20, 90, 100)}}));
    fill_poly(cv, p(rim),
              along(p({0, -0.2}), p({0, 0.2}),
                    {{0, rgb(240, 225, 255)},
                     {0.45, rgb(170, 140, 220)},
                     {0.55, rgb(110, 80, 170)},
                     {1, rgb(60, 40, 100)}}));
    const uint32_t lights[3] = {rgb(255, 235, 90), rgb(255, 120, 60), rgb(140, 255, 120)};
    for (int i = 0; i < 5; ++i) {
        const Pt at = p({-0.7 + 0.35 * i, 0.03});
        fill_ellipse(cv, at, p.size * 0.07, p.size * 0.05, solid(lights[i % 3]));
        glow(cv, at, p.size * 0.22, lights[i % 3], 0.5);
    }
}

void cloud(Canvas& cv, Pt c, double size, uint32_t light, uint32_t dark, Rng& rng) {
    struct Puff {
        Pt at;
        double r;
    };
    std::vector<Puff> puffs;
    const int n = 7;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / (n - 1) * 2 - 1;
        const double r = size * (0.26 + 0.22 * (1 - t * t)) * rng.real(0.85, 1.15);
        puffs.push_back({{c.x + t * size * 0.95, c.y - r * 0.4 + rng.real(-0.04, 0.04) * size}, r});
    }
    puffs.push_back({{c.x - size * 0.28, c.y - size * 0.36}, size * 0.34});
    puffs.push_back({{c.x + size * 0.22, c.y - size * 0.42}, size * 0.3});
    const Shader body =
        vertical(c.y - size * 0.8, c.y + size * 0.2, {{0, shade(light, 1.2)}, {0.5, light}, {1, dark}});
    for (const Puff& q : puffs)
        fill_ellipse(cv, {q.at.x, q.at.y + size * 0.07}, q.r, q.r * 0.85, solid(dark));
    for (const Puff& q : puffs) fill_ellipse(cv, q.at, q.r, q.r * 0.85, body);
}

void stars(Canvas& cv, Rng& rng, int count, double bottom) {
    for (int i = 0; i < count; ++i) {
        const Pt at = {rng.real(0, cv.w), rng.real(0, bottom)};
        const double b = rng.real(0, 1);
        const uint32_t c = mix(rgb(150, 170, 255), rgb(255, 250, 230), rng.real(0, 1));
        if (b > 0.96) {
            glow(cv, at, 7, c, 0.9);
            line(cv, {at.x - 6, at.y}, {at.x + 6, at.y}, 0.7, solid(c), 0.8);
            line(cv, {at.x, at.y - 6}, {at.x, at.y + 6}, 0.7, solid(c), 0.8);
        } else {
            fill_ellipse(cv, at, 0.5 + b * 0.7, 0.5 + b * 0.7, solid(c), 0.4 + 0.6 * b);
        }
    }
}

}  // namespace forge::art
