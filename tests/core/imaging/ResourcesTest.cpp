#include "core/imaging/Resources.h"

#include <gtest/gtest.h>

#include "core/imaging/JpegDecoder.h"

namespace vitrex::resources {
namespace {

TEST(Resources, DonationBadgeDecodesAtOneAndTwoTimesItsSize) {
    const auto normal = imaging::DecodeJpeg(DonateJpeg());
    ASSERT_TRUE(normal.has_value());
    EXPECT_EQ(normal->width, 110);
    EXPECT_EQ(normal->height, 40);

    const auto large = imaging::DecodeJpeg(DonateJpeg2x());
    ASSERT_TRUE(large.has_value());
    EXPECT_EQ(large->width, 220);
    EXPECT_EQ(large->height, 80);

    EXPECT_EQ(DonatePicture(96)->width, 110);
    EXPECT_EQ(DonatePicture(120)->width, 110);
    EXPECT_EQ(DonatePicture(144)->width, 220);
    EXPECT_EQ(DonatePicture(192)->width, 220);
}

struct Channels {
    int a, r, g, b;
};

Channels Split(std::uint32_t pixel) {
    return {int(pixel >> 24), int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF)};
}

TEST(Resources, PanelIconsComeInTwoSizesWithTransparentCorners) {
    for (PanelIcon icon : {PanelIcon::Logo, PanelIcon::Settings, PanelIcon::State}) {
        for (auto [asked, size] : {std::pair{16, 16}, {20, 32}, {32, 32}, {0, 16}}) {
            const imaging::Bitmap picture = PanelIconBitmap(icon, asked);
            ASSERT_EQ(picture.width, size) << int(icon) << " asked " << asked;
            ASSERT_EQ(picture.height, size);
            ASSERT_EQ(picture.pixels.size(), std::size_t(size * size));
            EXPECT_EQ(Split(picture.At(0, size - 1)).a, 0) << "bottom-left corner of icon " << int(icon);
        }
    }
}

TEST(Resources, PanelIconPixelsAreAlphaRedGreenBlue) {
    // The status light is green in the middle, the logo's back pane blue near the top left.
    const Channels light = Split(PanelIconBitmap(PanelIcon::State, 32).At(16, 20));
    EXPECT_EQ(light.a, 255);
    EXPECT_GT(light.g, light.r + 60);
    EXPECT_GT(light.g, light.b + 60);

    const Channels pane = Split(PanelIconBitmap(PanelIcon::Logo, 16).At(4, 6));
    EXPECT_GT(pane.a, 200);
    EXPECT_GT(pane.b, pane.r + 60);

    // The gear's hub has a hole.
    EXPECT_EQ(Split(PanelIconBitmap(PanelIcon::Settings, 32).At(16, 16)).a, 0);
}

}  // namespace
}  // namespace vitrex::resources
