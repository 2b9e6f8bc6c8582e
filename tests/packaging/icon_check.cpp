// The desktop icons the forge draws, read back with libpng: every hicolor size
// is there and decodes cleanly, its corners are see-through, and the ship
// stands out from the sky even at 16 pixels.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Rgba {
    int w = 0;
    int h = 0;
    std::vector<png_byte> px;  // 4 bytes a pixel, top row first
    int alpha(int x, int y) const { return px[(size_t(y) * size_t(w) + size_t(x)) * 4 + 3]; }
    int luma(int x, int y) const {
        const png_byte* p = &px[(size_t(y) * size_t(w) + size_t(x)) * 4];
        return (299 * p[0] + 587 * p[1] + 114 * p[2]) / 1000;
    }
};

// Reads an 8-bit RGBA PNG; libpng checks every chunk's CRC and zlib the
// Adler checksum, so a damaged file fails here.
bool read_png(const std::string& path, Rgba& out, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        error = image.message;
        return false;
    }
    if (image.format != PNG_FORMAT_RGBA) {
        error = "not RGBA";
        png_image_free(&image);
        return false;
    }
    out.w = int(image.width);
    out.h = int(image.height);
    out.px.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.px.data(), 0, nullptr)) {
        error = image.message;
        return false;
    }
    return true;
}

std::string icon_path(int size) {
    const std::string n = std::to_string(size);
    return std::string(GAME_DATA_DIR) + "/icons/hicolor/" + n + "x" + n + "/apps/cloudpiercer.png";
}

TEST(DesktopIcon, EverySizeDecodesWithClearCornersAndAnOpaqueBadge) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        Rgba icon;
        std::string error;
        ASSERT_TRUE(read_png(icon_path(size), icon, error)) << error;
        ASSERT_EQ(icon.w, size);
        ASSERT_EQ(icon.h, size);
        // Rounded corners: a desktop's own background shows there.
        for (int c : {0, size - 1}) {
            EXPECT_EQ(icon.alpha(c, 0), 0);
            EXPECT_EQ(icon.alpha(c, size - 1), 0);
        }
        // Inside the badge nothing is see-through.
        for (int y = size / 4; y < size * 3 / 4; ++y) {
            for (int x = size / 4; x < size * 3 / 4; ++x) ASSERT_EQ(icon.alpha(x, y), 255) << x << "," << y;
        }
    }
}

TEST(DesktopIcon, TheShipReadsAtSixteenPixels) {
    Rgba icon;
    std::string error;
    ASSERT_TRUE(read_png(icon_path(16), icon, error)) << error;
    // The white hull runs up the middle; the sky beside it is dark, so the
    // ship's spine must be a column of light pixels with dark sky on both sides.
    int light_rows = 0;
    for (int y = 3; y < 12; ++y) {
        const int hull = std::max(icon.luma(7, y), icon.luma(8, y));
        if (hull > 170) ++light_rows;
    }
    EXPECT_GE(light_rows, 5);
    for (int y = 1; y < 5; ++y) {
        EXPECT_LT(icon.luma(2, y), 90) << "sky at the top left, row " << y;
        EXPECT_LT(icon.luma(13, y), 90) << "sky at the top right, row " << y;
    }
    // Left-right symmetric, as the ship is (the light comes from the top left,
    // so the shading differs a little).
    int asymmetric = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 8; ++x) asymmetric += std::abs(icon.luma(x, y) - icon.luma(15 - x, y)) > 60;
    }
    EXPECT_LE(asymmetric, 12);
}

}  // namespace
