#include "core/imaging/JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace vitrex::imaging {
namespace {

struct Rgb {
    int r, g, b;
};

enum class Mode { Baseline, Progressive };

// Encodes a picture with libjpeg's compressor; `components` is 1 (gray), 3 (RGB) or 4 (CMYK, stored
// inverted with an Adobe marker as nearly every CMYK JPEG is).
std::vector<std::uint8_t> Encode(int width, int height, int components,
                                 const std::vector<std::uint8_t>& samples, Mode mode = Mode::Baseline) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (mode == Mode::Progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // A picture taller than its samples repeats the first row; the limit tests need only the size.
        const std::size_t y =
            samples.size() >= std::size_t(width) * height * components ? cinfo.next_scanline : 0;
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + y * width * components);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

// Four flat quadrants: red, green / blue, white.
const Rgb kQuadrants[4] = {{230, 30, 30}, {30, 200, 40}, {20, 40, 220}, {250, 250, 250}};

std::vector<std::uint8_t> QuadrantPicture(int width, int height) {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = kQuadrants[(y >= height / 2) * 2 + (x >= width / 2)];
            rgb.insert(rgb.end(), {std::uint8_t(c.r), std::uint8_t(c.g), std::uint8_t(c.b)});
        }
    }
    return rgb;
}

void ExpectNear(std::uint32_t pixel, Rgb want, int tolerance = 10) {
    EXPECT_EQ(pixel >> 24, 0xFFu);
    EXPECT_NEAR(int((pixel >> 16) & 0xFF), want.r, tolerance);
    EXPECT_NEAR(int((pixel >> 8) & 0xFF), want.g, tolerance);
    EXPECT_NEAR(int(pixel & 0xFF), want.b, tolerance);
}

void ExpectQuadrants(const imaging::Bitmap& picture) {
    const int w = picture.width, h = picture.height;
    // Sample away from the edges, where chroma subsampling blends neighbouring colours.
    ExpectNear(picture.At(w / 4, h / 4), kQuadrants[0]);
    ExpectNear(picture.At(3 * w / 4, h / 4), kQuadrants[1]);
    ExpectNear(picture.At(w / 4, 3 * h / 4), kQuadrants[2]);
    ExpectNear(picture.At(3 * w / 4, 3 * h / 4), kQuadrants[3]);
}

TEST(JpegDecoder, DecodesColourPicturesRowsTopToBottom) {
    for (Mode mode : {Mode::Baseline, Mode::Progressive}) {
        const auto picture = DecodeJpeg(Encode(48, 32, 3, QuadrantPicture(48, 32), mode));
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width, 48);
        EXPECT_EQ(picture->height, 32);
        ASSERT_EQ(picture->pixels.size(), 48u * 32u);
        ExpectQuadrants(*picture);
    }
}

TEST(JpegDecoder, ConvertsGrayscaleAndCmykToOpaqueRgb) {
    std::vector<std::uint8_t> gray;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x)
            gray.push_back(std::uint8_t(x * 4));
    const auto grayPicture = DecodeJpeg(Encode(64, 16, 1, gray));
    ASSERT_TRUE(grayPicture.has_value());
    ExpectNear(grayPicture->At(2, 8), {8, 8, 8}, 4);
    ExpectNear(grayPicture->At(40, 8), {160, 160, 160}, 4);

    // Red, then blue, as inverted inks: 255 means no ink.
    std::vector<std::uint8_t> cmyk;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
            cmyk.insert(cmyk.end(), x < 16 ? std::initializer_list<std::uint8_t>{255, 0, 0, 255}
                                           : std::initializer_list<std::uint8_t>{0, 0, 255, 255});
    const auto cmykPicture = DecodeJpeg(Encode(32, 16, 4, cmyk));
    ASSERT_TRUE(cmykPicture.has_value());
    ExpectNear(cmykPicture->At(4, 8), {255, 0, 0});
    ExpectNear(cmykPicture->At(28, 8), {0, 0, 255});
}

TEST(JpegDecoder, GivesNoPictureForEmptyOrGarbageInput) {
    EXPECT_FALSE(DecodeJpeg({}).has_value());

    std::vector<std::uint8_t> garbage(4096);
    unsigned seed = 12345;
    for (auto& b : garbage)
        b = std::uint8_t((seed = seed * 1103515245u + 12345u) >> 16);
    EXPECT_FALSE(DecodeJpeg(garbage).has_value());

    // A JPEG start marker followed by noise.
    garbage[0] = 0xFF;
    garbage[1] = 0xD8;
    EXPECT_FALSE(DecodeJpeg(garbage).has_value());
}

TEST(JpegDecoder, GivesNoPictureForTruncatedOrDamagedFiles) {
    const std::vector<std::uint8_t> good = Encode(48, 32, 3, QuadrantPicture(48, 32));
    ASSERT_TRUE(DecodeJpeg(good).has_value());

    // Cut anywhere, from inside the header to just before the end-of-image marker.
    for (std::size_t keep : {std::size_t{2}, std::size_t{20}, good.size() / 2, good.size() - 2}) {
        const std::span<const std::uint8_t> cut(good.data(), keep);
        EXPECT_FALSE(DecodeJpeg(cut).has_value()) << "kept " << keep << " of " << good.size() << " bytes";
    }

    // An end-of-image marker in the middle of the compressed data, after the start-of-scan marker.
    std::size_t scan = 2;
    while (scan + 1 < good.size() && !(good[scan] == 0xFF && good[scan + 1] == 0xDA))
        ++scan;
    ASSERT_LT(scan, good.size() - 2);
    std::vector<std::uint8_t> damaged = good;
    const std::size_t middle = (scan + good.size()) / 2;
    damaged[middle] = 0xFF;
    damaged[middle + 1] = 0xD9;
    EXPECT_FALSE(DecodeJpeg(damaged).has_value());
}

TEST(JpegDecoder, RejectsPicturesBeyondTheLimitsBeforeDecoding) {
    const JpegLimits small{.maxSide = 64, .maxPixels = 64 * 32};
    const std::vector<std::uint8_t> row(65 * 3, 128);
    EXPECT_TRUE(DecodeJpeg(Encode(64, 32, 3, row), small).has_value());
    EXPECT_FALSE(DecodeJpeg(Encode(65, 1, 3, row), small).has_value());
    EXPECT_FALSE(DecodeJpeg(Encode(1, 65, 3, row), small).has_value());
    EXPECT_FALSE(DecodeJpeg(Encode(64, 33, 3, row), small).has_value());

    // The default allows 16384 pixels a side.
    const std::vector<std::uint8_t> wide(16385, 200);
    EXPECT_TRUE(DecodeJpeg(Encode(16384, 1, 1, wide)).has_value());
    EXPECT_FALSE(DecodeJpeg(Encode(16385, 1, 1, wide)).has_value());
}

}  // namespace
}  // namespace vitrex::imaging
