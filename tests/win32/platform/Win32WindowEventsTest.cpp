#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <utility>
#include <vector>

#include "../ui/UiTestSupport.h"
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

TEST(WindowEventFilter, AMovedFocusIsReportedWhereverItLands) {
    EXPECT_EQ(ReportedWindowEvent(EVENT_OBJECT_FOCUS, OBJID_CLIENT, CHILDID_SELF, false),
              WindowEvent::FocusMoved)
        << "a control of the new foreground window";
    EXPECT_EQ(ReportedWindowEvent(EVENT_OBJECT_FOCUS, OBJID_WINDOW, CHILDID_SELF, true),
              WindowEvent::FocusMoved);
    EXPECT_FALSE(ReportedWindowEvent(EVENT_OBJECT_FOCUS, OBJID_CLIENT, 4, false))
        << "an item inside a control";
    EXPECT_FALSE(ReportedWindowEvent(EVENT_OBJECT_FOCUS, OBJID_CARET, CHILDID_SELF, true));
}

// Another program with a top-level window (Wine's notepad), ended when the test ends. Wine
// reports the creation of other programs' windows only: the program's own never come.
struct OtherProgram {
    PROCESS_INFORMATION process{};

    OtherProgram() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        wchar_t command[] = L"notepad.exe";
        ::CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    }
    ~OtherProgram() {
        if (process.hProcess == nullptr) return;
        ::TerminateProcess(process.hProcess, 0);
        ::WaitForSingleObject(process.hProcess, 5000);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
};

TEST(Win32WindowEvents, AnotherProgramsNewWindowReachesTheSinkOnThisThreadUntilStop) {
    Win32WindowEvents events;
    std::vector<std::pair<WindowEvent, WindowHandle>> seen;
    const DWORD thisThread = ::GetCurrentThreadId();
    bool otherThread = false;
    ASSERT_TRUE(events.Start([&](WindowEvent event, WindowHandle window) {
        otherThread = otherThread || ::GetCurrentThreadId() != thisThread;
        seen.emplace_back(event, window);
    }));
    const auto createdBy = [&](DWORD processId) {
        for (const auto& [event, handle] : seen) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(ToHwnd(handle), &owner);
            if (event == WindowEvent::Created && owner == processId) return true;
        }
        return false;
    };
    {
        OtherProgram notepad;
        ASSERT_NE(notepad.process.hProcess, nullptr);
        testing::PumpUntil([&] { return createdBy(notepad.process.dwProcessId); },
                           std::chrono::milliseconds(10000));
        EXPECT_TRUE(createdBy(notepad.process.dwProcessId));
        for (const auto& [event, handle] : seen)
            EXPECT_EQ(::GetAncestor(ToHwnd(handle), GA_PARENT), ::GetDesktopWindow())
                << "top-level windows only";
        EXPECT_FALSE(otherThread) << "delivered on the thread that asked";
    }

    events.Stop();
    seen.clear();
    OtherProgram later;
    testing::PumpUntil([] { return false; }, std::chrono::milliseconds(1500));
    EXPECT_TRUE(seen.empty());
}

TEST(Win32WindowEvents, AnotherProgramsFocusReachesTheSink) {
    Win32WindowEvents events;
    std::vector<std::pair<WindowEvent, WindowHandle>> seen;
    ASSERT_TRUE(
        events.Start([&](WindowEvent event, WindowHandle window) { seen.emplace_back(event, window); }));
    OtherProgram notepad;
    ASSERT_NE(notepad.process.hProcess, nullptr);
    // A program that starts gives its window, or a control of it, the keyboard focus.
    const auto focusedInNotepad = [&] {
        for (const auto& [event, window] : seen) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(ToHwnd(window), &owner);
            if (event == WindowEvent::FocusMoved && owner == notepad.process.dwProcessId) return true;
        }
        return false;
    };
    testing::PumpUntil(focusedInNotepad, std::chrono::milliseconds(10000));
    EXPECT_TRUE(focusedInNotepad());
}

TEST(Win32WindowEvents, AWatchedForegroundChangeReachesTheSinkAsSeenUntilTheReportsStop) {
    Win32WindowEvents events;
    EXPECT_FALSE(events.WatchForeground(true)) << "no sink to tell";
    std::vector<WindowHandle> seen;
    ASSERT_TRUE(events.Start([&](WindowEvent event, WindowHandle window) {
        if (event == WindowEvent::ForegroundSeen) seen.push_back(window);
    }));
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"seen", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                          200, 100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(events.WatchForeground(true));
    ::SetForegroundWindow(window);
    testing::PumpUntil([&] { return !seen.empty() && seen.back() == FromHwnd(window); },
                       std::chrono::milliseconds(2000));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), FromHwnd(window));

    events.Stop();
    seen.clear();
    ::DestroyWindow(window);
    testing::PumpUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_TRUE(seen.empty()) << "stopping the reports stops the watch";
}

}  // namespace
}  // namespace vitrex::win32
