// Painting tools of the backdrop part of the forge (see backdrops_kit.h).
#include "backdrops_kit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace forge::backdrop {

namespace {
constexpr float PI = 3.14159265f;
}

// ---- colour -----------------------------------------------------------------

Rgb hex(uint32_t c) {
    return {float(red(c)), float(green(c)), float(blue(c))};
}

Rgb mix(Rgb a, Rgb b, float t) {
    return {lerp(a.r, b.r, t), lerp(a.g, b.g, t), lerp(a.b, b.b, t)};
}

uint32_t pack(Rgb c) {
    return rgb(int(std::lround(c.r)), int(std::lround(c.g)), int(std::lround(c.b)));
}

float luma(Rgb c) {
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

float clamp01(float v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

float smoothstep(float edge0, float edge1, float x) {
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float lerp(float a, float b, float t) {
    return a + (b - a) * t;
}

// ---- chance and noise -------------------------------------------------------

uint32_t hash3(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h = a * 0x9e3779b1u ^ (b + 0x7f4a7c15u) * 0x85ebca77u ^ (c + 0x165667b1u) * 0xc2b2ae3du;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

Rng::Rng(uint64_t seed) : state(seed * 0x9e3779b97f4a7c15ull + 1) {}

uint32_t Rng::next() {
    uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return uint32_t((z ^ (z >> 31)) >> 32);
}

float Rng::unit() {
    return float(next() >> 8) / float(1 << 24);
}
float Rng::range(float lo, float hi) {
    return lo + (hi - lo) * unit();
}
int Rng::below(int n) {
    return n <= 0 ? 0 : int(next() % uint32_t(n));
}

int wrap(int v, int n) {
    const int m = v % n;
    return m < 0 ? m + n : m;
}

float ring_delta(float a, float b, float n) {
    float d = std::fmod(a - b, n);
    if (d < -n / 2) d += n;
    if (d >= n / 2) d -= n;
    return d;
}

namespace {

// 256 directions round the circle, for the noise lattice's slopes.
struct Slopes {
    float x[256], y[256];
    Slopes() {
        for (int i = 0; i < 256; ++i) {
            x[i] = std::cos(float(i) * 2 * PI / 256);
            y[i] = std::sin(float(i) * 2 * PI / 256);
        }
    }
};
const Slopes SLOPES;

float lattice_slope(int ix, int iy, float fx, float fy, int period, uint32_t seed) {
    const uint32_t h = hash3(uint32_t(wrap(ix, period)), uint32_t(wrap(iy, period)), seed) & 255u;
    return SLOPES.x[h] * fx + SLOPES.y[h] * fy;
}

float fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

}  // namespace

float wrap_noise(float x, float y, int period, uint32_t seed) {
    const int ix = int(std::floor(x));
    const int iy = int(std::floor(y));
    const float fx = x - float(ix);
    const float fy = y - float(iy);
    const float a = lattice_slope(ix, iy, fx, fy, period, seed);
    const float b = lattice_slope(ix + 1, iy, fx - 1, fy, period, seed);
    const float c = lattice_slope(ix, iy + 1, fx, fy - 1, period, seed);
    const float d = lattice_slope(ix + 1, iy + 1, fx - 1, fy - 1, period, seed);
    const float u = fade(fx);
    const float v = fade(fy);
    return lerp(lerp(a, b, u), lerp(c, d, u), v);
}

float wrap_fbm(float u, float v, int base_period, int octaves, uint32_t seed, float gain) {
    float sum = 0, norm = 0, amp = 1;
    for (int o = 0; o < octaves; ++o) {
        const int p = base_period << o;
        // Shifting each octave keeps the lattices from lining up into a grid.
        const float shift = 0.37f + 0.29f * float(o);
        sum += amp *
               wrap_noise(u * float(p) + shift, v * float(p) + shift * 1.7f, p, seed + uint32_t(o) * 7919u);
        norm += amp;
        amp *= gain;
    }
    return clamp01(0.5f + 0.85f * sum / norm);
}

float cell_edge(float x, float y, int cell, uint32_t seed) {
    const int cells = TILE / cell;
    const int cx = int(std::floor(x / float(cell))), cy = int(std::floor(y / float(cell)));
    float best = 1e9f, second = 1e9f, bx = 0, by = 0, sx = 0, sy = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const uint32_t h = hash3(uint32_t(wrap(cx + i, cells)), uint32_t(wrap(cy + j, cells)), seed);
            const float px = (float(cx + i) + 0.15f + 0.7f * float(h & 0xff) / 255.f) * float(cell);
            const float py = (float(cy + j) + 0.15f + 0.7f * float((h >> 8) & 0xff) / 255.f) * float(cell);
            const float dx = px - x, dy = py - y, d = dx * dx + dy * dy;
            if (d < best) {
                second = best;
                sx = bx;
                sy = by;
                best = d;
                bx = dx;
                by = dy;
            } else if (d < second) {
                second = d;
                sx = dx;
                sy = dy;
            }
        }
    const float gap = std::sqrt((sx - bx) * (sx - bx) + (sy - by) * (sy - by));
    return (second - best) / (2 * std::max(gap, 1e-3f));
}

// ---- tiles ------------------------------------------------------------------

Canvas light_tile(const Canvas& albedo, const Plane& height, const Light& light) {
    Canvas out(albedo.w, albedo.h);
    // Towards the sun: up and to the left, fairly high.
    const float lx = -0.5f, ly = -0.5f, lz = 0.7071f;
    const float tint_luma = std::max(1.f, luma(light.shadow_tint));
    const Rgb tint = light.shadow_tint * (1.f / tint_luma);
    const int reach = 16;
    for (int y = 0; y < out.h; ++y) {
        for (int x = 0; x < out.w; ++x) {
            const float h = height.get(x, y);
            const float dx = (height.get(x + 1, y) - height.get(x - 1, y)) * 0.5f * light.relief;
            const float dy = (height.get(x, y + 1) - height.get(x, y - 1)) * 0.5f * light.relief;
            const float len = std::sqrt(dx * dx + dy * dy + 1);
            const float facing = (-dx * lx - dy * ly + lz) / len / lz;  // 1 on flat ground
            float bright = 1 + light.contrast * (facing - 1);
            bright = std::clamp(bright, 0.35f, 1.6f);
            // Anything higher up-left by more than the sun's climb casts a shadow here.
            float shade = 0;
            for (int k = 1; k <= reach; ++k) {
                const float rise = height.get(x - k, y - k) - h - float(k) * 1.4142f * light.sun_height;
                shade = std::max(shade, clamp01(rise * 0.8f));
            }
            Rgb c = albedo.get(x, y) * bright;
            const Rgb dark = Rgb{c.r * tint.r, c.g * tint.g, c.b * tint.b} * light.shadow;
            out.at(x, y) = mix(c, dark, shade);
        }
    }
    return out;
}

void soften(Canvas& c, float contrast, float saturation) {
    Rgb mean{};
    for (const Rgb& p : c.px) mean = mean + p;
    mean = mean * (1.f / float(c.px.size()));
    for (Rgb& p : c.px) {
        const float l = luma(p);
        Rgb s = mix(Rgb{l, l, l}, p, saturation);
        p = mean + (s + mean * -1.f) * contrast;
    }
}

void grade(Canvas& c, Rgb multiply, Rgb tint, float tint_amount) {
    for (Rgb& p : c.px) p = mix(Rgb{p.r * multiply.r, p.g * multiply.g, p.b * multiply.b}, tint, tint_amount);
}

Image to_image(const Canvas& c) {
    Image img(c.w, c.h);
    for (size_t i = 0; i < c.px.size(); ++i) img.px[i] = pack(c.px[i]);
    return img;
}

// ---- keyed pictures ---------------------------------------------------------

uint32_t key_safe(uint32_t c) {
    if (c == 0) return 0;
    const int r = red(c), g = green(c), b = blue(c);
    // 16-bit colour keeps 5 bits of red and blue and 6 of green.
    if (r >= 12 || g >= 12 || b >= 16) return c;
    return rgb(std::max(r, 12), std::max(g, 12), std::max(b, 16));
}

void make_key_safe(Image& img) {
    for (uint32_t& p : img.px) p = key_safe(p);
}

// ---- lettering and shapes ---------------------------------------------------

namespace {

// Distance of each sample to the nearest set sample of `mask` (exact
// Euclidean, two passes of the lower-envelope method).
std::vector<float> distance_to(const std::vector<uint8_t>& mask, int w, int h, uint8_t want) {
    const double inf = std::numeric_limits<double>::infinity();
    const double far = 1e20;
    std::vector<double> d(size_t(w) * size_t(h));
    for (size_t i = 0; i < d.size(); ++i) d[i] = mask[i] == want ? 0 : far;
    const size_t n = size_t(std::max(w, h));
    std::vector<double> f(n), z(n + 1), out(n);
    std::vector<int> v(n);
    auto pass = [&](int len) {
        auto meet = [&](int q, int p) {
            return ((f[size_t(q)] + double(q) * q) - (f[size_t(p)] + double(p) * p)) / double(2 * q - 2 * p);
        };
        int k = 0;
        v[0] = 0;
        z[0] = -inf;
        z[1] = inf;
        for (int q = 1; q < len; ++q) {
            double s = meet(q, v[size_t(k)]);
            while (s <= z[size_t(k)]) {
                --k;
                s = meet(q, v[size_t(k)]);
            }
            ++k;
            v[size_t(k)] = q;
            z[size_t(k)] = s;
            z[size_t(k) + 1] = inf;
        }
        k = 0;
        for (int q = 0; q < len; ++q) {
            while (z[size_t(k) + 1] < double(q)) ++k;
            const int p = v[size_t(k)];
            out[size_t(q)] = double(q - p) * double(q - p) + f[size_t(p)];
        }
    };
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) f[size_t(y)] = d[size_t(y) * size_t(w) + size_t(x)];
        pass(h);
        for (int y = 0; y < h; ++y) d[size_t(y) * size_t(w) + size_t(x)] = out[size_t(y)];
    }
    std::vector<float> result(d.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) f[size_t(x)] = d[size_t(y) * size_t(w) + size_t(x)];
        pass(w);
        for (int x = 0; x < w; ++x)
            result[size_t(y) * size_t(w) + size_t(x)] = float(std::sqrt(out[size_t(x)]));
    }
    return result;
}

}  // namespace

