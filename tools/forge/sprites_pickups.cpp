// The power-up carriers: silver capsules whose coloured glass and emblem tell
// the kind at a glance (yellow arrows speed, red missiles weapon, blue crest
// shield, green 1UP extra life). The second picture blinks brighter.
#include <cmath>

#include "sprites_parts.h"

namespace forge::sprites {

using namespace draw;

namespace {

constexpr int W = 64;
constexpr int H = 32;
const Vec MID{32, 16};
const Colour EMBLEM = hex(0xfffff4);
const Colour EMBLEM_SHADOW = hex(0x202038);

enum class Kind { Speed, Weapon, Shield, Life };

// The emblem's shape, centred on the capsule.
Shape emblem(Kind kind) {
    switch (kind) {
        case Kind::Speed: {
            Shape s = circle({0, 0}, 0.01);
            for (double x0 : {19.0, 31.0}) {
                s = s |
                    polygon({{x0, 8}, {x0 + 5, 8}, {x0 + 12.5, 16}, {x0 + 5, 24}, {x0, 24}, {x0 + 7.5, 16}});
            }
            return s;
        }
        case Kind::Weapon: {
            Shape s = circle({0, 0}, 0.01);
            for (int i = -1; i <= 1; ++i) {
                const double x = 32 + i * 8.5;
                const double top = i == 0 ? 6.5 : 9.5;
                s = s | rect({x, top + 9}, {2.4, 6.5}, 1) |
                    polygon({{x - 2.4, top + 3}, {x, top - 1}, {x + 2.4, top + 3}}) |
                    polygon({{x - 4, 25}, {x - 2.4, 20}, {x + 2.4, 20}, {x + 4, 25}});
            }
            return s;
        }
        case Kind::Shield:
            return polygon(
                {{23, 6.5}, {32, 5}, {41, 6.5}, {41, 15}, {37, 22}, {32, 26.5}, {27, 22}, {23, 15}});
        case Kind::Life:
            break;
    }
    return circle({0, 0}, 0.01);
}

Canvas carrier(Kind kind, Colour glass, int frame) {
    Canvas cv(W, H);
    const Shape body = rect(MID, {30, 13}, 13);
    fill(cv, grown(body, 1.4), ink(glass));
    fill(cv, body, lit(hex(0xb4bccc), 5, 0.7));
    // Blinking lamps at the capsule's ends.
    for (double x : {7.5, 56.5}) {
        fill(cv, circle({x, 16}, 3.4), hex(0x282838), 1, Mode::Atop);
        fill(cv, circle({x, 16}, 2.4), lit(frame == 1 ? lighter(glass, 0.6) : shade(glass, 0.6), 2, 0.8), 1,
             Mode::Atop);
    }
    const Shape window = rect(MID, {21, 10.5}, 9);
    fill(cv, grown(window, 1.2), ink(glass), 1, Mode::Atop);
    const double glow_level = frame == 1 ? 0.35 : 0;
    fill(cv, window,
         lit(radial(MID - Vec{8, 6}, 30, lighter(glass, 0.35 + glow_level), shade(glass, 0.7 + glow_level)),
             5, 0.6),
         1, Mode::Atop);

    if (kind == Kind::Life) {
        const std::string label = "1UP";
        const int size = 15;
        const double x = 32 - text_width("DejaVuSans-Bold.ttf", size, label) / 2.0;
        text(cv, "DejaVuSans-Bold.ttf", size, x + 1, 6.5, label, EMBLEM_SHADOW, Mode::Atop);
        text(cv, "DejaVuSans-Bold.ttf", size, x, 5.5, label, EMBLEM, Mode::Atop);
    } else {
        const Shape e = emblem(kind);
        fill(cv, moved(grown(e, 1.1), {0.8, 0.8}), EMBLEM_SHADOW, 1, Mode::Atop);
        fill(cv, e, lit(EMBLEM, 2, 0.3), 1, Mode::Atop);
        if (kind == Kind::Shield) {
            fill(cv, grown(e, -2.2), lit(glass, 2, 0.5), 1, Mode::Atop);
            fill(cv, rect({32, 15}, {1.4, 5.5}) | rect({32, 14}, {5, 1.4}), EMBLEM, 1, Mode::Atop);
        }
        if (kind == Kind::Weapon) {
            for (int i = -1; i <= 1; ++i) {
                fill(cv, rect({32 + i * 8.5, 22.5}, {2.4, 1.6}), hex(0xe03040), 1, Mode::Atop);
            }
        }
    }
    // A glint on the glass.
    fill(cv, ellipse({20, 9.5}, 4, 1.5), WHITE, frame == 1 ? 0.9 : 0.6, Mode::Atop);
    return cv;
}

}  // namespace

void forge_pickups(const std::string& bmp) {
    struct Carrier {
        const char* name;
        Kind kind;
        uint32_t glass;
    };
    static const Carrier CARRIERS[] = {
        {"speedicon", Kind::Speed, 0xffb010},
        {"weaponicon", Kind::Weapon, 0xe02838},
        {"shieldicon", Kind::Shield, 0x2870f0},
        {"lifeicon", Kind::Life, 0x20b040},
    };
    for (const Carrier& c : CARRIERS) {
        for (int f = 0; f < 2; ++f) {
            save(bmp + c.name + std::to_string(f) + ".bmp", carrier(c.kind, hex(c.glass), f));
        }
    }
}

}  // namespace forge::sprites
