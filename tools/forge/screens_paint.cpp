// Painting for the screen pictures: shapes on a supersampled canvas, text masks.
#include "screens_paint.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace forge::paint {

Canvas::Canvas(int width, int height, int supersample, uint32_t fill)
    : w(width), h(height), ss(supersample), hi(width * supersample, height * supersample, fill) {}

Image Canvas::resolve() const {
    Image out(w, h);
    const int n = ss * ss;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < ss; ++j) {
                for (int i = 0; i < ss; ++i) {
                    const uint32_t c = hi.at(x * ss + i, y * ss + j);
                    r += red(c);
                    g += green(c);
                    b += blue(c);
                }
            }
            out.at(x, y) = rgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n);
        }
    }
    return out;
}

uint32_t mix(uint32_t a, uint32_t b, double t) {
    if (!(t > 0)) return a;
    if (t >= 1) return b;
    // Fixed point: this runs for nearly every sample of every picture.
    const int w = int(t * 65536 + 0.5);
    auto ch = [w](int x, int y) { return uint32_t(x + (((y - x) * w + 32768) >> 16)); };
    return (ch(red(a), red(b)) << 16) | (ch(green(a), green(b)) << 8) | ch(blue(a), blue(b));
}

uint32_t shade(uint32_t c, double f) {
    if (f <= 1) return mix(0, c, f);
    return mix(c, 0xffffff, f - 1);
}

uint32_t ramp(const std::vector<Stop>& stops, double t) {
    if (t <= stops.front().t) return stops.front().c;
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].t) {
            const double span = stops[i].t - stops[i - 1].t;
            return mix(stops[i - 1].c, stops[i].c, span > 0 ? (t - stops[i - 1].t) / span : 1);
        }
    }
    return stops.back().c;
}

Shader solid(uint32_t c) {
    return [c](double, double) { return c; };
}

Shader vertical(double y0, double y1, std::vector<Stop> stops) {
    return [=](double, double y) { return ramp(stops, (y - y0) / (y1 - y0)); };
}

Shader along(Pt a, Pt b, std::vector<Stop> stops) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    return [=](double x, double y) { return ramp(stops, ((x - a.x) * dx + (y - a.y) * dy) / len2); };
}

Shader radial(Pt centre, double r, std::vector<Stop> stops) {
    return [=](double x, double y) { return ramp(stops, std::hypot(x - centre.x, y - centre.y) / r); };
}

namespace {

// Blends the shader over hi-res pixels [hx0, hx1] of row hy.
void span(Canvas& cv, int hy, int hx0, int hx1, const Shader& s, double alpha) {
    if (hy < 0 || hy >= cv.hi.h) return;
    hx0 = std::max(hx0, 0);
    hx1 = std::min(hx1, cv.hi.w - 1);
    const double y = (hy + 0.5) / cv.ss;
    for (int hx = hx0; hx <= hx1; ++hx) {
        uint32_t& p = cv.hi.at(hx, hy);
        const uint32_t c = s((hx + 0.5) / cv.ss, y);
        p = alpha >= 1 ? c : mix(p, c, alpha);
    }
}

// First and one-past-last hi-res pixel whose centre lies in [xa, xb).
int first_px(double x, int ss) {
    return int(std::ceil(x * ss - 0.5));
}

}  // namespace

void fill_rect(Canvas& cv, double x, double y, double w, double h, const Shader& s, double alpha) {
    const int y0 = first_px(y, cv.ss), y1 = first_px(y + h, cv.ss);
    const int x0 = first_px(x, cv.ss), x1 = first_px(x + w, cv.ss);
    for (int hy = y0; hy < y1; ++hy) span(cv, hy, x0, x1 - 1, s, alpha);
}

void fill_ellipse(Canvas& cv, Pt c, double rx, double ry, const Shader& s, double alpha) {
    fill_ellipse_where(cv, c, rx, ry, nullptr, s, alpha);
}

