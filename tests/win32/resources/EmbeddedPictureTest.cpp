#include <gtest/gtest.h>

#include <vector>

#include "core/imaging/JpegDecoder.h"
#include "core/imaging/Resources.h"

// The decoder's error path longjmps out of libjpeg. On x64 Windows longjmp unwinds through the
// frames with the system's unwinder, unlike on Linux, so the failures are checked here as well.
namespace vitrex::resources {
namespace {

TEST(EmbeddedPicture, DecodesInTheWindowsBuildAndDamagedCopiesGiveNoPicture) {
    const auto badge = imaging::DecodeJpeg(DonateJpeg());
    ASSERT_TRUE(badge.has_value());
    EXPECT_EQ(badge->width, 110);
    EXPECT_EQ(badge->height, 40);
    EXPECT_EQ(DonatePicture(192)->width, 220);

    const std::span<const std::uint8_t> bytes = DonateJpeg2x();
    for (std::size_t keep : {bytes.size() / 3, bytes.size() - 2})
        EXPECT_FALSE(imaging::DecodeJpeg(bytes.first(keep)).has_value()) << keep;
    const std::vector<std::uint8_t> noise(600, 0x5A);
    EXPECT_FALSE(imaging::DecodeJpeg(noise).has_value());

    // Decoding still works after the failures.
    EXPECT_TRUE(imaging::DecodeJpeg(bytes).has_value());
}

}  // namespace
}  // namespace vitrex::resources
