// Text for the forge's pictures, set with FreeType in the DejaVu fonts.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <stdexcept>

#include "forge.h"

namespace forge {

namespace {

const char* const FONT_DIR = "/usr/share/fonts/truetype/dejavu/";

FT_Library library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) throw std::runtime_error("FreeType did not start");
        return l;
    }();
    return lib;
}

FT_Face face(const std::string& font, int px_size) {
    static std::map<std::string, FT_Face> faces;
    auto it = faces.find(font);
    if (it == faces.end()) {
        FT_Face f = nullptr;
        const std::string path = FONT_DIR + font;
        if (FT_New_Face(library(), path.c_str(), 0, &f) != 0)
            throw std::runtime_error("missing font " + path);
        it = faces.emplace(font, f).first;
    }
    FT_Set_Pixel_Sizes(it->second, 0, FT_UInt(px_size));
    return it->second;
}

// Decodes one UTF-8 code point and advances i.
uint32_t next_code_point(const std::string& s, size_t& i) {
    const auto c = uint8_t(s[i++]);
    if (c < 0x80) return c;
    int extra = c >= 0xf0 ? 3 : c >= 0xe0 ? 2 : 1;
    uint32_t cp = c & (0x3f >> extra);
    while (extra-- > 0 && i < s.size()) cp = (cp << 6) | (uint8_t(s[i++]) & 0x3f);
    return cp;
}

int lay_out(Image* img, const std::string& font, int px_size, int x, int y, const std::string& text,
            uint32_t colour) {
    FT_Face f = face(font, px_size);
    const int ascender = int(f->size->metrics.ascender >> 6);
    int pen = x;
    FT_UInt previous = 0;
    for (size_t i = 0; i < text.size();) {
        const FT_UInt glyph = FT_Get_Char_Index(f, next_code_point(text, i));
        if (previous && glyph && FT_HAS_KERNING(f)) {
            FT_Vector k;
            FT_Get_Kerning(f, previous, glyph, FT_KERNING_DEFAULT, &k);
            pen += int(k.x >> 6);
        }
        previous = glyph;
        if (FT_Load_Glyph(f, glyph, FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot g = f->glyph;
        if (img) {
            const FT_Bitmap& bm = g->bitmap;
            for (unsigned row = 0; row < bm.rows; ++row) {
                for (unsigned col = 0; col < bm.width; ++col) {
                    const int a = bm.buffer[row * unsigned(bm.pitch) + col];
                    const int px = pen + g->bitmap_left + int(col);
                    const int py = y + ascender - g->bitmap_top + int(row);
                    if (a == 0 || !img->inside(px, py)) continue;
                    const uint32_t under = img->at(px, py);
                    img->at(px, py) = rgb((red(colour) * a + red(under) * (255 - a)) / 255,
                                          (green(colour) * a + green(under) * (255 - a)) / 255,
                                          (blue(colour) * a + blue(under) * (255 - a)) / 255);
                }
            }
        }
        pen += int(g->advance.x >> 6);
    }
    return pen - x;
}

}  // namespace

int draw_text(Image& img, const std::string& font, int px_size, int x, int y, const std::string& utf8,
              uint32_t colour) {
    return lay_out(&img, font, px_size, x, y, utf8, colour);
}

int text_width(const std::string& font, int px_size, const std::string& utf8) {
    return lay_out(nullptr, font, px_size, 0, 0, utf8, 0);
}

}  // namespace forge
