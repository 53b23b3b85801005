#include <gtest/gtest.h>

#include <windows.h>

#include "win32/tray/NotifyIcon.h"
#include "win32/tray/TrayCallback.h"

namespace vitrex::win32 {
namespace {

WPARAM Anchor(int x, int y) {
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y))));
}

TEST(TrayCallback, Version4CarriesEventIdAndAnchor) {
    const TrayNotification menu = DecodeTrayCallback(Anchor(-300, 12), MAKELPARAM(WM_CONTEXTMENU, 1), true);
    EXPECT_EQ(menu.event, TrayEvent::ContextMenu);
    EXPECT_EQ(menu.iconId, 1u);
    ASSERT_TRUE(menu.anchor.has_value());
    EXPECT_EQ(menu.anchor->x, -300) << "a monitor left of the primary one";
    EXPECT_EQ(menu.anchor->y, 12);

    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(WM_LBUTTONDBLCLK, 1), true).event, TrayEvent::DoubleClick);
    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(NIN_KEYSELECT, 1), true).event, TrayEvent::KeySelect);
    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(NIN_SELECT, 1), true).event, TrayEvent::Select);
    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(NIN_BALLOONUSERCLICK, 1), true).event,
              TrayEvent::BalloonClick);
    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(NIN_BALLOONHIDE, 1), true).event, TrayEvent::BalloonHide);
    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(NIN_BALLOONTIMEOUT, 1), true).event,
              TrayEvent::BalloonTimeout);
    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(WM_RBUTTONUP, 1), true).event, TrayEvent::None)
        << "the WM_CONTEXTMENU that follows opens the menu, once";
    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(WM_MOUSEMOVE, 1), true).event, TrayEvent::None);
}

TEST(TrayCallback, OldFormCarriesIdInWParamAndNoAnchor) {
    const TrayNotification menu = DecodeTrayCallback(7, WM_RBUTTONUP, false);
    EXPECT_EQ(menu.event, TrayEvent::ContextMenu);
    EXPECT_EQ(DecodeTrayCallback(7, WM_LBUTTONUP, false).event, TrayEvent::Select) << "a click";
    EXPECT_EQ(DecodeTrayCallback(0, MAKELPARAM(WM_LBUTTONUP, 1), true).event, TrayEvent::None)
        << "the newer form reports the click as NIN_SELECT";
    EXPECT_EQ(menu.iconId, 7u);
    EXPECT_FALSE(menu.anchor.has_value()) << "the menu opens at the cursor";
    EXPECT_EQ(DecodeTrayCallback(1, WM_LBUTTONDBLCLK, false).event, TrayEvent::DoubleClick);
    EXPECT_EQ(DecodeTrayCallback(1, MAKELPARAM(WM_LBUTTONDBLCLK, 1), false).event, TrayEvent::None)
        << "a version-4 message read in the old form is nothing";
}

TEST(NotifyText, CutToTheFieldWithoutSplittingASurrogatePair) {
    EXPECT_EQ(FitNotifyText(L"Vitrex", 128), L"Vitrex");
    EXPECT_EQ(FitNotifyText(std::wstring(200, L'x'), 128).size(), 127u);
    // U+1F600 as a pair whose high half would be the 127th character.
    std::wstring text(126, L'a');
    text += L"\xD83D\xDE00";
    EXPECT_EQ(FitNotifyText(text, 128), std::wstring(126, L'a'));
    EXPECT_EQ(FitNotifyText(text, 129), text);
    EXPECT_EQ(FitNotifyText(L"abc", 0), L"");
}

}  // namespace
}  // namespace vitrex::win32
