// HUD pictures: the shield gauge in its three moods, the shield energy bar,
// the spare-life icon, the score digits and the boss energy bar.
#include <cmath>

#include "backdrops_kit.h"

namespace forge::backdrop {

namespace {

constexpr float PI = 3.14159265f;

// The gauge frame is drawn at (6, 530) and the bar at (6, 563), so in frame
// pixels the bar's window starts 33 rows down at the left edge.
constexpr int GAUGE_W = 260, GAUGE_H = 67;
constexpr int BAR_X = 0, BAR_Y = 33, BAR_W = 256, BAR_H = 32;
constexpr int RAIL_TOP = BAR_Y - 3;                      // rail above the window, 3 rows
constexpr int RAIL_BOTTOM = BAR_Y + BAR_H;               // rail below it, 2 rows
constexpr int CAP_X = BAR_X + BAR_W;                     // right-hand cap, to the frame's edge
constexpr int TAB_TOP = 5, TAB_W = 118, TAB_SLANT = 12;  // the label tab
constexpr int SHIELD_STEP = 64;                          // bar pixels per shield point

constexpr int DIGIT = 24;  // one score digit's cell
constexpr int BOSS_BAR_W = 800, BOSS_BAR_H = 16;
constexpr int BOSS_LABEL_W = 52;  // the lettered plate at the bar's left end

// The bar's colour along its length: red when nearly empty, through amber
// and yellow, to green at full shields.
Rgb bar_colour(float x) {
    static const Rgb STOPS[] = {
        {228, 40, 32}, {250, 128, 30}, {244, 214, 48}, {120, 222, 60}, {60, 226, 150}};
    const float t = std::fmin(std::fmax(x / float(SHIELD_STEP), 0.f), 3.999f);
    const int i = int(t);
    return mix(STOPS[i], STOPS[i + 1], t - float(i));
}

// Light across a rounded tube, top lit: 0 at the top row .. 1 at the bottom.
Rgb tube(Rgb c, float t) {
    const float body = 0.55f + 0.55f * std::pow(std::sin(PI * (0.15f + 0.85f * t)), 0.6f);
    const float gleam = std::exp(-std::pow((t - 0.24f) / 0.09f, 2.f));
    return mix(c * body, Rgb{255, 255, 240}, 0.55f * gleam);
}

void forge_shield_bar(const std::string& out) {
    Image img(BAR_W, BAR_H);
    for (int y = 0; y < BAR_H; ++y)
        for (int x = 0; x < BAR_W; ++x) {
            const float t = (float(y) + 0.5f) / BAR_H;
            Rgb c = tube(bar_colour(float(x) + 0.5f), t);
            if (x % 8 == 7) c = c * 0.6f;                                    // segment gaps
            if (y == 0 || y == BAR_H - 1) c = bar_colour(float(x)) * 0.35f;  // dark edge
            // Rounded left end (black is transparent here).
            const int cx = 4 - x, cy = y < 4 ? 4 - y : y - (BAR_H - 5);
            if (x < 4 && cy > 0 && cx * cx + cy * cy > 17) continue;
            img.at(x, y) = pack(c);
        }
    make_key_safe(img);
    write_bmp(out + "/bmp/shieldbar.bmp", img);
}

// One mood of the gauge: its metal, its glow and a marker of which way the
// bar is moving (+1 filling, -1 draining, 0 steady).
struct GaugeMood {
    Rgb metal;  // rails and tab
    Rgb glow;   // lit parts: label, lamp, rail edge
    int movement;
    const char* file;
};

void draw_rail(Image& img, int x0, int y0, int w, int h, const GaugeMood& mood) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            // Top-left edges catch the light; bottom-right ones fall into shade.
            const bool lit = y == y0 || x == x0;
            const bool shaded = y == y0 + h - 1 || x == x0 + w - 1;
            const Rgb c = lit ? mix(mood.metal, mood.glow, 0.6f) : shaded ? mood.metal * 0.55f : mood.metal;
            if (img.inside(x, y)) img.at(x, y) = pack(c);
        }
}

void draw_tab(Image& img, const GaugeMood& mood) {
    for (int y = TAB_TOP; y < RAIL_TOP; ++y) {
        const float t = float(y - TAB_TOP) / float(RAIL_TOP - TAB_TOP);
        const int right = TAB_W + int(float(TAB_SLANT) * t);  // the right side leans out
        for (int x = 0; x <= right; ++x) {
            Rgb c = mix(mood.metal * 1.1f, mood.metal * 0.55f, t);
            if (y == TAB_TOP || x == 0) c = mix(mood.metal, mood.glow, 0.55f);
            if (x >= right - 1) c = mood.metal * 0.45f;
            img.at(x, y) = pack(c);
        }
    }
}

