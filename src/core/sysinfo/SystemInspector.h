#pragma once

#include <cstdint>
#include <optional>

#include "core/platform/Processes.h"
#include "core/platform/Registry.h"
#include "core/platform/WindowSystem.h"
#include "core/sysinfo/SystemLists.h"

namespace vitrex::sysinfo {

// The message the caller shows when the performance counters cannot be read.
inline constexpr const char* kPerformanceDataError = "Error reading Performace Data.";

// What a list request met. The inspector shows nothing itself: its caller tells the user.
enum class ListOutcome {
    // The list is what the system gave; a failed snapshot gives an empty list and no word.
    Listed,
    // The performance counters, the fallback where Toolhelp is missing, could not be read.
    PerformanceDataUnreadable,
};

// Lists the running processes, their threads and the threads' windows. The Toolhelp snapshots are
// the source; where the system lacks them, the performance counters the registry publishes.
// Every call fills a fresh list: nothing is kept between calls but the one answer about the
// system's version.
class SystemInspector {
public:
    SystemInspector(Processes& processes, Registry& registry, WindowSystem& windows)
        : processes_(processes), registry_(registry), windows_(windows) {}

    // One entry per running process; with `withThreads` each entry's threads, with `withWindows`
    // as well each thread's top-level windows.
    ListOutcome GetProcessList(ProcessList& list, bool withThreads = false, bool withWindows = false);
    // The threads of one process, or of all when `processId` is 0.
    ListOutcome GetThreadList(std::uint32_t processId, bool withWindows, ThreadList& list);
    // Top-level windows; 0 for process or thread means any. With a thread only that thread's
    // windows are visited. `appWindowsOnly` keeps the windows that get a taskbar button.
    void GetWindowList(std::uint32_t processId, std::uint32_t threadId, bool appWindowsOnly,
                       WindowList& list);
    bool ToolhelpAvailable() { return processes_.ToolhelpAvailable(); }
    // The executable's name of the process running now with this id, as GetProcessList would
    // give it; nothing when it cannot be told without a whole list.
    std::optional<std::string> ExeNameOf(std::uint32_t processId) {
        return processes_.ToolhelpAvailable() ? processes_.ExeNameOf(processId) : std::nullopt;
    }
    // Whether the last process list came from a snapshot that failed: empty, but not because no
    // process runs.
    bool ProcessSnapshotFailed() const { return processSnapshotFailed_; }
    // The fallback: fills the lists it is given from the performance counters. True when at least
    // one given list came out non-empty.
    bool ReadPerformanceData(ProcessList* processes, ThreadList* threads, bool withWindows);

private:
    void FillThreadWindows(ThreadList& threads);
    bool IsNtVersion4OrOlder();

    Processes& processes_;
    Registry& registry_;
    WindowSystem& windows_;
    std::optional<bool> oldNt_;
    bool processSnapshotFailed_ = false;
};

}  // namespace vitrex::sysinfo
