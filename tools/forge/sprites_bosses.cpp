// The four level bosses. Their guns sit where the game fires their volleys
// from: level 1 and 4 at the bottom centre, level 2 at three turrets, level 3
// from the tail at the top and from both wing tips.
#include <cmath>

#include "sprites_parts.h"

namespace forge::sprites {

using namespace draw;

namespace {

// A round turret with its barrels pointing along `dir`, muzzles at `muzzle`.
void turret(Canvas& cv, Vec centre, double r, Vec muzzle, int barrels, Colour body) {
    const Vec dir = normalized(muzzle - centre);
    const Vec across{-dir.y, dir.x};
    Shape guns = circle(centre, 0.1);
    for (int i = 0; i < barrels; ++i) {
        const double off = (i - (barrels - 1) / 2.0) * r * 0.55;
        guns = guns | capsule(centre + across * off, muzzle + across * off, std::max(1.6, r * 0.18));
    }
    fill(cv, grown(guns, 1.3), ink(body));
    fill(cv, guns, lit(hex(0x8890a0), 2, 0.6));
    for (int i = 0; i < barrels; ++i) {
        const double off = (i - (barrels - 1) / 2.0) * r * 0.55;
        fill(cv, circle(muzzle + across * off, std::max(1.0, r * 0.1)), hex(0x301818), 1, Mode::Atop);
    }
    const Shape dome = circle(centre, r);
    fill(cv, grown(dome, 1.4), ink(body));
    fill(cv, dome, lit(body, r * 0.6, 0.6));
    fill(cv, circle(centre + dir * (r * 0.35), r * 0.32), hex(0xff5028), 1, Mode::Atop);
    fill(cv, circle(centre + dir * (r * 0.35) - Vec{r * 0.1, r * 0.1}, r * 0.12), hex(0xffe0a0), 1,
         Mode::Atop);
}

// A small lamp: bright when on, dim when off.
void lamp(Canvas& cv, Vec p, double r, Colour on_colour, bool on) {
    fill(cv, circle(p, r + 1), hex(0x202030), 1, Mode::Atop);
    fill(cv, circle(p, r), lit(on ? lighter(on_colour, 0.35) : shade(on_colour, 0.45), r, 0.8), 1,
         Mode::Atop);
}

// Panel seams across a body, drawn only where the body is.
void seam(Canvas& cv, std::vector<Vec> pts, Colour body) {
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        fill(cv, capsule(pts[i], pts[i + 1], 0.55), darker(body, 0.45), 0.85, Mode::Atop);
        fill(cv, capsule(pts[i] + Vec{0.8, 0.8}, pts[i + 1] + Vec{0.8, 0.8}, 0.4), lighter(body, 0.3), 0.5,
             Mode::Atop);
    }
}

std::vector<Vec> mirrored_x(double cx, std::vector<Vec> pts) {
    for (Vec& p : pts) p.x = 2 * cx - p.x;
    return pts;
}

// ---- level 1: a sky fortress on four ducted fans ----

// A ducted fan seen from above, its blades turned by `turn` radians.
void fan(Canvas& cv, Vec c, double r, double turn, Colour body) {
    fill(cv, grown(circle(c, r), 1.5), ink(body));
    fill(cv, circle(c, r), lit(shade(body, 0.9), 5, 0.5));
    const double inner = r - 5;
    fill(cv, circle(c, inner), radial(c, inner, hex(0x38404c), hex(0x202630)), 1, Mode::Atop);
    constexpr int BLADES = 5;
    for (int i = 0; i < BLADES; ++i) {
        const double a = turn + 2 * PI * i / BLADES;
        const Vec dir{std::cos(a), std::sin(a)};
        const Vec side{-dir.y, dir.x};
        const std::vector<Vec> blade = {c + dir * 3 + side * 2.5, c + dir * (inner - 1) + side * 5,
                                        c + dir * (inner - 1) - side * 1, c + dir * 3 - side * 2.5};
        fill(cv, polygon(blade), lit(hex(0x9aa4b4), 2, 0.5), 1, Mode::Atop);
    }
    fill(cv, circle(c, 6), lit(hex(0xc03030), 3, 0.6), 1, Mode::Atop);
}

// Armour teeth along a polyline, pointing to its right-hand side (for a
// line running right to left along a bottom edge, that is down).
Shape teeth(const std::vector<Vec>& line, double spacing, double size) {
    Shape out = circle(line[0], 0.01);
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const Vec a = line[i];
        const Vec b = line[i + 1];
        const double len = length(b - a);
        const Vec dir = (b - a) * (1 / len);
        const Vec out_dir{-dir.y, dir.x};
        for (double t = spacing / 2; t < len; t += spacing) {
            const Vec p = a + dir * t;
            out = out | polygon({p - dir * (size * 0.7), p + out_dir * size, p + dir * (size * 0.7),
                                 p - out_dir * 2});
        }
    }
    return out;
}

