#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vitrex {

// One process as the system's process snapshot reports it.
struct ProcessRecord {
    std::uint32_t processId = 0;
    // The executable's file name as the system gives it (UTF-8, at most 260 characters); the
    // idle process is "[System Process]" and the kernel "System".
    std::string exeName;
};

// One thread as the system's thread snapshot reports it.
struct ThreadRecord {
    std::uint32_t ownerProcessId = 0;
    std::uint32_t threadId = 0;
};

// The running processes and threads, read from the system's Toolhelp snapshots.
class Processes {
public:
    virtual ~Processes() = default;

    // Whether the system has the Toolhelp snapshot functions; asked anew on every call.
    virtual bool ToolhelpAvailable() = 0;
    // Every process, in the system's order. Nothing when the snapshot cannot be taken or read.
    virtual std::optional<std::vector<ProcessRecord>> SnapshotProcesses() = 0;
    // The executable's file name of the process that has this id now, as a snapshot would name
    // it; nothing when no process has it or the process may not be asked (a protected one).
    virtual std::optional<std::string> ExeNameOf(std::uint32_t processId) = 0;
    // Every thread of every process, in the system's order. Nothing on failure.
    virtual std::optional<std::vector<ThreadRecord>> SnapshotThreads() = 0;
    // An NT system of major version 4 or older, the only kind whose thread list may come from the
    // performance counters.
    virtual bool IsNtVersion4OrOlder() = 0;
};

}  // namespace vitrex
