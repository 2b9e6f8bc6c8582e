// The pictures of the player's controls: the controls screen, the help
// page, the title's footer naming F1 and F2, and the letter strip the game
// writes key names and numbers with. Their places are fixed by the game's
// code in controls/.
#include <string>

#include "forge.h"
#include "screens_art.h"
#include "screens_paint.h"

namespace forge {

namespace {

using namespace paint;
using namespace art;

const int SCREEN_W = 800;
const int SCREEN_H = 600;
const int SUPERSAMPLE = 3;

const uint32_t NAVY = 0x0e1028;
const uint32_t PANEL_EDGE = 0x46c8ff;
const uint32_t GOLD = 0xffd040;
const uint32_t LABEL = 0xc8ebff;

// The letter strip: one cell per character from space to ~, a row of white
// letters and a row of gold ones (the chosen row), keyed on black.
const int CELL_W = 12;
const int CELL_H = 22;
const int FIRST_CHAR = 32;
const int CHAR_COUNT = 95;
const int STRIP_PX = 18;
const char* const STRIP_FONT = "DejaVuSansMono-Bold.ttf";

// The controls screen (controls/controls_screen.cpp): its rows, the label
// column and the column headers.
const int ROW_COUNT = 11;
const int FIRST_ROW_Y = 146;
const int ROW_STEP = 34;
const int LABEL_X = 130;
const int KEY_X = 380;
const int PAD_X = 590;
const char* const ROW_TEXT[ROW_COUNT] = {"Up",
                                         "Down",
                                         "Left",
                                         "Right",
                                         "Fire",
                                         "Pause",
                                         "Pad dead zone",
                                         "Music volume",
                                         "Effects volume",
                                         "Reset to defaults",
                                         "Back to the title"};

// The help page (controls/help_page.cpp): a panel in the middle of the screen.
const int HELP_W = 600;
const int HELP_H = 420;
const int HELP_ROW_Y = 96;  // the first control's row, inside the panel
const int HELP_ROW_STEP = 30;
const int HELP_LABEL_X = 30;

// The title's footer, over the old line of hints.
const int FOOTER_H = 30;

Lettering label_lettering(int px) {
    Lettering l;
    l.px = px;
    l.outline = 2;
    l.edge = NAVY;
    l.shadow = 1;
    return l;
}

// Text with its ink centred on row y, starting at x.
void label(Image& img, int px, int x, int centre_y, const std::string& text, uint32_t colour) {
    const Lettering l = label_lettering(px);
    const Mask m = measure(l, text);
    letter(img, l, x - l.outline - 1, centre_y - (m.ink_top + m.ink_bottom) / 2, text, solid(colour));
}

void heading(Image& img, const std::string& text, int centre_x, int top, int px) {
    Lettering l;
    l.font = "DejaVuSans-BoldOblique.ttf";
    l.px = px;
    l.outline = 3;
    l.edge = NAVY;
    l.shadow = 3;
    const Mask m = measure(l, text);
    letter(img, l, centre_x - m.w / 2, top, text,
           vertical(top + m.ink_top, top + m.ink_bottom,
                    {{0, rgb(255, 255, 225)},
                     {0.45, rgb(255, 220, 80)},
                     {0.55, rgb(255, 250, 240)},
                     {1, rgb(255, 170, 40)}}));
}

void centred(Image& img, int px, int centre_x, int centre_y, const std::string& text, uint32_t colour) {
    const Lettering l = label_lettering(px);
    const Mask m = measure(l, text);
    letter(img, l, centre_x - m.w / 2, centre_y - (m.ink_top + m.ink_bottom) / 2, text, solid(colour));
}

void write_letter_strip(const std::string& out) {
    Image img(CELL_W * CHAR_COUNT, CELL_H * 2, 0);
    const uint32_t colours[2] = {rgb(255, 255, 255), GOLD};
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < CHAR_COUNT; ++i) {
            Image cell(CELL_W, CELL_H, 0);
            draw_text(cell, STRIP_FONT, STRIP_PX, 0, 0, std::string(1, char(FIRST_CHAR + i)), colours[row]);
            for (int y = 0; y < CELL_H; ++y) {
                for (int x = 0; x < CELL_W; ++x) {
                    uint32_t c = cell.at(x, y);
                    // the game's 16-bit display drops the low bits: faint ink
                    // would turn into the transparent black, so it is kept dark
                    if (c != 0 && red(c) < 16 && green(c) < 16 && blue(c) < 16) c = rgb(8, 8, 16);
                    img.at(i * CELL_W + x, row * CELL_H + y) = c;
                }
            }
        }
    }
    write_bmp(out + "/controls/letters.bmp", img);
}

