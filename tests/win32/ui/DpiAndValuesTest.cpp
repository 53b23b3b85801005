#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "win32/ui/BitmapGdi.h"
#include "win32/ui/Dpi.h"
#include "win32/ui/HotKeyValue.h"
#include "win32/ui/Theme.h"

namespace vitrex::win32 {
namespace {

TEST(DpiScalingTest, ScalesTheMainWindowsClientAreaAtCommonDpis) {
    struct Case {
        int dpi, width, height;
    };
    for (const Case& c :
         {Case{96, 531, 333}, Case{120, 664, 416}, Case{144, 797, 500}, Case{192, 1062, 666}}) {
        EXPECT_EQ(ScaleForDpi(531, c.dpi), c.width) << c.dpi;
        EXPECT_EQ(ScaleForDpi(333, c.dpi), c.height) << c.dpi;
    }
    // Half pixels round away from zero on both sides, so offsets above a control mirror below.
    EXPECT_EQ(ScaleForDpi(1, 144), 2);
    EXPECT_EQ(ScaleForDpi(-1, 144), -2);
    EXPECT_EQ(ScaleForDpi(0, 192), 0);
}

TEST(DpiScalingTest, ControlsThatTouchAt96DpiStillTouchWhenScaled) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        // Three 7-pixel-wide cells side by side, and one below the first.
        const ui::Rect a{5, 3, 7, 7}, b{12, 3, 7, 7}, c{19, 3, 7, 7}, below{5, 10, 7, 7};
        const RECT ra = ScaleRect(a, dpi), rb = ScaleRect(b, dpi), rc = ScaleRect(c, dpi),
                   rd = ScaleRect(below, dpi);
        EXPECT_EQ(ra.right, rb.left) << dpi;
        EXPECT_EQ(rb.right, rc.left) << dpi;
        EXPECT_EQ(ra.bottom, rd.top) << dpi;
        // No cell is off by more than a pixel from its exact size.
        EXPECT_LE(std::abs((rb.right - rb.left) - 7 * dpi / 96.0), 1.0) << dpi;
    }
}

TEST(HotKeyValueTest, ConvertsBetweenTheControlsWordAndTheModelsShortcut) {
    // Ctrl+Alt+F1 as the hot-key control reports it.
    EXPECT_EQ(ShortcutFromHotKey(0x0670), 0xC070);
    EXPECT_EQ(HotKeyFromShortcut(0xC070), 0x0670);
    EXPECT_EQ(ShortcutFromHotKey(MAKEWORD('A', HOTKEYF_SHIFT)), 0x2000 | 'A');
    EXPECT_EQ(HotKeyFromShortcut(0x2000 | 'A'), MAKEWORD('A', HOTKEYF_SHIFT));
    // The extended-key flag carries no meaning for the model and is set again for keys that
    // have a twin on the number pad.
    EXPECT_EQ(ShortcutFromHotKey(MAKEWORD(VK_HOME, HOTKEYF_CONTROL | HOTKEYF_EXT)), 0x4000 | VK_HOME);
    EXPECT_EQ(HotKeyFromShortcut(0x4000 | VK_HOME), MAKEWORD(VK_HOME, HOTKEYF_CONTROL | HOTKEYF_EXT));
    // No key, no shortcut, whatever the modifiers.
    EXPECT_EQ(ShortcutFromHotKey(MAKEWORD(0, HOTKEYF_ALT)), 0);
    EXPECT_EQ(HotKeyFromShortcut(0x8000), 0);
}

TEST(BitmapResampleTest, AveragesAreaAndLendsNoColourFromTransparentPixels) {
    // Opaque red beside transparent black, halved in width.
    imaging::Bitmap source{2, 1, {0xFFFF0000u, 0x00000000u}};
    const imaging::Bitmap half = ResampleBitmap(source, 1, 1);
    ASSERT_EQ(half.pixels.size(), 1u);
    EXPECT_EQ(half.pixels[0] >> 24, 0x80u) << "half covered";
    EXPECT_EQ(half.pixels[0] & 0x00FFFFFFu, 0x00FF0000u) << "still pure red, not darkened";

    // Three pixels into two: the middle source pixel is shared.
    imaging::Bitmap row{3, 1, {0xFF000000u, 0xFF0000FFu, 0xFF0000FFu}};
    const imaging::Bitmap two = ResampleBitmap(row, 2, 1);
    EXPECT_EQ(two.pixels[0] & 0xFFu, 85u);
    EXPECT_EQ(two.pixels[1] & 0xFFu, 255u);

    const imaging::Bitmap doubled = ResampleBitmap(row, 6, 2);
    EXPECT_EQ(doubled.pixels[0], 0xFF000000u);
    EXPECT_EQ(doubled.pixels[11], 0xFF0000FFu);
}

TEST(BitmapResampleTest, MalformedPicturesGiveNoPicture) {
    EXPECT_TRUE(ResampleBitmap(imaging::Bitmap{4, 4, {0xFFFFFFFFu}}, 2, 2).Empty());
    EXPECT_TRUE(ResampleBitmap(imaging::Bitmap{}, 2, 2).Empty());
    EXPECT_TRUE(ResampleBitmap(imaging::Bitmap{1, 1, {0xFFFFFFFFu}}, 0, 2).Empty());
    EXPECT_FALSE(CreateIconFromBitmap(imaging::Bitmap{4, 4, {1}}, 16));
}

TEST(BitmapResampleTest, IconsComeOutAtTheAskedSize) {
    imaging::Bitmap picture{2, 2, {0xFF112233u, 0xFF112233u, 0x80112233u, 0x00000000u}};
    UniqueIcon icon = CreateIconFromBitmap(picture, 24);
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon.Get(), &info));
    UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectW(colour.Get(), sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 24);
    EXPECT_EQ(bitmap.bmHeight, 24);
    EXPECT_EQ(bitmap.bmBitsPixel, 32);
}

TEST(ThemeColourTest, LinkTextIsReadableOnTheWindowColour) {
    EXPECT_NEAR(ContrastRatio(RGB(0, 0, 0), RGB(255, 255, 255)), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(RGB(9, 9, 9), RGB(9, 9, 9)), 1.0, 0.01);
    // Whatever the colour scheme makes of the hot-tracking colour.
    EXPECT_GE(ContrastRatio(LinkTextColor(), ::GetSysColor(COLOR_WINDOW)), 4.5);
}

}  // namespace
}  // namespace vitrex::win32
