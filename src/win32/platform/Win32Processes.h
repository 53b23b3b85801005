#pragma once

#include "core/platform/Processes.h"

namespace vitrex::win32 {

// Processes and threads from the Toolhelp snapshots of kernel32.
class Win32Processes : public Processes {
public:
    bool ToolhelpAvailable() override;
    std::optional<std::vector<ProcessRecord>> SnapshotProcesses() override;
    std::optional<std::string> ExeNameOf(std::uint32_t processId) override;
    std::optional<std::vector<ThreadRecord>> SnapshotThreads() override;
    bool IsNtVersion4OrOlder() override;
};

}  // namespace vitrex::win32
