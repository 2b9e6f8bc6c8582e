// The story pages: authored text from data/story/ set beside an illustration.
//
// A page file holds its title on the first line, then a line
// "picture: <name>" naming its illustration, then paragraphs separated by
// blank lines. Lines starting with '#' are notes for the writer.
#include "screens_story.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "screens_art.h"

namespace forge {

namespace {

using namespace paint;

const char* const PAGES[] = {"00", "01", "02", "03", "10", "11", "20", "21", "30", "31", "40"};

const int PAGE_W = 800;
const int PAGE_H = 600;
const int ART_X = 24;  // the illustration's place on the page
const int ART_Y = 18;
const int ART_W = 752;
const int ART_H = 240;
const int TITLE_MIDDLE = 288;  // ink centre of the title line
const int PANEL_X = 24;        // the text panel
const int PANEL_Y = 316;
const int PANEL_W = 752;
const int PANEL_H = 250;
const int PANEL_MARGIN = 22;
const int HINT_MIDDLE = 583;
const char* const PROSE_FONT = "DejaVuSerif.ttf";
const int PROSE_PX_MAX = 22;  // prose is set as large as the page allows, down to
const int PROSE_PX_MIN = 20;  // this, or the forge stops and names the page

const uint32_t INK = 0xeeeade;
const uint32_t NAVY = 0x0e1028;
const uint32_t GOLD = 0xffd040;

struct Page {
    std::string title;
    std::string picture;
    std::vector<std::string> paragraphs;
};

std::string trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

Page read_page(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    Page page;
    std::string raw, paragraph;
    auto end_paragraph = [&] {
        if (!paragraph.empty()) page.paragraphs.push_back(paragraph);
        paragraph.clear();
    };
    while (std::getline(in, raw)) {
        const std::string line = trimmed(raw);
        if (!line.empty() && line[0] == '#') continue;
        if (page.title.empty()) {
            page.title = line;
        } else if (page.picture.empty() && line.rfind("picture:", 0) == 0) {
            page.picture = trimmed(line.substr(8));
        } else if (line.empty()) {
            end_paragraph();
        } else {
            paragraph += (paragraph.empty() ? "" : " ") + line;
        }
    }
    end_paragraph();
    if (page.title.empty() || page.picture.empty() || page.paragraphs.empty()) {
        throw std::runtime_error(path + " needs a title line, a 'picture:' line and some text");
    }
    return page;
}

struct Setting {
    int px;
    int line_height;
    std::vector<std::vector<std::string>> paragraphs;
    int height() const {
        int lines = 0;
        for (const auto& p : paragraphs) lines += int(p.size());
        return lines * line_height + int(paragraphs.size() - 1) * line_height / 2;
    }
};

// The largest prose size at which the page's text fits its panel.
Setting set_prose(const Page& page, const std::string& name) {
    for (int px = PROSE_PX_MAX; px >= PROSE_PX_MIN; --px) {
        Setting s{px, px * 13 / 10 + 1, {}};
        for (const auto& p : page.paragraphs)
            s.paragraphs.push_back(wrap(PROSE_FONT, px, p, PANEL_W - 2 * PANEL_MARGIN));
        if (s.height() <= PANEL_H - 2 * PANEL_MARGIN + 8) return s;
    }
    throw std::runtime_error("story page " + name + " has more text than fits; shorten it");
}

void backdrop(Canvas& cv) {
    fill_rect(cv, 0, 0, PAGE_W, PAGE_H, vertical(0, PAGE_H, {{0, rgb(24, 20, 70)}, {1, rgb(40, 14, 56)}}));
    Rng rng(4242);
    art::stars(cv, rng, 60, PAGE_H);
    fill_round_rect(cv, ART_X - 6, ART_Y - 6, ART_W + 12, ART_H + 12, 6, solid(GOLD));
    fill_rect(cv, ART_X - 3, ART_Y - 3, ART_W + 6, ART_H + 6, solid(NAVY));
    fill_round_rect(cv, PANEL_X - 2, PANEL_Y - 2, PANEL_W + 4, PANEL_H + 4, 12, solid(rgb(70, 200, 255)),
                    0.8);
    fill_round_rect(cv, PANEL_X, PANEL_Y, PANEL_W, PANEL_H, 10,
                    vertical(PANEL_Y, PANEL_Y + PANEL_H, {{0, rgb(16, 20, 56)}, {1, rgb(8, 8, 30)}}));
}

Image illustration(const std::string& picture, const std::string& name) {
    Canvas cv(ART_W, ART_H, 3, 0);
    std::vector<art::Label> labels;
    try {
        art::scene(cv, picture, labels);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error("story page " + name + ": " + e.what());
    }
    Image img = cv.resolve();
    Lettering l;
    l.px = 17;
    l.outline = 2;
    l.edge = NAVY;
    l.shadow = 1;
    for (const art::Label& label : labels) {
        const Mask m = measure(l, label.text);
        letter(img, l, int(label.at.x) - m.w / 2, int(label.at.y) - (m.ink_top + m.ink_bottom) / 2,
               label.text, solid(label.colour));
    }
    return img;
}

void title(Image& img, const std::string& text) {
    Lettering l;
    l.px = 30;
    l.outline = 3;
    l.edge = NAVY;
    l.shadow = 2;
    const Mask m = measure(l, text);
    const int x = PAGE_W / 2 - m.w / 2;
    const int y = TITLE_MIDDLE - (m.ink_top + m.ink_bottom) / 2;
    letter(img, l, x, y, text,
           vertical(y + m.ink_top, y + m.ink_bottom,
                    {{0, rgb(255, 255, 220)},
                     {0.45, rgb(255, 214, 70)},
                     {0.55, rgb(255, 245, 230)},
                     {1, rgb(255, 140, 40)}}));
    // Gold rules either side of the title.
    const int left_end = x - 10, right_start = x + m.w + 10;
    for (int yy = TITLE_MIDDLE - 1; yy <= TITLE_MIDDLE; ++yy) {
        for (int xx = 60; xx < left_end; ++xx) img.at(xx, yy) = GOLD;
        for (int xx = right_start; xx < PAGE_W - 60; ++xx) img.at(xx, yy) = GOLD;
    }
}

void prose(Image& img, const Setting& s) {
    int y = PANEL_Y + (PANEL_H - s.height()) / 2 - s.px / 6;
    for (const auto& paragraph : s.paragraphs) {
        for (const std::string& line : paragraph) {
            draw_text(img, PROSE_FONT, s.px, PANEL_X + PANEL_MARGIN, y, line, INK);
            y += s.line_height;
        }
        y += s.line_height / 2;
    }
}

void hint(Image& img) {
    Lettering l;
    l.px = 16;
    l.outline = 2;
    l.edge = NAVY;
    l.shadow = 0;
    const std::string text = "press any key \u25b6";
    const Mask m = measure(l, text);
    letter(img, l, PANEL_X + PANEL_W - m.w + 3, HINT_MIDDLE - (m.ink_top + m.ink_bottom) / 2, text,
           solid(rgb(140, 220, 255)));
}

}  // namespace

void write_story_pages(const std::string& src, const std::string& out) {
    for (const char* name : PAGES) {
        const Page page = read_page(src + "/story/" + name + ".txt");
        const Setting setting = set_prose(page, name);
        Canvas cv(PAGE_W, PAGE_H, 2, 0);
        backdrop(cv);
        Image img = cv.resolve();
        const Image art = illustration(page.picture, name);
        for (int y = 0; y < ART_H; ++y) {
            for (int x = 0; x < ART_W; ++x) img.at(ART_X + x, ART_Y + y) = art.at(x, y);
        }
        title(img, page.title);
        prose(img, setting);
        hint(img);
        write_bmp16(out + "/story/" + name + ".bmp", img);
    }
}

}  // namespace forge
