#include <gtest/gtest.h>

#include <windows.h>

#include "core/transparency/FullScreenWindows.h"
#include "win32/UniqueHandle.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {
namespace {

using transparency::CoversItsMonitor;

UniqueWindow MakeWindow(DWORD style, int x, int y, int width, int height) {
    return UniqueWindow(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Vitrex full-screen test", style, x, y,
                                        width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

WindowRect PrimaryMonitor() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TEST(FullScreenOnARealDesktop, APopupTheSizeOfTheScreenCoversItsMonitorAndASmallerOneDoesNot) {
    const WindowRect screen = PrimaryMonitor();
    UniqueWindow popup = MakeWindow(WS_POPUP, 0, 0, screen.right, screen.bottom);
    UniqueWindow small = MakeWindow(WS_OVERLAPPEDWINDOW, 40, 40, 300, 200);
    ASSERT_TRUE(popup && small) << GetLastError();
    Win32WindowSystem windows;
    EXPECT_EQ(windows.RectOf(FromHwnd(popup.Get())), screen);
    EXPECT_EQ(windows.MonitorRectOf(FromHwnd(popup.Get())), screen);
    EXPECT_EQ(windows.MonitorRectOf(FromHwnd(small.Get())), screen) << "the whole monitor, not its work area";
    EXPECT_TRUE(CoversItsMonitor(windows, FromHwnd(popup.Get())));
    EXPECT_FALSE(CoversItsMonitor(windows, FromHwnd(small.Get())));

    SetWindowPos(popup.Get(), nullptr, 0, 0, screen.right / 2, screen.bottom / 2,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(CoversItsMonitor(windows, FromHwnd(popup.Get())));
}

TEST(FullScreenOnARealDesktop, AMaximisedWindowIsNotFullScreenAndAClosedOneHasNoMonitor) {
    // With a caption; maximised where no taskbar takes a strip, its frame reaches past the screen.
    UniqueWindow maximised = MakeWindow(WS_OVERLAPPEDWINDOW, 40, 40, 300, 200);
    ASSERT_TRUE(maximised) << GetLastError();
    ShowWindow(maximised.Get(), SW_SHOWMAXIMIZED);
    Win32WindowSystem windows;
    ASSERT_TRUE(windows.IsZoomed(FromHwnd(maximised.Get())));
    EXPECT_FALSE(CoversItsMonitor(windows, FromHwnd(maximised.Get())));

    const WindowHandle closed = FromHwnd(maximised.Get());
    maximised = UniqueWindow();
    EXPECT_EQ(windows.MonitorRectOf(closed), std::nullopt);
    EXPECT_FALSE(CoversItsMonitor(windows, closed));
}

}  // namespace
}  // namespace vitrex::win32
