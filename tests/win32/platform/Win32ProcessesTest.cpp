#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>
#include <winperf.h>

#include <algorithm>
#include <cstddef>

#include "core/sysinfo/PerformanceData.h"
#include "core/sysinfo/SystemInspector.h"
#include "win32/UniqueHandle.h"
#include "win32/platform/Win32Processes.h"
#include "win32/platform/Win32Registry.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {
namespace {

// The record sizes the x64 Toolhelp functions expect, and the layout the core parser reads the
// performance-data headers with.
static_assert(sizeof(PROCESSENTRY32W) == 568);
static_assert(sizeof(THREADENTRY32) == 28);
namespace layout = sysinfo::perf_layout;
static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == layout::kBlockHeaderLength);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == layout::kBlockNumObjectTypes);
static_assert(offsetof(PERF_OBJECT_TYPE, TotalByteLength) == layout::kObjectTotalByteLength);
static_assert(offsetof(PERF_OBJECT_TYPE, DefinitionLength) == layout::kObjectDefinitionLength);
static_assert(offsetof(PERF_OBJECT_TYPE, HeaderLength) == layout::kObjectHeaderLength);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == layout::kObjectNameTitleIndex);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == layout::kObjectNumCounters);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == layout::kObjectNumInstances);
static_assert(sizeof(PERF_OBJECT_TYPE) == layout::kObjectSize);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterNameTitleIndex) == layout::kCounterNameTitleIndex);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == layout::kCounterOffset);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == layout::kCounterDefinitionSize);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, NameOffset) == layout::kInstanceNameOffset);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, NameLength) == layout::kInstanceNameLength);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == layout::kInstanceSize);
static_assert(sizeof(PERF_COUNTER_BLOCK) == layout::kCounterBlockSize);

TEST(Win32Processes, ToolhelpIsThereAndListsThisProcessByItsExeName) {
    Win32Processes processes;
    EXPECT_TRUE(processes.ToolhelpAvailable());
    const auto records = processes.SnapshotProcesses();
    ASSERT_TRUE(records);
    const auto self = std::find_if(records->begin(), records->end(), [](const ProcessRecord& r) {
        return r.processId == GetCurrentProcessId();
    });
    ASSERT_NE(self, records->end());
    EXPECT_EQ(self->exeName, "vitrex_win32_tests.exe");
    EXPECT_FALSE(processes.IsNtVersion4OrOlder());
}

TEST(Win32Processes, AProcessAskedByItsIdIsNamedAsTheSnapshotNamesIt) {
    Win32Processes processes;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    wchar_t command[] = L"notepad.exe";
    ASSERT_TRUE(
        CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    const auto records = processes.SnapshotProcesses();
    ASSERT_TRUE(records);
    for (DWORD id : {GetCurrentProcessId(), child.dwProcessId}) {
        const auto listed = std::find_if(records->begin(), records->end(),
                                         [id](const ProcessRecord& r) { return r.processId == id; });
        ASSERT_NE(listed, records->end());
        EXPECT_EQ(processes.ExeNameOf(id), listed->exeName);
    }
    TerminateProcess(child.hProcess, 0);
    WaitForSingleObject(child.hProcess, 5000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(processes.ExeNameOf(0), std::nullopt);
    EXPECT_EQ(processes.ExeNameOf(0xFFFFFFF0u), std::nullopt) << "no such process";
}

TEST(Win32Processes, ThreadSnapshotHoldsThisThread) {
    Win32Processes processes;
    const auto threads = processes.SnapshotThreads();
    ASSERT_TRUE(threads);
    EXPECT_TRUE(std::any_of(threads->begin(), threads->end(), [](const ThreadRecord& t) {
        return t.threadId == GetCurrentThreadId() && t.ownerProcessId == GetCurrentProcessId();
    }));
}

TEST(Win32Processes, InspectorListsThisProcessWithItsThreadAndItsWindow) {
    const UniqueWindow window(CreateWindowExW(0, L"STATIC", L"Vitrex inspector test", WS_OVERLAPPED, 0, 0,
                                              100, 50, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(window);
    Win32Processes processes;
    Win32Registry registry;
    Win32WindowSystem windows;
    sysinfo::SystemInspector inspector(processes, registry, windows);
    sysinfo::ProcessList list;
    inspector.GetProcessList(list, true, true);
    const auto self = std::find_if(list.begin(), list.end(), [](const sysinfo::ProcessInfo& p) {
        return p.ProcessID == GetCurrentProcessId();
    });
    ASSERT_NE(self, list.end());
    EXPECT_EQ(self->ExeName, "vitrex_win32_tests.exe");
    const auto thread =
        std::find_if(self->Threads.begin(), self->Threads.end(),
                     [](const sysinfo::ThreadInfo& t) { return t.ThreadID == GetCurrentThreadId(); });
    ASSERT_NE(thread, self->Threads.end());
    EXPECT_TRUE(
        std::any_of(thread->Windows.begin(), thread->Windows.end(), [&](const sysinfo::WindowInfo& w) {
            return w.Handle == FromHwnd(window.Get()) && w.Caption == "Vitrex inspector test" &&
                   w.ClassName == "Static";
        }));
}

TEST(Win32Processes, WinesPerformanceBlockParsesAsEmpty) {
    // Wine publishes a header without objects: read without fault, it lists nothing.
    Win32Registry registry;
    const std::vector<std::uint8_t> block = registry.QueryPerformanceData("230 232");
    const auto lists = sysinfo::ParsePerformanceData(block, true, true);
    ASSERT_TRUE(lists);
    EXPECT_TRUE(lists->processes.empty());
}

}  // namespace
}  // namespace vitrex::win32
