// The contact sheet: every picture of play read back from the forged tree and
// laid out in catalogue order with its file name, for checking the art by eye.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "backdrops_kit.h"
#include "forge.h"

namespace forge {

namespace {

// A picture of play as the catalogue has it; w and h 0 when any size will do.
struct Entry {
    const char* name;
    int w, h;
    bool raw;  // drawn opaque; the others treat black as see-through
};

// In the order of the game's image record.
const Entry CATALOGUE[] = {
    {"ship0", 64, 64, false},
    {"ship1", 64, 64, false},
    {"ship2", 64, 64, false},
    {"shipl0", 64, 64, false},
    {"shipl1", 64, 64, false},
    {"shipl2", 64, 64, false},
    {"shipr0", 64, 64, false},
    {"shipr1", 64, 64, false},
    {"shipr2", 64, 64, false},
    {"ufo0", 64, 64, false},
    {"ufo1", 64, 64, false},
    {"ufo2", 64, 64, false},
    {"openspace", 256, 256, true},
    {"l1b", 16, 16, false},
    {"l2b", 16, 16, false},
    {"nme1bullet", 16, 16, false},
    {"rural", 256, 256, true},
    {"rural2", 256, 256, true},
    {"l3b0", 16, 16, false},
    {"l3b1", 16, 16, false},
    {"l3b2", 16, 16, false},
    {"l4b0", 16, 16, false},
    {"l4b1", 16, 16, false},
    {"exp16-0", 16, 16, false},
    {"exp16-1", 16, 16, false},
    {"exp16-2", 16, 16, false},
    {"exp16-3", 16, 16, false},
    {"exp64-0", 64, 64, false},
    {"exp64-1", 64, 64, false},
    {"exp64-2", 64, 64, false},
    {"exp64-3", 64, 64, false},
    {"exp64-4", 64, 64, false},
    {"lvl1boss0", 512, 256, false},
    {"lvl1boss1", 512, 256, false},
    {"lvl1boss2", 512, 256, false},
    {"shieldbar", 256, 32, false},
    {"shields", 0, 0, false},
    {"shieldsgreen", 0, 0, false},
    {"shieldsred", 0, 0, false},
    {"shieldslow0", 512, 128, false},
    {"shieldslow1", 512, 128, false},
    {"pcicon", 16, 16, false},
    {"gameover", 512, 256, false},
    {"speedicon0", 64, 32, false},
    {"speedicon1", 64, 32, false},
    {"speedup", 512, 128, false},
    {"absorb0", 64, 64, false},
    {"absorb1", 64, 64, false},
    {"absorb2", 64, 64, false},
    {"absorb3", 64, 64, false},
    {"absorb4", 64, 64, false},
    {"weaponicon0", 64, 32, false},
    {"weaponicon1", 64, 32, false},
    {"lvl1bossbg", 256, 256, true},
    {"birdhead0", 128, 128, false},
    {"birdhead1", 128, 128, false},
    {"birdhead2", 128, 128, false},
    {"thebosshp", 800, 16, true},
    {"lifeicon0", 64, 32, false},
    {"lifeicon1", 64, 32, false},
    {"shieldicon0", 64, 32, false},
    {"shieldicon1", 64, 32, false},
    {"numbers", 240, 24, false},
    {"cloud", 256, 128, false},
    {"sun0", 256, 256, false},
    {"sun1", 256, 256, false},
    {"earth0", 320, 320, false},
    {"earth1", 320, 320, false},
    {"earth2", 320, 320, false},
    {"interceptor0", 128, 128, false},
    {"interceptor1", 128, 128, false},
    {"interceptor2", 128, 128, false},
    {"skel", 96, 64, false},
    {"lvl2boss0", 512, 256, false},
    {"lvl3boss0", 512, 256, false},
    {"lvl3boss1", 512, 256, false},
    {"lvl3boss2", 512, 256, false},
    {"lvl4boss0", 256, 256, false},
    {"lvl4boss1", 256, 256, false},
    {"water", 256, 256, true},
    {"water2", 256, 256, true},
    {"sand", 256, 256, true},
    {"sand2", 256, 256, true},
    {"mars", 256, 256, false},
};

constexpr int SHEET_W = 1600;
constexpr int GAP = 12;           // between cells and round the edge
constexpr int LABEL_H = 16;       // the name line under each picture
constexpr int LABEL_PX = 11;      // its font size
constexpr int CHECK = 8;          // see-through squares
constexpr int MISSING_SIDE = 64;  // an empty cell for a picture of any size

const uint32_t SHEET_GREY = rgb(44, 44, 48);
const uint32_t CHECK_DARK = rgb(70, 70, 76), CHECK_LIGHT = rgb(92, 92, 100);
const uint32_t LABEL = rgb(222, 222, 226), WARNING = rgb(255, 150, 110);

struct Cell {
    const Entry* entry;
    Image picture;
    bool found;
    int x = 0, y = 0, w = 0, h = 0;  // place and size of the cell's picture area
};

std::string caption(const Cell& c) {
    std::string text = std::string(c.entry->name) + ".bmp";
    if (!c.found) return text + " (missing)";
    if (c.entry->w && (c.picture.w != c.entry->w || c.picture.h != c.entry->h))
        text += " " + std::to_string(c.picture.w) + "x" + std::to_string(c.picture.h) + "!";
    return text;
}

bool caption_warns(const Cell& c) {
    return caption(c).back() == ')' || caption(c).back() == '!';
}

void draw_cell(Image& sheet, const Cell& c) {
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            if (!sheet.inside(c.x + x, c.y + y)) continue;
            const uint32_t check = ((x / CHECK + y / CHECK) % 2) ? CHECK_LIGHT : CHECK_DARK;
            uint32_t p = check;
            if (c.found) {
                p = c.picture.at(x, y);
                if (!c.entry->raw && p == 0) p = check;
            } else if (x == 0 || y == 0 || x == c.w - 1 || y == c.h - 1 || x * c.h == y * c.w ||
                       (c.w - 1 - x) * c.h == y * c.w) {
                p = WARNING;  // a crossed-out box where the picture should be
            }
            sheet.at(c.x + x, c.y + y) = p;
        }
    draw_text(sheet, "DejaVuSans.ttf", LABEL_PX, c.x, c.y + c.h + 2, caption(c),
              caption_warns(c) ? WARNING : LABEL);
}

}  // namespace

