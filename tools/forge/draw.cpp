// Vector drawing for the forge: shapes, painting, noise and keyed output.
#include "draw.h"

#include <algorithm>
#include <cmath>

namespace forge::draw {

double smoothstep(double edge0, double edge1, double x) {
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

double length(Vec v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

Vec normalized(Vec v) {
    const double l = length(v);
    return l > 1e-12 ? v * (1 / l) : Vec{0, 0};
}

Vec rotated(Vec v, double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

// ---- colours ----

Colour hex(uint32_t rrggbb) {
    return {double((rrggbb >> 16) & 255), double((rrggbb >> 8) & 255), double(rrggbb & 255)};
}

Colour mix(Colour a, Colour b, double t) {
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}
Colour lighter(Colour c, double t) {
    return mix(c, WHITE, clamp01(t));
}
Colour darker(Colour c, double t) {
    return c * (1 - clamp01(t));
}

Colour shade(Colour c, double f) {
    if (f >= 1) return lighter(c, (f - 1) * 0.8);
    return darker(c, 1 - std::max(f, 0.0));
}

Colour ink(Colour c) {
    return mix(c * 0.22, Colour{22, 18, 44}, 0.55);
}

// ---- shapes ----

Box united(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

namespace {

constexpr double MARGIN = 2;  // bounds reach this far past the edge

Box around(Vec c, double rx, double ry) {
    return {c.x - rx - MARGIN, c.y - ry - MARGIN, c.x + rx + MARGIN, c.y + ry + MARGIN};
}

Box grow_box(Box b, double by) {
    return {b.x0 - by, b.y0 - by, b.x1 + by, b.y1 + by};
}

Box points_box(const std::vector<Vec>& pts) {
    Box b{1e18, 1e18, -1e18, -1e18};
    for (Vec p : pts) b = united(b, Box{p.x, p.y, p.x, p.y});
    return grow_box(b, MARGIN);
}

double segment_distance(Vec p, Vec a, Vec b) {
    const Vec pa = p - a;
    const Vec ba = b - a;
    const double len2 = dot(ba, ba);
    const double h = len2 > 0 ? clamp01(dot(pa, ba) / len2) : 0;
    return length(pa - ba * h);
}

}  // namespace

Shape circle(Vec centre, double r) {
    return {[=](Vec p) { return length(p - centre) - r; }, around(centre, r, r)};
}

Shape ellipse(Vec centre, double rx, double ry) {
    return {[=](Vec p) {
                const Vec q = p - centre;
                const double k0 = length({q.x / rx, q.y / ry});
                const double k1 = length({q.x / (rx * rx), q.y / (ry * ry)});
                if (k1 < 1e-12) return -std::min(rx, ry);
                return k0 * (k0 - 1) / k1;
            },
            around(centre, rx, ry)};
}

Shape rect(Vec centre, Vec half, double corner_radius) {
    const double r = std::min({corner_radius, half.x, half.y});
    return {[=](Vec p) {
                const double qx = std::abs(p.x - centre.x) - half.x + r;
                const double qy = std::abs(p.y - centre.y) - half.y + r;
                const double outside = length({std::max(qx, 0.0), std::max(qy, 0.0)});
                return outside + std::min(std::max(qx, qy), 0.0) - r;
            },
            around(centre, half.x, half.y)};
}

Shape polygon(std::vector<Vec> v) {
    const Box b = points_box(v);
    return {[v = std::move(v)](Vec p) {
                const size_t n = v.size();
                double d = dot(p - v[0], p - v[0]);
                double s = 1;
                for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
                    const Vec e = v[j] - v[i];
                    const Vec w = p - v[i];
                    const double len2 = dot(e, e);
                    const Vec nearest = w - e * (len2 > 0 ? clamp01(dot(w, e) / len2) : 0);
                    d = std::min(d, dot(nearest, nearest));
                    const bool c1 = p.y >= v[i].y;
                    const bool c2 = p.y < v[j].y;
                    const bool c3 = e.x * w.y > e.y * w.x;
                    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
                }
                return s * std::sqrt(d);
            },
            b};
}

Shape capsule(Vec a, Vec b, double r) {
    return {[=](Vec p) { return segment_distance(p, a, b) - r; }, grow_box(points_box({a, b}), r)};
}

Shape taper(Vec a, double ra, Vec b, double rb) {
    const double h = length(b - a);
    if (h <= std::abs(ra - rb) + 1e-6) return ra > rb ? circle(a, ra) : circle(b, rb);
    const Vec axis = (b - a) * (1 / h);
    const double sb = (ra - rb) / h;
    const double ca = std::sqrt(1 - sb * sb);
    return {[=](Vec p) {
                const Vec w = p - a;
                const Vec q{std::abs(w.x * axis.y - w.y * axis.x), dot(w, axis)};
                const double k = dot(q, {-sb, ca});
                if (k < 0) return length(q) - ra;
                if (k > ca * h) return length(q - Vec{0, h}) - rb;
                return dot(q, {ca, sb}) - ra;
            },
            grow_box(points_box({a, b}), std::max(ra, rb))};
}

Shape ring(Vec centre, double r, double half_width) {
    return {[=](Vec p) { return std::abs(length(p - centre) - r) - half_width; },
            around(centre, r + half_width, r + half_width)};
}

Shape star(Vec centre, double r_out, double r_in, int points, double radians) {
    std::vector<Vec> v;
    for (int i = 0; i < points * 2; ++i) {
        const double a = radians - PI / 2 + PI * i / points;
        const double r = i % 2 == 0 ? r_out : r_in;
        v.push_back(centre + Vec{std::cos(a), std::sin(a)} * r);
    }
    return polygon(std::move(v));
}

Shape arc(Vec centre, double r, double half_width, double a0, double a1) {
    const double mid = (a0 + a1) / 2;
    const double span = std::abs(a1 - a0) / 2;
    const Vec e0 = centre + Vec{std::cos(a0), std::sin(a0)} * r;
    const Vec e1 = centre + Vec{std::cos(a1), std::sin(a1)} * r;
    return {[=](Vec p) {
                const Vec q = p - centre;
                double diff = std::atan2(q.y, q.x) - mid;
                diff = std::remainder(diff, 2 * PI);
                if (std::abs(diff) <= span) return std::abs(length(q) - r) - half_width;
                return std::min(length(p - e0), length(p - e1)) - half_width;
            },
            around(centre, r + half_width, r + half_width)};
}

Shape operator|(const Shape& a, const Shape& b) {
    return {[a, b](Vec p) { return std::min(a(p), b(p)); }, united(a.bounds, b.bounds)};
}

Shape operator&(const Shape& a, const Shape& b) {
    const Box box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
                  std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
    return {[a, b](Vec p) { return std::max(a(p), b(p)); }, box};
}

Shape operator-(const Shape& a, const Shape& b) {
    return {[a, b](Vec p) { return std::max(a(p), -b(p)); }, a.bounds};
}

Shape smooth_union(const Shape& a, const Shape& b, double k) {
    return {[a, b, k](Vec p) {
                const double da = a(p);
                const double db = b(p);
                const double h = clamp01(0.5 + 0.5 * (db - da) / k);
                return mix(db, da, h) - k * h * (1 - h);
            },
            grow_box(united(a.bounds, b.bounds), k)};
}

Shape grown(const Shape& s, double by) {
    return {[s, by](Vec p) { return s(p) - by; }, by > 0 ? grow_box(s.bounds, by) : s.bounds};
}

Shape moved(const Shape& s, Vec by) {
    const Box b = s.bounds;
    return {[s, by](Vec p) { return s(p - by); }, Box{b.x0 + by.x, b.y0 + by.y, b.x1 + by.x, b.y1 + by.y}};
}

Shape turned(const Shape& s, Vec pivot, double radians) {
    const Box b = s.bounds;
    std::vector<Vec> corners;
    for (Vec c : {Vec{b.x0, b.y0}, Vec{b.x1, b.y0}, Vec{b.x0, b.y1}, Vec{b.x1, b.y1}}) {
        corners.push_back(pivot + rotated(c - pivot, radians));
    }
    return {[s, pivot, radians](Vec p) { return s(pivot + rotated(p - pivot, -radians)); },
            points_box(corners)};
}

Shape mirrored(const Shape& s, double axis_x) {
    const Box b = s.bounds;
    const Box m{2 * axis_x - b.x1, b.y0, 2 * axis_x - b.x0, b.y1};
    return {[s, axis_x](Vec p) { return std::min(s(p), s({2 * axis_x - p.x, p.y})); }, united(b, m)};
}

Shape everywhere(Box bounds) {
    return {[](Vec) { return -1e9; }, bounds};
}

std::vector<Vec> symmetric(double centre_x, const std::vector<Vec>& right_half) {
    std::vector<Vec> pts;
    for (Vec p : right_half) pts.push_back({centre_x + p.x, p.y});
    for (size_t i = right_half.size(); i-- > 0;) {
        const Vec p = right_half[i];
        if (std::abs(p.x) > 1e-9) pts.push_back({centre_x - p.x, p.y});  // centre-line points once
    }
    return pts;
}

std::vector<Vec> mirror_points(double axis_x, const std::vector<Vec>& pts) {
    std::vector<Vec> out;
    for (size_t i = pts.size(); i-- > 0;) out.push_back({2 * axis_x - pts[i].x, pts[i].y});
    return out;
}

// ---- canvas ----

Canvas::Canvas(int width, int height)
    : w_(width), h_(height), c_(size_t(width) * size_t(height)), a_(size_t(width) * size_t(height), 0.0) {}

Colour Canvas::colour(int x, int y) const {
    const double a = a_[idx(x, y)];
    return a > 1e-9 ? c_[idx(x, y)] * (1 / a) : Colour{};
}

void Canvas::over(int x, int y, Colour c, double a) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || a <= 0) return;
    a = std::min(a, 1.0);
    const size_t i = idx(x, y);
    c_[i] = c * a + c_[i] * (1 - a);
    a_[i] = a + a_[i] * (1 - a);
}

void Canvas::atop(int x, int y, Colour c, double a) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || a <= 0) return;
    a = std::min(a, 1.0);
    const size_t i = idx(x, y);
    c_[i] = c * (a * a_[i]) + c_[i] * (1 - a);
}

