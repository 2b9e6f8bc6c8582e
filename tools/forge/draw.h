// Vector drawing for the forge: shapes given by signed distance, antialiased
// painting with shading onto a float canvas, noise, and the conversion of a
// canvas to the game's black-keyed pictures.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forge.h"

namespace forge::draw {

// ---- numbers and points ----

inline double clamp(double v, double lo, double hi) {
    return v < lo ? lo : v > hi ? hi : v;
}
inline double clamp01(double v) {
    return clamp(v, 0.0, 1.0);
}
inline double mix(double a, double b, double t) {
    return a + (b - a) * t;
}
double smoothstep(double edge0, double edge1, double x);

constexpr double PI = 3.14159265358979323846;

struct Vec {
    double x = 0;
    double y = 0;
};
inline Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, double s) {
    return {a.x * s, a.y * s};
}
inline double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
double length(Vec v);
Vec normalized(Vec v);
Vec rotated(Vec v, double radians);
inline Vec lerp(Vec a, Vec b, double t) {
    return a + (b - a) * t;
}

// ---- colours (0..255 per channel, unclamped while mixing) ----

struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
};
Colour hex(uint32_t rrggbb);
inline Colour operator*(Colour c, double s) {
    return {c.r * s, c.g * s, c.b * s};
}
inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Colour mix(Colour a, Colour b, double t);
Colour lighter(Colour c, double t);  // t of the way to white
Colour darker(Colour c, double t);   // t of the way to black
// Light factor f: 1 leaves c alone, above 1 washes toward white, below darkens.
Colour shade(Colour c, double f);
// A dark, slightly blue-tinted version of c for outlines; never keyed away.
Colour ink(Colour c);

const Colour WHITE{255, 255, 255};

// ---- shapes ----

struct Box {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
};
Box united(Box a, Box b);

// A region of the plane: negative distance inside, positive outside, in
// pixels. `bounds` holds every point closer than 2 pixels to the region.
struct Shape {
    std::function<double(Vec)> distance;
    Box bounds;
    double operator()(Vec p) const { return distance(p); }
};

Shape circle(Vec centre, double r);
Shape ellipse(Vec centre, double rx, double ry);
Shape rect(Vec centre, Vec half_size, double corner_radius = 0);
Shape polygon(std::vector<Vec> points);
Shape capsule(Vec a, Vec b, double r);
// A limb that narrows from radius ra at a to rb at b.
Shape taper(Vec a, double ra, Vec b, double rb);
Shape ring(Vec centre, double r, double half_width);
// A star of `points` spikes reaching r_out, with r_in at the notches.
Shape star(Vec centre, double r_out, double r_in, int points, double radians = 0);
// A part of a ring: the band of half_width around the circle of radius r,
// between the angles a0 and a1 (radians, clockwise from the +x axis on screen).
Shape arc(Vec centre, double r, double half_width, double a0, double a1);

Shape operator|(const Shape& a, const Shape& b);  // union
Shape operator&(const Shape& a, const Shape& b);  // intersection
Shape operator-(const Shape& a, const Shape& b);  // a with b cut out
Shape smooth_union(const Shape& a, const Shape& b, double k);
Shape grown(const Shape& s, double by);  // negative shrinks
Shape moved(const Shape& s, Vec by);
Shape turned(const Shape& s, Vec pivot, double radians);
Shape mirrored(const Shape& s, double axis_x);  // s and its reflection in x = axis_x
Shape everywhere(Box bounds);

// A full outline from the right half of a left-right symmetric figure: the
// points run from the top of the centre line down the right side, as offsets
// from the centre line; the mirror image closes the figure.
std::vector<Vec> symmetric(double centre_x, const std::vector<Vec>& right_half);
std::vector<Vec> mirror_points(double axis_x, const std::vector<Vec>& pts);

// ---- painting ----

// Premultiplied colour and coverage for each pixel; pixel (x, y) covers the
// square from (x, y) to (x + 1, y + 1).
class Canvas {
  public:
    Canvas(int width, int height);
    int width() const { return w_; }
    int height() const { return h_; }
    double alpha(int x, int y) const { return a_[idx(x, y)]; }
    Colour colour(int x, int y) const;  // unpremultiplied
    // Source-over: c with coverage a on top of what is there.
    void over(int x, int y, Colour c, double a);
    // Like over, but only where something is painted already, leaving the
    // coverage as it was: details never change a sprite's silhouette.
    void atop(int x, int y, Colour c, double a);
    // Lowers the coverage by a: cuts holes (glass, gaps).
    void erase(int x, int y, double a);
    // Paints another canvas on top, its top-left at (dx, dy).
    void draw(const Canvas& top, int dx, int dy);

