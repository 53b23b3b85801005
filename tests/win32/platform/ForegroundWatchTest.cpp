#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <chrono>

#include "../ui/UiTestSupport.h"
#include "win32/platform/ForegroundWatch.h"

namespace vitrex::win32 {
namespace {

// A plain visible top-level window of this thread, destroyed with the test.
struct PlainWindow {
    HWND window = nullptr;
    PlainWindow() {
        window = ::CreateWindowExW(0, L"STATIC", L"watched", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                   100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    ~PlainWindow() { ::DestroyWindow(window); }
};

int ThreadsOfThisProcess() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == ::GetCurrentProcessId() ? 1 : 0;
    ::CloseHandle(snapshot);
    return count;
}

TEST(ForegroundWatch, ReportsEachChangeOnTheStartingThreadOnceAndNothingAfterStop) {
    PlainWindow first, second;
    ASSERT_NE(first.window, nullptr);
    ASSERT_NE(second.window, nullptr);
    // The display settles the focus on one of the two on its own time; the test switches to the
    // other one.
    testing::PumpUntil([] { return false; }, std::chrono::milliseconds(300));
    const HWND before = ::GetForegroundWindow();
    const HWND other = before == first.window ? second.window : first.window;

    const int threadsBefore = ThreadsOfThisProcess();
    const DWORD thisThread = ::GetCurrentThreadId();
    int changes = 0;
    bool otherThread = false;
    ForegroundWatch watch([&] {
        ++changes;
        otherThread = otherThread || ::GetCurrentThreadId() != thisThread;
    });
    ASSERT_TRUE(watch.Start());
    EXPECT_TRUE(watch.Start()) << "watching already";
    testing::PumpUntil([&] { return changes > 0; }, std::chrono::milliseconds(2000));
    EXPECT_EQ(changes, 1) << "the first look reports the foreground it finds";

    ::SetForegroundWindow(other);
    testing::PumpUntil([&] { return changes > 1; }, std::chrono::milliseconds(2000));
    ASSERT_EQ(::GetForegroundWindow(), other);
    EXPECT_EQ(changes, 2);
    testing::PumpUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_EQ(changes, 2) << "no change, no report";
    EXPECT_FALSE(otherThread);
    EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore + 1);

    watch.Stop();
    EXPECT_FALSE(watch.Watching());
    EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore) << "the watching thread has ended";
    ::SetForegroundWindow(before);
    testing::PumpUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_EQ(changes, 2);

    // Started again, it reports the foreground anew; ended with its owner while it watches.
    {
        ForegroundWatch again([&] { ++changes; });
        ASSERT_TRUE(again.Start());
        testing::PumpUntil([&] { return changes > 2; }, std::chrono::milliseconds(2000));
        EXPECT_EQ(changes, 3);
    }
    EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore);
}

}  // namespace
}  // namespace vitrex::win32
