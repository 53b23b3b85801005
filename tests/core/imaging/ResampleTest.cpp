#include "core/imaging/Resample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace vitrex::imaging {
namespace {

TEST(Resample, AveragesAreaAndLendsNoColourFromTransparentPixels) {
    // Opaque red beside transparent black, halved in width.
    const Bitmap source{2, 1, {0xFFFF0000u, 0x00000000u}};
    const Bitmap half = Resample(source, 1, 1);
    ASSERT_EQ(half.pixels.size(), 1u);
    EXPECT_EQ(half.pixels[0] >> 24, 0x80u) << "half covered";
    EXPECT_EQ(half.pixels[0] & 0x00FFFFFFu, 0x00FF0000u) << "still pure red, not darkened";

    // Three pixels into two: the middle source pixel is shared.
    const Bitmap row{3, 1, {0xFF000000u, 0xFF0000FFu, 0xFF0000FFu}};
    const Bitmap two = Resample(row, 2, 1);
    EXPECT_EQ(two.pixels[0] & 0xFFu, 85u);
    EXPECT_EQ(two.pixels[1] & 0xFFu, 255u);

    const Bitmap doubled = Resample(row, 6, 2);
    EXPECT_EQ(doubled.pixels[0], 0xFF000000u);
    EXPECT_EQ(doubled.pixels[11], 0xFF0000FFu);
}

TEST(Resample, APictureOfOneColourKeepsItExactlyAtAnySize) {
    // Sizes that do not divide each other cover source pixels in fractions; every fraction
    // must still add up to the whole pixel.
    for (const auto& [from, to] : {std::pair{16, 24}, {32, 16}, {7, 3}, {3, 7}, {20, 15}, {1, 5}}) {
        const Bitmap source{from, from,
                            std::vector<std::uint32_t>(static_cast<std::size_t>(from * from), 0xC0336699u)};
        const Bitmap scaled = Resample(source, to, to + 1);
        ASSERT_EQ(scaled.width, to);
        ASSERT_EQ(scaled.height, to + 1);
        ASSERT_EQ(scaled.pixels.size(), static_cast<std::size_t>(to * (to + 1)));
        for (std::uint32_t pixel : scaled.pixels)
            ASSERT_EQ(pixel, 0xC0336699u) << from << " -> " << to;
    }
    const Bitmap same{2, 1, {0x01020304u, 0xFFFFFFFFu}};
    EXPECT_EQ(Resample(same, 2, 1).pixels, same.pixels);
}

TEST(Resample, MalformedPicturesGiveNoPicture) {
    EXPECT_TRUE(Resample(Bitmap{4, 4, {0xFFFFFFFFu}}, 2, 2).Empty()) << "fewer pixels than its size";
    EXPECT_TRUE(Resample(Bitmap{}, 2, 2).Empty());
    EXPECT_TRUE(Resample(Bitmap{1, 1, {0xFFFFFFFFu}}, 0, 2).Empty());
    EXPECT_TRUE(Resample(Bitmap{1, 1, {0xFFFFFFFFu}}, 2, -1).Empty());
}

}  // namespace
}  // namespace vitrex::imaging
