// The story pictures of the desert: the glass-streaked dunes and the Kiln's
// scorpion guardian before its spires.
#include <algorithm>
#include <cmath>
#include <vector>

#include "screens_scenes.h"

namespace forge::art::scenes {

using namespace paint;

namespace {

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

}  // namespace

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

}  // namespace forge::art::scenes
