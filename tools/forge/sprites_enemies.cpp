// The ordinary enemies, all facing down the screen: the ufo, the birdhead,
// the interceptor and the skel, each with its own silhouette and colours.
#include <cmath>

#include "sprites_parts.h"

namespace forge::sprites {

using namespace draw;

namespace {

// ---- ufo: a purple saucer with a green dome and chasing rim lights ----

Canvas ufo(int frame) {
    Canvas cv(64, 64);
    const Vec c{32, 30};
    const Colour hull = hex(0x9448d8);
    const Colour pod_colour = hex(0x6878a0);
    const Colour lamp = hex(0xa8ff48);

    const Shape disc = ellipse(c, 26, 23);
    const Shape pods = ellipse({c.x - 25, c.y + 3}, 4.5, 8) | ellipse({c.x + 25, c.y + 3}, 4.5, 8);
    const Shape gun = rect({c.x, c.y + 24}, {3.5, 6}, 2);
    fill(cv, grown(disc | pods | gun, 1.4), ink(hull));
    fill(cv, pods, lit(pod_colour, 3, 0.5));
    fill(cv, gun, lit(pod_colour, 2.5, 0.5));
    fill(cv, rect({c.x, c.y + 29}, {2, 1.2}, 0.6), hex(0xff5030), 1, Mode::Atop);
    fill(cv, disc, lit(hull, 8, 0.5));
    // The rim groove, the inner deck and the lights chasing round the rim.
    stroke(cv, ellipse(c, 18.5, 16.3), 1.4, darker(hull, 0.5), 1, Mode::Atop);
    fill(cv, ellipse(c, 17.5, 15.3), lit(shade(hull, 0.8), 4, 0.3), 1, Mode::Atop);
    constexpr int LAMPS = 9;
    for (int i = 0; i < LAMPS; ++i) {
        const double a = 2 * PI * i / LAMPS + 0.2;
        const Vec p = c + Vec{std::cos(a) * 22.3, std::sin(a) * 19.7};
        const bool on = i % 3 == frame;
        fill(cv, circle(p, 2.6), ink(hull), 1, Mode::Atop);
        fill(cv, circle(p, 1.8), lit(on ? lighter(lamp, 0.5) : hex(0x3c8028), 1.5, 0.8), 1, Mode::Atop);
    }
    // The dome with its pilot's shadow.
    fill(cv, circle(c, 11.5), ink(hull));
    fill(cv, circle(c, 10.2), lit(radial(c - Vec{3, 4}, 15, hex(0xb8ff90), hex(0x208840)), 6, 0.9));
    fill(cv, ellipse(c + Vec{0.5, 1.5}, 4, 3.2), hex(0x185c38), 0.8, Mode::Atop);
    fill(cv, ellipse(c + Vec{-1.5, 2}, 1, 0.8), hex(0xff4040), 1, Mode::Atop);
    fill(cv, ellipse(c + Vec{1.8, 2}, 1, 0.8), hex(0xff4040), 1, Mode::Atop);
    fill(cv, ellipse(c - Vec{4, 5}, 2.6, 1.6), hex(0xf0fff0), 0.85, Mode::Atop);
    return cv;
}

// ---- birdhead: a mechanical bird of prey, beak down, wings beating ----

// One wing's feathers for the given beat: -1 left, 1 right.
std::vector<Shape> feathers(int side, int frame) {
    static const double SPREAD[3] = {1.0, 0.86, 0.93};  // span of the beat
    static const double SWEEP[3] = {0.0, 0.16, -0.12};  // tips forward (down) or back
    const Vec root{64 + 17.0 * side, 54};
    std::vector<Shape> out;
    constexpr int COUNT = 6;
    for (int i = 0; i < COUNT; ++i) {
        const double t = double(i) / (COUNT - 1);
        // From the long flight feathers out to the side up to the short ones.
        const double angle = mix(0.28, -0.95, t) + SWEEP[frame];
        const double len = mix(45, 30, t) * SPREAD[frame];
        const Vec dir{std::cos(angle) * side, std::sin(angle)};
        const Vec start = root + Vec{0, mix(4.0, -4.0, t)};
        out.push_back(taper(start, 6.5, start + dir * len, 2.6));
    }
    return out;
}

Canvas birdhead(int frame) {
    Canvas cv(128, 128);
    constexpr double CX = 64;
    const Colour feather_root = hex(0x9c1c28);
    const Colour feather_tip = hex(0xffb02c);
    const Colour body = hex(0xd87028);
    const Colour beak = hex(0xffd24a);

    // Tail fan at the top.
    std::vector<Shape> tail;
    for (int i = -2; i <= 2; ++i) {
        tail.push_back(taper({CX, 42}, 5, {CX + i * 7.5, 12 + std::abs(i) * 3.0}, 3.2));
    }
    std::vector<Shape> wing_l = feathers(-1, frame);
    std::vector<Shape> wing_r = feathers(1, frame);
    const Shape torso = ellipse({CX, 56}, 19, 24);
    const Shape head = circle({CX, 80}, 16);
    const std::vector<Vec> beak_pts = symmetric(CX, {{0, 84}, {9, 88}, {8, 98}, {4, 108}, {0, 117}});
    const Shape bill = polygon(beak_pts);

    Shape all = torso | head | bill;
    for (const Shape& s : tail) all = all | s;
    for (const Shape& s : wing_l) all = all | s;
    for (const Shape& s : wing_r) all = all | s;
    fill(cv, grown(all, 1.5), ink(feather_root));

    auto feather_paint = [&](const Shape& s, int i) {
        const Box b = s.bounds;
        (void)b;
        const Colour tip = mix(feather_tip, hex(0xff7830), i / 6.0);
        fill(cv, grown(s, 0.9), ink(feather_root));
        fill(cv, s, lit(radial({CX, 54}, 62, feather_root, tip), 3.5, 0.35));
    };
    for (size_t i = 0; i < tail.size(); ++i) feather_paint(tail[i], int(i));
    // Inner feathers last, so each overlaps the one beyond it.
    for (int i = 5; i >= 0; --i) {
        feather_paint(wing_l[size_t(i)], i);
        feather_paint(wing_r[size_t(i)], i);
    }
    // Shoulder plates cover the feather roots.
    for (int s : {-1, 1}) {
        const Shape plate = ellipse({CX + 20.0 * s, 53}, 11, 9);
        fill(cv, grown(plate, 1.2), ink(body));
        fill(cv, plate, lit(shade(body, 0.92), 4, 0.5));
        fill(cv, circle({CX + 22.0 * s, 52}, 2.2), hex(0xfff0a0), 1, Mode::Atop);
    }
    fill(cv, grown(torso, 1.2), ink(body));
    fill(cv, torso, lit(linear({CX, 34}, lighter(body, 0.2), {CX, 78}, shade(body, 0.8)), 7, 0.5));
    // Armour bands across the chest.
    for (int k = 0; k < 3; ++k) {
        stroke(cv, ellipse({CX, 42.0 + 8 * k}, 14 - k, 6), 1.2, darker(body, 0.45), 0.9, Mode::Atop);
    }
    fill(cv, grown(head, 1.2), ink(body));
    fill(cv, head, lit(hex(0xf09038), 6, 0.6));
    // Beak: ivory-gold with a dark hooked tip and a nostril slot.
    fill(cv, grown(bill, 1.3), ink(beak));
    fill(cv, bill, lit(linear({CX, 84}, lighter(beak, 0.3), {CX, 117}, hex(0xd08a18)), 4, 0.6));
    fill(cv, polygon(symmetric(CX, {{0, 106}, {4.2, 106}, {0, 117}})), hex(0x8a4010), 1, Mode::Atop);
    stroke(cv, polygon(symmetric(CX, {{0, 96}, {6, 93}, {0, 96.5}})), 1.0, hex(0xa05818), 1, Mode::Atop);
    // Eyes: angry glowing slits under heavy brows.
    for (int s : {-1, 1}) {
        const Vec e{CX + 8.0 * s, 79};
        fill(cv, ellipse(e, 4.6, 3.6), hex(0x401018), 1, Mode::Atop);
        fill(cv, ellipse(e + Vec{0.4 * s, 0.6}, 3.2, 2.4), hex(0xff3020), 1, Mode::Atop);
        fill(cv, ellipse(e + Vec{0.4 * s, 0.6}, 1.5, 1.2), hex(0xfff070), 1, Mode::Atop);
        const std::vector<Vec> brow = {
            {CX + 2.0 * s, 77}, {CX + 14.0 * s, 71}, {CX + 13.0 * s, 75}, {CX + 3.0 * s, 79}};
        fill(cv, polygon(brow), hex(0x6a2410), 1, Mode::Atop);
    }
    return cv;
}

// ---- interceptor: a forward-swept jet, nose down, engines flickering ----

Canvas interceptor(int frame) {
    Canvas cv(128, 128);
    constexpr double CX = 64;
    const Colour hull = hex(0x4e6e7c);
    const Colour wing = hex(0x3c5866);
    const Colour mark = hex(0xf0c020);

    // Exhaust flames from the rear (top), pointing up.
    static const double FLAME[3] = {14, 18, 11};
    for (int s : {-1, 1}) {
        const Vec nozzle{CX + 7.0 * s, 13};
        const double len = FLAME[frame] + (s > 0 ? 2 : 0) * (frame == 1 ? -1 : 1);
        fill(cv, taper(nozzle, 4.6, nozzle - Vec{0, len}, 0.8), hex(0x3890ff));
        fill(cv, taper(nozzle, 3.0, nozzle - Vec{0, len * 0.65}, 0.6), hex(0xa0e0ff));
        fill(cv, taper(nozzle, 1.6, nozzle - Vec{0, len * 0.3}, 0.5), WHITE);
    }

    const Shape fuselage = polygon(
        symmetric(CX, {{0, 12}, {11, 12}, {13, 22}, {13, 60}, {11, 80}, {8, 96}, {4, 110}, {0, 123}}));
    std::vector<Shape> wings;
    std::vector<Shape> tails;
    for (int s : {-1, 1}) {
        auto m = [s](std::vector<Vec> pts) {
            for (Vec& p : pts) p.x = CX + p.x * s;
            return pts;
        };
        wings.push_back(polygon(m({{12, 40}, {54, 74}, {60, 86}, {57, 94}, {47, 92}, {12, 70}})));
        tails.push_back(polygon(m({{11, 14}, {32, 4}, {36, 8}, {34, 16}, {12, 32}})));
    }
    const Shape all = fuselage | wings[0] | wings[1] | tails[0] | tails[1];
    fill(cv, grown(all, 1.5), ink(hull));
    for (int i = 0; i < 2; ++i) {
        const int s = i == 0 ? -1 : 1;
        fill(cv, tails[size_t(i)], lit(wing, 4, 0.35));
        fill(cv, wings[size_t(i)],
             lit(linear({CX, 40}, lighter(wing, 0.15), {CX, 94}, shade(wing, 0.85)), 5, 0.4));
        // Yellow stripe along the wing and a missile under it.
        const std::vector<Vec> band = {
            {CX + 20.0 * s, 54}, {CX + 52.0 * s, 78}, {CX + 53.5 * s, 82}, {CX + 20.0 * s, 59}};
        fill(cv, polygon(band), mark, 1, Mode::Atop);
        const Shape missile = capsule({CX + 36.0 * s, 62}, {CX + 36.0 * s, 88}, 2.6);
        fill(cv, grown(missile, 1.1), ink(hull));
        fill(cv, missile, lit(hex(0xe8ecf0), 2.5, 0.5));
        fill(cv, circle({CX + 36.0 * s, 88}, 2.6), hex(0xe03030), 1, Mode::Atop);
        // Wingtip lamp that blinks.
        fill(cv, circle({CX + 56.0 * s, 88}, 2.2), frame == 1 ? hex(0xff6060) : hex(0x903030), 1, Mode::Atop);
        // Air intakes.
        fill(cv, rect({CX + 10.5 * s, 50}, {2.2, 9}, 1.5), hex(0x1c2830), 1, Mode::Atop);
    }
    fill(cv, fuselage, lit(linear({CX, 12}, shade(hull, 0.9), {CX, 123}, lighter(hull, 0.12)), 7, 0.5));
    // Spine ridge, nozzles, nose cone and the red canopy.
    fill(cv, rect({CX, 44}, {1.6, 24}, 1.5), darker(hull, 0.35), 0.9, Mode::Atop);
    for (int s : {-1, 1}) {
        fill(cv, rect({CX + 7.0 * s, 15}, {4, 3}, 1.5), hex(0x2a3238), 1, Mode::Atop);
        fill(cv, rect({CX + 7.0 * s, 14}, {2.6, 1.6}, 1), hex(0xa0e0ff), 1, Mode::Atop);
    }
    fill(cv, polygon(symmetric(CX, {{0, 108}, {3.5, 108}, {0, 123}})), hex(0x283840), 1, Mode::Atop);
    const Shape canopy = ellipse({CX, 88}, 5.5, 13);
    fill(cv, grown(canopy, 1.2), ink(hull));
    fill(cv, canopy, lit(linear({CX, 76}, hex(0xff9078), {CX, 100}, hex(0xa01828)), 4, 0.9));
    fill(cv, ellipse({CX - 1.8, 82}, 1.3, 4), hex(0xfff0e8), 0.85, Mode::Atop);
    return cv;
}

// ---- skel: a bone-white skull on bat wings ----

Canvas skel() {
    Canvas cv(96, 64);
    constexpr double CX = 48;
    const Colour bone = hex(0xeee4c6);
    const Colour membrane = hex(0x7a2c9c);

    std::vector<Shape> membranes;
    std::vector<Shape> bones;
    for (int s : {-1, 1}) {
        auto at = [s](double x, double y) { return Vec{CX + x * s, y}; };
        const Vec shoulder = at(12, 24);
        const Vec elbow = at(28, 11);
        const Vec tip1 = at(43, 11);
        const Vec tip2 = at(46, 31);
        const Vec tip3 = at(36, 50);
        // Membrane with scalloped lower edges between the finger tips.
        std::vector<Vec> edge = {shoulder, elbow, tip1};
        auto scallop = [&](Vec a, Vec b, double depth) {
            const Vec mid = lerp(a, b, 0.5);
            const Vec inward = normalized(Vec{CX, 26} - mid) * depth;
            for (int k = 1; k < 8; ++k) {
                const double t = k / 8.0;
                edge.push_back(lerp(a, b, t) + inward * std::sin(PI * t));
            }
            edge.push_back(b);
        };
        scallop(tip1, tip2, 5);
        scallop(tip2, tip3, 6);
        scallop(tip3, at(12, 42), 5);
        membranes.push_back(polygon(edge));
        bones.push_back(taper(shoulder, 3.0, elbow, 2.4));
        bones.push_back(taper(elbow, 2.4, tip1, 1.3));
        bones.push_back(taper(elbow, 2.2, tip2, 1.3));
        bones.push_back(taper(elbow, 2.0, tip3, 1.3));
        bones.push_back(taper(shoulder, 2.6, at(12, 42), 1.6));
    }
    const Shape cranium = ellipse({CX, 25}, 15, 15);
    const Shape jaw = rect({CX, 42}, {9.5, 7}, 4);
    const Shape horns = taper({CX - 8, 14}, 3, {CX - 14, 2}, 1) | taper({CX + 8, 14}, 3, {CX + 14, 2}, 1);
    Shape all = cranium | jaw | horns;
    for (const Shape& m : membranes) all = all | m;
    for (const Shape& b : bones) all = all | b;
    fill(cv, grown(all, 1.4), ink(membrane));
    for (const Shape& m : membranes) {
        fill(cv, m, lit(radial({CX, 26}, 48, lighter(membrane, 0.15), shade(membrane, 0.7)), 4, 0.3));
    }
    for (const Shape& b : bones) {
        fill(cv, grown(b, 0.9), ink(bone));
        fill(cv, b, lit(bone, 2, 0.5));
    }
    fill(cv, horns, lit(hex(0xc8b890), 2, 0.5));
    fill(cv, grown(jaw, 1.2), ink(bone));
    fill(cv, jaw, lit(shade(bone, 0.9), 3, 0.4));
    // Teeth.
    for (int i = -3; i <= 3; ++i) {
        fill(cv, rect({CX + i * 2.6, 42}, {0.45, 3}, 0), hex(0x6a5a48), 1, Mode::Atop);
    }
    fill(cv, grown(cranium, 1.2), ink(bone));
    fill(cv, cranium, lit(bone, 7, 0.5));
    // Glowing eye sockets and the nose hole: dark red, never black.
    for (int s : {-1, 1}) {
        const Vec e{CX + 6.0 * s, 27};
        fill(cv, ellipse(e, 4.6, 4.2), hex(0x4c0c1c), 1, Mode::Atop);
        fill(cv, circle(e + Vec{0, 0.5}, 2), hex(0xff3828), 1, Mode::Atop);
        fill(cv, circle(e + Vec{-0.3, 0.2}, 0.9), hex(0xffe080), 1, Mode::Atop);
    }
    fill(cv, polygon({{CX, 31}, {CX + 2.2, 35.5}, {CX - 2.2, 35.5}}), hex(0x4c0c1c), 1, Mode::Atop);
    return cv;
}

}  // namespace

void forge_enemies(const std::string& bmp) {
    for (int f = 0; f < 3; ++f) {
        const std::string n = std::to_string(f);
        save(bmp + "ufo" + n + ".bmp", ufo(f));
        save(bmp + "birdhead" + n + ".bmp", birdhead(f));
        save(bmp + "interceptor" + n + ".bmp", interceptor(f));
    }
    save(bmp + "skel.bmp", skel());
}

}  // namespace forge::sprites
