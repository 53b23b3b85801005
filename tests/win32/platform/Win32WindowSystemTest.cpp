#include <gtest/gtest.h>

#include <windows.h>

#include "core/transparency/Alpha.h"
#include "win32/UniqueHandle.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/platform/WindowChangeOutcome.h"
#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {
namespace {

using transparency::ClearWindowTransparency;
using transparency::SetWindowTransparency;

// The alpha the system holds for the window, read past the adapter; -1 when it has none.
int SystemAlpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) return -1;
    return alpha;
}

bool IsLayered(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

struct AlphaOnARealWindow : ::testing::Test {
    AlphaOnARealWindow()
        : window(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Vitrex alpha test", WS_OVERLAPPEDWINDOW, 10,
                                 10, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    void SetUp() override { ASSERT_TRUE(window) << GetLastError(); }

    UniqueWindow window;
    Win32WindowSystem windows;
};

TEST_F(AlphaOnARealWindow, TenPercentIsAlpha229OnALayeredWindow) {
    EXPECT_TRUE(SetWindowTransparency(windows, FromHwnd(window.Get()), 10));
    EXPECT_TRUE(IsLayered(window.Get()));
    EXPECT_EQ(SystemAlpha(window.Get()), 229);
    EXPECT_NE(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(windows.GetLayeredAlpha(FromHwnd(window.Get())), 229);
}

TEST_F(AlphaOnARealWindow, ZeroPercentIsOpaqueAndStaysLayered) {
    SetWindowTransparency(windows, FromHwnd(window.Get()), 60);
    SetWindowTransparency(windows, FromHwnd(window.Get()), 0);
    EXPECT_TRUE(IsLayered(window.Get()));
    EXPECT_EQ(SystemAlpha(window.Get()), 255);
}

TEST_F(AlphaOnARealWindow, ClearRemovesTheLayeredStyle) {
    SetWindowTransparency(windows, FromHwnd(window.Get()), 50);
    EXPECT_TRUE(ClearWindowTransparency(windows, FromHwnd(window.Get())));
    EXPECT_FALSE(IsLayered(window.Get()));
    EXPECT_NE(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(windows.GetLayeredAlpha(FromHwnd(window.Get())), std::nullopt);
}

TEST_F(AlphaOnARealWindow, HandleOfAWindowThatIsGoneChangesNothing) {
    const WindowHandle gone = FromHwnd(window.Get());
    window.Reset();
    EXPECT_TRUE(SetWindowTransparency(windows, gone, 30));
    EXPECT_TRUE(ClearWindowTransparency(windows, gone));
    EXPECT_EQ(windows.StyleOf(gone), WindowStyle{});
    EXPECT_EQ(windows.GetLayeredAlpha(gone), std::nullopt);
    EXPECT_TRUE(windows.HasLayeredAlpha());
}

TEST_F(AlphaOnARealWindow, ChangesThatTookAndChangesToAClosedWindowAreDone) {
    const WindowHandle handle = FromHwnd(window.Get());
    // A style word of 0 before the change is no failure.
    SetWindowLongPtrW(window.Get(), GWL_EXSTYLE, 0);
    EXPECT_EQ(windows.MakeLayered(handle, 153), WindowChange::Done);
    EXPECT_EQ(windows.ClearLayered(handle), WindowChange::Done);
    EXPECT_EQ(windows.ClearLayered(handle), WindowChange::Done) << "the word is 0 again";
    EXPECT_EQ(transparency::ApplyTransparency(windows, handle, 40), WindowChange::Done);
    window.Reset();
    EXPECT_EQ(windows.MakeLayered(handle, 153), WindowChange::Done);
    EXPECT_EQ(windows.ClearLayered(handle), WindowChange::Done);
}

UniqueWindow CreateWithExStyle(DWORD exStyle) {
    return UniqueWindow(CreateWindowExW(exStyle, L"STATIC", L"Vitrex style test", WS_OVERLAPPEDWINDOW, 10, 10,
                                        200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

TEST(WindowStyleOfARealWindow, NamesTheBitsTheRulesAskForAndShowsTheWholeWord) {
    struct Case {
        DWORD exStyle;
        bool layered, topmost, toolWindow, clickThrough;
    };
    const Case cases[] = {
        {0, false, false, false, false},
        {WS_EX_LAYERED, true, false, false, false},
        {WS_EX_TOPMOST, false, true, false, false},
        {WS_EX_TOOLWINDOW, false, false, true, false},
        {WS_EX_TRANSPARENT, false, false, false, true},
        {WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT, true, false, true, true},
    };
    Win32WindowSystem windows;
    for (const Case& c : cases) {
        const UniqueWindow window = CreateWithExStyle(c.exStyle);
        ASSERT_TRUE(window) << GetLastError();
        const WindowStyle style = windows.StyleOf(FromHwnd(window.Get()));
        EXPECT_EQ(style.layered, c.layered) << c.exStyle;
        EXPECT_EQ(style.topmost, c.topmost) << c.exStyle;
        EXPECT_EQ(style.toolWindow, c.toolWindow) << c.exStyle;
        EXPECT_EQ(style.clickThrough, c.clickThrough) << c.exStyle;
        EXPECT_EQ(style.word, static_cast<std::uint32_t>(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE)));
    }
}

TEST(WindowStyleOfARealWindow, LayeredComesAndGoesAndEveryOtherBitStays) {
    const DWORD others = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE;
    const UniqueWindow window = CreateWithExStyle(others);
    ASSERT_TRUE(window) << GetLastError();
    const DWORD before = static_cast<DWORD>(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE));
    Win32WindowSystem windows;
    const WindowHandle handle = FromHwnd(window.Get());

    EXPECT_EQ(windows.MakeLayered(handle, 102), WindowChange::Done);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE)), before | WS_EX_LAYERED);
    EXPECT_EQ(SystemAlpha(window.Get()), 102);

    EXPECT_EQ(windows.ClearLayered(handle), WindowChange::Done);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE)), before);
    EXPECT_EQ(SystemAlpha(window.Get()), -1) << "the attributes went with the style";
}

