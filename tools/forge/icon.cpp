// The game's icon for the desktop: the player's ship climbing out of a sky
// badge, drawn afresh at every hicolor size (so the small ones stay sharp)
// and written as PNG files into icons/hicolor/<n>x<n>/apps/cloudpiercer.png.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "draw.h"
#include "forge.h"

namespace forge {

namespace {

using namespace draw;

// The sizes desktops look for, in pixels.
constexpr int ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};

// ---- PNG ----

// The CRC of PNG chunks (ISO 3309, reflected polynomial 0xedb88320).
uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 255] ^ (crc >> 8);
    return ~crc;
}

uint32_t adler32(const std::vector<uint8_t>& data) {
    constexpr uint32_t MOD = 65521;
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t v : data) {
        a = (a + v) % MOD;
        b = (b + a) % MOD;
    }
    return (b << 16) | a;
}

void put32_be(std::vector<uint8_t>& b, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(uint8_t(v >> shift));
}

void chunk(std::vector<uint8_t>& png, const char type[4], const std::vector<uint8_t>& body) {
    put32_be(png, uint32_t(body.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), body.begin(), body.end());
    put32_be(png, crc32(png.data() + start, png.size() - start));
}

// A zlib stream of stored (uncompressed) blocks: an icon is a few hundred
// kilobytes at most, and stored blocks need no compressor.
std::vector<uint8_t> zlib_stored(const std::vector<uint8_t>& raw) {
    constexpr size_t MAX_BLOCK = 65535;
    std::vector<uint8_t> z = {0x78, 0x01};  // deflate, 32 KiB window, no dictionary
    size_t pos = 0;
    do {
        const size_t n = std::min(MAX_BLOCK, raw.size() - pos);
        const bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(uint8_t(n));
        z.push_back(uint8_t(n >> 8));
        z.push_back(uint8_t(~n));
        z.push_back(uint8_t(~n >> 8));
        z.insert(z.end(), raw.begin() + long(pos), raw.begin() + long(pos + n));
        pos += n;
    } while (pos < raw.size());
    put32_be(z, adler32(raw));
    return z;
}

// An 8-bit RGBA PNG of the canvas, its colours taken out of premultiplication.
std::vector<uint8_t> encode_png(const Canvas& cv) {
    const int w = cv.width();
    const int h = cv.height();
    std::vector<uint8_t> raw;
    raw.reserve(size_t(h) * (1 + size_t(w) * 4));
    auto byte = [](double v) { return uint8_t(std::lround(clamp(v, 0, 255))); };
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < w; ++x) {
            const double a = clamp01(cv.alpha(x, y));
            const Colour c = a > 0 ? cv.colour(x, y) : Colour{};
            raw.insert(raw.end(), {byte(c.r), byte(c.g), byte(c.b), byte(a * 255)});
        }
    }
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> ihdr;
    put32_be(ihdr, uint32_t(w));
    put32_be(ihdr, uint32_t(h));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter set, no interlace
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", zlib_stored(raw));
    chunk(png, "IEND", {});
    return png;
}

// ---- the picture ----

const Colour SKY_HIGH = hex(0x14285e);
const Colour SKY_LOW = hex(0x4f9cf0);
const Colour CLOUD = hex(0xf2f6ff);
const Colour HULL = hex(0xe6ecf6);
const Colour WING = hex(0x2f66e8);
const Colour STRIPE = hex(0xe8283c);
const Colour GLASS = hex(0x38d8ff);
const Colour TRIM = hex(0xffc830);
const Colour FLAME = hex(0xff8a28);

// The ship's outline in the units of its 64-pixel sprite (centre line x = 32),
// the same plan as the sprite's: hull, swept wings, canards and tip guns.
const std::vector<Vec> HULL_HALF = {{0, 2},    {1.6, 6},  {3.6, 14}, {5.6, 24},
                                    {6.4, 34}, {6.0, 46}, {4.5, 54}, {0, 55}};
const std::vector<Vec> WING_RIGHT = {{5, 22}, {12, 29}, {27, 41}, {29, 47}, {27, 50}, {13, 48}, {5, 47}};
const std::vector<Vec> CANARD_RIGHT = {{5, 15}, {11, 21}, {11, 24}, {5, 24}};