void fill_ellipse_where(Canvas& cv, Pt c, double rx, double ry,
                        const std::function<bool(double, double)>& keep, const Shader& s, double alpha) {
    const int y0 = first_px(c.y - ry, cv.ss), y1 = first_px(c.y + ry, cv.ss);
    for (int hy = y0; hy < y1; ++hy) {
        const double y = (hy + 0.5) / cv.ss;
        const double k = 1 - ((y - c.y) / ry) * ((y - c.y) / ry);
        if (k <= 0) continue;
        const double half = rx * std::sqrt(k);
        const int x0 = first_px(c.x - half, cv.ss), x1 = first_px(c.x + half, cv.ss);
        if (!keep) {
            span(cv, hy, x0, x1 - 1, s, alpha);
            continue;
        }
        for (int hx = x0; hx < x1; ++hx) {
            if (keep((hx + 0.5) / cv.ss, y)) span(cv, hy, hx, hx, s, alpha);
        }
    }
}

void fill_poly(Canvas& cv, const std::vector<Pt>& pts, const Shader& s, double alpha) {
    if (pts.size() < 3) return;
    double top = pts[0].y, bottom = pts[0].y;
    for (const Pt& p : pts) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<double> xs;
    for (int hy = first_px(top, cv.ss); hy < first_px(bottom, cv.ss); ++hy) {
        const double y = (hy + 0.5) / cv.ss;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            const Pt& a = pts[i];
            const Pt& b = pts[(i + 1) % pts.size()];
            if ((a.y <= y && b.y > y) || (b.y <= y && a.y > y))
                xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            span(cv, hy, first_px(xs[i], cv.ss), first_px(xs[i + 1], cv.ss) - 1, s, alpha);
        }
    }
}

void fill_round_rect(Canvas& cv, double x, double y, double w, double h, double r, const Shader& s,
                     double alpha) {
    std::vector<Pt> pts;
    const int steps = 8;
    const Pt corners[4] = {{x + w - r, y + r}, {x + w - r, y + h - r}, {x + r, y + h - r}, {x + r, y + r}};
    for (int c = 0; c < 4; ++c) {
        for (int i = 0; i <= steps; ++i) {
            const double a = (c - 1 + double(i) / steps) * PI / 2;
            pts.push_back({corners[c].x + r * std::cos(a), corners[c].y + r * std::sin(a)});
        }
    }
    fill_poly(cv, pts, s, alpha);
}

void line(Canvas& cv, Pt a, Pt b, double width, const Shader& s, double alpha) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    if (len <= 0) return;
    const double nx = -(b.y - a.y) / len * width / 2, ny = (b.x - a.x) / len * width / 2;
    fill_poly(cv, {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}, s,
              alpha);
}

void glow(Canvas& cv, Pt c, double r, uint32_t colour, double strength) {
    const int ss = cv.ss;
    const int y0 = std::max(first_px(c.y - r, ss), 0), y1 = std::min(first_px(c.y + r, ss), cv.hi.h);
    const int x0 = std::max(first_px(c.x - r, ss), 0), x1 = std::min(first_px(c.x + r, ss), cv.hi.w);
    for (int hy = y0; hy < y1; ++hy) {
        for (int hx = x0; hx < x1; ++hx) {
            const double d = std::hypot((hx + 0.5) / ss - c.x, (hy + 0.5) / ss - c.y) / r;
            if (d >= 1) continue;
            const double f = (1 - d) * (1 - d) * strength;
            uint32_t& p = cv.hi.at(hx, hy);
            p = rgb(red(p) + int(red(colour) * f), green(p) + int(green(colour) * f),
                    blue(p) + int(blue(colour) * f));
        }
    }
}

std::vector<Pt> ellipse_pts(Pt c, double rx, double ry, double turn, int n) {
    std::vector<Pt> pts;
    const double ct = std::cos(turn), st = std::sin(turn);
    for (int i = 0; i < n; ++i) {
        const double a = 2 * PI * i / n;
        const double x = rx * std::cos(a), y = ry * std::sin(a);
        pts.push_back({c.x + x * ct - y * st, c.y + x * st + y * ct});
    }
    return pts;
}

std::vector<Pt> smooth(const std::vector<Pt>& pts, int passes) {
    std::vector<Pt> cur = pts;
    for (int k = 0; k < passes; ++k) {
        std::vector<Pt> next;
        next.reserve(cur.size() * 2);
        for (size_t i = 0; i < cur.size(); ++i) {
            const Pt& a = cur[i];
            const Pt& b = cur[(i + 1) % cur.size()];
            next.push_back({a.x * 0.75 + b.x * 0.25, a.y * 0.75 + b.y * 0.25});
            next.push_back({a.x * 0.25 + b.x * 0.75, a.y * 0.25 + b.y * 0.75});
        }
        cur = std::move(next);
    }
    return cur;
}