void Canvas::erase(int x, int y, double a) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || a <= 0) return;
    a = std::min(a, 1.0);
    const size_t i = idx(x, y);
    c_[i] = c_[i] * (1 - a);
    a_[i] *= 1 - a;
}

void Canvas::draw(const Canvas& top, int dx, int dy) {
    for (int y = 0; y < top.h_; ++y) {
        for (int x = 0; x < top.w_; ++x) {
            const double a = top.alpha(x, y);
            if (a > 0) over(x + dx, y + dy, top.colour(x, y), a);
        }
    }
}

// ---- painting ----

Paint::Paint(Colour c) : at([c](const Frag&) { return c; }) {}

Paint linear(Vec p0, Colour c0, Vec p1, Colour c1) {
    const Vec axis = p1 - p0;
    const double len2 = std::max(dot(axis, axis), 1e-12);
    return Paint([=](const Frag& f) { return mix(c0, c1, clamp01(dot(f.p - p0, axis) / len2)); });
}

Paint radial(Vec centre, double r, Colour inner, Colour outer) {
    return Paint([=](const Frag& f) { return mix(inner, outer, clamp01(length(f.p - centre) / r)); });
}

Paint lit(const Paint& base, double bevel, double shine, double depth) {
    // Towards the light: up and to the left, and out of the screen.
    const double lx = -0.50;
    const double ly = -0.62;
    const double lz = 0.60;
    const double ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    const double hx = lx / ll;
    const double hy = ly / ll;
    const double hz = lz / ll + 1;
    const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    auto at = base.at;
    return Paint(
        [=](const Frag& f) {
            const Colour c = at(f);
            const double t = clamp01(-f.d / bevel);
            const double slope = (1 - t) * (1 - t) * 1.8;
            double nx = f.n.x * slope;
            double ny = f.n.y * slope;
            double nz = 1;
            const double nl = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= nl;
            ny /= nl;
            nz /= nl;
            const double diffuse = (nx * lx + ny * ly + nz * lz) / ll;
            const double flat = lz / ll;
            Colour out = shade(c, 1 + 1.15 * depth * (diffuse - flat));
            const double gloss = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 24.0);
            return lighter(out, shine * gloss);
        },
        true);
}

