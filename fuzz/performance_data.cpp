// The system's performance-data block, the process list's source where the system lacks process
// snapshots: every offset in it comes from the block itself. The first byte chooses the lists
// asked for, the rest is the block; the block is also handed in through the inspector, as the
// registry gives it.
#include <vector>

#include "FuzzCheck.h"
#include "core/sysinfo/PerformanceData.h"
#include "core/sysinfo/SystemInspector.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeRegistry.h"
#include "testing/FakeWindowSystem.h"

using namespace vitrex;
using namespace vitrex::sysinfo;
using fuzz::Require;

namespace {

void CheckProcesses(const ProcessList& processes, std::size_t blockSize) {
    Require(processes.size() <= blockSize / 28, "no more processes than the block can describe");
    for (const ProcessInfo& process : processes) {
        Require(fuzz::IsUtf8(process.ExeName), "names read as well-formed UTF-8");
        Require(process.ProcessID == 0 ? process.ExeName == "[System Process]"
                                       : process.ExeName == "System" || process.ExeName.ends_with(".exe"),
                "names are the idle process, the kernel or an executable");
        Require(process.Threads.empty(), "the block's processes carry no threads");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool wantProcesses = (data[0] & 1) != 0;
    const bool wantThreads = (data[0] & 2) != 0;
    const std::span<const std::uint8_t> block(data + 1, size - 1);

    const std::optional<PerformanceLists> lists = ParsePerformanceData(block, wantProcesses, wantThreads);
    if (lists) {
        Require(wantProcesses || (lists->processes.empty() && !lists->processesRead),
                "only what was asked for");
        Require(wantThreads || (lists->threads.empty() && !lists->threadsRead), "only what was asked for");
        CheckProcesses(lists->processes, block.size());
        Require(lists->threads.size() <= block.size() / 28, "no more threads than the block can describe");
        // A walk that read both lists read each on its way; asked for one, it reads the same.
        if (wantProcesses && wantThreads) {
            const auto processes = ParsePerformanceData(block, true, false);
            Require(processes && processes->processes.size() == lists->processes.size(),
                    "the process list does not depend on the thread list being asked for");
        }
    }

    // The inspector's fallback, with the block as the registry hands it over.
    fakes::FakeProcesses processes;
    processes.toolhelp = false;
    processes.oldNt = true;
    fakes::FakeRegistry registry;
    registry.SetPerformanceData("230 232", std::vector<std::uint8_t>(block.begin(), block.end()));
    fakes::FakeWindowSystem windows;
    SystemInspector inspector(processes, registry, windows);
    ProcessList list;
    const ListOutcome outcome = inspector.GetProcessList(list, wantThreads, wantThreads);
    if (outcome == ListOutcome::PerformanceDataUnreadable) {
        Require(list.empty(), "an unreadable block lists nothing");
    } else {
        // A block read whole lists at least one process, or with threads asked for, one thread.
        Require(wantThreads || !list.empty(), "a listed block has processes");
        for (const ProcessInfo& process : list) {
            for (const ThreadInfo& thread : process.Threads)
                Require(thread.OwnerProcessID == process.ProcessID, "each thread is listed under its owner");
        }
    }
    return 0;
}