void rivets(Canvas& cv, Vec a, Vec b, int count, Colour body) {
    for (int i = 0; i < count; ++i) {
        const Vec p = lerp(a, b, (i + 0.5) / count);
        fill(cv, circle(p, 1.2), darker(body, 0.4), 1, Mode::Atop);
        fill(cv, circle(p - Vec{0.4, 0.4}, 0.6), lighter(body, 0.5), 1, Mode::Atop);
    }
}

// A hostile crest: a yellow three-clawed mark on a red disc.
void crest(Canvas& cv, Vec c, double r) {
    fill(cv, circle(c, r + 1.5), hex(0x401020), 1, Mode::Atop);
    fill(cv, circle(c, r), lit(hex(0xb82030), r * 0.5, 0.4), 1, Mode::Atop);
    for (int i = 0; i < 3; ++i) {
        const double a = -PI / 2 + (i - 1) * 0.55;
        const Vec tip = c + Vec{std::cos(a), std::sin(a)} * (r * 0.8);
        fill(cv, taper(c + Vec{0, r * 0.45}, r * 0.2, tip, r * 0.05), hex(0xffc830), 1, Mode::Atop);
    }
}

Canvas lvl1boss(int frame) {
    Canvas cv(512, 256);
    constexpr double CX = 256;
    const Colour hull = hex(0x76849a);
    const Colour wing = hex(0x66748a);
    const Colour armour = hex(0x4a5468);
    const Colour red = hex(0xc8303a);

    // Exhaust from the wing's trailing edge (the top), flickering.
    static const double FLICKER[3] = {1.0, 1.35, 0.75};
    for (int s : {-1, 1}) {
        for (double x : {80.0, 140.0, 200.0}) {
            const Vec n{CX + x * s, 68 + x * 0.1};
            const double len = 16 * FLICKER[(frame + int(x) / 60) % 3];
            fill(cv, taper(n, 6, n - Vec{0, len}, 1.5), hex(0xff6a20));
            fill(cv, taper(n, 3.5, n - Vec{0, len * 0.6}, 1), hex(0xffe070));
        }
    }

    const std::vector<Vec> wing_right = {{CX + 30, 64},   {CX + 120, 72},  {CX + 205, 86},  {CX + 236, 96},
                                         {CX + 246, 110}, {CX + 240, 126}, {CX + 205, 140}, {CX + 130, 158},
                                         {CX + 60, 178},  {CX + 30, 182}};
    const std::vector<Vec> edge_right = {{CX + 232, 131}, {CX + 205, 140}, {CX + 130, 158}, {CX + 50, 180}};
    const Shape wings = polygon(wing_right) | polygon(mirrored_x(CX, wing_right));
    const Shape edge_armour = teeth(edge_right, 24, 7) | teeth(mirror_points(CX, edge_right), 24, 7);
    const Shape hull_shape = polygon(
        symmetric(CX, {{0, 6}, {18, 8}, {32, 36}, {42, 90}, {48, 150}, {44, 196}, {30, 226}, {0, 238}}));
    const Shape fins = polygon({{CX + 22, 10}, {CX + 58, 2}, {CX + 64, 10}, {CX + 36, 44}}) |
                       polygon({{CX - 22, 10}, {CX - 58, 2}, {CX - 64, 10}, {CX - 36, 44}});
    const Shape nacelles = rect({CX + 80, 130}, {12, 50}, 10) | rect({CX - 80, 130}, {12, 50}, 10);
    const Shape all = wings | edge_armour | hull_shape | fins | nacelles;
    fill(cv, grown(all, 2), ink(hull));

    fill(cv, fins, lit(shade(hull, 0.9), 5, 0.4));
    fill(cv, edge_armour, lit(armour, 3, 0.5));
    fill(cv, wings, lit(linear({CX, 60}, lighter(wing, 0.12), {CX, 180}, shade(wing, 0.82)), 8, 0.35));
    for (int s : {-1, 1}) {
        // A dark armour band along the leading edge, red tips, chevrons.
        std::vector<Vec> band;
        for (size_t i = 5; i < wing_right.size(); ++i) band.push_back(wing_right[i]);
        for (size_t i = wing_right.size(); i-- > 5;) band.push_back(wing_right[i] - Vec{0, 12});
        if (s < 0) band = mirrored_x(CX, band);
        fill(cv, polygon(band), lit(armour, 4, 0.4), 1, Mode::Atop);
        const std::vector<Vec> tip = {
            {CX + 218.0 * s, 80}, {CX + 250.0 * s, 100}, {CX + 246.0 * s, 130}, {CX + 216.0 * s, 145}};
        fill(cv, polygon(tip), red, 1, Mode::Atop);
        for (int k = 0; k < 3; ++k) {
            const double x = CX + (96.0 + 10 * k) * s;
            const double y = 80;
            const std::vector<Vec> chevron = {
                {x, y + 8},           {x + 5.0 * s, y},       {x + 10.0 * s, y},
                {x + 5.0 * s, y + 8}, {x + 10.0 * s, y + 16}, {x + 5.0 * s, y + 16}};
            fill(cv, polygon(chevron), hex(0xf0c030), 1, Mode::Atop);
        }
        seam(cv, {{CX + 50.0 * s, 98}, {CX + 236.0 * s, 104}}, wing);
        seam(cv, {{CX + 175.0 * s, 80}, {CX + 175.0 * s, 142}}, wing);
        seam(cv, {{CX + 108.0 * s, 72}, {CX + 108.0 * s, 156}}, wing);
        rivets(cv, {CX + 50.0 * s, 92}, {CX + 232.0 * s, 98}, 22, wing);
        crest(cv, {CX + 176.0 * s, 158 - 4}, 0.01);
    }
    // Fans: two in each wing, the outer ones counter-rotating.
    const double turn = frame * (2 * PI / 5) / 3;
    for (int s : {-1, 1}) {
        fan(cv, {CX + 140.0 * s, 116}, 27, turn * s, wing);
        fan(cv, {CX + 203.0 * s, 112}, 20, -turn * s, wing);
    }
    for (int s : {-1, 1}) {
        const Shape n = rect({CX + 80.0 * s, 130}, {12, 50}, 10);
        fill(cv, n, lit(hull, 6, 0.5));
        rivets(cv, {CX + 80.0 * s, 86}, {CX + 80.0 * s, 122}, 6, hull);
        fill(cv, rect({CX + 80.0 * s, 178}, {7, 3}, 2), hex(0x30343c), 1, Mode::Atop);
        turret(cv, {CX + 80.0 * s, 148}, 10, {CX + 80.0 * s, 170}, 2, hull);
        lamp(cv, {CX + 240.0 * s, 112}, 3, s < 0 ? hex(0xff4040) : hex(0x40ff60), frame != 1);
    }
    // The hull: armour plates, crest, the red eye of the bridge, windows.
    fill(cv, hull_shape, lit(linear({CX, 6}, shade(hull, 0.9), {CX, 238}, lighter(hull, 0.12)), 12, 0.45));
    const Shape spine = polygon(symmetric(CX, {{0, 20}, {14, 26}, {24, 60}, {28, 150}, {20, 176}, {0, 184}}));
    fill(cv, grown(spine, 1.2), ink(hull), 1, Mode::Atop);
    fill(cv, spine, lit(linear({CX, 20}, shade(armour, 0.9), {CX, 184}, lighter(armour, 0.2)), 8, 0.5), 1,
         Mode::Atop);
    seam(cv, {{CX - 24, 70}, {CX + 24, 70}}, armour);
    seam(cv, {{CX - 27, 130}, {CX + 27, 130}}, armour);
    for (int s : {-1, 1}) {
        fill(cv,
             polygon({{CX + 33.0 * s, 70}, {CX + 39.0 * s, 70}, {CX + 44.0 * s, 180}, {CX + 38.0 * s, 180}}),
             red, 1, Mode::Atop);
        rivets(cv, {CX + 30.0 * s, 40}, {CX + 40.0 * s, 200}, 14, hull);
    }
    crest(cv, {CX, 46}, 13);
    // The bridge's red eye: a sensor that glows brighter as it scans.
    const Vec eye{CX, 104};
    fill(cv, ellipse(eye, 17, 12), hex(0x2a2c38), 1, Mode::Atop);
    fill(cv, ellipse(eye, 14, 9), lit(radial(eye - Vec{3, 3}, 16, hex(0xff7050), hex(0x901020)), 5, 0.8), 1,
         Mode::Atop);
    fill(cv, circle(eye + Vec{(frame - 1) * 5.0, 0}, 3.5), hex(0xfff0b0), 1, Mode::Atop);
    for (int i = 0; i < 5; ++i) {
        const double x = CX - 20 + i * 10;
        const double y = 200 + std::abs(i - 2) * 3.0;
        fill(cv, rect({x, y}, {3.2, 4}, 1.5), frame == 2 && i == 2 ? hex(0xffffff) : hex(0xffb838), 1,
             Mode::Atop);
    }
    turret(cv, {CX, 228}, 15, {CX, 253}, 2, hull);
    return cv;
}

