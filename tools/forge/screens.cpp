// The screen pictures: title, menu cursor, difficulty labels, pause panel,
// and (through screens_story.cpp) the story pages.
#include <cmath>
#include <stdexcept>

#include "forge.h"
#include "screens_art.h"
#include "screens_story.h"

namespace forge {

namespace {

using namespace paint;
using namespace art;

const int SCREEN_W = 800;
const int SCREEN_H = 600;
const int SUPERSAMPLE = 3;

// Where the title screen's code draws the cursor and the difficulty label.
const int CURSOR_X = 461;
const int ROW_Y[4] = {302, 367, 435, 498};  // start, resume, difficulty, quit
const char* const ROW_TEXT[4] = {"START GAME", "RESUME GAME", "DIFFICULTY", "QUIT"};
const int CURSOR_W = 48;
const int CURSOR_H = 40;
const int ROW_TEXT_RIGHT = 450;  // menu text ends here, left of the cursor
const int LABEL_X = 685;
const int LABEL_Y = 444;
const int LABEL_W = 104;
const int LABEL_H = 30;

// Colours the pictures share.
const uint32_t NAVY = 0x0e1028;
const uint32_t PLATE = 0x101438;  // difficulty label background, also its plate on the title
const uint32_t PANEL_EDGE = 0x46c8ff;
const uint32_t GOLD = 0xffd040;

// The pause picture's transparent colour, fixed by the game's code.
const uint32_t PAUSE_KEY = 0xd67b7c;

Shader chrome(int top, int bottom) {
    return vertical(top, bottom,
                    {{0, rgb(255, 255, 220)},
                     {0.38, rgb(255, 214, 70)},
                     {0.5, rgb(255, 160, 40)},
                     {0.56, rgb(255, 250, 235)},
                     {0.7, rgb(255, 120, 60)},
                     {1, rgb(200, 30, 70)}});
}

// Big title lettering with a stepped extrusion behind it.
void logo(Image& img, const std::string& text, int px, int centre_x, int top) {
    Lettering l;
    l.font = "DejaVuSans-BoldOblique.ttf";
    l.px = px;
    l.outline = 4;
    l.edge = NAVY;
    l.shadow = 0;
    const Mask m = measure(l, text);
    const Mask edge = dilate(m, l.outline);
    const int x = centre_x - m.w / 2;
    const int depth = px / 10;
    for (int k = depth; k >= 1; --k)
        stamp(img, edge, x + k, top + k, solid(mix(rgb(90, 20, 90), NAVY, double(k) / depth)));
    letter(img, l, x, top, text, chrome(top + m.ink_top, top + m.ink_bottom));
}

void title_sky(Canvas& cv) {
    fill_rect(cv, 0, 0, SCREEN_W, SCREEN_H,
              vertical(0, SCREEN_H,
                       {{0, rgb(10, 12, 60)},
                        {0.3, rgb(40, 50, 150)},
                        {0.55, rgb(150, 90, 190)},
                        {0.75, rgb(255, 130, 140)},
                        {0.9, rgb(255, 200, 130)},
                        {1, rgb(255, 220, 160)}}));
    Rng rng(7);
    stars(cv, rng, 90, 230);
    glow(cv, {650, 420}, 330, rgb(255, 170, 90), 0.7);
    fill_ellipse(cv, {650, 420}, 70, 70,
                 radial({650, 420}, 70, {{0, rgb(255, 255, 230)}, {1, rgb(255, 210, 120)}}));
    for (int i = 0; i < 6; ++i) {
        cloud(cv, {rng.real(0, SCREEN_W), rng.real(250, 330)}, rng.real(30, 55), rgb(255, 190, 200),
              rgb(150, 90, 160), rng);
    }
}

void title_cloud_sea(Canvas& cv) {
    Rng rng(21);
    for (int row = 0; row < 3; ++row) {
        const double y = 480 + row * 45;
        const uint32_t light = mix(rgb(255, 215, 225), rgb(240, 180, 220), row * 0.4);
        const uint32_t dark = mix(rgb(170, 110, 180), rgb(110, 70, 150), row * 0.4);
        for (double x = -40 + row * 60; x < SCREEN_W + 80; x += rng.real(110, 160)) {
            cloud(cv, {x, y + rng.real(-10, 10)}, rng.real(60, 90), light, dark, rng);
        }
    }
}

void title_flight(Canvas& cv) {
    // A contrail from the Cloudpiercer's engines down through the clouds.
    const Place ship{{625, 215}, 100, 0.42};
    for (int side = -1; side <= 1; side += 2) {
        const Pt from = ship({side * 0.07, 1.0});
        const Pt to = {from.x - 330 + side * 20, from.y + 700};
        fill_poly(cv, {{from.x - 4, from.y}, {from.x + 4, from.y}, {to.x + 22, to.y}, {to.x - 22, to.y}},
                  along(from, to, {{0, rgb(255, 255, 255)}, {1, rgb(255, 200, 230)}}), 0.55);
    }
    cloudpiercer(cv, ship, 0.9);
    saucer(cv, {{120, 215}, 30, -0.15}, false);
    saucer(cv, {{205, 245}, 22, 0.1}, false);
    saucer(cv, {{60, 262}, 18, 0.05}, false);
}

void title_menu_panel(Canvas& cv) {
    fill_round_rect(cv, 176, 288, 360, 262, 16, solid(PANEL_EDGE), 0.9);
    fill_round_rect(cv, 179, 291, 354, 256, 14,
                    vertical(291, 547, {{0, rgb(20, 26, 80)}, {1, rgb(8, 10, 36)}}), 0.86);
    // The difficulty plate: a gold frame around the label's exact place.
    fill_round_rect(cv, LABEL_X - 8, LABEL_Y - 8, LABEL_W + 16, LABEL_H + 16, 8, solid(GOLD));
    fill_round_rect(cv, LABEL_X - 5, LABEL_Y - 5, LABEL_W + 10, LABEL_H + 10, 6, solid(NAVY));
    fill_rect(cv, LABEL_X, LABEL_Y, LABEL_W, LABEL_H, solid(PLATE));
    // Dotted guide from the difficulty row to its plate.
    const double y = ROW_Y[2] + CURSOR_H / 2.0 + 4;
    for (double x = 548; x < LABEL_X - 14; x += 14) {
        fill_poly(cv, {{x, y - 4}, {x + 4, y}, {x, y + 4}, {x - 4, y}}, solid(GOLD));
    }
}

void title_menu_text(Image& img) {
    Lettering l;
    l.px = 30;
    l.outline = 2;
    l.edge = NAVY;
    l.shadow = 2;
    const Mask cap = measure(l, "H");
    const int cap_middle = (cap.ink_top + cap.ink_bottom) / 2;
    for (int row = 0; row < 4; ++row) {
        const Mask m = measure(l, ROW_TEXT[row]);
        const int pad = l.outline + l.shadow + 1;
        const int x = ROW_TEXT_RIGHT - (m.w - 2 * pad) - pad;
        const int y = ROW_Y[row] + CURSOR_H / 2 - cap_middle;
        letter(img, l, x, y, ROW_TEXT[row],
               vertical(y + cap.ink_top, y + cap.ink_bottom,
                        {{0, rgb(255, 255, 255)}, {0.55, rgb(190, 235, 255)}, {1, rgb(90, 170, 255)}}));
    }
}

void hint_line(Image& img, const std::string& text, int centre_y) {
    Lettering l;
    l.px = 16;
    l.outline = 2;
    l.edge = NAVY;
    l.shadow = 0;
    const Mask m = measure(l, text);
    letter(img, l, SCREEN_W / 2 - m.w / 2, centre_y - (m.ink_top + m.ink_bottom) / 2, text,
           solid(rgb(255, 255, 255)));
}

void write_title(const std::string& out) {
    Canvas cv(SCREEN_W, SCREEN_H, SUPERSAMPLE, 0);
    title_sky(cv);
    title_flight(cv);
    title_cloud_sea(cv);
    title_menu_panel(cv);
    Image img = cv.resolve();
    logo(img, "CLOUDPIERCER", 84, SCREEN_W / 2, 22);
    title_menu_text(img);
    hint_line(img, "Arrows move \u2013 Left Ctrl selects / fires \u2013 Left Shift pauses \u2013 Esc quits",
              582);
    write_bmp16(out + "/bmp/titlescreen.bmp", img);
}

// The cursor is keyed on pure black, and the game's 16-bit display drops the
// low bits: every visible pixel must stay visible after that, and edges are
// hard (a blend toward black would turn into a dark fringe or a hole).
void write_cursor(const std::string& out) {
    const int ss = 4;
    Canvas cv(CURSOR_W, CURSOR_H, ss, 0);
    const Place ship{{25, 20}, 18, -PI / 2};
    fill_poly(cv, {ship({-0.09, 0.9}), ship({0.09, 0.9}), ship({0, 1.45})},
              along(ship({0, 0.9}), ship({0, 1.45}), {{0, rgb(255, 250, 210)}, {1, rgb(255, 110, 30)}}));
    cloudpiercer(cv, ship, 0, rgb(70, 210, 255));
    Image img(CURSOR_W, CURSOR_H, 0);
    for (int y = 0; y < CURSOR_H; ++y) {
        for (int x = 0; x < CURSOR_W; ++x) {
            int n = 0, r = 0, g = 0, b = 0;
            for (int j = 0; j < ss; ++j) {
                for (int i = 0; i < ss; ++i) {
                    const uint32_t c = cv.hi.at(x * ss + i, y * ss + j);
                    if (c == 0) continue;
                    ++n;
                    r += red(c);
                    g += green(c);
                    b += blue(c);
                }
            }
            if (n * 2 < ss * ss) continue;
            img.at(x, y) = rgb(std::max(r / n, 12), std::max(g / n, 12), std::max(b / n, 16));
        }
    }
    write_bmp(out + "/bmp/cursor.bmp", img);
}

void write_label(const std::string& out, const std::string& name, const std::string& text, uint32_t top,
                 uint32_t bottom) {
    Image img(LABEL_W, LABEL_H, PLATE);
    Lettering l;
    l.font = "DejaVuSansCondensed-Bold.ttf";
    l.px = 21;
    l.outline = 1;
    l.edge = 0x000000;
    l.shadow = 1;
    const Mask m = measure(l, text);
    const int x = LABEL_W / 2 - m.w / 2;
    const int y = LABEL_H / 2 - (m.ink_top + m.ink_bottom + 1) / 2;
    letter(img, l, x, y, text,
           vertical(y + m.ink_top, y + m.ink_bottom, {{0, shade(top, 1.4)}, {0.5, top}, {1, bottom}}));
    write_bmp16(out + "/bmp/" + name + ".bmp", img);
}

void write_pause(const std::string& out) {
    const int w = 440, h = 170;
    const int left = (SCREEN_W - w) / 2, top = (SCREEN_H - h) / 2;
    // The panel is painted on its own and pasted with hard edges, so nothing
    // blends toward the transparent colour.
    Canvas cv(w, h, SUPERSAMPLE, GOLD);
    fill_rect(cv, 4, 4, w - 8, h - 8, solid(NAVY));
    fill_rect(cv, 7, 7, w - 14, h - 14, vertical(7, h - 7, {{0, rgb(26, 34, 100)}, {1, rgb(10, 12, 44)}}));
    Image panel = cv.resolve();
    Lettering l;
    l.px = 60;
    l.outline = 3;
    l.edge = NAVY;
    l.shadow = 3;
    const Mask m = measure(l, "PAUSED");
    const int y = 22;
    letter(panel, l, w / 2 - m.w / 2, y, "PAUSED",
           vertical(y + m.ink_top, y + m.ink_bottom,
                    {{0, rgb(255, 255, 225)},
                     {0.45, rgb(255, 220, 80)},
                     {0.55, rgb(255, 250, 240)},
                     {1, rgb(255, 170, 40)}}));
    const std::string hint = "Press Left Shift to continue";
    draw_text(panel, "DejaVuSans-Bold.ttf", 21, w / 2 - text_width("DejaVuSans-Bold.ttf", 21, hint) / 2, 112,
              hint, rgb(200, 235, 255));

    Image img(SCREEN_W, SCREEN_H, PAUSE_KEY);
    for (int yy = 0; yy < h; ++yy) {
        for (int xx = 0; xx < w; ++xx) {
            const uint32_t c = panel.at(xx, yy);
            const int near = std::abs(red(c) - red(PAUSE_KEY)) + std::abs(green(c) - green(PAUSE_KEY)) +
                             std::abs(blue(c) - blue(PAUSE_KEY));
            if (near < 48) throw std::runtime_error("pause panel colour too close to the transparent colour");
            img.at(left + xx, top + yy) = c;
        }
    }
    write_bmp(out + "/bmp/paused.bmp", img);
}

}  // namespace

void forge_screens(const std::string& src, const std::string& out) {
    write_title(out);
    write_cursor(out);
    write_label(out, "easy", "EASY", rgb(120, 255, 120), rgb(20, 170, 60));
    write_label(out, "normal", "NORMAL", rgb(255, 230, 90), rgb(230, 140, 20));
    write_label(out, "hard", "HARD", rgb(255, 120, 110), rgb(210, 20, 50));
    write_pause(out);
    write_story_pages(src, out);
}

}  // namespace forge
