#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "core/ui/HotKeyWord.h"
#include "win32/ui/BitmapGdi.h"
#include "win32/ui/Dpi.h"
#include "win32/ui/Theme.h"

namespace vitrex::win32 {
namespace {

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

TEST(HotKeyValueTest, TheFieldsWordUsesTheSystemsKeyNumbers) {
    // The shortcut's arithmetic names the system's virtual keys by number.
    for (int key : {VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_INSERT,
                    VK_DELETE, VK_DIVIDE, VK_NUMLOCK}) {
        EXPECT_EQ(ui::HotKeyFromShortcut(static_cast<std::uint16_t>(0x4000 | key)),
                  MAKEWORD(key, HOTKEYF_CONTROL | HOTKEYF_EXT))
            << key;
    }
    EXPECT_EQ(ui::HotKeyFromShortcut(0x2000 | VK_NUMPAD7), MAKEWORD(VK_NUMPAD7, HOTKEYF_SHIFT));
}

TEST(BitmapGdiTest, IconsComeOutAtTheAskedSize) {
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

    EXPECT_FALSE(CreateIconFromBitmap(imaging::Bitmap{4, 4, {1}}, 16)) << "a malformed picture";
    EXPECT_FALSE(CreateOpaqueBitmap(imaging::Bitmap{}, 16, 16, RGB(1, 2, 3)));
}

TEST(ThemeColourTest, LinkTextIsReadableOnTheWindowColour) {
    EXPECT_EQ(ToColorRef(ToRgb(RGB(1, 2, 3))), RGB(1, 2, 3));
    EXPECT_EQ(ToRgb(RGB(1, 2, 3)), (imaging::Rgb{1, 2, 3}));
    // Whatever the colour scheme makes of the hot-tracking colour.
    EXPECT_GE(imaging::ContrastRatio(ToRgb(LinkTextColor()), ToRgb(::GetSysColor(COLOR_WINDOW))),
              imaging::kReadableContrast);
}

}  // namespace
}  // namespace vitrex::win32
