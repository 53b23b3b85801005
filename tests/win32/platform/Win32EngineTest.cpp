#include <gtest/gtest.h>

#include <windows.h>

#include "core/sysinfo/SystemInspector.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Engine.h"
#include "win32/UniqueHandle.h"
#include "win32/platform/Win32Processes.h"
#include "win32/platform/Win32Registry.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {
namespace {

struct NoExceptions : transparency::ExceptionsSource {
    bool Contains(std::string_view) const override { return false; }
    std::string ClassException() const override { return {}; }
};

// The alpha the system holds for the window: -1 when it is not layered, -2 when it is layered
// but has no attributes to read (per-pixel alpha).
int SystemAlpha(HWND window) {
    if ((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) return -1;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags)) return -2;
    return (flags & LWA_ALPHA) != 0 ? alpha : 255;
}

UniqueWindow CreateVisible(const wchar_t* title, DWORD exStyle = 0) {
    return UniqueWindow(CreateWindowExW(exStyle, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                        200, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

// Draws the window the way programs with per-pixel alpha do.
bool DrawPerPixel(HWND window) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 200;
    info.bmiHeader.biHeight = -120;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    std::fill_n(static_cast<std::uint32_t*>(bits), 200 * 120, 0x80402010u);
    POINT source{0, 0};
    SIZE size{200, 120};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const BOOL done =
        UpdateLayeredWindow(window, screen, nullptr, &size, memory, &source, 0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return done != FALSE;
}

TEST(EngineOnARealDesktop, WindowsLayeredByTheirOwnProgramAreGivenBackAsTheyWere) {
    const UniqueWindow own = CreateVisible(L"Vitrex own alpha", WS_EX_LAYERED);
    ASSERT_TRUE(own);
    ASSERT_TRUE(SetLayeredWindowAttributes(own.Get(), 0, 200, LWA_ALPHA));
    const UniqueWindow perPixel = CreateVisible(L"Vitrex per-pixel", WS_EX_LAYERED);
    ASSERT_TRUE(DrawPerPixel(perPixel.Get()));
    const UniqueWindow plain = CreateVisible(L"Vitrex plain");
    ASSERT_TRUE(plain);
    ASSERT_TRUE(SetForegroundWindow(plain.Get()));
    ASSERT_EQ(SystemAlpha(perPixel.Get()), -2) << "the system reads back attributes of a per-pixel window";

    Win32WindowSystem windows;
    Win32Processes processes;
    Win32Registry registry;
    sysinfo::SystemInspector inspector(processes, registry, windows);
    NoExceptions exceptions;
    transparency::Eligibility eligibility(windows, inspector, exceptions);
    transparency::Engine engine(windows, eligibility);
    engine.Tick({10, 25, false});

    EXPECT_EQ(SystemAlpha(plain.Get()), 229);
    EXPECT_EQ(SystemAlpha(own.Get()), 191);
    EXPECT_EQ(SystemAlpha(perPixel.Get()), -2);

    engine.SwitchOff();
    EXPECT_EQ(SystemAlpha(plain.Get()), -1);
    EXPECT_EQ(SystemAlpha(own.Get()), 200);
    EXPECT_EQ(SystemAlpha(perPixel.Get()), -2);
}

}  // namespace
}  // namespace vitrex::win32
