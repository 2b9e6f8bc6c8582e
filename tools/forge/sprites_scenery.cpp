// Scenery that drifts past: the red planet Mars (also a target), the turning
// Earth with its clouds, the twinkling sun and a soft white cloud.
#include <cmath>

#include "sprites_parts.h"

namespace forge::sprites {

using namespace draw;

namespace {

// Towards the light over the top-left shoulder, as for every sprite.
struct Light {
    double x = -0.55;
    double y = -0.62;
    double z = 0.56;
};

struct SpherePoint {
    double x, y, z;  // unit normal, z towards the viewer
    double cover;    // how much of the pixel the disc covers
};

// Visits every pixel of a disc, with the sphere's normal there.
template <typename Visit>
void sphere(Canvas& cv, Vec centre, double r, Visit visit) {
    for (int y = 0; y < cv.height(); ++y) {
        for (int x = 0; x < cv.width(); ++x) {
            const double dx = (x + 0.5 - centre.x) / r;
            const double dy = (y + 0.5 - centre.y) / r;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double cover = clamp01(0.5 - (d - 1) * r);
            if (cover <= 0) continue;
            const double k = d > 0.999 ? 0.999 / d : 1;  // keeps the rim's normal finite
            const double nx = dx * k;
            const double ny = dy * k;
            visit(x, y, SpherePoint{nx, ny, std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny)), cover});
        }
    }
}

double diffuse(const SpherePoint& p) {
    const Light l;
    const double len = std::sqrt(l.x * l.x + l.y * l.y + l.z * l.z);
    return (p.x * l.x + p.y * l.y + p.z * l.z) / len;
}

// The surface point after turning the globe by `spin` radians about its
// axis, tilted a little towards the viewer.
void globe_coords(const SpherePoint& p, double spin, double& gx, double& gy, double& gz) {
    const double tilt = 0.35;
    const double y1 = p.y * std::cos(tilt) - p.z * std::sin(tilt);
    const double z1 = p.y * std::sin(tilt) + p.z * std::cos(tilt);
    gx = p.x * std::cos(spin) + z1 * std::sin(spin);
    gz = -p.x * std::sin(spin) + z1 * std::cos(spin);
    gy = y1;
}

// ---- Mars ----

Canvas mars() {
    Canvas cv(256, 256);
    const Vec c{128, 128};
    constexpr double R = 124;
    struct Crater {
        double x, y, z, r;
    };
    std::vector<Crater> craters;
    Rng rng(4242);
    for (int i = 0; i < 14; ++i) {
        double x = rng.range(-1, 1);
        double y = rng.range(-0.8, 0.8);
        double z = rng.range(0.1, 1);
        const double l = std::sqrt(x * x + y * y + z * z);
        craters.push_back({x / l, y / l, z / l, rng.range(0.05, 0.16)});
    }
    sphere(cv, c, R, [&](int x, int y, const SpherePoint& p) {
        double gx, gy, gz;
        globe_coords(p, 0.6, gx, gy, gz);
        const double n = fbm(gx * 2.2 + 5, gy * 2.2 + 5, gz * 2.2 + 5, 5, 77);
        const double dark_lands = smoothstep(0.5, 0.62, fbm(gx * 1.4 + 9, gy * 1.4, gz * 1.4, 4, 78));
        Colour ground = mix(hex(0xe07a40), hex(0xb8482a), n);
        ground = mix(ground, hex(0x7c3022), dark_lands * 0.75);
        for (const Crater& k : craters) {
            const double d =
                std::sqrt((gx - k.x) * (gx - k.x) + (gy - k.y) * (gy - k.y) + (gz - k.z) * (gz - k.z));
            if (d < k.r * 1.25) {
                // The bowl's far wall catches the light, the near wall is in shade.
                const double t = d / k.r;
                const double facing = ((gx - k.x) * -0.7 + (gy - k.y) * -0.7) / std::max(d, 1e-6);
                if (t < 1)
                    ground = shade(ground, 1 - 0.3 * facing * std::sin(PI * t) - 0.08);
                else
                    ground = shade(ground, 1 + 0.2 * facing * std::sin(PI * (t - 1) * 4));
            }
        }
        // The polar cap.
        const double cap = smoothstep(0.92, 0.95, -gy + (n - 0.5) * 0.12);
        ground = mix(ground, hex(0xffe4d8), cap * 0.9);
        const double light = clamp(0.18 + 0.95 * std::max(0.0, diffuse(p)), 0, 1.25);
        Colour col = shade(ground, light);
        // A thin dusty haze around the lit limb.
        col = mix(col, hex(0xffb488), std::pow(1 - p.z, 4) * 0.5 * std::max(0.0, diffuse(p) + 0.3));
        col = mix(col, hex(0x401414), (1 - light) * 0.15);
        cv.over(x, y, col, p.cover);
    });
    return cv;
}

