#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "win32/UniqueHandle.h"
#include "win32/platform/Win32WindowEvents.h"
#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {
namespace {

TEST(WindowEventFilter, OnlyWholeTopLevelWindowsAreReported) {
    EXPECT_EQ(ReportedWindowEvent(EVENT_OBJECT_CREATE, OBJID_WINDOW, CHILDID_SELF, true),
              WindowEvent::Created);
    EXPECT_EQ(ReportedWindowEvent(EVENT_OBJECT_SHOW, OBJID_WINDOW, CHILDID_SELF, true), WindowEvent::Shown);
    EXPECT_EQ(ReportedWindowEvent(EVENT_SYSTEM_FOREGROUND, OBJID_WINDOW, CHILDID_SELF, true),
              WindowEvent::Foreground);
    EXPECT_FALSE(ReportedWindowEvent(EVENT_OBJECT_CREATE, OBJID_WINDOW, CHILDID_SELF, false))
        << "a child window";
    EXPECT_FALSE(ReportedWindowEvent(EVENT_OBJECT_SHOW, OBJID_CURSOR, CHILDID_SELF, true)) << "the cursor";
    EXPECT_FALSE(ReportedWindowEvent(EVENT_OBJECT_SHOW, OBJID_CARET, CHILDID_SELF, true));
    EXPECT_FALSE(ReportedWindowEvent(EVENT_OBJECT_CREATE, OBJID_WINDOW, 3, true)) << "an item of a control";
    EXPECT_FALSE(ReportedWindowEvent(EVENT_OBJECT_DESTROY, OBJID_WINDOW, CHILDID_SELF, true))
        << "inside the hooked range, not asked for";
}

// A window made by another thread of this process, with a child, left open until the end.
struct OtherThreadsWindow {
    HWND window = nullptr;
    HWND child = nullptr;
    HANDLE made = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD threadId = 0;
    std::thread thread;

    OtherThreadsWindow() {
        thread = std::thread([this] {
            threadId = ::GetCurrentThreadId();
            window = ::CreateWindowExW(0, L"STATIC", L"Vitrex events", WS_OVERLAPPEDWINDOW, 60, 60, 200, 120,
                                       nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
            child = ::CreateWindowExW(0, L"STATIC", L"child", WS_CHILD, 0, 0, 20, 20, window, nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr);
            ::ShowWindow(window, SW_SHOWNOACTIVATE);
            ::SetEvent(made);
            MSG message;
            while (::GetMessageW(&message, nullptr, 0, 0) > 0)
                ::DispatchMessageW(&message);
            ::DestroyWindow(window);
        });
        ::WaitForSingleObject(made, 5000);
    }
    ~OtherThreadsWindow() {
        ::PostThreadMessageW(threadId, WM_QUIT, 0, 0);
        thread.join();
        ::CloseHandle(made);
    }
};

// Pumps this thread's messages for up to `ms`, or until `done` holds.
template <typename Done>
void PumpUntil(int ms, Done done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done() && std::chrono::steady_clock::now() < end) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
    }
}

TEST(Win32WindowEvents, ATopLevelWindowsCreationAndShowingReachTheSinkOnThisThreadAndStopEndsThem) {
    // The program leaves its own windows out; here they are what there is to watch.
    Win32WindowEvents events(false);
    std::vector<std::pair<WindowEvent, WindowHandle>> seen;
    const DWORD thisThread = ::GetCurrentThreadId();
    bool otherThread = false;
    ASSERT_TRUE(events.Start([&](WindowEvent event, WindowHandle window) {
        otherThread = otherThread || ::GetCurrentThreadId() != thisThread;
        seen.emplace_back(event, window);
    }));
    const auto created = [&](HWND window) {
        for (const auto& [event, handle] : seen) {
            if (event == WindowEvent::Created && handle == FromHwnd(window)) return true;
        }
        return false;
    };
    {
        OtherThreadsWindow made;
        ASSERT_NE(made.window, nullptr);
        PumpUntil(3000, [&] { return created(made.window); });
        EXPECT_TRUE(created(made.window));
        for (const auto& [event, handle] : seen)
            EXPECT_NE(handle, FromHwnd(made.child)) << "child windows are not reported";
        EXPECT_FALSE(otherThread) << "delivered on the thread that asked";
    }

    events.Stop();
    seen.clear();
    OtherThreadsWindow later;
    PumpUntil(300, [] { return false; });
    EXPECT_TRUE(seen.empty());
}

TEST(Win32WindowEvents, TheProgramsOwnWindowsAreLeftOut) {
    Win32WindowEvents events;
    int reported = 0;
    ASSERT_TRUE(events.Start([&](WindowEvent, WindowHandle) { ++reported; }));
    OtherThreadsWindow made;
    PumpUntil(300, [] { return false; });
    EXPECT_EQ(reported, 0);
}

}  // namespace
}  // namespace vitrex::win32