  private:
    size_t idx(int x, int y) const { return size_t(y) * size_t(w_) + size_t(x); }
    int w_;
    int h_;
    std::vector<Colour> c_;
    std::vector<double> a_;
};

// What a paint sees at one pixel: its centre, the signed distance to the
// shape's edge and the outward normal of the edge nearest to it.
struct Frag {
    Vec p;
    double d = 0;
    Vec n;
};

struct Paint {
    std::function<Colour(const Frag&)> at;
    bool uses_normal = false;
    Paint(Colour c);  // NOLINT: a plain colour is the common paint
    Paint(std::function<Colour(const Frag&)> f, bool normal = false)
        : at(std::move(f)), uses_normal(normal) {}
};

Paint linear(Vec p0, Colour c0, Vec p1, Colour c1);
Paint radial(Vec centre, double r, Colour inner, Colour outer);
// Pillow shading, lit from the top-left: the rim within `bevel` pixels of the
// edge rounds over; `shine` adds a glossy glint; `depth` scales the shading
// (below 1 for soft, pale things).
Paint lit(const Paint& base, double bevel, double shine = 0.3, double depth = 1);

enum class Mode { Over, Atop };

void fill(Canvas& cv, const Shape& s, const Paint& paint, double opacity = 1, Mode mode = Mode::Over);
// Like fill, but the edge fades out over `feather` pixels: for soft things
// such as clouds, flattened with a dithered edge.
void fill_soft(Canvas& cv, const Shape& s, const Paint& paint, double feather, double opacity = 1);
// The shape grown by `width` in `colour`, then the shape itself: the arcade
// look of a dark outline around a shaded body.
void fill_outlined(Canvas& cv, const Shape& s, const Paint& paint, Colour outline, double width = 1.5);
// A band of the given width centred on the shape's edge.
void stroke(Canvas& cv, const Shape& s, double width, const Paint& paint, double opacity = 1,
            Mode mode = Mode::Over);
// A soft round light: coverage `strength` at the centre falling to 0 at r.
void glow(Canvas& cv, Vec centre, double r, Colour colour, double strength = 1, Mode mode = Mode::Over);
// Text in a DejaVu font, top-left at (x, y); returns the advance width.
int text(Canvas& cv, const std::string& font, int px_size, double x, double y, const std::string& utf8,
         Colour colour, Mode mode = Mode::Over);

// ---- noise and chance ----

// Smooth value noise in 0..1 on a unit lattice; the same seed gives the same field.
double noise(double x, double y, uint32_t seed);
double noise(double x, double y, double z, uint32_t seed);
// Sum of `octaves` noise layers, each twice as fine and half as strong; 0..1.
double fbm(double x, double y, int octaves, uint32_t seed);
double fbm(double x, double y, double z, int octaves, uint32_t seed);

// A small fixed-seed generator, so every run forges the same pictures.
class Rng {
  public:
    explicit Rng(uint64_t seed) : s_(seed * 2862933555777941757ULL + 3037000493ULL) {}
    uint32_t next();
    double uniform();  // 0..1
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

  private:
    uint64_t s_;
};

// ---- output ----

// How partial coverage becomes the all-or-nothing of a black-keyed picture.
enum class Edge {
    Hard,     // half covered or more shows: crisp silhouettes
    Dithered  // an ordered dither of the coverage: soft glows and smoke
};

// A visible colour that stays visible on the game's 16-bit display, where
// anything that loses all its bits to 5-6-5 would turn into the black key.
uint32_t key_safe(Colour c);
// The canvas as a picture with pure black where nothing shows.
Image keyed(const Canvas& cv, Edge edge = Edge::Hard);
// Fills enclosed flecks of black no larger than max_area pixels with the
// colour around them: slivers between overlapping parts would otherwise be
// see-through holes in a sprite's hit shape.
void close_pinholes(Image& img, int max_area);

}  // namespace forge::draw