TEST(WindowStyleOfARealWindow, TopmostFollowsSetTopmost) {
    const UniqueWindow window = CreateWithExStyle(0);
    ASSERT_TRUE(window) << GetLastError();
    Win32WindowSystem windows;
    const WindowHandle handle = FromHwnd(window.Get());
    windows.SetTopmost(handle, true);
    EXPECT_TRUE(windows.StyleOf(handle).topmost);
    windows.SetTopmost(handle, false);
    EXPECT_FALSE(windows.StyleOf(handle).topmost);
}

TEST(WindowStyleOfARealWindow, ClickThroughComesAndGoesAndEveryOtherBitStays) {
    const UniqueWindow window = CreateWithExStyle(WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_CLIENTEDGE);
    ASSERT_TRUE(window) << GetLastError();
    const DWORD before = static_cast<DWORD>(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE));
    SetLayeredWindowAttributes(window.Get(), 0, 120, LWA_ALPHA);
    Win32WindowSystem windows;
    const WindowHandle handle = FromHwnd(window.Get());

    EXPECT_EQ(windows.SetClickThrough(handle, true), WindowChange::Done);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE)), before | WS_EX_TRANSPARENT);
    EXPECT_TRUE(windows.StyleOf(handle).clickThrough);
    EXPECT_EQ(SystemAlpha(window.Get()), 120);
    EXPECT_EQ(windows.SetClickThrough(handle, false), WindowChange::Done);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE)), before);
    EXPECT_EQ(SystemAlpha(window.Get()), 120);
}

TEST(WindowStyleOfARealWindow, RestoreGivesBackAnExactEarlierWordTopmostIncluded) {
    // Earlier words as a window may have had them, each restored over an overlay's style.
    const DWORD earlier[] = {
        0,
        WS_EX_TOPMOST,
        WS_EX_TOOLWINDOW | WS_EX_LAYERED,
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST,
    };
    Win32WindowSystem windows;
    for (const DWORD exStyle : earlier) {
        const UniqueWindow window = CreateWithExStyle(exStyle);
        ASSERT_TRUE(window) << GetLastError();
        const WindowHandle handle = FromHwnd(window.Get());
        const std::uint32_t word = windows.StyleOf(handle).word;
        windows.MakeLayered(handle, 153);
        windows.SetClickThrough(handle, true);
        windows.SetTopmost(handle, true);
        windows.SetTopmost(handle, (exStyle & WS_EX_TOPMOST) == 0);  // the other band than before
        RECT placed{};
        GetWindowRect(window.Get(), &placed);

        EXPECT_EQ(windows.RestoreStyle(handle, word), WindowChange::Done);
        EXPECT_EQ(static_cast<std::uint32_t>(GetWindowLongPtrW(window.Get(), GWL_EXSTYLE)), word) << exStyle;
        EXPECT_EQ(IsLayered(window.Get()), (word & WS_EX_LAYERED) != 0);
        RECT now{};
        GetWindowRect(window.Get(), &now);
        EXPECT_TRUE(EqualRect(&placed, &now)) << "not moved or sized";
    }
    EXPECT_EQ(windows.RestoreStyle(FromHwnd(nullptr), 0), WindowChange::Done) << "no window: nothing refused";
}

// Under Wine no window refuses, so the mapping from the system's answer is checked on its own.
TEST(WindowChangeOf, OnlyAccessDeniedIsARefusal) {
    EXPECT_EQ(WindowChangeOf(false, ERROR_ACCESS_DENIED), WindowChange::Refused);
    EXPECT_EQ(WindowChangeOf(false, ERROR_INVALID_WINDOW_HANDLE), WindowChange::Done);
    EXPECT_EQ(WindowChangeOf(false, ERROR_INVALID_PARAMETER), WindowChange::Done);
    EXPECT_EQ(WindowChangeOf(true, ERROR_ACCESS_DENIED), WindowChange::Done) << "a stale last error";
}

}  // namespace
}  // namespace vitrex::win32