Shape::Shape(int width, int height, int supersample)
    : w(width),
      h(height),
      ss(supersample),
      ink(size_t(width * supersample) * size_t(height * supersample), 0) {}

void Shape::add_text(const std::string& font, int px_size, float cx, float cy, const std::string& text,
                     float slant) {
    const int size = px_size * ss;
    Image temp(text_width(font, size, text) + size, size * 2);
    draw_text(temp, font, size, size / 2, size / 4, text, rgb(255, 255, 255));
    int x0 = temp.w, y0 = temp.h, x1 = -1, y1 = -1;
    for (int y = 0; y < temp.h; ++y)
        for (int x = 0; x < temp.w; ++x)
            if (red(temp.at(x, y)) >= 128) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    if (x1 < 0) return;
    const float mid_x = float(x0 + x1 + 1) / 2, mid_y = float(y0 + y1 + 1) / 2;
    const int W = w * ss, H = h * ss;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (red(temp.at(x, y)) < 128) continue;
            const int tx = int(std::lround(cx * float(ss) + float(x) - mid_x + slant * (mid_y - float(y))));
            const int ty = int(std::lround(cy * float(ss) + float(y) - mid_y));
            if (tx >= 0 && ty >= 0 && tx < W && ty < H) ink[size_t(ty) * size_t(W) + size_t(tx)] = 1;
        }
    // Shearing can leave gaps between stretched samples: close them.
    if (slant != 0)
        for (int y = 0; y < H; ++y)
            for (int x = 1; x + 1 < W; ++x) {
                uint8_t& c = ink[size_t(y) * size_t(W) + size_t(x)];
                if (!c && ink[size_t(y) * size_t(W) + size_t(x - 1)] &&
                    ink[size_t(y) * size_t(W) + size_t(x + 1)])
                    c = 1;
            }
}

