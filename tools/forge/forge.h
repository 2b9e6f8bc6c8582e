// The asset forge: builds every picture, sound and tune of the game from code
// and the authored inputs in data/. Each part writes its own files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forge {

// A picture in memory: 0xRRGGBB pixels, row-major, top row first.
struct Image {
    int w = 0;
    int h = 0;
    std::vector<uint32_t> px;

    Image() = default;
    Image(int width, int height, uint32_t fill = 0)
        : w(width), h(height), px(size_t(width) * size_t(height), fill) {}
    uint32_t& at(int x, int y) { return px[size_t(y) * size_t(w) + size_t(x)]; }
    uint32_t at(int x, int y) const { return px[size_t(y) * size_t(w) + size_t(x)]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

inline uint32_t rgb(int r, int g, int b) {
    auto c = [](int v) { return uint32_t(v < 0 ? 0 : v > 255 ? 255 : v); };
    return (c(r) << 16) | (c(g) << 8) | c(b);
}
inline int red(uint32_t c) {
    return int((c >> 16) & 255);
}
inline int green(uint32_t c) {
    return int((c >> 8) & 255);
}
inline int blue(uint32_t c) {
    return int(c & 255);
}

// Writes a 24-bit uncompressed Windows BMP; creates parent folders.
void write_bmp(const std::string& path, const Image& img);
// Writes a 16-bit (5-6-5) Windows BMP: the game display's own pixel format,
// so an opaque picture in it is drawn every frame without a conversion. The
// display shows the same colours either way.
void write_bmp16(const std::string& path, const Image& img);
// Reads a BMP written by either writer (24, 32 or 16 bits 5-6-5); false
// when the file is missing or of another kind.
bool read_bmp(const std::string& path, Image& img);
// Append little-endian 16- and 32-bit values (BMP and WAV headers).
void put16(std::vector<uint8_t>& b, uint32_t v);
void put32(std::vector<uint8_t>& b, uint32_t v);
// Writes any byte buffer; creates parent folders.
void write_file(const std::string& path, const std::vector<uint8_t>& bytes);
void make_dirs(const std::string& dir);

// Text set in a real font (FreeType). `font` is a file name such as
// "DejaVuSans-Bold.ttf", found in the Debian font folder. Draws anti-aliased
// text with its top-left at (x, y) blended onto img; returns the advance width.
int draw_text(Image& img, const std::string& font, int px_size, int x, int y, const std::string& utf8,
              uint32_t colour);
int text_width(const std::string& font, int px_size, const std::string& utf8);

// The parts of the forge. `out` is the run-time data folder (holding bmp/,
// story/, wav/, midi/); `src` is the project's data/ folder of authored inputs.
void forge_sprites(const std::string& src,
                   const std::string& out);  // ships, enemies, bosses, shots, effects, scenery
void forge_backdrops(const std::string& src, const std::string& out);  // background tiles, HUD parts, notices
void forge_contact_sheet(const std::string& out);  // every sprite frame with its name, read back from out
void forge_screens(const std::string& src,
                   const std::string& out);  // title, cursor, labels, pause, story pages
void forge_sounds(const std::string& src, const std::string& out);  // wav/
void forge_music(const std::string& src, const std::string& out);   // midi/
void forge_icons(const std::string& out);            // the desktop icon at every size, icons/hicolor/
void forge_control_screens(const std::string& out);  // controls screen, help page, title footer, letters

}  // namespace forge