// ---- level 2: a space carrier, its hull left of a long reactor boom ----

// Where the game fires the level-2 volley from (bullet centres): the left
// and right turrets and the big turret on the hull.
const Vec L2_LEFT_GUN{63, 133};
const Vec L2_RIGHT_GUN{258, 133};
const Vec L2_TOP_GUN{158, 68};
constexpr double L2_CX = 158;  // centre line of the hull

void solar_panel(Canvas& cv, Vec c, Vec half) {
    const Shape p = rect(c, half, 2);
    fill(cv, grown(p, 1.5), hex(0x282c48));
    fill(cv, p, lit(linear(c - half, hex(0x5a88ff), c + half, hex(0x203c9c)), 3, 0.7));
    for (double x = c.x - half.x + 12; x < c.x + half.x; x += 12) {
        fill(cv, rect({x, c.y}, {0.5, half.y}), hex(0x9ab8ff), 0.7, Mode::Atop);
    }
    for (double y = c.y - half.y + 10; y < c.y + half.y; y += 10) {
        fill(cv, rect({c.x, y}, {half.x, 0.5}), hex(0x9ab8ff), 0.7, Mode::Atop);
    }
}

Canvas lvl2boss() {
    Canvas cv(512, 256);
    constexpr double CX = L2_CX;
    const Colour hull = hex(0xc2cad8);
    const Colour panel = hex(0x4a5cc8);
    const Colour metal = hex(0x8a94a8);

    // Engine flames at the rear (top).
    for (int i = -1; i <= 1; ++i) {
        const Vec n{CX + i * 32.0, 18 + std::abs(i) * 6.0};
        fill(cv, taper(n, 8, n - Vec{0, 16}, 2), hex(0x4890ff));
        fill(cv, taper(n, 5, n - Vec{0, 10}, 1.5), hex(0xc0f0ff));
    }

    // The boom to the reactor and its solar wings.
    const Shape boom = rect({340, 118}, {90, 9}, 3);
    const Shape pod = circle({448, 118}, 42);
    const Shape spike = taper({480, 118}, 5, {505, 118}, 1.5);
    fill(cv, grown(boom | pod | spike, 1.8), ink(metal));
    solar_panel(cv, {350, 80}, {46, 24});
    solar_panel(cv, {350, 156}, {46, 24});
    fill(cv, rect({350, 118}, {3, 62}), lit(metal, 2, 0.5));
    fill(cv, boom, lit(metal, 4, 0.5));
    for (double x = 262; x < 420; x += 14) {
        fill(cv, polygon({{x, 110}, {x + 2.5, 110}, {x + 14, 126}, {x + 11.5, 126}}), darker(metal, 0.4), 1,
             Mode::Atop);
    }
    fill(cv, spike, lit(metal, 2, 0.6));
    fill(cv, pod, lit(hull, 14, 0.5));
    fill(cv, ring({448, 118}, 30, 4), lit(panel, 3, 0.6), 1, Mode::Atop);
    fill(cv, circle({448, 118}, 20), hex(0x203060), 1, Mode::Atop);
    fill(cv, circle({448, 118}, 17), lit(radial({443, 112}, 20, hex(0xe0ffff), hex(0x20a8e0)), 6, 0.9), 1,
         Mode::Atop);
    for (int i = 0; i < 8; ++i) {
        const double a = 2 * PI * i / 8;
        lamp(cv, Vec{448, 118} + Vec{std::cos(a), std::sin(a)} * 37, 2.2, hex(0x50ffff), i % 2 == 0);
    }

    // The hull.
    const Shape body = polygon(symmetric(
        CX, {{0, 14}, {44, 16}, {80, 34}, {100, 70}, {104, 118}, {98, 160}, {74, 198}, {40, 220}, {0, 228}}));
    const Shape sponsons = circle({L2_LEFT_GUN.x, 112}, 20) | circle({L2_RIGHT_GUN.x, 112}, 20);
    fill(cv, grown(body | sponsons, 2), ink(hull));
    fill(cv, sponsons, lit(metal, 6, 0.5));
    fill(cv, body, lit(linear({CX, 14}, lighter(hull, 0.1), {CX, 228}, shade(hull, 0.85)), 14, 0.5));
    // A darker armour belt inside the rim, riveted.
    stroke(cv, grown(body, -9), 7, lit(shade(metal, 0.9), 3, 0.5), 1, Mode::Atop);
    stroke(cv, grown(body, -13), 1, darker(metal, 0.5), 0.8, Mode::Atop);
    // Blue armour panels and glowing window rows.
    for (int s : {-1, 1}) {
        const std::vector<Vec> plate = {{CX + 30.0 * s, 40},  {CX + 70.0 * s, 58},  {CX + 80.0 * s, 96},
                                        {CX + 80.0 * s, 150}, {CX + 62.0 * s, 182}, {CX + 34.0 * s, 150}};
        fill(cv, grown(polygon(plate), 1.2), ink(panel), 1, Mode::Atop);
        fill(cv, polygon(plate), lit(panel, 6, 0.6), 1, Mode::Atop);
        seam(cv, {{CX + 34.0 * s, 100}, {CX + 80.0 * s, 100}}, panel);
        seam(cv, {{CX + 34.0 * s, 130}, {CX + 80.0 * s, 130}}, panel);
        for (int k = 0; k < 6; ++k) {
            fill(cv, rect({CX + (50.0 + k % 2 * 14) * s, 84.0 + k * 12}, {4, 2}, 1), hex(0x80ffff), 1,
                 Mode::Atop);
        }
        seam(cv, {{CX + 16.0 * s, 24}, {CX + 16.0 * s, 214}}, hull);
        // Vent grilles near the engines.
        for (int k = 0; k < 4; ++k) {
            fill(cv, rect({CX + 44.0 * s, 32.0 + k * 4}, {9, 1}, 0.5), darker(hull, 0.5), 0.9, Mode::Atop);
        }
        // Hazard stripes flank the hangar.
        for (int k = 0; k < 4; ++k) {
            const double x = CX + (28.0 + k * 5) * s;
            fill(cv, polygon({{x, 206}, {x + 3.0 * s, 206}, {x + 6.0 * s, 196}, {x + 3.0 * s, 196}}),
                 k % 2 ? hex(0x303040) : hex(0xf0c020), 1, Mode::Atop);
        }
    }
    // Running lights down the spine.
    for (int k = 0; k < 5; ++k)
        lamp(cv, {CX, 84.0 + k * 12}, 2.2, k % 2 ? hex(0xff5040) : hex(0x60ffff), true);
    // A radar dish on the right shoulder.
    const Vec dish{CX + 52, 196 - 10};
    fill(cv, grown(ellipse(dish, 11, 8), 1.2), ink(metal), 1, Mode::Atop);
    fill(cv, ellipse(dish, 11, 8), lit(radial(dish + Vec{3, 3}, 12, hex(0xf0f4f8), hex(0x8890a0)), 5, 0.7), 1,
         Mode::Atop);
    fill(cv, circle(dish, 2), hex(0xff4040), 1, Mode::Atop);
    // The hangar mouth at the bow.
    fill(cv, rect({CX, 198}, {22, 12}, 6), hex(0x402818), 1, Mode::Atop);
    fill(cv, rect({CX, 200}, {18, 8}, 4), radial({CX, 204}, 20, hex(0xffc060), hex(0xa04010)), 1, Mode::Atop);
    for (int i = -2; i <= 2; ++i) {
        fill(cv, rect({CX + i * 7.0, 192}, {2.4, 1.2}), hex(0xf0d040), 1, Mode::Atop);
    }
    crest(cv, {CX, 150}, 14);
    // Turrets, each muzzle where the game places its bullets.
    turret(cv, {L2_LEFT_GUN.x, 110}, 14, L2_LEFT_GUN, 2, metal);
    turret(cv, {L2_RIGHT_GUN.x, 110}, 14, L2_RIGHT_GUN, 2, metal);
    turret(cv, {L2_TOP_GUN.x, 46}, 20, L2_TOP_GUN + Vec{0, 2}, 3, metal);
    return cv;
}

