#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/Processes.h"

namespace vitrex::fakes {

// A process table in memory. Each snapshot is a fresh copy, and snapshots are counted, so tests
// can see how often the program asked.
class FakeProcesses : public Processes {
public:
    std::vector<ProcessRecord> processes;
    std::vector<ThreadRecord> threads;
    bool toolhelp = true;
    bool snapshotsFail = false;
    bool oldNt = false;

    void AddProcess(std::uint32_t processId, std::string exeName) {
        processes.push_back({processId, std::move(exeName)});
    }
    void AddThread(std::uint32_t ownerProcessId, std::uint32_t threadId) {
        threads.push_back({ownerProcessId, threadId});
    }
    int ProcessSnapshots() const { return processSnapshots_; }
    int NameQueries() const { return nameQueries_; }
    int ThreadSnapshots() const { return threadSnapshots_; }

    bool ToolhelpAvailable() override { return toolhelp; }
    std::optional<std::vector<ProcessRecord>> SnapshotProcesses() override {
        ++processSnapshots_;
        if (snapshotsFail) return std::nullopt;
        return processes;
    }
    std::optional<std::string> ExeNameOf(std::uint32_t processId) override {
        ++nameQueries_;
        if (snapshotsFail) return std::nullopt;
        for (const ProcessRecord& process : processes) {
            if (process.processId == processId) return process.exeName;
        }
        return std::nullopt;
    }
    std::optional<std::vector<ThreadRecord>> SnapshotThreads() override {
        ++threadSnapshots_;
        if (snapshotsFail) return std::nullopt;
        return threads;
    }
    bool IsNtVersion4OrOlder() override { return oldNt; }

private:
    int processSnapshots_ = 0;
    int threadSnapshots_ = 0;
    int nameQueries_ = 0;
};

}  // namespace vitrex::fakes