namespace {

template <typename Apply>
void for_coverage(Canvas& cv, const Shape& s, const Paint& paint, Apply apply, double feather = 1) {
    const int x0 = std::max(0, int(std::floor(s.bounds.x0)));
    const int y0 = std::max(0, int(std::floor(s.bounds.y0)));
    const int x1 = std::min(cv.width() - 1, int(std::ceil(s.bounds.x1)));
    const int y1 = std::min(cv.height() - 1, int(std::ceil(s.bounds.y1)));
    constexpr double EPS = 0.5;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const Vec p{x + 0.5, y + 0.5};
            const double d = s(p);
            const double cover = clamp01(0.5 - d / feather);
            if (cover <= 0) continue;
            Frag f{p, d, {}};
            if (paint.uses_normal) {
                f.n = normalized(
                    {s({p.x + EPS, p.y}) - s({p.x - EPS, p.y}), s({p.x, p.y + EPS}) - s({p.x, p.y - EPS})});
            }
            apply(x, y, paint.at(f), cover);
        }
    }
}

}  // namespace

void fill(Canvas& cv, const Shape& s, const Paint& paint, double opacity, Mode mode) {
    for_coverage(cv, s, paint, [&](int x, int y, Colour c, double cover) {
        if (mode == Mode::Over) {
            cv.over(x, y, c, cover * opacity);
        } else {
            cv.atop(x, y, c, cover * opacity);
        }
    });
}