// ---- Earth ----

Canvas earth(int frame) {
    Canvas cv(320, 320);
    const Vec c{160, 160};
    constexpr double R = 146;
    // The cloud layer drifts in a slow loop, so three pictures cycle smoothly.
    const double phase = 2 * PI * frame / 3;
    const double drift_x = std::cos(phase) * 0.12;
    const double drift_z = std::sin(phase) * 0.12;
    const double spin = 2.2 + frame * 0.025;

    // The air's glow around the rim, fading out (dithered).
    for (int y = 0; y < cv.height(); ++y) {
        for (int x = 0; x < cv.width(); ++x) {
            const double d = length(Vec{x + 0.5, y + 0.5} - c) / R;
            if (d < 0.98 || d > 1.07) continue;
            const double side = clamp01(0.6 - ((x - c.x) + (y - c.y)) / (2.2 * R));
            const double a = (1 - smoothstep(1.0, 1.07, d)) * (0.35 + 0.65 * side);
            cv.over(x, y, hex(0x78c8ff), a);
        }
    }
    sphere(cv, c, R, [&](int x, int y, const SpherePoint& p) {
        double gx, gy, gz;
        globe_coords(p, spin, gx, gy, gz);
        const double height = fbm(gx * 1.8 + 3, gy * 1.8 + 3, gz * 1.8 + 3, 6, 2024);
        const double land = smoothstep(0.48, 0.5, height);
        const double dry =
            smoothstep(0.45, 0.65, fbm(gx * 3 + 1, gy * 3, gz * 3, 4, 31)) * (1 - std::abs(gy));
        Colour ground = mix(hex(0x3c9a38), hex(0xc8a860), dry);
        ground = mix(ground, hex(0x2a6a2c), smoothstep(0.6, 0.72, height) * 0.6);
        const Colour sea =
            mix(hex(0x2c78d8), hex(0x123c9a), smoothstep(0.3, 0.52, height) * 0.2 + 0.5 * (1 - height));
        Colour col = mix(sea, ground, land);
        const double ice = smoothstep(0.9, 0.93, std::abs(gy) + (height - 0.5) * 0.15);
        col = mix(col, hex(0xf4f8ff), ice);
        const double cloud =
            smoothstep(0.56, 0.7, fbm(gx * 2.2 + drift_x + 8, gy * 5.5 + 8, gz * 2.2 + drift_z + 8, 5, 99));
        col = mix(col, hex(0xffffff), cloud * 0.92);
        const double lamb = diffuse(p);
        Colour lit_col = shade(col, clamp(0.16 + 1.0 * std::max(0.0, lamb), 0, 1.3));
        // Sun glint on the open sea.
        if (land < 0.5 && cloud < 0.3) {
            lit_col = lighter(lit_col, std::pow(std::max(0.0, lamb), 24) * 0.55);
        }
        // City lights twinkle on the night side.
        if (lamb < -0.05 && land > 0.5 && cloud < 0.3 && lamb < -0.15 &&
            noise(gx * 60, gy * 60, gz * 60, 5 + uint32_t(frame)) > 0.9) {
            lit_col = hex(0xffd878);
        }
        lit_col = mix(lit_col, hex(0x9ad8ff), std::pow(1 - p.z, 3) * 0.55);
        lit_col = mix(lit_col, hex(0x0c1840), clamp01(-lamb) * 0.3);
        cv.over(x, y, lit_col, p.cover);
    });
    return cv;
}