// One icon of `size` pixels. Below 32 pixels the small details (canards,
// stripe, clouds' second row) would only blur the silhouette, so they go.
Canvas icon(int size) {
    Canvas cv(size, size);
    const double s = size;
    const bool small = size < 32;

    // The badge: a rounded square of night-to-day sky with clouds at its foot.
    const double margin = small ? 0.0 : s * 0.03;
    const Shape badge = rect({s / 2, s / 2}, {s / 2 - margin, s / 2 - margin}, s * 0.2);
    // Small icons keep the sky dark behind the wings, which are blue too.
    const Colour low = small ? mix(SKY_HIGH, SKY_LOW, 0.4) : SKY_LOW;
    fill(cv, badge, linear({0, margin}, SKY_HIGH, {0, s - margin}, low));
    Shape clouds = circle({s * 0.18, s * 0.98}, s * 0.2) | circle({s * 0.45, s * 1.02}, s * 0.22) |
                   circle({s * 0.78, s * 0.96}, s * 0.22);
    if (!small)
        clouds = clouds | circle({s * 0.32, s * 0.86}, s * 0.12) | circle({s * 0.66, s * 0.84}, s * 0.13);
    fill(cv, clouds & badge, lit(CLOUD, s * 0.05, 0.2, 0.6), 0.95, Mode::Atop);

    // The ship, pointing up, filling most of the badge: sprite units to pixels.
    const double k = s * 0.8 / 58;  // the sprite's ship is 58 units from tip gun to tip gun
    const Vec origin{s / 2 - 32 * k, s * 0.08};
    auto at = [&](Vec p) { return origin + p * k; };
    auto half = [&](const std::vector<Vec>& right, double sign) {
        std::vector<Vec> out;
        for (Vec p : right) out.push_back(at({32 + p.x * sign, p.y}));
        return out;
    };
    const Shape hull = polygon(symmetric(origin.x + 32 * k, [&] {
        std::vector<Vec> v;
        for (Vec p : HULL_HALF) v.push_back(Vec{p.x * k, origin.y + p.y * k});
        return v;
    }()));
    Shape wings = polygon(half(WING_RIGHT, 1)) | polygon(half(WING_RIGHT, -1));
    if (!small) wings = wings | polygon(half(CANARD_RIGHT, 1)) | polygon(half(CANARD_RIGHT, -1));
    const Shape guns =
        capsule(at({59.5, 36}), at({59.5, 49}), 1.8 * k) | capsule(at({4.5, 36}), at({4.5, 49}), 1.8 * k);

    // Engine flames into the clouds, then one dark outline around it all.
    for (double side : {-1.0, 1.0}) {
        const Vec nozzle = at({32 + 8 * side, 52});
        fill(cv, taper(nozzle, 3.3 * k, nozzle + Vec{0, 11 * k}, 0.6 * k), FLAME);
    }
    const double outline = std::max(0.7, 1.3 * k);
    fill(cv, grown(hull | wings | guns, outline), ink(WING));
    fill(cv, wings, lit(WING, 4 * k, 0.35));
    if (!small) {
        fill(cv, polygon(half({{8, 25.5}, {25, 39.5}, {27.5, 44}, {12, 31}}, 1)), STRIPE, 1, Mode::Atop);
        fill(cv, polygon(half({{8, 25.5}, {25, 39.5}, {27.5, 44}, {12, 31}}, -1)), STRIPE, 1, Mode::Atop);
    }
    fill(cv, guns, lit(TRIM, 2 * k, 0.5));
    fill(cv, hull, lit(HULL, 5 * k, 0.5));
    fill(cv, ellipse(at({32, 19}), 3.2 * k, 7.2 * k), lit(GLASS, 2.5 * k, 0.9));
    return cv;
}

}  // namespace

void forge_icons(const std::string& out) {
    for (int size : ICON_SIZES) {
        const std::string n = std::to_string(size);
        write_file(out + "/icons/hicolor/" + n + "x" + n + "/apps/cloudpiercer.png", encode_png(icon(size)));
    }
}

}  // namespace forge
