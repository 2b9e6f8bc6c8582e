// The player's ship in level flight and banking, and the absorb field that
// plays around it when a power-up is taken.
#include <cmath>

#include "sprites_parts.h"

namespace forge::sprites {

using namespace draw;

namespace {

constexpr int SHIP_SIZE = 64;
constexpr double CX = 32;  // centre line of the ship
constexpr double CY = 36;  // height of the roll axis: parts scale about it

const Colour HULL = hex(0xe6ecf6);
const Colour WING = hex(0x2f66e8);
const Colour STRIPE = hex(0xe8283c);
const Colour GLASS = hex(0x38d8ff);
const Colour ENGINE = hex(0x8a94b0);
const Colour TRIM = hex(0xffc830);

struct P3 {
    double x;  // across, from the centre line
    double y;  // down the picture
    double z;  // height above the wing plane
};

// The ship rolled by `roll` radians (positive: left wing down), seen from
// above, nearer parts drawn a little larger so that the raised wing looks nearer.
class Roll {
  public:
    explicit Roll(double roll) : c_(std::cos(roll)), s_(std::sin(roll)) {}
    Vec at(P3 p) const {
        const double x = p.x * c_ - p.z * s_;
        const double z = p.x * s_ + p.z * c_;
        const double k = 1 + z / 110;
        return {CX + x * k, CY + (p.y - CY) * k};
    }
    std::vector<Vec> at(const std::vector<P3>& pts) const {
        std::vector<Vec> out;
        for (P3 p : pts) out.push_back(at(p));
        return out;
    }
    // How much a part on side `side` (-1 left, 1 right) is turned to the light.
    double light(int side) const { return 1 + 0.55 * s_ * side; }

