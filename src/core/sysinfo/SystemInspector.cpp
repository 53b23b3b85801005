#include "core/sysinfo/SystemInspector.h"

#include <unordered_map>
#include <vector>

#include "core/platform/Errors.h"
#include "core/sysinfo/PerformanceData.h"

namespace vitrex::sysinfo {
namespace {

// Every process entry with the thread's process id gets its own copy of the thread.
void AttachThreads(ProcessList& processes, const ThreadList& threads) {
    std::unordered_map<std::uint32_t, std::vector<std::size_t>> entriesById;
    for (std::size_t i = 0; i < processes.size(); ++i)
        entriesById[processes[i].ProcessID].push_back(i);
    for (const ThreadInfo& thread : threads) {
        auto it = entriesById.find(thread.OwnerProcessID);
        if (it == entriesById.end()) continue;
        for (std::size_t i : it->second)
            processes[i].Threads.push_back(thread);
    }
}

}  // namespace

ListOutcome SystemInspector::GetProcessList(ProcessList& list, bool withThreads, bool withWindows) {
    list.clear();
    ListOutcome outcome = ListOutcome::Listed;
    processSnapshotFailed_ = false;
    ThreadList threads;
    if (processes_.ToolhelpAvailable()) {
        // A failed snapshot leaves the list empty without a word: the next request tries again.
        std::optional<std::vector<ProcessRecord>> records = processes_.SnapshotProcesses();
        processSnapshotFailed_ = !records;
        if (records) {
            list.reserve(records->size());
            for (ProcessRecord& record : *records)
                list.push_back({record.processId, std::move(record.exeName), {}});
        }
        if (withThreads) GetThreadList(0, withWindows, threads);
    } else {
        if (!ReadPerformanceData(&list, withThreads ? &threads : nullptr, withWindows))
            outcome = ListOutcome::PerformanceDataUnreadable;
    }
    if (withThreads) AttachThreads(list, threads);
    return outcome;
}

ListOutcome SystemInspector::GetThreadList(std::uint32_t processId, bool withWindows, ThreadList& list) {
    list.clear();
    if (processes_.ToolhelpAvailable()) {
        if (std::optional<std::vector<ThreadRecord>> records = processes_.SnapshotThreads()) {
            for (const ThreadRecord& record : *records) {
                if (processId == 0 || record.ownerProcessId == processId)
                    list.push_back({record.ownerProcessId, record.threadId, {}});
            }
        }
        if (withWindows) FillThreadWindows(list);
        return ListOutcome::Listed;
    }
    // Only the oldest NT systems publish threads in their counters; this path lists the threads
    // of every process, whichever was asked for.
    if (IsNtVersion4OrOlder() && !ReadPerformanceData(nullptr, &list, withWindows))
        return ListOutcome::PerformanceDataUnreadable;
    return ListOutcome::Listed;
}

void SystemInspector::GetWindowList(std::uint32_t processId, std::uint32_t threadId, bool appWindowsOnly,
                                    WindowList& list) {
    list.clear();
    auto visit = [&](WindowHandle window) {
        const WindowThreadProcess ids = windows_.ThreadProcessOf(window);
        if ((processId != 0 && ids.processId != processId) || (threadId != 0 && ids.threadId != threadId))
            return true;
        WindowInfo info;
        info.ProcessID = ids.processId;
        info.ThreadID = ids.threadId;
        info.Handle = window;
        info.Visible = windows_.IsVisible(window);
        info.Owner = windows_.OwnerOf(window);
        info.Parent = windows_.ParentOf(window);
        info.IsAppWindow =
            info.Owner == 0 && info.Parent == 0 && info.Visible && !windows_.StyleOf(window).toolWindow;
        if (appWindowsOnly && !info.IsAppWindow) return true;
        info.Enabled = windows_.IsEnabled(window);
        info.Rect = windows_.RectOf(window);
        info.Caption = windows_.TextOf(window);
        info.ClassName = windows_.ClassOf(window);
        list.push_back(std::move(info));
        return true;
    };
    if (threadId != 0) {
        windows_.EnumerateThreadWindows(threadId, visit);
    } else {
        windows_.EnumerateTopLevel(visit);
    }
}

bool SystemInspector::ReadPerformanceData(ProcessList* processes, ThreadList* threads, bool withWindows) {
    if (processes == nullptr && threads == nullptr) return false;
    if (processes != nullptr) processes->clear();
    if (threads != nullptr) threads->clear();

    std::vector<std::uint8_t> block;
    try {
        // The port grows its buffer by doubling up to a fixed bound and fails beyond it, rather
        // than growing without end.
        block = registry_.QueryPerformanceData("230 232");
    } catch (const RegistryError&) {
        return false;
    }
    std::optional<PerformanceLists> lists =
        ParsePerformanceData(block, processes != nullptr, threads != nullptr);
    if (!lists) return false;
    if (processes != nullptr) *processes = std::move(lists->processes);
    if (threads != nullptr) {
        *threads = std::move(lists->threads);
        if (withWindows) FillThreadWindows(*threads);
    }
    return (processes != nullptr && !processes->empty()) || (threads != nullptr && !threads->empty());
}

void SystemInspector::FillThreadWindows(ThreadList& threads) {
    for (ThreadInfo& thread : threads) {
        if (thread.OwnerProcessID != 0)
            GetWindowList(thread.OwnerProcessID, thread.ThreadID, false, thread.Windows);
    }
}

bool SystemInspector::IsNtVersion4OrOlder() {
    if (!oldNt_) oldNt_ = processes_.IsNtVersion4OrOlder();
    return *oldNt_;
}

}  // namespace vitrex::sysinfo