void forge_contact_sheet(const std::string& out) {
    std::vector<Cell> cells;
    for (const Entry& e : CATALOGUE) {
        Cell c{&e, Image(), false};
        c.found = read_bmp(out + "/bmp/" + e.name + ".bmp", c.picture);
        c.w = c.found ? c.picture.w : e.w ? e.w : MISSING_SIDE;
        c.h = c.found ? c.picture.h : e.h ? e.h : MISSING_SIDE;
        cells.push_back(std::move(c));
    }
    // Shelves: fill a row left to right, then start the next below its tallest cell.
    int x = GAP, y = GAP, shelf = 0;
    for (Cell& c : cells) {
        const int span = std::max(c.w, text_width("DejaVuSans.ttf", LABEL_PX, caption(c)));
        if (x > GAP && x + span > SHEET_W - GAP) {
            x = GAP;
            y += shelf + LABEL_H + GAP;
            shelf = 0;
        }
        c.x = x;
        c.y = y;
        x += span + GAP;
        shelf = std::max(shelf, c.h);
    }
    Image sheet(SHEET_W, y + shelf + LABEL_H + GAP, SHEET_GREY);
    for (const Cell& c : cells) draw_cell(sheet, c);
    write_bmp(out + "/contact_sheet.bmp", sheet);
}

}  // namespace forge
