// Shots, bullets and explosions: the player's four shot kinds, the enemies'
// small bullet, and the small and large explosions blooming and fading.
#include <cmath>

#include "sprites_parts.h"

namespace forge::sprites {

using namespace draw;

namespace {

constexpr int SHOT = 16;  // every shot picture is 16 x 16
const Vec MID{8, 8};

// Every shot is hit-tested at its picture's left column and just past its
// right one, so each bolt is drawn to fill the whole 16 columns: where it is
// seen crossing a sprite is where it hits.

// The player's first laser: a cyan bolt with a white-hot core, its head a
// crescent of light as wide as the picture.
Canvas laser() {
    Canvas cv(SHOT, SHOT);
    const Shape head = arc({8, 11}, 7.2, 1.5, PI * 1.02, PI * 1.98);
    fill(cv, grown(head, 0.6), hex(0x1060e0));
    fill(cv, head, linear({0, 4}, hex(0x50c8ff), {0, 11}, hex(0x1890ff)));
    fill(cv, capsule({8, 2}, {8, 14}, 2.6), hex(0x1890ff));
    fill(cv, capsule({8, 2.5}, {8, 13.5}, 1.6), hex(0x70e8ff));
    fill(cv, capsule({8, 3}, {8, 10}, 0.8), WHITE);
    return cv;
}

// The second laser: twin green bolts at the picture's edges, joined by a
// bridge of light.
Canvas twin_laser() {
    Canvas cv(SHOT, SHOT);
    fill(cv, arc({8, 10}, 5.6, 1.1, PI * 1.05, PI * 1.95), hex(0x60d830));
    for (double x : {2.4, 13.6}) {
        fill(cv, capsule({x, 2.5}, {x, 13.5}, 2.4), hex(0x30b020));
        fill(cv, capsule({x, 3}, {x, 13}, 1.5), hex(0xb8ff50));
        fill(cv, capsule({x, 3.5}, {x, 9}, 0.7), hex(0xf8fff0));
    }
    return cv;
}

// The plasma ball, fired by the ship's third weapon and as the enemies'
// large bullet: a pulsing orange orb in a dark ring with a pale rim, so it
// shows on light sand and dark space alike.
Canvas plasma(int frame) {
    Canvas cv(SHOT, SHOT);
    static const double SPIN[3] = {0, PI / 12, PI / 6};
    static const double CORE[3] = {4.6, 5.2, 4.9};
    fill(cv, circle(MID, 8.1), hex(0xffe0b0));
    fill(cv, star(MID, 7.3, 5.6, 8, SPIN[frame]), hex(0x6a1030));
    const double r = CORE[frame];
    fill(cv, circle(MID, r), radial(MID - Vec{1.5, 1.5}, r + 1.5, hex(0xffe890), hex(0xff5020)));
    fill(cv, circle(MID - Vec{1.2, 1.2}, r * 0.42), hex(0xfffff0));
    return cv;
}

// The ship's rocket, nose up, on swept fins as wide as the picture, with a
// flickering flame.
Canvas rocket(int frame) {
    Canvas cv(SHOT, SHOT);
    const double flame = frame == 0 ? 15.8 : 14;
    fill(cv, taper({8, 9.5}, 2.6, {8, flame}, 0.8), hex(0xff6818));
    fill(cv, taper({8, 9.5}, 1.5, {8, flame - 2.5}, 0.5), hex(0xfff0a0));
    const Shape fins = polygon({{0.2, 12.5}, {6, 5.5}, {10, 5.5}, {15.8, 12.5}, {10.5, 10.5}, {5.5, 10.5}});
    const Shape body = capsule({8, 3}, {8, 9}, 2.1);
    fill(cv, grown(fins | body, 0.9), hex(0x402030));
    fill(cv, fins, linear({0, 6}, hex(0xff5058), {0, 12}, hex(0xb01828)));
    fill(cv, body, lit(hex(0xe8ecf4), 1.5, 0.6));
    fill(cv, polygon({{5.9, 4.5}, {8, 0.8}, {10.1, 4.5}}), hex(0xff3040));
    return cv;
}

// The enemies' small bullet: a hot red ball in a dark ring with a pale rim
// and spikes, so it stands out on every backdrop, bright or dark.
Canvas enemy_bullet() {
    Canvas cv(SHOT, SHOT);
    fill(cv, star(MID, 8.3, 6.2, 8, 0), hex(0xfff2c0));
    fill(cv, circle(MID, 6.4), hex(0x300818));
    fill(cv, circle(MID, 5.0), radial(MID - Vec{1, 1}, 6, hex(0xffe0ec), hex(0xff2060)));
    fill(cv, circle(MID - Vec{1.4, 1.4}, 1.5), WHITE);
    return cv;
}

// ---- explosions ----

// Fire colour by heat: white hot, yellow, orange, red, then grey smoke.
Colour fire(double heat) {
    static const Colour RAMP[6] = {hex(0x7c7678), hex(0x98402c), hex(0xe04818),
                                   hex(0xff9a28), hex(0xffe468), hex(0xfffff0)};
    const double t = clamp01(heat) * 5;
    const int i = std::min(4, int(t));
    return mix(RAMP[i], RAMP[i + 1], t - i);
}

// One picture of an explosion of the given size. `t` runs 0 (the flash) to
// 1 (the last wisps). It blooms to fill its whole box: a white star of a
// flash, then a fireball swelling to the edges inside a shock ring, breaking
// into fire and flung debris, cooling through red into smoke. A boss's end
// and the ship's loss lay several of these over each other, so each is
// lopsided, and the copies overlap as a ragged whole rather than a row of
// alike puffs.
Canvas explosion(int size, double t, uint32_t seed) {
    Canvas cv(size, size);
    const double scale = size / 64.0;
    const bool large = size >= 32;
    const Vec c{size / 2.0, size / 2.0};
    const double spread = 0.5 + 1.3 * t;
    const double swell = 1.0 + 0.7 * t - 0.8 * t * t;
    const double heat = 1 - 0.85 * t;

    struct Puff {
        Vec at;
        double r;
    };
    std::vector<Puff> puffs;
    Rng rng(seed);
    const int count = large ? 11 : 5;
    // The fireball leans to one side: its puffs crowd toward a random heading.
    const double lean = rng.range(0, 2 * PI);
    for (int i = 0; i < count; ++i) {
        const double a = 2 * PI * i / count + rng.range(-0.4, 0.4);
        const double toward = 1 + 0.35 * std::cos(a - lean);
        // Every other puff heads for a corner of the box, so neighbouring
        // blasts run together instead of sitting apart as round balls.
        const double corner = i % 2 ? 1.25 : 1.0;
        const double d = (i == 0 ? 0 : rng.range(5, 14)) * scale * spread * toward * corner;
        puffs.push_back({c + Vec{std::cos(a), std::sin(a)} * d, rng.range(6, 14) * scale * swell});
    }
    const double wobble = large ? 3 : 0;
    auto cluster = [&](double k) {
        return Shape{[puffs, k, wobble, seed](Vec p) {
                         double d = 1e9;
                         for (const Puff& f : puffs) d = std::min(d, length(p - f.at) - f.r * k);
                         return d + (noise(p.x * 0.3, p.y * 0.3, seed) - 0.5) * wobble;
                     },
                     Box{0, 0, 1e4, 1e4}};
    };

    // The flash: white-hot tongues of uneven length bursting from a core,
    // filling most of the box.
    if (t == 0) {
        Shape burst = circle(c, size * 0.26);
        for (int i = 0; i < 11; ++i) {
            const double a = 2 * PI * i / 11 + rng.range(-0.2, 0.2);
            const Vec dir{std::cos(a), std::sin(a)};
            burst = burst | taper(c, size * 0.12, c + dir * (size * rng.range(0.3, 0.49)), 0.5 + scale * 0.6);
        }
        fill(cv, burst, radial(c, size * 0.49, WHITE, hex(0xff9a28)));
        fill(cv, circle(c, size * 0.2), radial(c, size * 0.2, WHITE, hex(0xfff0a0)));
        return cv;
    }
    // Torn arcs of a shock wave race out while the fire is young; never a
    // whole ring, which would read as a bubble.
    if (t < 0.6 && large) {
        const double r = size * (0.38 + 0.14 * t) - 1;
        const double w = 0.5 + 0.6 * scale;
        for (int k = 0; k < 4; ++k) {
            const double a0 = 2 * PI * k / 4 + rng.range(0, 0.8);
            fill(cv, arc(c, r, w, a0, a0 + rng.range(0.4, 0.8)), fire(heat + 0.1));
        }
    }
    // Sparks flung out while the blast is young.
    if (t < 0.7) {
        for (int i = 0; i < count + 3; ++i) {
            const double a = rng.range(0, 2 * PI);
            const double d = size * rng.range(0.36, 0.48);
            const Vec dir{std::cos(a), std::sin(a)};
            fill(cv, taper(c + dir * (d - 8 * scale - 1), 0.5 + scale * 0.9, c + dir * d, 0.4),
                 fire(heat + 0.15));
        }
    }
    fill(cv, cluster(1), lit(fire(heat * 0.72), 6 * scale + 1, 0.2));
    fill(cv, cluster(0.7), lit(fire(heat * 0.9 + 0.05), 4 * scale + 1, 0.3));
    if (heat > 0.4) fill(cv, cluster(0.4), fire(heat + 0.2));
    // Debris: dark shards thrown clear of the fire, catching its light.
    if (large && t > 0.2 && t < 0.9) {
        for (int i = 0; i < 7; ++i) {
            const double a = rng.range(0, 2 * PI);
            const Vec at = c + Vec{std::cos(a), std::sin(a)} * (size * rng.range(0.3, 0.46));
            const double r = rng.range(1.6, 3.2) * scale + 0.6;
            const double spin = rng.range(0, PI);
            const Shape shard = polygon({at + rotated({r, 0}, spin), at + rotated({-r * 0.6, r * 0.8}, spin),
                                         at + rotated({-r * 0.5, -r * 0.9}, spin)});
            fill_outlined(cv, shard, lit(hex(0x5a5058), 1, 0.5), hex(0xb84020), 0.8);
        }
    }
    return cv;
}

}  // namespace

void forge_shots(const std::string& bmp) {
    save(bmp + "l1b.bmp", laser());
    save(bmp + "l2b.bmp", twin_laser());
    for (int f = 0; f < 3; ++f) save(bmp + "l3b" + std::to_string(f) + ".bmp", plasma(f));
    for (int f = 0; f < 2; ++f) save(bmp + "l4b" + std::to_string(f) + ".bmp", rocket(f));
    save(bmp + "nme1bullet.bmp", enemy_bullet());
    for (int f = 0; f < 4; ++f) {
        save(bmp + "exp16-" + std::to_string(f) + ".bmp", explosion(16, f / 3.0, 31));
    }
    for (int f = 0; f < 5; ++f) {
        save(bmp + "exp64-" + std::to_string(f) + ".bmp", explosion(64, f / 4.0, 64));
    }
}

}  // namespace forge::sprites
