// File output shared by every part of the forge.
#include <sys/stat.h>

#include <cstdio>
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

namespace {
void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}
}  // namespace

void write_bmp(const std::string& path, const Image& img) {
    const uint32_t row = uint32_t((img.w * 3 + 3) & ~3);
    const uint32_t data = row * uint32_t(img.h);
    std::vector<uint8_t> b;
    b.reserve(54 + data);
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + data);  // file size
    put32(b, 0);          // reserved
    put32(b, 54);         // offset of the pixels
    put32(b, 40);         // info header size
    put32(b, uint32_t(img.w));
    put32(b, uint32_t(img.h));  // positive: bottom row first
    put16(b, 1);                // planes
    put16(b, 24);               // bits per pixel
    put32(b, 0);                // no compression
    put32(b, data);
    put32(b, 2835);  // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
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

}  // namespace forge