void Shape::finish() {
    // Distances are only worked out near the ink; beyond FAR_PX pixels of it
    // nothing is drawn, so the rest of the picture just reads as far away.
    constexpr int FAR_PX = 16;
    const int W = w * ss, H = h * ss;
    int x0 = W, y0 = H, x1 = -1, y1 = -1;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (ink[size_t(y) * size_t(W) + size_t(x)]) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    sd.assign(ink.size(), float(FAR_PX));
    if (x1 >= 0) {
        x0 = std::max(0, (x0 / ss - FAR_PX) * ss);
        y0 = std::max(0, (y0 / ss - FAR_PX) * ss);
        x1 = std::min(W, (x1 / ss + 1 + FAR_PX) * ss);
        y1 = std::min(H, (y1 / ss + 1 + FAR_PX) * ss);
        const int bw = x1 - x0, bh = y1 - y0;
        std::vector<uint8_t> part(size_t(bw) * size_t(bh));
        for (int y = 0; y < bh; ++y)
            for (int x = 0; x < bw; ++x)
                part[size_t(y) * size_t(bw) + size_t(x)] = ink[size_t(y + y0) * size_t(W) + size_t(x + x0)];
        const std::vector<float> to_ink = distance_to(part, bw, bh, 1);
        const std::vector<float> to_gap = distance_to(part, bw, bh, 0);
        for (int y = 0; y < bh; ++y)
            for (int x = 0; x < bw; ++x) {
                const size_t i = size_t(y) * size_t(bw) + size_t(x);
                const float d = (part[i] ? -(to_gap[i] - 0.5f) : to_ink[i] - 0.5f) / float(ss);
                sd[size_t(y + y0) * size_t(W) + size_t(x + x0)] = std::min(d, float(FAR_PX));
            }
    }
    // Per-pixel summaries, so most pixels never look at their samples again.
    lowest.assign(size_t(w) * size_t(h), 1e9f);
    highest.assign(size_t(w) * size_t(h), -1e9f);
    mean.assign(size_t(w) * size_t(h), 0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const size_t at = size_t(y / ss) * size_t(w) + size_t(x / ss);
            const float v = sd[size_t(y) * size_t(W) + size_t(x)];
            lowest[at] = std::min(lowest[at], v);
            highest[at] = std::max(highest[at], v);
            mean[at] += v / float(ss * ss);
        }
}

