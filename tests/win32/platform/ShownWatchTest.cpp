#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <vector>

#include "../ui/UiTestSupport.h"
#include "win32/platform/ShownWatch.h"

namespace vitrex::win32 {
namespace {

HWND Hidden(const wchar_t* title) {
    return ::CreateWindowExW(WS_EX_NOACTIVATE, L"STATIC", title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                             nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TEST(ShownWatch, AWindowShownWithoutActivationIsHandedToThisThreadOnce) {
    std::vector<HWND> shown;
    const DWORD thisThread = ::GetCurrentThreadId();
    bool otherThread = false;
    ShownWatch watch([&](HWND window) {
        otherThread = otherThread || ::GetCurrentThreadId() != thisThread;
        shown.push_back(window);
    });
    const HWND toast = Hidden(L"toast");
    EXPECT_FALSE(watch.Watch(toast)) << "not started";
    ASSERT_TRUE(watch.Start());
    ASSERT_TRUE(watch.Watch(toast));
    ASSERT_TRUE(watch.Watch(toast)) << "watched once";
    EXPECT_EQ(watch.Watched(), 1u);
    ::ShowWindow(toast, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(testing::PumpUntil([&] { return !shown.empty(); }, std::chrono::seconds(5)));
    EXPECT_EQ(shown, std::vector<HWND>{toast});
    EXPECT_EQ(watch.Watched(), 0u);
    EXPECT_FALSE(otherThread) << "delivered on the thread that started the watch";
    ::DestroyWindow(toast);
}

TEST(ShownWatch, WindowsDestroyedOrNeverShownAreLetGoAndStopDropsTheRest) {
    std::vector<HWND> shown;
    ShownWatch watch([&](HWND window) { shown.push_back(window); });
    ASSERT_TRUE(watch.Start());
    const HWND destroyed = Hidden(L"destroyed");
    const HWND never = Hidden(L"never");
    ASSERT_TRUE(watch.Watch(destroyed));
    ASSERT_TRUE(watch.Watch(never));
    ::DestroyWindow(destroyed);
    // Let go once destroyed, and once its time is up: the tick is left to meet it.
    EXPECT_TRUE(testing::PumpUntil([&] { return watch.Watched() == 0; }, std::chrono::seconds(5)));
    EXPECT_TRUE(shown.empty());

    const HWND late = Hidden(L"late");
    ASSERT_TRUE(watch.Watch(late));
    watch.Stop();
    EXPECT_EQ(watch.Watched(), 0u);
    ::ShowWindow(late, SW_SHOWNOACTIVATE);
    testing::PumpUntil([] { return false; }, std::chrono::milliseconds(50));
    EXPECT_TRUE(shown.empty()) << "nothing after the stop";
    EXPECT_FALSE(watch.Watch(late));
    ::DestroyWindow(late);
    ::DestroyWindow(never);
}

TEST(ShownWatch, AtMostSoManyWindowsAreWatchedAtOnce) {
    ShownWatch watch([](HWND) {});
    ASSERT_TRUE(watch.Start());
    std::vector<HWND> windows;
    for (std::size_t i = 0; i <= ShownWatch::kMaxWatched; ++i)
        windows.push_back(Hidden(L"many"));
    for (std::size_t i = 0; i < ShownWatch::kMaxWatched; ++i)
        EXPECT_TRUE(watch.Watch(windows[i]));
    EXPECT_FALSE(watch.Watch(windows.back())) << "left to the tick";
    watch.Stop();
    for (HWND window : windows)
        ::DestroyWindow(window);
}

}  // namespace
}  // namespace vitrex::win32