void sky(Canvas& cv) {
    fill_rect(cv, 0, 0, SCREEN_W, SCREEN_H,
              vertical(0, SCREEN_H,
                       {{0, rgb(10, 12, 60)},
                        {0.45, rgb(40, 50, 150)},
                        {0.8, rgb(150, 90, 190)},
                        {1, rgb(255, 150, 150)}}));
    Rng rng(31);
    stars(cv, rng, 120, 420);
    for (int i = 0; i < 9; ++i) {
        cloud(cv, {rng.real(0, SCREEN_W), rng.real(540, 600)}, rng.real(50, 80), rgb(255, 200, 215),
              rgb(150, 90, 170), rng);
    }
}

void panel(Canvas& cv, double x, double y, double w, double h) {
    fill_round_rect(cv, x, y, w, h, 16, solid(PANEL_EDGE), 0.9);
    fill_round_rect(cv, x + 3, y + 3, w - 6, h - 6, 14,
                    vertical(y, y + h, {{0, rgb(20, 26, 80)}, {1, rgb(8, 10, 36)}}), 0.9);
}

void write_controls_screen(const std::string& out) {
    Canvas cv(SCREEN_W, SCREEN_H, SUPERSAMPLE, 0);
    sky(cv);
    panel(cv, 100, 100, 600, 430);
    Image img = cv.resolve();
    heading(img, "CONTROLS", SCREEN_W / 2, 18, 64);
    label(img, 16, KEY_X, 122, "KEY", GOLD);
    label(img, 16, PAD_X, 122, "PAD BUTTON", GOLD);
    for (int row = 0; row < ROW_COUNT; ++row) {
        label(img, 20, LABEL_X, FIRST_ROW_Y + row * ROW_STEP + CELL_H / 2, ROW_TEXT[row],
              row < 9 ? rgb(255, 255, 255) : LABEL);
    }
    centred(img, 15, SCREEN_W / 2, 584,
            "Up/Down choose \u2013 Fire or Return changes \u2013 Left/Right set a level \u2013 Esc back",
            rgb(255, 255, 255));
    write_bmp16(out + "/controls/controls.bmp", img);
}

void write_help_page(const std::string& out) {
    Canvas cv(HELP_W, HELP_H, SUPERSAMPLE, NAVY);
    fill_rect(cv, 0, 0, HELP_W, HELP_H, solid(GOLD));
    fill_rect(cv, 4, 4, HELP_W - 8, HELP_H - 8, solid(NAVY));
    fill_rect(cv, 7, 7, HELP_W - 14, HELP_H - 14,
              vertical(7, HELP_H - 7, {{0, rgb(26, 34, 100)}, {1, rgb(10, 12, 44)}}));
    Image img = cv.resolve();
    heading(img, "HELP", HELP_W / 2, 12, 44);
    label(img, 15, HELP_LABEL_X, 76, "YOUR KEYS", GOLD);
    const char* const controls[6] = {"Up", "Down", "Left", "Right", "Fire", "Pause"};
    for (int row = 0; row < 6; ++row) {
        label(img, 17, HELP_LABEL_X, HELP_ROW_Y + row * HELP_ROW_STEP + CELL_H / 2, controls[row],
              rgb(255, 255, 255));
    }
    const int right = 330;
    label(img, 15, right, 76, "THE DESKTOP'S KEYS", GOLD);
    const char* const desk[][2] = {
        {"F1", "this help"},
        {"F2", "controls (title)"},
        {"F11", "window / full screen"},
        {"F12", "screenshot"},
        {"M", "mute"},
        {"- =", "volume down, up"},
        {"Esc", "quit"},
    };
    for (int row = 0; row < 7; ++row) {
        const int y = HELP_ROW_Y + row * HELP_ROW_STEP + CELL_H / 2;
        label(img, 16, right, y, desk[row][0], GOLD);
        label(img, 16, right + 50, y, desk[row][1], rgb(255, 255, 255));
    }
    label(img, 15, HELP_LABEL_X, 320, "PAD: stick or hat steer; any other button turns a story page", LABEL);
    centred(img, 17, HELP_W / 2, 392, "F1 or Esc closes", rgb(200, 235, 255));
    write_bmp16(out + "/controls/help.bmp", img);
}

void write_title_footer(const std::string& out) {
    Canvas cv(SCREEN_W, FOOTER_H, SUPERSAMPLE, NAVY);
    fill_rect(cv, 0, 0, SCREEN_W, 2, solid(GOLD));
    Image img = cv.resolve();
    centred(img, 15, SCREEN_W / 2, FOOTER_H / 2 + 1,
            "F1 help and your keys \u2013 F2 controls \u2013 Esc quits", rgb(255, 255, 255));
    write_bmp16(out + "/controls/title_footer.bmp", img);
}

}  // namespace

void forge_control_screens(const std::string& out) {
    write_letter_strip(out);
    write_controls_screen(out);
    write_help_page(out);
    write_title_footer(out);
}

}  // namespace forge