float Shape::cover(int x, int y, float r) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0;
    const size_t at = size_t(y) * size_t(w) + size_t(x);
    if (lowest[at] >= r) return 0;
    if (highest[at] < r) return 1;
    int n = 0;
    const int W = w * ss;
    for (int sy = 0; sy < ss; ++sy)
        for (int sx = 0; sx < ss; ++sx)
            if (sd[size_t(y * ss + sy) * size_t(W) + size_t(x * ss + sx)] < r) ++n;
    return float(n) / float(ss * ss);
}

float Shape::dist(int x, int y) const {
    x = std::clamp(x, 0, w - 1);
    y = std::clamp(y, 0, h - 1);
    return mean[size_t(y) * size_t(w) + size_t(x)];
}

void Shape::outward(int x, int y, float& nx, float& ny) const {
    nx = dist(x + 1, y) - dist(x - 1, y);
    ny = dist(x, y + 1) - dist(x, y - 1);
    const float len = std::sqrt(nx * nx + ny * ny);
    if (len > 1e-4f) {
        nx /= len;
        ny /= len;
    } else {
        nx = ny = 0;
    }
}

void paint_letters(Image& img, const Shape& shape, const Letters& style) {
    const Rgb white{255, 255, 255};
    for (int y = 0; y < shape.h && y < img.h; ++y) {
        for (int x = 0; x < shape.w && x < img.w; ++x) {
            const bool body = shape.cover(x, y, style.outline_width) >= 0.5f;
            if (!body) {
                if ((style.shadow_dx || style.shadow_dy) &&
                    shape.cover(x - style.shadow_dx, y - style.shadow_dy, style.outline_width) >= 0.5f)
                    img.at(x, y) = key_safe(pack(style.shadow));
                continue;
            }
            const float t = clamp01((float(y) + 0.5f - style.y0) / (style.y1 - style.y0));
            Rgb fill = t < 0.5f      ? mix(style.top, style.middle, t * 2)
                       : style.split ? mix(style.lower, style.bottom, t * 2 - 1)
                                     : mix(style.middle, style.bottom, t * 2 - 1);
            const float depth = -shape.dist(x, y);
            if (style.bevel_width > 0 && depth < style.bevel_width) {
                float nx, ny;
                shape.outward(x, y, nx, ny);
                const float lit =
                    -(nx + ny) * 0.7071f * style.bevel * (1 - std::max(0.f, depth) / style.bevel_width);
                fill = lit > 0 ? mix(fill, white, lit) : fill * (1 + lit);
            }
            if (style.rim_width > 0) {
                const float band = shape.cover(x, y, 0) - shape.cover(x, y, -style.rim_width);
                fill = mix(fill, style.rim, clamp01(band));
            }
            img.at(x, y) = key_safe(pack(mix(style.outline, fill, shape.cover(x, y, 0))));
        }
    }
}

}  // namespace forge::backdrop
