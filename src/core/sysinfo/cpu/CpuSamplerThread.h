#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "core/platform/SystemCounters.h"
#include "core/sysinfo/cpu/CpuSampler.h"

namespace vitrex::sysinfo::cpu {

// Runs the sampler on a thread of its own from construction to destruction. The destruction asks
// the loop to stop (the thread's stop token), which wakes it from its pause, and joins it, so the
// program's exit never waits a sampling period and no thread outlives the objects it reads. Made before the
// main window, whatever the settings say; the read-out only chooses whether the load is shown.
class CpuSamplerThread {
public:
    CpuSamplerThread(SystemCounters& counters, CpuMeter& meter,
                     std::chrono::milliseconds period = std::chrono::seconds(1));
    CpuSamplerThread(const CpuSamplerThread&) = delete;
    CpuSamplerThread& operator=(const CpuSamplerThread&) = delete;

    // How the loop ended; nothing while it runs. A thread the system would not start counts as
    // ended without a processor count: the meter then shows 0, as with unreadable counters.
    std::optional<SamplerEnd> End() const;

private:
    void Work(std::stop_token stop);
    void Pause(const std::stop_token& stop);

    SystemCounters& counters_;
    CpuMeter& meter_;
    const std::chrono::milliseconds period_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::atomic<int> end_{-1};
    // Last: the thread starts once everything it uses exists, and stops before any of it goes.
    std::jthread thread_;
};

}  // namespace vitrex::sysinfo::cpu