void fill_soft(Canvas& cv, const Shape& s, const Paint& paint, double feather, double opacity) {
    const Shape wide = grown(s, feather);  // widens the bounds to hold the fade
    const Shape soft{s.distance, wide.bounds};
    for_coverage(
        cv, soft, paint, [&](int x, int y, Colour c, double cover) { cv.over(x, y, c, cover * opacity); },
        feather);
}

void fill_outlined(Canvas& cv, const Shape& s, const Paint& paint, Colour outline, double width) {
    fill(cv, grown(s, width), outline);
    fill(cv, s, paint);
}

void stroke(Canvas& cv, const Shape& s, double width, const Paint& paint, double opacity, Mode mode) {
    const double half = width / 2;
    const Shape band{[s, half](Vec p) { return std::abs(s(p)) - half; }, grow_box(s.bounds, half)};
    fill(cv, band, paint, opacity, mode);
}

void glow(Canvas& cv, Vec centre, double r, Colour colour, double strength, Mode mode) {
    const int x0 = std::max(0, int(centre.x - r));
    const int y0 = std::max(0, int(centre.y - r));
    const int x1 = std::min(cv.width() - 1, int(centre.x + r));
    const int y1 = std::min(cv.height() - 1, int(centre.y + r));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double t = 1 - length(Vec{x + 0.5, y + 0.5} - centre) / r;
            if (t <= 0) continue;
            const double a = strength * t * t;
            if (mode == Mode::Over) {
                cv.over(x, y, colour, a);
            } else {
                cv.atop(x, y, colour, a);
            }
        }
    }
}

int text(Canvas& cv, const std::string& font, int px_size, double x, double y, const std::string& utf8,
         Colour colour, Mode mode) {
    const int ix = int(std::lround(x));
    const int iy = int(std::lround(y));
    Image mask(cv.width(), cv.height());
    const int advance = draw_text(mask, font, px_size, ix, iy, utf8, 0xffffff);
    for (int py = 0; py < mask.h; ++py) {
        for (int px = 0; px < mask.w; ++px) {
            const double a = red(mask.at(px, py)) / 255.0;
            if (a <= 0) continue;
            if (mode == Mode::Over) {
                cv.over(px, py, colour, a);
            } else {
                cv.atop(px, py, colour, a);
            }
        }
    }
    return advance;
}

// ---- noise ----

