// The story pictures in space: orbit above the Earth and the Lantern.
#include <cmath>
#include <vector>

#include "screens_scenes.h"

namespace forge::art::scenes {

using namespace paint;

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

}  // namespace forge::art::scenes
