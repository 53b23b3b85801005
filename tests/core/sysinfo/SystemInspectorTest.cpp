#include <gtest/gtest.h>

#include "PerfBlock.h"
#include "core/sysinfo/SystemInspector.h"
#include "testing/FakeDesktop.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeRegistry.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::sysinfo {
namespace {

struct Inspector : ::testing::Test {
    Inspector() {
        processes.AddProcess(0, "[System Process]");
        processes.AddProcess(4, "System");
        processes.AddProcess(100, "Notepad.exe");
        processes.AddThread(4, 8);
        processes.AddThread(100, 101);
        processes.AddThread(100, 102);
    }
    WindowHandle AddWindow(std::uint32_t processId, std::uint32_t threadId, std::string title = "w") {
        return fakes::Open(
            desktop, processes,
            {.title = std::move(title), .className = "Cls", .pid = processId, .tid = threadId});
    }

    fakes::FakeProcesses processes;
    fakes::FakeRegistry registry;
    fakes::FakeWindowSystem desktop;
    SystemInspector inspector{processes, registry, desktop};
};

TEST_F(Inspector, ToolhelpListKeepsTheSystemsNamesAndOrder) {
    ProcessList list{{9, "stale", {}}};
    inspector.GetProcessList(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].ExeName, "[System Process]");
    EXPECT_EQ(list[1].ExeName, "System");
    EXPECT_EQ(list[2].ProcessID, 100u);
    EXPECT_TRUE(list[2].Threads.empty());
}

TEST_F(Inspector, ThreadsAndTheirWindowsAreAttachedToEveryEntryOfTheirProcess) {
    const WindowHandle notepad = AddWindow(100, 102, "Untitled");
    AddWindow(4, 8);
    processes.AddProcess(100, "Notepad.exe");  // the same id twice: both entries get the threads
    ProcessList list;
    inspector.GetProcessList(list, true, true);
    ASSERT_EQ(list.size(), 4u);
    for (std::size_t i : {2u, 3u}) {
        ASSERT_EQ(list[i].Threads.size(), 2u);
        EXPECT_EQ(list[i].Threads[0].ThreadID, 101u);
        EXPECT_TRUE(list[i].Threads[0].Windows.empty());
        ASSERT_EQ(list[i].Threads[1].Windows.size(), 1u);
        EXPECT_EQ(list[i].Threads[1].Windows[0].Handle, notepad);
        EXPECT_EQ(list[i].Threads[1].Windows[0].Caption, "Untitled");
    }
}

TEST_F(Inspector, AFailedSnapshotGivesAnEmptyListThatCountsAsListed) {
    processes.snapshotsFail = true;
    ProcessList list;
    EXPECT_EQ(inspector.GetProcessList(list, true), ListOutcome::Listed);
    EXPECT_TRUE(list.empty());
}

TEST_F(Inspector, ThreadListOfOneProcessOrOfAll) {
    ThreadList threads;
    inspector.GetThreadList(100, false, threads);
    ASSERT_EQ(threads.size(), 2u);
    EXPECT_EQ(threads[1].ThreadID, 102u);
    inspector.GetThreadList(0, false, threads);
    EXPECT_EQ(threads.size(), 3u);
}

TEST_F(Inspector, WindowListFiltersByProcessAndThreadAndKeepsZOrder) {
    const WindowHandle a = AddWindow(100, 101);
    const WindowHandle b = AddWindow(100, 102);
    const WindowHandle c = AddWindow(4, 8);
    WindowList list;
    inspector.GetWindowList(0, 0, false, list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].Handle, c);
    EXPECT_EQ(list[2].Handle, a);
    inspector.GetWindowList(100, 0, false, list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Handle, b);
    inspector.GetWindowList(0, 101, false, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Handle, a);
    EXPECT_EQ(list[0].ProcessID, 100u);
    EXPECT_EQ(list[0].ClassName, "Cls");
}