std::vector<Pt> mirrored(const std::vector<Pt>& half) {
    std::vector<Pt> pts = half;
    for (auto it = half.rbegin(); it != half.rend(); ++it) {
        if (it->x != 0) pts.push_back({-it->x, it->y});
    }
    return pts;
}

Pt Place::operator()(Pt p) const {
    const double ct = std::cos(turn), st = std::sin(turn);
    return {at.x + size * (p.x * ct - p.y * st), at.y + size * (p.x * st + p.y * ct)};
}

std::vector<Pt> Place::operator()(const std::vector<Pt>& pts) const {
    std::vector<Pt> out;
    out.reserve(pts.size());
    for (const Pt& p : pts) out.push_back((*this)(p));
    return out;
}

uint32_t Rng::next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
}

double Rng::real(double lo, double hi) {
    return lo + (hi - lo) * (next() % 1000003u) / 1000003.0;
}

namespace {
double lattice(int x, int y, uint32_t seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0x1000000);
}
}  // namespace

double noise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    const double c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fbm(double x, double y, uint32_t seed, int octaves) {
    double sum = 0, amp = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(x, y, seed + uint32_t(i) * 101u);
        total += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / total;
}

Mask text_mask(const std::string& font, int px, const std::string& text, int pad) {
    Image tmp(text_width(font, px, text) + 2 * pad, px * 3 / 2 + 2 * pad, 0);
    draw_text(tmp, font, px, pad, pad, text, 0xffffff);
    Mask m;
    m.w = tmp.w;
    m.h = tmp.h;
    m.a.resize(tmp.px.size());
    m.ink_top = m.h;
    m.ink_bottom = 0;
    for (int y = 0; y < m.h; ++y) {
        for (int x = 0; x < m.w; ++x) {
            const int a = red(tmp.at(x, y));
            m.a[size_t(y) * size_t(m.w) + size_t(x)] = uint8_t(a);
            if (a > 64) {
                m.ink_top = std::min(m.ink_top, y);
                m.ink_bottom = std::max(m.ink_bottom, y);
            }
        }
    }
    return m;
}

Mask dilate(const Mask& m, int r) {
    Mask out = m;
    for (int y = 0; y < m.h; ++y) {
        for (int x = 0; x < m.w; ++x) {
            int best = 0;
            for (int dy = -r; dy <= r && best < 255; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    const double d = std::hypot(dx, dy);
                    if (d > r + 0.5) continue;
                    // The outermost ring is softened so the outline stays smooth.
                    const double fade = std::clamp(r + 0.5 - d, 0.0, 1.0);
                    best = std::max(best, int(m.at(x + dx, y + dy) * fade));
                }
            }
            out.a[size_t(y) * size_t(m.w) + size_t(x)] = uint8_t(best);
        }
    }
    return out;
}

void stamp(Image& img, const Mask& m, int x, int y, const Shader& s, double alpha) {
    for (int j = 0; j < m.h; ++j) {
        for (int i = 0; i < m.w; ++i) {
            const int a = m.at(i, j);
            if (a == 0 || !img.inside(x + i, y + j)) continue;
            uint32_t& p = img.at(x + i, y + j);
            p = mix(p, s(x + i + 0.5, y + j + 0.5), a / 255.0 * alpha);
        }
    }
}

Mask measure(const Lettering& l, const std::string& text) {
    return text_mask(l.font, l.px, text, l.outline + l.shadow + 1);
}

Mask letter(Image& img, const Lettering& l, int x, int y, const std::string& text, const Shader& fill) {
    const Mask m = measure(l, text);
    const Mask edge = l.outline > 0 ? dilate(m, l.outline) : m;
    if (l.shadow > 0) stamp(img, edge, x + l.shadow, y + l.shadow, solid(0), l.shadow_alpha);
    if (l.outline > 0) stamp(img, edge, x, y, solid(l.edge));
    stamp(img, m, x, y, fill);
    return m;
}

std::vector<std::string> wrap(const std::string& font, int px, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, current;
    while (words >> word) {
        const std::string tried = current.empty() ? word : current + " " + word;
        if (!current.empty() && text_width(font, px, tried) > width) {
            lines.push_back(current);
            current = word;
        } else {
            current = tried;
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

}  // namespace forge::paint