// ---- level 3: a mechanical manta, gliding on rippling wings ----

// Where the game fires the level-3 volley from: the tail tip at the top,
// and the two wing-tip guns at the bottom corners.
const Vec L3_TAIL_GUN{256, 8};
const Vec L3_LEFT_GUN{30, 228};
const Vec L3_RIGHT_GUN{482, 228};

Canvas lvl3boss(int frame) {
    Canvas cv(512, 256);
    constexpr double CX = 256;
    const Colour skin = hex(0x7040b0);
    const Colour belly = hex(0x9868d8);
    const Colour glow_colour = hex(0xff58d0);
    static const double RIPPLE[3] = {0, -7, 6};  // wing tips up or down
    const double w = RIPPLE[frame];

    // One half of the ray as offsets from the centre line; the wing ripples.
    const std::vector<Vec> half = {{0, 44},
                                   {28, 50},
                                   {80, 66 + w * 0.3},
                                   {150, 96 + w * 0.6},
                                   {205, 136 + w},
                                   {236, 176 + w},
                                   {242, 206 + w},
                                   {232, 214 + w},
                                   {190, 198 + w * 0.8},
                                   {130, 192 + w * 0.4},
                                   {80, 206},
                                   {52, 228},
                                   {44, 250},
                                   {30, 244},
                                   {22, 232},
                                   {0, 230}};
    const Shape body = polygon(symmetric(CX, half));
    const Shape tail = taper({CX, 60}, 12, {CX, L3_TAIL_GUN.y + 4}, 5);
    const Vec left_tip{CX - 236, 200 + w};
    const Vec right_tip{CX + 236, 200 + w};
    const Shape guns = capsule(left_tip, L3_LEFT_GUN, 4.5) | capsule(right_tip, L3_RIGHT_GUN, 4.5);
    fill(cv, grown(body | tail | guns, 2), ink(skin));
    fill(cv, guns, lit(hex(0x9098b0), 3, 0.6));
    fill(cv, tail, lit(skin, 6, 0.5));
    for (int k = 0; k < 4; ++k) {
        const double y = 20 + k * 9.0;
        fill(cv, rect({CX, y}, {6 + k * 1.2, 1.3}, 1), darker(skin, 0.4), 1, Mode::Atop);
    }
    fill(cv, body, lit(radial({CX - 30, 80}, 260, lighter(belly, 0.15), shade(skin, 0.75)), 16, 0.45));
    // Energy veins across the wings, pulsing from frame to frame.
    for (int s : {-1, 1}) {
        for (int k = 0; k < 4; ++k) {
            const double t = (k + 1) / 5.0;
            const Vec from{CX + 40.0 * s, 80 + 100 * t};
            const Vec mid{CX + (70 + 90 * t) * s, 88 + 90 * t + w * t * 0.6};
            const Vec to{CX + (90 + 130 * t) * s, 100 + 90 * t + w * t};
            const bool bright = (k + frame) % 3 == 0;
            const Colour vein = bright ? lighter(glow_colour, 0.35) : mix(skin, glow_colour, 0.55);
            fill(cv, capsule(from, mid, 2.6) | capsule(mid, to, 1.8), darker(skin, 0.45), 1, Mode::Atop);
            fill(cv, capsule(from, mid, 1.4) | capsule(mid, to, 0.9), vein, 1, Mode::Atop);
        }
        for (int k = 0; k < 4; ++k) {
            fill(cv, ellipse({CX + (150.0 + 20 * k) * s, 120.0 + 16 * k + w * 0.7}, 4 - k * 0.5, 3 - k * 0.4),
                 hex(0xd8c0f8), 0.9, Mode::Atop);
        }
        // Armour over the wing root, trimmed in orange.
        const std::vector<Vec> plate = {{CX + 18.0 * s, 62},  {CX + 70.0 * s, 78},  {CX + 104.0 * s, 104},
                                        {CX + 96.0 * s, 130}, {CX + 60.0 * s, 150}, {CX + 22.0 * s, 150}};
        fill(cv, grown(polygon(plate), 2), hex(0xff9030), 1, Mode::Atop);
        fill(cv, polygon(plate), lit(linear({CX, 62}, hex(0x5a3890), {CX, 150}, hex(0x341c5c)), 8, 0.6), 1,
             Mode::Atop);
        seam(cv, {{CX + 30.0 * s, 86}, {CX + 84.0 * s, 108}}, hex(0x4a2c80));
        seam(cv, {{CX + 28.0 * s, 116}, {CX + 80.0 * s, 126}}, hex(0x4a2c80));
        // Gill vents.
        for (int k = 0; k < 4; ++k) {
            const double y = 160 + k * 9;
            const double level = 0.45 + 0.55 * ((k + frame) % 3 == 0);
            fill(cv, capsule({CX + 24.0 * s, y}, {CX + 48.0 * s, y + 5}, 2.4),
                 mix(hex(0x501848), glow_colour, level), 1, Mode::Atop);
        }
    }
    // Armoured dorsal ridge with its running lights.
    const Shape ridge = polygon(symmetric(CX, {{0, 50}, {12, 58}, {18, 120}, {13, 186}, {0, 198}}));
    fill(cv, grown(ridge, 1.5), ink(skin), 1, Mode::Atop);
    fill(cv, ridge, lit(hex(0x483078), 7, 0.6), 1, Mode::Atop);
    for (int k = 0; k < 6; ++k) lamp(cv, {CX, 70.0 + k * 21}, 3, glow_colour, (k + frame) % 3 != 0);
    // The head: angry eyes and a glowing maw full of teeth.
    for (int s : {-1, 1}) {
        const Vec e{CX + 32.0 * s, 212};
        fill(cv, ellipse(e, 12, 8), hex(0x2a0c2c), 1, Mode::Atop);
        fill(cv, ellipse(e + Vec{0, 1}, 9, 5.5), lit(radial(e, 9, hex(0xfff080), hex(0xff6010)), 3, 0.8), 1,
             Mode::Atop);
        fill(cv, ellipse(e + Vec{1.5 * s, 1}, 2, 4.5), hex(0x401008), 1, Mode::Atop);
        fill(
            cv,
            polygon({{CX + 18.0 * s, 200}, {CX + 46.0 * s, 198}, {CX + 44.0 * s, 204}, {CX + 20.0 * s, 210}}),
            hex(0x3a1848), 1, Mode::Atop);
    }
    const Shape maw = ellipse({CX, 234}, 20, 7);
    fill(cv, maw, hex(0x3a0c20), 1, Mode::Atop);
    fill(cv, ellipse({CX, 235}, 16, 4.5), radial({CX, 235}, 16, hex(0xffd060), hex(0xe04010)), 1, Mode::Atop);
    for (int i = -3; i <= 3; ++i) {
        const double x = CX + i * 5.0;
        fill(cv, polygon({{x - 2, 229}, {x + 2, 229}, {x, 233.5}}), hex(0xf0e8e0), 1, Mode::Atop);
        fill(cv, polygon({{x + 0.5, 240}, {x + 4.5, 240}, {x + 2.5, 236}}), hex(0xf0e8e0), 1, Mode::Atop);
    }
    // The tail's emitter orb.
    fill(cv, circle(L3_TAIL_GUN, 7.5), ink(skin));
    fill(cv, circle(L3_TAIL_GUN, 6),
         lit(radial(L3_TAIL_GUN - Vec{2, 2}, 8, hex(0xfff0ff), glow_colour), 3, 0.9));
    // Wing-tip gun muzzles glow.
    fill(cv, circle(L3_LEFT_GUN, 3), hex(0xff8040), 1, Mode::Atop);
    fill(cv, circle(L3_RIGHT_GUN, 3), hex(0xff8040), 1, Mode::Atop);
    return cv;
}

