// Screenshots: the picture turned into a PNG by libpng and written like the
// player's other files, whole or not at all.
#include "desktop/screenshot.h"

#include <png.h>
#include <sys/stat.h>

#include <csetjmp>
#include <cstdio>
#include <ctime>
#include <vector>

#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "desktop/desktop_state.h"
#include "desktop/files.h"

namespace {

// Two shots in one second get -2, -3 ... after the time.
constexpr int MAX_SAME_SECOND = 99;

void append_bytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void no_flush(png_structp /*png*/) {}

// The picture as 8-bit RGB rows, whatever the surface's own format.
std::vector<png_byte> rgb_rows(SDL_Surface* picture) {
    std::vector<png_byte> rgb(size_t(picture->w) * size_t(picture->h) * 3);
    SDL_LockSurface(picture);
    const int bytes = picture->format->BytesPerPixel;
    for (int y = 0; y < picture->h; ++y) {
        const auto* row = static_cast<const Uint8*>(picture->pixels) + ptrdiff_t(y) * picture->pitch;
        for (int x = 0; x < picture->w; ++x) {
            Uint32 value = 0;
            const Uint8* p = row + ptrdiff_t(x) * bytes;
            switch (bytes) {
                case 1:
                    value = *p;
                    break;
                case 2:
                    value = *reinterpret_cast<const Uint16*>(p);
                    break;
                case 3:
                    value = Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16;
                    break;
                default:
                    value = *reinterpret_cast<const Uint32*>(p);
                    break;
            }
            png_byte* out = &rgb[(size_t(y) * size_t(picture->w) + size_t(x)) * 3];
            SDL_GetRGB(value, picture->format, &out[0], &out[1], &out[2]);
        }
    }
    SDL_UnlockSurface(picture);
    return rgb;
}

// The PNG file's bytes; empty when libpng failed.
std::string encode_png(SDL_Surface* picture) {
    std::vector<png_byte> rgb = rgb_rows(picture);
    std::vector<png_bytep> rows(size_t(picture->h));
    for (int y = 0; y < picture->h; ++y) rows[size_t(y)] = &rgb[size_t(y) * size_t(picture->w) * 3];
    std::string bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "";
    }
    // libpng reports a failure only by jumping back here.
    if (setjmp(png_jmpbuf(png))) {  // NOLINT(cert-err52-cpp)
        png_destroy_write_struct(&png, &info);
        return "";
    }
    png_set_write_fn(png, &bytes, append_bytes, no_flush);
    png_set_IHDR(png, info, png_uint_32(picture->w), png_uint_32(picture->h), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return bytes;
}

bool exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

// cloudpiercer-YYYYMMDD-HHMMSS.png in the folder, not yet taken.
std::string fresh_name(const std::string& folder) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = folder + "cloudpiercer-" + stamp;
    std::string path = base + ".png";
    for (int n = 2; exists(path) && n <= MAX_SAME_SECOND; ++n) path = base + "-" + std::to_string(n) + ".png";
    return path;
}

}  // namespace

std::string screenshot_folder() {
    return player_file("XDG_DATA_HOME", ".local/share", "screenshots/");
}

std::string take_screenshot(SDL_Surface* picture) {
    if (!picture) return "";
    const std::string folder = screenshot_folder();
    std::string path = folder.empty() ? "" : fresh_name(folder);
    const std::string png = encode_png(picture);
    if (path.empty() || png.empty() || !write_file_atomically(path, png)) {
        std::fprintf(stderr, "cloudpiercer: cannot write a screenshot in %s; none taken\n",
                     folder.empty() ? "(no home folder)" : folder.c_str());
        return "";
    }
    play_sound(sounds.beep);
    return path;
}
