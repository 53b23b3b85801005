#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

#include "win32/UniqueHandle.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {
namespace {

constexpr wchar_t kClass[] = L"VitrexDesktopTest";

// Two windows of a class of our own, the second created in front of the first.
struct RealDesktop : ::testing::Test {
    static void SetUpTestSuite() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
    }
    static UniqueWindow Create(const wchar_t* title, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               HWND owner = nullptr) {
        return UniqueWindow(CreateWindowExW(0, kClass, title, style, 30, 40, 300, 200, owner, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
    }
    void SetUp() override {
        ASSERT_TRUE(back);
        ASSERT_TRUE(front);
    }
    WindowHandle H(const UniqueWindow& w) const { return FromHwnd(w.Get()); }

    UniqueWindow back = Create(L"Back");
    UniqueWindow front = Create(L"Gr\u00FC\u00DFe \u2713");
    Win32WindowSystem windows;
};

TEST_F(RealDesktop, FindTopLevelMatchesTheClassInAnyCaseAndTheTitleExactly) {
    EXPECT_EQ(windows.FindTopLevel("vitrexdesktoptest", std::nullopt), H(front));
    EXPECT_EQ(windows.FindTopLevel("VitrexDesktopTest", "Back"), H(back));
    EXPECT_EQ(windows.FindTopLevel("VitrexDesktopTest",
                                   "Gr\xC3\xBC\xC3\x9F"
                                   "e \xE2\x9C\x93"),
              H(front));
    EXPECT_EQ(windows.FindTopLevel("VitrexDesktopTest", ""), 0u);
    EXPECT_EQ(windows.FindTopLevel("NoSuchClassAnywhere", std::nullopt), 0u);
    EXPECT_EQ(windows.FindTopLevel("", std::nullopt), 0u);
}

TEST_F(RealDesktop, EnumerationGoesFrontToBackAndStopsWhenAsked) {
    std::vector<WindowHandle> all;
    windows.EnumerateTopLevel([&](WindowHandle w) {
        all.push_back(w);
        return true;
    });
    const auto frontAt = std::find(all.begin(), all.end(), H(front));
    const auto backAt = std::find(all.begin(), all.end(), H(back));
    ASSERT_NE(frontAt, all.end());
    ASSERT_NE(backAt, all.end());
    EXPECT_LT(frontAt, backAt);
    // The same windows in the same order as the system's own enumeration of top-level windows.
    std::vector<WindowHandle> listed;
    EnumWindows(
        [](HWND w, LPARAM context) {
            reinterpret_cast<std::vector<WindowHandle>*>(context)->push_back(FromHwnd(w));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&listed));
    EXPECT_EQ(all, listed);

    int visited = 0;
    windows.EnumerateTopLevel([&](WindowHandle) { return ++visited < 2; });
    EXPECT_EQ(visited, 2);

    std::vector<WindowHandle> mine;
    windows.EnumerateThreadWindows(GetCurrentThreadId(), [&](WindowHandle w) {
        mine.push_back(w);
        return true;
    });
    EXPECT_NE(std::find(mine.begin(), mine.end(), H(front)), mine.end());
    EXPECT_NE(std::find(mine.begin(), mine.end(), H(back)), mine.end());
    for (WindowHandle w : mine)
        EXPECT_EQ(windows.ThreadProcessOf(w).threadId, GetCurrentThreadId());
}

TEST_F(RealDesktop, AnExceptionInTheVisitorStopsTheEnumerationAndReachesTheCaller) {
    int visited = 0;
    EXPECT_THROW(windows.EnumerateTopLevel([&](WindowHandle) -> bool {
        ++visited;
        throw std::runtime_error("stop");
    }),
                 std::runtime_error);
    EXPECT_EQ(visited, 1);
}

TEST_F(RealDesktop, ForegroundFollowsActivation) {
    ASSERT_TRUE(SetForegroundWindow(back.Get()));
    EXPECT_EQ(windows.ForegroundWindow(), H(back));
    ASSERT_TRUE(SetForegroundWindow(front.Get()));
    EXPECT_EQ(windows.ForegroundWindow(), H(front));
}

TEST_F(RealDesktop, PropertiesOfAWindow) {
    MoveWindow(back.Get(), 11, 22, 333, 144, FALSE);
    EXPECT_EQ(windows.RectOf(H(back)), (WindowRect{11, 22, 344, 166}));
    EXPECT_EQ(windows.TextOf(H(front)),
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x9C\x93");
    EXPECT_EQ(windows.ClassOf(H(front)), "VitrexDesktopTest");
    EXPECT_EQ(windows.ThreadProcessOf(H(front)).processId, GetCurrentProcessId());
    EXPECT_TRUE(windows.IsVisible(H(front)));
    EXPECT_TRUE(windows.IsEnabled(H(front)));
    EnableWindow(front.Get(), FALSE);
    ShowWindow(back.Get(), SW_HIDE);
    EXPECT_FALSE(windows.IsEnabled(H(front)));
    EXPECT_FALSE(windows.IsVisible(H(back)));

    const UniqueWindow owned = Create(L"Owned", WS_POPUP, front.Get());
    EXPECT_EQ(windows.OwnerOf(H(owned)), H(front));
    EXPECT_EQ(windows.OwnerOf(H(front)), 0u);

    const WindowHandle gone = H(back);
    back.Reset();
    EXPECT_EQ(windows.TextOf(gone), "");
    EXPECT_EQ(windows.ThreadProcessOf(gone).threadId, 0u);
    EXPECT_EQ(windows.RectOf(gone), WindowRect{});
}

TEST_F(RealDesktop, LayeredAttributesAreReadBackWithTheirColourKey) {
    EXPECT_FALSE(windows.GetLayeredAttributes(H(front)));
    SetWindowLongPtrW(front.Get(), GWL_EXSTYLE, GetWindowLongPtrW(front.Get(), GWL_EXSTYLE) | WS_EX_LAYERED);
    windows.SetLayeredAttributes(H(front), {0x00FF00FF, 180});
    EXPECT_EQ(windows.GetLayeredAttributes(H(front)), (LayeredAttributes{0x00FF00FF, 180}));
    EXPECT_EQ(windows.GetLayeredAlpha(H(front)), 180);
}

TEST_F(RealDesktop, EachKindOfLayeredAttributesReachesTheSystemWithItsFlagAlone) {
    SetWindowLongPtrW(front.Get(), GWL_EXSTYLE, GetWindowLongPtrW(front.Get(), GWL_EXSTYLE) | WS_EX_LAYERED);
    struct Case {
        LayeredAttributes given;
        DWORD flags;
    };
    const Case cases[] = {
        {{0x00123456, std::nullopt}, LWA_COLORKEY},
        {{std::nullopt, 77}, LWA_ALPHA},
        {{0x00FF00FF, 200}, LWA_COLORKEY | LWA_ALPHA},
    };
    for (const Case& c : cases) {
        windows.SetLayeredAttributes(H(front), c.given);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(front.Get(), &key, &alpha, &flags));
        EXPECT_EQ(flags, c.flags);
        EXPECT_EQ(windows.GetLayeredAttributes(H(front)), c.given);
        EXPECT_EQ(windows.GetLayeredAlpha(H(front)), c.given.alpha);
    }
}

}  // namespace
}  // namespace vitrex::win32
