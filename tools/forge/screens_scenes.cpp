// The story illustrations by name, and the scenery that more than one of
// them paints: skies, ridges and fields, farm buildings, the sun, the moon,
// a comet and the planets.
#include "screens_scenes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace forge::art::scenes {

using namespace paint;

namespace {

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

}  // namespace

void sky(Canvas& cv, std::vector<Stop> stops) {
    fill_rect(cv, 0, 0, cv.w, cv.h, vertical(0, cv.h, std::move(stops)));
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

void earth(Canvas& cv, Pt c, double r, Pt light) {
    planet(cv, c, r, light, earth_surface, rgb(90, 170, 255));
}
void mars(Canvas& cv, Pt c, double r, Pt light) {
    planet(cv, c, r, light, mars_surface, rgb(255, 140, 90));
}

}  // namespace forge::art::scenes

namespace forge::art {

void scene(Canvas& cv, const std::string& name, std::vector<Label>& labels) {
    if (name == "vale_night") return scenes::vale_night(cv, labels);
    if (name == "pilot") return scenes::pilot(cv, labels);
    if (name == "route_map") return scenes::route_map(cv, labels);
    if (name == "launch") return scenes::launch(cv, labels);
    if (name == "orbit") return scenes::orbit(cv, labels);
    if (name == "lantern") return scenes::lantern(cv, labels);
    if (name == "sea_storm") return scenes::sea_storm(cv, labels);
    if (name == "brinemaw") return scenes::brinemaw(cv, labels);
    if (name == "desert") return scenes::desert(cv, labels);
    if (name == "kiln") return scenes::kiln(cv, labels);
    if (name == "homecoming") return scenes::homecoming(cv, labels);
    throw std::runtime_error("no story picture named '" + name + "'");
}

}  // namespace forge::art