namespace {

uint32_t hash(int x, int y, int z, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u;
    h ^= uint32_t(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= uint32_t(y) * 0xC2B2AE3Du;
    h = (h << 11) | (h >> 21);
    h ^= uint32_t(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double lattice(int x, int y, int z, uint32_t seed) {
    return hash(x, y, z, seed) / 4294967295.0;
}

double fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

}  // namespace

double noise(double x, double y, uint32_t seed) {
    return noise(x, y, 0.0, seed);
}

double noise(double x, double y, double z, uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const double fz = std::floor(z);
    const int ix = int(fx);
    const int iy = int(fy);
    const int iz = int(fz);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double tz = fade(z - fz);
    double layer[2];
    for (int k = 0; k < 2; ++k) {
        const double a = mix(lattice(ix, iy, iz + k, seed), lattice(ix + 1, iy, iz + k, seed), tx);
        const double b = mix(lattice(ix, iy + 1, iz + k, seed), lattice(ix + 1, iy + 1, iz + k, seed), tx);
        layer[k] = mix(a, b, ty);
    }
    return mix(layer[0], layer[1], tz);
}

double fbm(double x, double y, int octaves, uint32_t seed) {
    return fbm(x, y, 0.0, octaves, seed);
}

double fbm(double x, double y, double z, int octaves, uint32_t seed) {
    double sum = 0;
    double weight = 0;
    double amp = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * noise(x, y, z, seed + uint32_t(o) * 977u);
        weight += amp;
        amp *= 0.5;
        x *= 2.03;
        y *= 2.03;
        z *= 2.03;
    }
    return sum / weight;
}

uint32_t Rng::next() {
    s_ = s_ * 6364136223846793005ULL + 1442695040888963407ULL;
    const auto xorshifted = uint32_t(((s_ >> 18) ^ s_) >> 27);
    const auto rot = uint32_t(s_ >> 59);
    return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
}

double Rng::uniform() {
    return next() / 4294967296.0;
}

// ---- output ----

uint32_t key_safe(Colour c) {
    int r = int(std::lround(clamp(c.r, 0, 255)));
    int g = int(std::lround(clamp(c.g, 0, 255)));
    int b = int(std::lround(clamp(c.b, 0, 255)));
    // Darker than this risks vanishing into the key after 5-6-5 rounding.
    if (r < 12 && g < 12 && b < 16) {
        r = std::max(r, 12);
        g = std::max(g, 12);
        b = std::max(b, 16);
    }
    return rgb(r, g, b);
}

Image keyed(const Canvas& cv, Edge edge) {
    static const int BAYER[16] = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};
    Image img(cv.width(), cv.height());
    for (int y = 0; y < img.h; ++y) {
        for (int x = 0; x < img.w; ++x) {
            const double a = cv.alpha(x, y);
            const double threshold = edge == Edge::Hard ? 0.5 : (BAYER[(y & 3) * 4 + (x & 3)] + 0.5) / 16;
            if (a >= threshold && a > 0.02) img.at(x, y) = key_safe(cv.colour(x, y));
        }
    }
    return img;
}

void close_pinholes(Image& img, int max_area) {
    std::vector<char> seen(img.px.size(), 0);
    std::vector<int> region;
    std::vector<int> stack;
    for (int start = 0; start < int(img.px.size()); ++start) {
        if (seen[size_t(start)] || img.px[size_t(start)] != 0) continue;
        // Gather one black region; it is a pinhole if it stays small and
        // never touches the picture's border.
        region.clear();
        stack.assign(1, start);
        seen[size_t(start)] = 1;
        bool open = false;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            region.push_back(i);
            const int x = i % img.w;
            const int y = i / img.w;
            if (x == 0 || y == 0 || x == img.w - 1 || y == img.h - 1) open = true;
            const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
            for (const auto& n : next) {
                if (!img.inside(n[0], n[1])) continue;
                const int j = n[1] * img.w + n[0];
                if (!seen[size_t(j)] && img.px[size_t(j)] == 0) {
                    seen[size_t(j)] = 1;
                    stack.push_back(j);
                }
            }
        }
        if (open || int(region.size()) > max_area) continue;
        for (int i : region) {
            const int x = i % img.w;
            const int y = i / img.w;
            int r = 0, g = 0, b = 0, n = 0;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    if (!img.inside(x + dx, y + dy)) continue;
                    const uint32_t c = img.at(x + dx, y + dy);
                    if (c == 0) continue;
                    r += red(c);
                    g += green(c);
                    b += blue(c);
                    ++n;
                }
            }
            if (n > 0) img.px[size_t(i)] = key_safe(Colour{double(r) / n, double(g) / n, double(b) / n});
        }
        // Deep inside a big fleck no colour is near: the darkest visible one.
        for (int i : region) {
            if (img.px[size_t(i)] == 0) img.px[size_t(i)] = key_safe(Colour{});
        }
    }
}

}  // namespace forge::draw
