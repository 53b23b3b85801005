#include <gtest/gtest.h>

#include <cstdint>

#include "core/sysinfo/cpu/GaugeImages.h"

namespace vitrex::sysinfo::cpu {
namespace {

bool IsBar(std::uint32_t pixel) {
    return pixel >> 24 == 0xFF;
}
int Red(std::uint32_t pixel) {
    return (pixel >> 16) & 0xFF;
}
int Green(std::uint32_t pixel) {
    return (pixel >> 8) & 0xFF;
}
int Blue(std::uint32_t pixel) {
    return pixel & 0xFF;
}

// Rows from the bottom whose every pixel is bar; checks that the bar is one solid block.
int MeasuredBarHeight(const imaging::Bitmap& image) {
    int rows = 0;
    for (int y = image.height - 1; y >= 0; --y) {
        int bar = 0;
        for (int x = 0; x < image.width; ++x)
            bar += IsBar(image.At(x, y)) ? 1 : 0;
        EXPECT_TRUE(bar == 0 || bar == image.width) << "row " << y << " is partly bar";
        if (bar == 0) break;
        ++rows;
    }
    for (int y = 0; y < image.height - rows; ++y) {
        for (int x = 0; x < image.width; ++x)
            EXPECT_FALSE(IsBar(image.At(x, y))) << "bar pixel above the bar at " << x << "," << y;
    }
    return rows;
}

TEST(GaugeImages, FifteenImagesFromEmptyToFullRisingEveryStep) {
    for (int size : {16, 20, 24, 32}) {
        const auto images = GaugeImages(size);
        ASSERT_EQ(images.size(), 15u);
        int previous = -1;
        for (int index = 0; index < 15; ++index) {
            const imaging::Bitmap& image = images[index];
            ASSERT_EQ(image.width, size);
            ASSERT_EQ(image.height, size);
            ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(size * size));
            const int height = MeasuredBarHeight(image);
            EXPECT_GT(height, previous) << "size " << size << " image " << index;
            previous = height;
        }
        EXPECT_EQ(MeasuredBarHeight(images[0]), 0) << "image 0 shows no bar";
        EXPECT_EQ(MeasuredBarHeight(images[14]), size) << "image 14 fills the icon";
    }
}

TEST(GaugeImages, EmptyPartStaysVisibleButTranslucent) {
    const imaging::Bitmap empty = GaugeImage(0);
    for (std::uint32_t pixel : empty.pixels) {
        EXPECT_GT(pixel >> 24, 0u) << "an idle machine's icon can still be found and clicked";
        EXPECT_LT(pixel >> 24, 0xFFu);
    }
}

TEST(GaugeImages, BarIsGreenBelowAndTurnsOrangeThenRedAtTheTop) {
    const imaging::Bitmap full = GaugeImage(14);
    const std::uint32_t bottom = full.At(8, 15);
    EXPECT_GT(Green(bottom), 2 * Red(bottom));
    EXPECT_GT(Green(bottom), 2 * Blue(bottom));
    const std::uint32_t top = full.At(8, 0);
    EXPECT_GT(Red(top), 200);
    EXPECT_LT(Green(top), 60);
    // Orange on the way: red high, green at about half.
    const std::uint32_t upper = full.At(8, 5);
    EXPECT_GT(Red(upper), 200);
    EXPECT_GT(Green(upper), 90);
    EXPECT_LT(Green(upper), 190);
    // Green only fades upwards.
    for (int y = 1; y < 16; ++y)
        EXPECT_LE(Green(full.At(8, y - 1)), Green(full.At(8, y))) << "row " << y;
    // A low bar is all green: colours belong to the height, not to the bar's length.
    const imaging::Bitmap low = GaugeImage(3);
    EXPECT_EQ(low.At(8, 15), bottom);
}

TEST(GaugeImages, IndicesAndSizesOutsideTheRangeAreHeld) {
    EXPECT_EQ(GaugeImage(-3).pixels, GaugeImage(0).pixels);
    EXPECT_EQ(GaugeImage(99).pixels, GaugeImage(14).pixels);
    const imaging::Bitmap tiny = GaugeImage(7, 0);
    EXPECT_EQ(tiny.width, 1);
    EXPECT_EQ(tiny.pixels.size(), 1u);
}

}  // namespace
}  // namespace vitrex::sysinfo::cpu
