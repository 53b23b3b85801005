#include "core/imaging/Color.h"

#include <gtest/gtest.h>

namespace vitrex::imaging {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

TEST(Color, BlendsByPercentFromTheFirstColourTowardsTheSecond) {
    const Rgb from{10, 200, 0};
    const Rgb to{110, 100, 255};
    EXPECT_EQ(BlendColor(from, to, 0), from);
    EXPECT_EQ(BlendColor(from, to, 100), to);
    EXPECT_EQ(BlendColor(from, to, 30), (Rgb{40, 170, 76}));
}

TEST(Color, ContrastRatioRunsFromOneToTwentyOneEitherWayRound) {
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(kWhite, kBlack), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(Rgb{9, 9, 9}, Rgb{9, 9, 9}), 1.0, 0.01);
    // The default link blue on white, a pair the guidelines list as readable.
    EXPECT_NEAR(ContrastRatio(Rgb{0, 102, 204}, kWhite), 5.57, 0.01);
}

TEST(Color, LinkColourIsTheHotTrackingColourOnlyWhereItIsReadable) {
    const Rgb highlight{0, 120, 215};
    const Rgb hot{0, 102, 204};
    EXPECT_EQ(ReadableLinkColor(hot, kWhite, highlight, kBlack), hot);

    // A scheme whose hot-tracking colour is a pale tint: a darker shade of the selection
    // colour, readable on the window colour.
    const Rgb pale{200, 220, 255};
    const Rgb shade = ReadableLinkColor(pale, kWhite, highlight, kBlack);
    EXPECT_NE(shade, pale);
    EXPECT_NE(shade, kBlack) << "a shade, not the plain text colour";
    EXPECT_GE(ContrastRatio(shade, kWhite), kReadableContrast);

    // Nothing between selection and text colour reads on this window colour: the text colour.
    const Rgb grey{128, 128, 128};
    EXPECT_EQ(ReadableLinkColor(grey, grey, grey, Rgb{130, 130, 130}), (Rgb{130, 130, 130}));
}

}  // namespace
}  // namespace vitrex::imaging