  private:
    double c_;
    double s_;
};

std::vector<P3> mirror(const std::vector<P3>& right) {
    std::vector<P3> out = right;
    for (size_t i = right.size(); i-- > 0;) {
        if (right[i].x != 0) out.push_back({-right[i].x, right[i].y, right[i].z});
    }
    return out;
}

std::vector<P3> side(const std::vector<P3>& right, int s) {
    std::vector<P3> out;
    for (P3 p : right) out.push_back({p.x * s, p.y, p.z});
    return out;
}

std::vector<P3> oval(P3 c, double rx, double ry, int n = 20) {
    std::vector<P3> out;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * PI * i / n;
        out.push_back({c.x + rx * std::cos(a), c.y + ry * std::sin(a), c.z});
    }
    return out;
}

void flame(Canvas& cv, Vec nozzle, double len, double width) {
    const Vec tip = nozzle + Vec{0, len};
    fill(cv, taper(nozzle, width, tip, 0.6), hex(0xff5a18));
    fill(cv, taper(nozzle + Vec{0, 0.5}, width * 0.7, tip - Vec{0, len * 0.3}, 0.5), hex(0xffb830));
    fill(cv, taper(nozzle + Vec{0, 0.5}, width * 0.4, nozzle + Vec{0, len * 0.4}, 0.4), hex(0xfff6c8));
}

// One picture of the ship: `roll` for the bank, `frame` for the engine flicker.
Canvas ship(double roll, int frame) {
    Canvas cv(SHIP_SIZE, SHIP_SIZE);
    const Roll r(roll);
    static const double FLAME[3] = {9.0, 11.5, 7.5};

    // Engine flames first: the nozzles cover their roots.
    for (int s : {-1, 1}) {
        const Vec nozzle = r.at(P3{8.0 * s, 52, 0});
        flame(cv, nozzle, FLAME[frame] - (s > 0 ? frame % 2 : (frame + 1) % 2), 3.3);
    }

    const std::vector<P3> wing = {{5, 22, 0},  {12, 29, 0}, {27, 41, 0}, {29, 47, 0},
                                  {27, 50, 0}, {13, 48, 0}, {5, 47, 0}};
    const std::vector<P3> canard = {{5, 15, 0}, {11, 21, 0}, {11, 24, 0}, {5, 24, 0}};
    const std::vector<P3> hull = mirror({{0, 2, 1},
                                         {1.6, 6, 1},
                                         {3.6, 14, 1},
                                         {5.6, 24, 1},
                                         {6.4, 34, 1},
                                         {6.0, 46, 1},
                                         {4.5, 54, 1},
                                         {0, 55, 1}});
    const std::vector<P3> pod = mirror({{0, 38, 0}, {2.6, 40, 0}, {3.2, 45, 0}, {3.0, 54, 0}, {0, 55, 0}});

    // Everything the ship is made of, for one dark outline around it all.
    Shape body = polygon(r.at(hull));
    for (int s : {-1, 1}) {
        body = body | polygon(r.at(side(wing, s))) | polygon(r.at(side(canard, s)));
        body = body | capsule(r.at(P3{27.5 * s, 36, 0}), r.at(P3{27.5 * s, 49, 0}), 1.8);
    }
    Shape pods = polygon([&] {
                     std::vector<Vec> v;
                     for (P3 p : pod) v.push_back(r.at(P3{p.x + 8, p.y, p.z}));
                     return v;
                 }()) |
                 polygon([&] {
                     std::vector<Vec> v;
                     for (P3 p : pod) v.push_back(r.at(P3{p.x - 8, p.y, p.z}));
                     return v;
                 }());
    body = body | pods;
    fill(cv, grown(body, 1.3), ink(WING));

    // Wings, the lower one first; the wing turned to the light is brighter.
    const int low = roll > 0 ? -1 : 1;
    for (int s : {low, -low}) {
        const Colour wing_colour = shade(WING, r.light(s));
        const Shape w = polygon(r.at(side(wing, s)));
        fill(cv, w, lit(wing_colour, 4, 0.35));
        // A red leading-edge stripe and a gold tip gun.
        fill(cv, polygon(r.at(side({{8, 25.5, 0}, {25, 39.5, 0}, {27.5, 44, 0}, {12, 31, 0}}, s))),
             shade(STRIPE, r.light(s)), 1, Mode::Atop);
        fill(cv, polygon(r.at(side(canard, s))), lit(shade(WING, r.light(s)), 2, 0.3));
        const Shape gun = capsule(r.at(P3{27.5 * s, 36, 0}), r.at(P3{27.5 * s, 49, 0}), 1.8);
        fill(cv, gun, lit(shade(TRIM, r.light(s)), 2, 0.5));
    }

    // Engine pods under the hull's tail.
    for (int s : {-1, 1}) {
        std::vector<Vec> v;
        for (P3 p : pod) v.push_back(r.at(P3{p.x + 8 * s, p.y, p.z}));
        fill(cv, polygon(v), lit(ENGINE, 2.5, 0.4));
        fill(cv, rect(r.at(P3{8.0 * s, 53.5, 0}), {2.4, 1.2}, 0.8), hex(0x3a3f58), 1, Mode::Atop);
    }

    // The hull and its red spine stripe.
    const Shape h = polygon(r.at(hull));
    fill(cv, h, lit(HULL, 5, 0.5));
    fill(cv, polygon(r.at(mirror({{0, 30, 2}, {1.4, 31, 2}, {1.6, 50, 2}, {0, 51, 2}}))), STRIPE, 1,
         Mode::Atop);

    // Canopy: dark rim, cyan glass and a glint at its top-left.
    const Shape canopy_rim = polygon(r.at(oval({0, 19, 3}, 3.6, 7.8)));
    fill(cv, canopy_rim, hex(0x223060));
    const Shape glass = polygon(r.at(oval({0, 19, 4}, 2.6, 6.6)));
    fill(cv, glass, lit(linear({CX, 12}, lighter(GLASS, 0.3), {CX, 26}, hex(0x1a58c8)), 3, 0.9));
    fill(cv, ellipse(r.at(P3{-1.0, 15.5, 5}), 0.9, 2.2), hex(0xf4ffff), 0.9);
    return cv;
}

// The absorb field: rings of energy closing in on the ship, with sparks
// streaming inwards; the middle stays clear so the ship shows through.
Canvas absorb(int frame) {
    Canvas cv(SHIP_SIZE, SHIP_SIZE);
    const Vec c{32, 32};
    const Colour edge = hex(0x18d8a8);
    const Colour core = hex(0xd8fff4);
    const double t = frame / 4.0;
    const double radius = 29.5 - 7 * t;
    const double width = 1.2 + 1.4 * std::sin(PI * (0.2 + 0.8 * t));
    fill(cv, ring(c, radius, width + 1.2), edge);
    fill(cv, ring(c, radius, width * 0.55), core);
    // Arcs that spin around the ring, and a fainter inner ring.
    for (int i = 0; i < 3; ++i) {
        const double a = frame * 0.7 + i * 2 * PI / 3;
        fill(cv, arc(c, radius - 4.8, 1.3, a, a + 1.1), edge);
        fill(cv, arc(c, radius - 4.8, 0.6, a + 0.1, a + 1.0), core);
    }
    Rng rng(977);
    for (int i = 0; i < 8; ++i) {
        const double a = rng.range(0, 2 * PI) + frame * 0.35;
        const double rr = std::min(radius + 4 - rng.range(0, 3) - t * 3, 28.0);
        fill(cv, star(c + Vec{std::cos(a), std::sin(a)} * rr, 3.4, 0.9, 4, a), core);
    }
    return cv;
}

}  // namespace

void forge_ship(const std::string& bmp) {
    constexpr double BANK = 0.62;  // radians of roll in the banking pictures
    for (int f = 0; f < 3; ++f) {
        const std::string n = std::to_string(f);
        save(bmp + "ship" + n + ".bmp", ship(0, f));
        save(bmp + "shipl" + n + ".bmp", ship(BANK, f));
        save(bmp + "shipr" + n + ".bmp", ship(-BANK, f));
    }
    for (int f = 0; f < 5; ++f) save(bmp + "absorb" + std::to_string(f) + ".bmp", absorb(f));
}

}  // namespace forge::sprites
