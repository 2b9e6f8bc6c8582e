// Painting for the screen pictures: a supersampled canvas with filled shapes,
// gradients, glows and noise, plus outlined display text and word wrapping.
#pragma once

#include <cstdint>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "forge.h"

namespace forge::paint {

inline constexpr double PI = std::numbers::pi;

struct Pt {
    double x = 0;
    double y = 0;
};

// Colour of a fill at a point, in final-picture pixels.
using Shader = std::function<uint32_t(double x, double y)>;

// A drawing surface held at `ss` times the final size; every shape is given in
// final pixels and resolve() averages the samples down, which smooths edges.
struct Canvas {
    int w = 0;
    int h = 0;
    int ss = 1;
    Image hi;

    Canvas(int width, int height, int supersample, uint32_t fill);
    Image resolve() const;
};

uint32_t mix(uint32_t a, uint32_t b, double t);
// f below 1 darkens toward black, above 1 lightens toward white.
uint32_t shade(uint32_t c, double f);

struct Stop {
    double t;
    uint32_t c;
};
uint32_t ramp(const std::vector<Stop>& stops, double t);

Shader solid(uint32_t c);
Shader vertical(double y0, double y1, std::vector<Stop> stops);
Shader along(Pt a, Pt b, std::vector<Stop> stops);
Shader radial(Pt centre, double r, std::vector<Stop> stops);

void fill_rect(Canvas& cv, double x, double y, double w, double h, const Shader& s, double alpha = 1);
void fill_ellipse(Canvas& cv, Pt c, double rx, double ry, const Shader& s, double alpha = 1);
void fill_poly(Canvas& cv, const std::vector<Pt>& pts, const Shader& s, double alpha = 1);
void fill_round_rect(Canvas& cv, double x, double y, double w, double h, double r, const Shader& s,
                     double alpha = 1);
void line(Canvas& cv, Pt a, Pt b, double width, const Shader& s, double alpha = 1);
// Additive light falling off from the centre.
void glow(Canvas& cv, Pt c, double r, uint32_t colour, double strength);
// Keeps only what lies inside the ellipse from here on: used for planets.
void fill_ellipse_where(Canvas& cv, Pt c, double rx, double ry,
                        const std::function<bool(double x, double y)>& keep, const Shader& s,
                        double alpha = 1);

std::vector<Pt> ellipse_pts(Pt c, double rx, double ry, double turn = 0, int n = 64);
// Rounds the corners of a closed outline (corner cutting, `passes` times).
std::vector<Pt> smooth(const std::vector<Pt>& pts, int passes = 2);
// A closed outline from its right half (x >= 0, listed top to bottom), mirrored.
std::vector<Pt> mirrored(const std::vector<Pt>& half);

// Places a shape drawn around (0, 0): scaled by `size`, turned by `turn`
// radians (clockwise on screen), moved to `at`.
struct Place {
    Pt at;
    double size = 1;
    double turn = 0;
    Pt operator()(Pt p) const;
    std::vector<Pt> operator()(const std::vector<Pt>& pts) const;
};

// Small deterministic generator so that every run writes the same bytes.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed * 2654435761u + 12345u) {}
    uint32_t next();
    double real(double lo, double hi);
};

// Smooth value noise in 0..1 and a few octaves of it.
double noise(double x, double y, uint32_t seed);
double fbm(double x, double y, uint32_t seed, int octaves = 4);

// Grey coverage of one line of text.
struct Mask {
    int w = 0;
    int h = 0;
    std::vector<uint8_t> a;
    int ink_top = 0;  // first and last rows with ink
    int ink_bottom = 0;
    int at(int x, int y) const {
        return x < 0 || y < 0 || x >= w || y >= h ? 0 : a[size_t(y) * size_t(w) + size_t(x)];
    }
};
Mask text_mask(const std::string& font, int px, const std::string& text, int pad);
Mask dilate(const Mask& m, int r);
void stamp(Image& img, const Mask& m, int x, int y, const Shader& s, double alpha = 1);

// Display text: drop shadow, dark outline, then the fill. (x, y) is the mask's
// top-left corner; returns the mask so callers can measure it.
struct Lettering {
    std::string font = "DejaVuSans-Bold.ttf";
    int px = 24;
    int outline = 2;
    uint32_t edge = 0x000000;
    int shadow = 2;
    double shadow_alpha = 0.6;
};
Mask letter(Image& img, const Lettering& l, int x, int y, const std::string& text, const Shader& fill);
// Width and height of the lettering's mask and its ink centre row.
Mask measure(const Lettering& l, const std::string& text);

// Greedy word wrap into lines no wider than `width`.
std::vector<std::string> wrap(const std::string& font, int px, const std::string& text, int width);

}  // namespace forge::paint
