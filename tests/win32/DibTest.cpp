#include "win32/Dib.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vitrex::win32 {
namespace {

TEST(DibSection, GdiDrawsIntoThePixelsTheProgramReadsAsRedGreenBlue) {
    DibSection dib(3, 2);
    ASSERT_TRUE(dib);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    {
        SelectObjectScope select(dc.Get(), dib.Get());
        const RECT bottomRight{2, 1, 3, 2};
        UniqueBrush brush(::CreateSolidBrush(RGB(0x11, 0x22, 0x33)));
        ::FillRect(dc.Get(), &bottomRight, brush.Get());
    }
    const imaging::Bitmap drawn = dib.Read();
    ASSERT_EQ(drawn.width, 3);
    ASSERT_EQ(drawn.height, 2);
    ASSERT_EQ(drawn.pixels.size(), 6u);
    // Top-down rows and 0x..RRGGBB order: the last pixel is the one painted.
    EXPECT_EQ(drawn.pixels[5] & 0xFFFFFFu, 0x112233u);
    EXPECT_EQ(drawn.pixels[0] & 0xFFFFFFu, 0u) << "a new section is black";
}

TEST(DibSection, PixelsWrittenComeBackUnchangedWithTheirAlpha) {
    const imaging::Bitmap picture{2, 2, {0x80FF0000u, 0x00000000u, 0xFF00FF00u, 0x12345678u}};
    DibSection dib(2, 2);
    dib.Write(picture);
    EXPECT_EQ(dib.Read().pixels, picture.pixels);
    // A picture of another size leaves the section as it was.
    dib.Write(imaging::Bitmap{1, 1, {0xFFFFFFFFu}});
    EXPECT_EQ(dib.Read().pixels, picture.pixels);

    // Through a bitmap handle and the system's own reading of it.
    UniqueBitmap bitmap = DibFromBitmap(picture);
    ASSERT_TRUE(bitmap);
    const auto read = ReadBitmapPixels(bitmap.Get());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->width, 2);
    EXPECT_EQ(read->pixels, picture.pixels);
}

TEST(DibSection, NoSectionForNoPicture) {
    EXPECT_FALSE(DibSection(0, 4));
    EXPECT_FALSE(DibSection(4, -1));
    EXPECT_TRUE(DibSection(0, 4).Read().Empty());
    EXPECT_FALSE(DibFromBitmap(imaging::Bitmap{}));
    EXPECT_FALSE(DibFromBitmap(imaging::Bitmap{4, 4, {0xFFFFFFFFu}})) << "fewer pixels than its size";
    EXPECT_FALSE(ReadBitmapPixels(nullptr).has_value());
}

TEST(DibSection, ABitmapOfTheScreensFormatIsReadAsThirtyTwoBitPixels) {
    const WindowDcScope screen(nullptr);
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.Dc(), 4, 3));
    UniqueMemoryDc dc(::CreateCompatibleDC(screen.Dc()));
    {
        SelectObjectScope select(dc.Get(), bitmap.Get());
        const RECT all{0, 0, 4, 3};
        UniqueBrush brush(::CreateSolidBrush(RGB(0x40, 0x80, 0xC0)));
        ::FillRect(dc.Get(), &all, brush.Get());
    }
    const auto read = ReadBitmapPixels(bitmap.Get());
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->pixels.size(), 12u);
    for (std::uint32_t pixel : read->pixels)
        EXPECT_EQ(pixel & 0xFFFFFFu, 0x4080C0u);
}

}  // namespace
}  // namespace vitrex::win32