void draw_label(Image& img, const GaugeMood& mood) {
    Shape label(GAUGE_W, GAUGE_H, 4);
    label.add_text("DejaVuSans-Bold.ttf", 15, 62, float(TAB_TOP + RAIL_TOP) / 2 + 0.5f, "SHIELDS");
    label.finish();
    Letters style;
    style.top = mix(mood.glow, Rgb{255, 255, 255}, 0.7f);
    style.middle = mix(mood.glow, Rgb{255, 255, 255}, 0.3f);
    style.bottom = mood.glow;
    style.y0 = TAB_TOP + 6;
    style.y1 = RAIL_TOP - 6;
    style.outline = mood.metal * 0.35f;
    style.outline_width = 1.2f;
    style.bevel = 0.3f;
    style.bevel_width = 1.5f;
    paint_letters(img, label, style);
}

// A round lamp at the tab's left: bright in the moving moods.
void draw_lamp(Image& img, const GaugeMood& mood) {
    const float cx = 11, cy = float(TAB_TOP + RAIL_TOP) / 2;
    const Rgb lit = mood.movement ? mood.glow : mood.glow * 0.55f;
    for (int y = int(cy) - 5; y <= int(cy) + 5; ++y)
        for (int x = int(cx) - 5; x <= int(cx) + 5; ++x) {
            const float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d > 4.6f) continue;
            Rgb c = d > 3.4f ? mood.metal * 0.4f
                             : mix(lit, Rgb{255, 255, 255}, clamp01(0.8f - 0.3f * (dx + dy + 3)));
            img.at(x, y) = pack(c);
        }
}

// Right of the tab: chevrons that point the way the bar moves, or a row of
// dim studs while it rests.
void draw_arrows(Image& img, const GaugeMood& mood) {
    const int x0 = TAB_W + TAB_SLANT + 10, mid = (TAB_TOP + RAIL_TOP) / 2;
    for (int k = 0; k < 7; ++k) {
        const int ax = x0 + k * 16;
        if (mood.movement == 0) {
            for (int y = mid - 1; y <= mid + 1; ++y)
                for (int x = ax + 4; x <= ax + 6; ++x)
                    img.at(x, y) = pack(x == ax + 4 || y == mid - 1 ? mood.metal * 1.3f : mood.metal * 0.8f);
            continue;
        }
        // Chevrons fade toward the tail so they read as motion.
        const float fade = mood.movement > 0 ? 0.35f + 0.65f * float(k) / 6 : 1 - 0.65f * float(k) / 6;
        for (int y = -6; y <= 6; ++y)
            for (int t = 0; t < 4; ++t) {
                const int x = mood.movement > 0 ? ax + t + (6 - std::abs(y)) : ax + t + std::abs(y);
                img.at(x, mid + y) = pack(mood.glow * (fade * (t == 0 ? 1.15f : 0.9f)));
            }
    }
}

void forge_gauge(const std::string& out, const GaugeMood& mood) {
    Image img(GAUGE_W, GAUGE_H);
    draw_tab(img, mood);
    draw_rail(img, 0, RAIL_TOP, GAUGE_W, 3, mood);
    draw_rail(img, 0, RAIL_BOTTOM, GAUGE_W, GAUGE_H - RAIL_BOTTOM, mood);
    draw_rail(img, CAP_X, RAIL_TOP, GAUGE_W - CAP_X, GAUGE_H - RAIL_TOP, mood);
    draw_rail(img, 0, RAIL_TOP, 2, GAUGE_H - RAIL_TOP, mood);
    // Bright ticks on the top rail mark each whole shield point.
    for (int s = 1; s < BAR_W / SHIELD_STEP; ++s)
        for (int y = RAIL_TOP; y < BAR_Y; ++y)
            for (int x = -1; x <= 0; ++x)
                img.at(BAR_X + s * SHIELD_STEP + x, y) = pack(x < 0 ? mood.glow : mood.metal * 0.6f);
    draw_lamp(img, mood);
    draw_label(img, mood);
    draw_arrows(img, mood);
    make_key_safe(img);
    write_bmp(out + "/bmp/" + mood.file, img);
}

// A tiny fighter seen from above, nose up, lit from the top left.
void forge_life_icon(const std::string& out) {
    static const char* const ART[16] = {
        ".......WS.......",  //
        ".......WS.......",  //
        "......WCcS......",  //
        "......WCcS......",  //
        "......WRRS......",  //
        ".....BWRRSb.....",  //
        "....BBWRRSbb....",  //
        "...BBBWRRSbbb...",  //
        "..BBBBWRRSbbbb..",  //
        ".YBBBBWRRSbbbbY.",  //
        ".YBBBGWRRSGbbbY.",  //
        ".Y...GWRRSG...Y.",  //
        ".....GGSSGG.....",  //
        ".....G.SS.G.....",  //
        ".....o....o.....",  //
        ".....O....O.....",  //
    };
    Image img(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            Rgb c;
            switch (ART[y][x]) {
                case 'W':
                    c = {238, 242, 250};
                    break;
                case 'S':
                    c = {160, 168, 186};
                    break;
                case 'C':
                    c = {150, 224, 255};
                    break;
                case 'c':
                    c = {40, 120, 200};
                    break;
                case 'R':
                    c = {214, 44, 44};
                    break;
                case 'B':
                    c = {86, 128, 232};
                    break;
                case 'b':
                    c = {44, 66, 164};
                    break;
                case 'Y':
                    c = {250, 212, 64};
                    break;
                case 'G':
                    c = {124, 128, 142};
                    break;
                case 'o':
                    c = {255, 206, 90};
                    break;
                case 'O':
                    c = {255, 124, 36};
                    break;
                default:
                    continue;
            }
            img.at(x, y) = pack(c);
        }
    make_key_safe(img);
    write_bmp(out + "/bmp/pcicon.bmp", img);
}