// ---- the sun ----

// The sun as everyone draws it: a calm pale disc in a thin ring, with straight
// rays of two lengths all round. Nothing ragged, red or smoky, so it never
// reads as a blast; the rays leave gaps, so it hides little of the fight when
// it passes in front. The second picture turns the rays half a step, and the
// pair twinkles.
Canvas sun(int frame) {
    Canvas cv(256, 256);
    const Vec c{128, 128};
    constexpr double DISC = 46;
    constexpr int RAYS = 16;
    const double turn = frame * PI / RAYS;
    for (int i = 0; i < RAYS; ++i) {
        const double a = turn + 2 * PI * i / RAYS;
        const Vec dir{std::cos(a), std::sin(a)};
        const double reach = i % 2 == 0 ? 122 : 96;
        const Shape ray = taper(c + dir * (DISC + 12), 6.5, c + dir * reach, 1.2);
        fill_outlined(cv, ray, linear(c + dir * DISC, hex(0xfff4b0), c + dir * reach, hex(0xffd860)),
                      hex(0xe0a030), 1.2);
    }
    stroke(cv, circle(c, DISC + 6), 3, hex(0xffe890));
    fill(cv, circle(c, DISC + 1.5), hex(0xf0b840));
    fill(cv, circle(c, DISC), Paint([&](const Frag& f) {
             const double r = length(f.p - c) / DISC;
             return mix(hex(0xfffff4), hex(0xffe070), std::pow(r, 3));
         }));
    // A soft glint, as a camera catches it.
    fill(cv, circle(c - Vec{16, 16}, 9), hex(0xffffff), 0.8);
    return cv;
}

// ---- the cloud ----

Canvas cloud() {
    Canvas cv(256, 128);
    struct Puff {
        Vec at;
        double r;
    };
    // Back to front: the crown, the middle heap, then the base row.
    std::vector<Puff> puffs = {{{118, 44}, 28}, {{150, 50}, 24}};
    Rng rng(5150);
    for (int i = 0; i < 4; ++i)
        puffs.push_back({{mix(76, 186, i / 3.0) + rng.range(-5, 5), 66}, rng.range(24, 30)});
    for (int i = 0; i < 7; ++i)
        puffs.push_back({{mix(38, 218, i / 6.0) + rng.range(-4, 4), 88}, rng.range(17, 23)});
    const Shape underside = rect({128, 56}, {128, 52}, 0);  // cuts every puff off flat at y 108
    for (const Puff& p : puffs) {
        const Colour top = mix(hex(0xffffff), hex(0xe8eef8), clamp01((p.at.y - 44) / 60));
        const Paint body = lit(linear(p.at - Vec{0, p.r * 0.2}, top, p.at + Vec{0, p.r}, hex(0xbccce6)),
                               p.r * 0.45, 0.05, 0.3);
        fill_soft(cv, circle(p.at, p.r) & underside, body, 3);
    }
    return cv;
}

}  // namespace

void forge_scenery(const std::string& bmp) {
    save(bmp + "mars.bmp", mars());
    for (int f = 0; f < 3; ++f) save(bmp + "earth" + std::to_string(f) + ".bmp", earth(f), Edge::Dithered);
    for (int f = 0; f < 2; ++f) save(bmp + "sun" + std::to_string(f) + ".bmp", sun(f));
    save(bmp + "cloud.bmp", cloud(), Edge::Dithered);
}

}  // namespace forge::sprites