// ---- level 4: a steel desert scorpion war machine with a rocket mouth ----

Canvas lvl4boss(int frame) {
    Canvas cv(256, 256);
    constexpr double CX = 128;
    // Blued steel, not red: it fights over sand, and warm on warm was lost.
    const Colour shell = hex(0x2e7288);
    const Colour gold = hex(0xe8a830);
    const Colour limb = hex(0x1e4656);
    const double pinch = frame == 0 ? 0 : 0.3;  // claws open, then snap

    // Legs: three on each side, jointed.
    std::vector<Shape> legs;
    for (int s : {-1, 1}) {
        for (int k = 0; k < 3; ++k) {
            const Vec hip{CX + 44.0 * s, 100.0 + 24 * k};
            const Vec knee{CX + 90.0 * s, 84.0 + 28 * k + (frame == 1 ? 4 * (k % 2 ? 1 : -1) : 0)};
            const Vec foot{CX + 116.0 * s, 104.0 + 32 * k};
            legs.push_back(taper(hip, 8, knee, 6) | taper(knee, 6, foot, 2.5));
        }
    }
    // Arms reaching down to the claws.
    std::vector<Shape> arms;
    std::vector<Shape> claws;
    for (int s : {-1, 1}) {
        const Vec shoulder{CX + 40.0 * s, 164};
        const Vec elbow{CX + 82.0 * s, 170};
        const Vec wrist{CX + 72.0 * s, 196};
        arms.push_back(taper(shoulder, 11, elbow, 9) | taper(elbow, 9, wrist, 10));
        const double close = pinch * 30;  // how far the finger tips have closed in
        const Vec hand = wrist + Vec{-2.0 * s, 12};
        const Shape palm = ellipse(hand, 14, 17);
        const Vec outer_base = hand + Vec{7.0 * s, 10};
        const Vec outer_mid = outer_base + Vec{9.0 * s, 18};
        const Vec outer_tip = outer_mid + Vec{(-4.0 - close * 0.4) * s, 16};
        const Vec inner_base = hand + Vec{-7.0 * s, 10};
        const Vec inner_mid = inner_base + Vec{-8.0 * s, 14};
        const Vec inner_tip = inner_mid + Vec{(3.0 + close * 0.3) * s, 13};
        const Shape outer = taper(outer_base, 8, outer_mid, 6) | taper(outer_mid, 6, outer_tip, 1.5);
        const Shape inner = taper(inner_base, 6.5, inner_mid, 5) | taper(inner_mid, 5, inner_tip, 1.3);
        claws.push_back(palm | outer | inner);
    }
    // The tail: segments curling up from the back to a glowing sting.
    std::vector<Shape> tail;
    for (int k = 0; k < 5; ++k) {
        const Vec c{CX + std::sin(k * 0.5) * 6, 62.0 - k * 11};
        tail.push_back(ellipse(c, 16 - k * 1.5, 9));
    }
    const Vec sting{CX + 14, 4};
    const Shape stinger = taper({CX + 4, 18}, 9, sting, 1.5);

    const Shape carapace = polygon(
        symmetric(CX, {{0, 60}, {26, 64}, {46, 84}, {54, 120}, {50, 160}, {38, 196}, {22, 212}, {0, 216}}));
    const Shape launcher = rect({CX, 222}, {20, 14}, 6);
    Shape all = carapace | launcher | stinger;
    for (const Shape& x : legs) all = all | x;
    for (const Shape& x : arms) all = all | x;
    for (const Shape& x : claws) all = all | x;
    for (const Shape& x : tail) all = all | x;
    // A pale rim round the whole machine keeps it clear of any ground.
    fill(cv, grown(all, 3.4), hex(0xfff0c0));
    fill(cv, grown(all, 2), ink(shell));

    for (const Shape& x : legs) {
        fill(cv, grown(x, 1.2), ink(limb));
        fill(cv, x, lit(limb, 5, 0.5));
    }
    for (const Shape& x : arms) fill(cv, x, lit(shell, 6, 0.5));
    for (const Shape& x : claws) {
        fill(cv, grown(x, 1.2), ink(shell));
        fill(cv, x, lit(gold, 5, 0.6));
    }
    for (int k = 4; k >= 0; --k) {
        fill(cv, grown(tail[size_t(k)], 1.2), ink(shell));
        fill(cv, tail[size_t(k)], lit(shell, 5, 0.5));
        fill(cv, ellipse({CX + std::sin(k * 0.5) * 6, 64.0 - k * 11}, 8 - k * 0.8, 2.2), gold, 1, Mode::Atop);
    }
    fill(cv, stinger, lit(hex(0x50e040), 4, 0.7));
    fill(cv, circle({CX + 7, 14}, 4.5), frame == 1 ? hex(0xe0ff90) : hex(0x80f040), 1, Mode::Atop);
    // The carapace: segmented plates with gold rims.
    fill(cv, carapace, lit(linear({CX, 60}, lighter(shell, 0.12), {CX, 216}, shade(shell, 0.8)), 14, 0.5));
    for (int k = 0; k < 5; ++k) {
        const double y = 92 + k * 24;
        const double half_w = 50 - std::abs(k - 1.5) * 6;
        fill(cv, ellipse({CX, y}, half_w, 5), gold, 0.9, Mode::Atop);
        fill(cv, ellipse({CX, y + 2}, half_w - 2, 4), shade(shell, 0.85), 1, Mode::Atop);
    }
    seam(cv, {{CX, 64}, {CX, 210}}, shell);
    // Eyes: a cluster of glowing red lenses.
    for (int s : {-1, 1}) {
        for (int k = 0; k < 3; ++k) {
            const Vec e{CX + (8.0 + k * 9) * s, 176.0 + k * 4};
            fill(cv, circle(e, 4.6 - k * 0.8), hex(0x300810), 1, Mode::Atop);
            fill(cv, circle(e, 3.4 - k * 0.7), frame == 1 && k == 0 ? hex(0xffe070) : hex(0xff3020), 1,
                 Mode::Atop);
        }
    }
    // The rocket launcher in the mouth, its tubes at the bottom centre.
    fill(cv, launcher, lit(hex(0x585c68), 6, 0.6));
    for (int i = -1; i <= 1; ++i) {
        fill(cv, circle({CX + i * 11.0, 228}, 5), hex(0x282830), 1, Mode::Atop);
        fill(cv, circle({CX + i * 11.0, 228}, 3), frame == 1 ? hex(0xffa040) : hex(0xc04020), 1, Mode::Atop);
    }
    return cv;
}

}  // namespace

void forge_bosses(const std::string& bmp) {
    for (int f = 0; f < 3; ++f) {
        save(bmp + "lvl1boss" + std::to_string(f) + ".bmp", lvl1boss(f));
        save(bmp + "lvl3boss" + std::to_string(f) + ".bmp", lvl3boss(f));
    }
    save(bmp + "lvl2boss0.bmp", lvl2boss());
    for (int f = 0; f < 2; ++f) save(bmp + "lvl4boss" + std::to_string(f) + ".bmp", lvl4boss(f));
}

}  // namespace forge::sprites