TEST_F(Inspector, OnlyUnownedVisibleTopLevelNonToolWindowsAreApplicationWindows) {
    const WindowHandle app = AddWindow(100, 101);
    const WindowHandle owned = AddWindow(100, 101);
    desktop.Window(owned).owner = app;
    const WindowHandle child = AddWindow(100, 101);
    desktop.Window(child).parent = app;
    const WindowHandle tool = AddWindow(100, 101);
    desktop.Window(tool).exStyle = fakes::kWsExToolWindow;
    const WindowHandle hidden = AddWindow(100, 101);
    desktop.Window(hidden).visible = false;
    desktop.Window(app).rect = {1, 2, 300, 400};

    WindowList all;
    inspector.GetWindowList(0, 0, false, all);
    ASSERT_EQ(all.size(), 5u);
    for (const WindowInfo& info : all)
        EXPECT_EQ(info.IsAppWindow, info.Handle == app) << info.Handle;
    WindowList apps;
    inspector.GetWindowList(0, 0, true, apps);
    ASSERT_EQ(apps.size(), 1u);
    EXPECT_EQ(apps[0].Handle, app);
    EXPECT_EQ(apps[0].Rect, (WindowRect{1, 2, 300, 400}));
    EXPECT_TRUE(apps[0].Visible && apps[0].Enabled);
}

TEST_F(Inspector, WithoutToolhelpTheCountersAreReadAndAFailureIsReportedOnEachRequest) {
    processes.toolhelp = false;
    ProcessList list;
    // No block published at all: every request says so.
    EXPECT_EQ(inspector.GetProcessList(list), ListOutcome::PerformanceDataUnreadable);
    EXPECT_EQ(inspector.GetProcessList(list), ListOutcome::PerformanceDataUnreadable);

    registry.SetPerformanceData(
        "230 232", testing::PerfBlock::Build({testing::ProcessObject({{u"Idle", 0}, {u"svc", 50}}),
                                              testing::ThreadObject({{50, 51}})}));
    EXPECT_EQ(inspector.GetProcessList(list, true), ListOutcome::Listed);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].ExeName, "svc.exe");
    ASSERT_EQ(list[1].Threads.size(), 1u);
    EXPECT_EQ(list[1].Threads[0].ThreadID, 51u);
}

TEST_F(Inspector, ReadPerformanceDataIsFalseWithoutListsOrWithOnlyEmptyOnes) {
    EXPECT_FALSE(inspector.ReadPerformanceData(nullptr, nullptr, false));
    registry.SetPerformanceData("230 232", testing::PerfBlock::Build({}));
    ProcessList list{{1, "stale", {}}};
    EXPECT_FALSE(inspector.ReadPerformanceData(&list, nullptr, false));
    EXPECT_TRUE(list.empty());
}

TEST_F(Inspector, WithoutToolhelpOnlyOldNtSystemsTakeThreadsFromTheCounters) {
    processes.toolhelp = false;
    registry.SetPerformanceData("230 232",
                                testing::PerfBlock::Build({testing::ThreadObject({{50, 51}, {60, 61}})}));
    ThreadList threads;
    EXPECT_EQ(inspector.GetThreadList(50, false, threads), ListOutcome::Listed);
    EXPECT_TRUE(threads.empty());

    fakes::FakeProcesses oldSystem;
    oldSystem.toolhelp = false;
    oldSystem.oldNt = true;
    SystemInspector oldInspector{oldSystem, registry, desktop};
    EXPECT_EQ(oldInspector.GetThreadList(50, false, threads), ListOutcome::Listed);
    // This path lists every process's threads, whichever was asked for.
    EXPECT_EQ(threads.size(), 2u);

    registry.SetPerformanceData("230 232", testing::PerfBlock::Build({}));
    EXPECT_EQ(oldInspector.GetThreadList(50, false, threads), ListOutcome::PerformanceDataUnreadable);
    EXPECT_TRUE(threads.empty());
}

}  // namespace
}  // namespace vitrex::sysinfo
