// File output shared by every part of the forge.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "forge.h"

namespace forge {

void make_dirs(const std::string& dir) {
    std::string partial;
    for (size_t i = 0; i <= dir.size(); ++i) {
        if (i == dir.size() || dir[i] == '/') {
            if (!partial.empty()) mkdir(partial.c_str(), 0755);
        }
        if (i < dir.size()) partial += dir[i];
    }
}

void write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos) make_dirs(path.substr(0, slash));
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok) throw std::runtime_error("cannot write " + path);
}

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

// The file and info headers; `masks` (16-bit pictures) follow the info header.
std::vector<uint8_t> bmp_header(const Image& img, uint16_t bits, uint32_t data, bool masks) {
    const uint32_t offset = 54 + (masks ? 12 : 0);
    std::vector<uint8_t> b;
    b.reserve(offset + data);
    b.push_back('B');
    b.push_back('M');
    put32(b, offset + data);  // file size
    put32(b, 0);              // reserved
    put32(b, offset);         // offset of the pixels
    put32(b, 40);             // info header size
    put32(b, uint32_t(img.w));
    put32(b, uint32_t(img.h));  // positive: bottom row first
    put16(b, 1);                // planes
    put16(b, bits);             // bits per pixel
    put32(b, masks ? 3 : 0);    // 3: bit fields
    put32(b, data);
    put32(b, 2835);  // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    if (masks) {
        put32(b, 0xf800);  // red
        put32(b, 0x07e0);  // green
        put32(b, 0x001f);  // blue
    }
    return b;
}

void write_bmp(const std::string& path, const Image& img) {
    const uint32_t row = uint32_t((img.w * 3 + 3) & ~3);
    std::vector<uint8_t> b = bmp_header(img, 24, row * uint32_t(img.h), false);
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.w; ++x) {
            const uint32_t c = img.at(x, y);
            b.push_back(uint8_t(blue(c)));
            b.push_back(uint8_t(green(c)));
            b.push_back(uint8_t(red(c)));
        }
        for (uint32_t pad = uint32_t(img.w) * 3; pad < row; ++pad) b.push_back(0);
    }
    write_file(path, b);
}

void write_bmp16(const std::string& path, const Image& img) {
    const uint32_t row = uint32_t((img.w * 2 + 3) & ~3);
    std::vector<uint8_t> b = bmp_header(img, 16, row * uint32_t(img.h), true);
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.w; ++x) {
            const uint32_t c = img.at(x, y);
            put16(b, uint32_t((red(c) >> 3) << 11 | (green(c) >> 2) << 5 | (blue(c) >> 3)));
        }
        for (uint32_t pad = uint32_t(img.w) * 2; pad < row; ++pad) b.push_back(0);
    }
    write_file(path, b);
}

namespace {
uint32_t le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + size_t(i)];
    return v;
}
}  // namespace

bool read_bmp(const std::string& path, Image& img) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    const auto offset = size_t(le(b, 10, 4));
    const auto w = int32_t(le(b, 18, 4));
    const auto h = int32_t(le(b, 22, 4));
    const auto bits = int(le(b, 28, 2));
    const uint32_t packing = le(b, 30, 4);
    const bool rgb565 = bits == 16 && packing == 3 && le(b, 54, 4) == 0xf800 && le(b, 58, 4) == 0x07e0;
    if (w <= 0 || h == 0 || w > 8192 || std::abs(h) > 8192) return false;
    if (!rgb565 && (packing != 0 || (bits != 24 && bits != 32))) return false;
    const int rows = std::abs(h);
    const int step = bits / 8;
    const size_t stride = size_t((w * step + 3) & ~3);
    if (offset + stride * size_t(rows) > b.size()) return false;
    img = Image(w, rows);
    for (int y = 0; y < rows; ++y) {
        const size_t row = offset + stride * size_t(h > 0 ? rows - 1 - y : y);  // bottom-up unless h < 0
        for (int x = 0; x < w; ++x) {
            const size_t p = row + size_t(x * step);
            if (rgb565) {
                const uint32_t v = le(b, p, 2);
                const uint32_t r = v >> 11, g = (v >> 5) & 63, bl = v & 31;
                img.at(x, y) = rgb(int(r << 3 | r >> 2), int(g << 2 | g >> 4), int(bl << 3 | bl >> 2));
            } else {
                img.at(x, y) = rgb(b[p + 2], b[p + 1], b[p]);
            }
        }
    }
    return true;
}

}  // namespace forge
