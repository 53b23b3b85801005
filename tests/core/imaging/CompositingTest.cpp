#include "core/imaging/Compositing.h"

#include <gtest/gtest.h>

namespace vitrex::imaging {
namespace {

TEST(Compositing, PremultiplyingScalesTheColourByTheAlphaRounded) {
    EXPECT_EQ(Premultiplied(0xFF123456u), 0xFF123456u);
    EXPECT_EQ(Premultiplied(0x00FFFFFFu), 0x00000000u);
    // 255 * 128 / 255 = 128; 1 * 128 / 255 rounds to 1; 100 * 128 / 255 = 50.2.
    EXPECT_EQ(Premultiplied(0x80FF0164u), 0x80800132u);
}

TEST(Compositing, APictureOverABackgroundIsOpaqueWithTheBackgroundShowingThrough) {
    const Bitmap picture{3, 1, {0xFF102030u, 0x00FFFFFFu, 0x80FF0000u}};
    const Bitmap flat = OverBackground(picture, Rgb{0, 0, 255});
    ASSERT_EQ(flat.pixels.size(), 3u);
    EXPECT_EQ(flat.pixels[0], 0xFF102030u);
    EXPECT_EQ(flat.pixels[1], 0xFF0000FFu) << "transparent: the background alone";
    EXPECT_EQ(flat.pixels[2], 0xFF80007Fu) << "half red, half blue";
}

TEST(Compositing, TwoDrawingsOverBlackAndWhiteGiveBackAlphaAndStraightColour) {
    // Opaque blue, a transparent pixel, and red at alpha 128 as it comes out over each ground.
    const Bitmap overBlack{3, 1, {0x2060C0u, 0x000000u, 0x800000u}};
    const Bitmap overWhite{3, 1, {0x2060C0u, 0xFFFFFFu, 0xFF7F7Fu}};
    const auto picture = FromBlackAndWhiteDrawings(overBlack, overWhite);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->pixels[0], 0xFF2060C0u);
    EXPECT_EQ(picture->pixels[1], 0x00000000u);
    EXPECT_EQ(picture->pixels[2], 0x80FF0000u);

    // The alpha byte of the drawings carries nothing; GDI leaves what it likes there.
    const Bitmap noisy{1, 1, {0xAB2060C0u}};
    EXPECT_EQ(FromBlackAndWhiteDrawings(noisy, noisy)->pixels[0], 0xFF2060C0u);
    // A channel darker over white than over black (drawing noise) counts as opaque.
    EXPECT_EQ(
        FromBlackAndWhiteDrawings(Bitmap{1, 1, {0x303030u}}, Bitmap{1, 1, {0x202020u}})->pixels[0] >> 24,
        0xFFu);

    EXPECT_FALSE(FromBlackAndWhiteDrawings(Bitmap{1, 1, {0u}}, Bitmap{2, 1, {0u, 0u}}).has_value());
}

}  // namespace
}  // namespace vitrex::imaging
