// Painting tools of the backdrop part of the forge: colours, noise that wraps
// round a tile, height-lit tiles, styled lettering for the HUD and notices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forge.h"

namespace forge::backdrop {

// ---- colour -----------------------------------------------------------------

struct Rgb {
    float r = 0, g = 0, b = 0;
};

Rgb hex(uint32_t c);
Rgb mix(Rgb a, Rgb b, float t);
inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator*(Rgb a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r / 255.f, a.g * b.g / 255.f, a.b * b.b / 255.f};
}
uint32_t pack(Rgb c);
float luma(Rgb c);

float clamp01(float v);
float smoothstep(float edge0, float edge1, float x);
float lerp(float a, float b, float t);

// ---- chance and noise -------------------------------------------------------

uint32_t hash3(uint32_t a, uint32_t b, uint32_t c);

// Fixed-seed generator, so every run of the forge paints the same pictures.
struct Rng {
    uint64_t state;
    explicit Rng(uint64_t seed);
    uint32_t next();
    float unit();  // [0, 1)
    float range(float lo, float hi);
    int below(int n);
};

// Gradient noise that repeats every `period` lattice cells; about [-0.7, 0.7].
float wrap_noise(float x, float y, int period, uint32_t seed);
// Fractal noise over the unit square (u, v in tile fractions) that joins
// seamlessly at the edges; about [0, 1].
float wrap_fbm(float u, float v, int base_period, int octaves, uint32_t seed, float gain = 0.5f);

// Distance to the nearest border of a jittered grid of cells `cell` pixels
// wide (a tile holds a whole number of them, so it wraps); cracks, tiles.
float cell_edge(float x, float y, int cell, uint32_t seed);

int wrap(int v, int n);
// Shortest signed distance from b to a on a ring of length n.
float ring_delta(float a, float b, float n);

// ---- tiles ------------------------------------------------------------------

// The side of a background tile; the game scrolls a grid of them.
constexpr int TILE = 256;

// A float plane the size of a tile, read with wrap-around.
struct Plane {
    int w, h;
    std::vector<float> v;
    Plane(int width, int height, float fill = 0)
        : w(width), h(height), v(size_t(width) * size_t(height), fill) {}
    float& at(int x, int y) { return v[size_t(wrap(y, h)) * size_t(w) + size_t(wrap(x, w))]; }
    float get(int x, int y) const { return v[size_t(wrap(y, h)) * size_t(w) + size_t(wrap(x, w))]; }
};

struct Canvas {
    int w, h;
    std::vector<Rgb> px;
    Canvas(int width, int height, Rgb fill = {})
        : w(width), h(height), px(size_t(width) * size_t(height), fill) {}
    Rgb& at(int x, int y) { return px[size_t(wrap(y, h)) * size_t(w) + size_t(wrap(x, w))]; }
    Rgb get(int x, int y) const { return px[size_t(wrap(y, h)) * size_t(w) + size_t(wrap(x, w))]; }
};

// How a tile's relief is lit: sun from the top left, shadows thrown down-right.
struct Light {
    float relief = 1.0f;            // slope exaggeration
    float contrast = 0.55f;         // how much slopes brighten or darken
    float shadow = 0.62f;           // brightness left in a cast shadow
    Rgb shadow_tint{96, 104, 140};  // shadows lean to the sky's colour
    float sun_height = 0.9f;        // rise of the sun per pixel of run, for shadows
};

Canvas light_tile(const Canvas& albedo, const Plane& height, const Light& light);
// Pulls colours toward the tile's mean so sprites stay readable on top.
void soften(Canvas& c, float contrast, float saturation);
// Colour grade: multiply, then lift toward a tint.
void grade(Canvas& c, Rgb multiply, Rgb tint, float tint_amount);
Image to_image(const Canvas& c);

// ---- keyed pictures ---------------------------------------------------------

// Black is transparent in keyed pictures, also after the drop to 16-bit
// colour; lifts any non-black colour clear of that.
uint32_t key_safe(uint32_t c);
void make_key_safe(Image& img);

// ---- lettering and shapes ---------------------------------------------------

// A shape drawn at `ss` times the picture's size, turned into a signed distance
// (in picture pixels, negative inside) sampled ss x ss times per pixel.
struct Shape {
    int w, h, ss;
    std::vector<uint8_t> ink;                  // ss-times-larger mask
    std::vector<float> sd;                     // filled by finish()
    std::vector<float> lowest, highest, mean;  // per picture pixel, over its samples

    Shape(int width, int height, int supersample = 4);
    // Text centred (by its ink) on (cx, cy); `slant` shears it to the right.
    void add_text(const std::string& font, int px_size, float cx, float cy, const std::string& text,
                  float slant = 0);
    // Any shape given as an inside test in picture pixels.
    template <class Inside>
    void add(Inside inside) {
        for (int y = 0; y < h * ss; ++y)
            for (int x = 0; x < w * ss; ++x)
                if (inside((float(x) + 0.5f) / float(ss), (float(y) + 0.5f) / float(ss)))
                    ink[size_t(y) * size_t(w * ss) + size_t(x)] = 1;
    }
    void finish();
    // Fraction of the pixel lying closer than r to the ink (r < 0 is inside).
    float cover(int x, int y, float r) const;
    // Mean signed distance over the pixel and the outward direction there.
    float dist(int x, int y) const;
    void outward(int x, int y, float& nx, float& ny) const;
};

// How lettering is coloured: a vertical fill gradient, a bevel lit from the top
// left, an inner rim and a dark outline; pixels outside the outline stay black.
struct Letters {
    Rgb top, middle, bottom;  // fill from the ink's top to its bottom
    float y0 = 0, y1 = 1;     // rows of the gradient's ends
    bool split = false;       // chrome: the lower half starts again from `lower`
    Rgb lower;
    Rgb rim{255, 255, 255};  // thin bright line just inside the outline
    float rim_width = 0;
    Rgb outline{24, 16, 40};
    float outline_width = 2;
    float bevel_width = 3;  // inner band that catches the light
    float bevel = 0.5f;
    Rgb shadow{20, 14, 30};  // hard drop shadow down-right
    int shadow_dx = 0, shadow_dy = 0;
};

// Paints the shape with the style onto img (only where it lands).
void paint_letters(Image& img, const Shape& shape, const Letters& style);

// ---- the pieces of the backdrop part ------------------------------------------

// Each writes its pictures under out + "/bmp/".
void forge_land_tiles(const std::string& out);   // rural, rural2, sand, sand2
void forge_sea_tiles(const std::string& out);    // water, water2
void forge_space_tiles(const std::string& out);  // openspace, lvl1bossbg
void forge_hud(const std::string& out);          // shield gauge, bar, lives, digits, boss bar
void forge_notices(const std::string& out);      // shields low, game over, speed up

}  // namespace forge::backdrop