void forge_digits(const std::string& out) {
    Image strip(DIGIT * 10, DIGIT);
    Letters gold;
    gold.top = {255, 252, 210};
    gold.middle = {255, 214, 90};
    gold.bottom = {236, 132, 36};
    gold.y0 = 3;
    gold.y1 = 21;
    gold.outline = {70, 34, 16};
    gold.outline_width = 1.5f;
    gold.bevel = 0.35f;
    gold.bevel_width = 1.5f;
    for (int d = 0; d < 10; ++d) {
        // Each digit is set in its own cell so none can spill into the next.
        Shape shape(DIGIT, DIGIT, 4);
        shape.add_text("DejaVuSans-Bold.ttf", 26, DIGIT / 2.f, DIGIT / 2.f, std::string(1, char('0' + d)));
        shape.finish();
        Image cell(DIGIT, DIGIT);
        paint_letters(cell, shape, gold);
        for (int y = 0; y < DIGIT; ++y)
            for (int x = 0; x < DIGIT; ++x) strip.at(d * DIGIT + x, y) = cell.at(x, y);
    }
    make_key_safe(strip);
    write_bmp(out + "/bmp/numbers.bmp", strip);
}

// Shown cropped from the left to the boss's hit points: deep red at the
// left (nearly beaten) warming to orange at full strength.
void forge_boss_bar(const std::string& out) {
    Image img(BOSS_BAR_W, BOSS_BAR_H);
    for (int y = 0; y < BOSS_BAR_H; ++y)
        for (int x = 0; x < BOSS_BAR_W; ++x) {
            const float along = float(x) / BOSS_BAR_W;
            const Rgb base = along < 0.5f ? mix(Rgb{176, 18, 24}, Rgb{232, 52, 30}, along * 2)
                                          : mix(Rgb{232, 52, 30}, Rgb{252, 150, 40}, along * 2 - 1);
            Rgb c = tube(base, (float(y) + 0.5f) / BOSS_BAR_H);
            if (x % 16 == 15) c = c * 0.7f;
            if (y == 0) c = mix(base, Rgb{255, 230, 190}, 0.6f);  // bright top edge
            if (y == BOSS_BAR_H - 1) c = base * 0.3f;
            img.at(x, y) = pack(c);
        }
    // Lettered at its left end, where it stays in view until the boss is
    // nearly beaten: a red strip alone says nothing about what it measures.
    Image plate(BOSS_LABEL_W, BOSS_BAR_H);
    for (int y = 0; y < BOSS_BAR_H; ++y)
        for (int x = 0; x < BOSS_LABEL_W; ++x) {
            Rgb c = tube(Rgb{70, 14, 30}, (float(y) + 0.5f) / BOSS_BAR_H);
            if (x >= BOSS_LABEL_W - 2) c = Rgb{255, 214, 150} * (x == BOSS_LABEL_W - 1 ? 0.5f : 1.f);
            plate.at(x, y) = pack(c);
        }
    Shape label(BOSS_LABEL_W, BOSS_BAR_H, 4);
    label.add_text("DejaVuSans-Bold.ttf", 13, float(BOSS_LABEL_W - 2) / 2, float(BOSS_BAR_H) / 2, "BOSS",
                   0.15f);
    label.finish();
    Letters style;
    style.top = {255, 250, 226};
    style.middle = {255, 222, 140};
    style.bottom = {250, 170, 70};
    style.y0 = 2;
    style.y1 = BOSS_BAR_H - 2;
    style.outline = {40, 6, 14};
    style.outline_width = 1.2f;
    style.bevel = 0.3f;
    style.bevel_width = 1.2f;
    paint_letters(plate, label, style);
    for (int y = 0; y < BOSS_BAR_H; ++y)
        for (int x = 0; x < BOSS_LABEL_W; ++x) img.at(x, y) = plate.at(x, y);
    write_bmp16(out + "/bmp/thebosshp.bmp", img);
}

}  // namespace

void forge_hud(const std::string& out) {
    forge_shield_bar(out);
    forge_gauge(out, GaugeMood{{64, 92, 140}, {130, 200, 255}, 0, "shields.bmp"});
    forge_gauge(out, GaugeMood{{40, 110, 60}, {110, 255, 120}, +1, "shieldsgreen.bmp"});
    forge_gauge(out, GaugeMood{{120, 36, 32}, {255, 96, 80}, -1, "shieldsred.bmp"});
    forge_life_icon(out);
    forge_digits(out);
    forge_boss_bar(out);
}

}  // namespace forge::backdrop
