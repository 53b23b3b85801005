#pragma once

#include <atomic>
#include <functional>

#include "core/platform/SystemCounters.h"
#include "core/sysinfo/cpu/CpuRecords.h"

namespace vitrex::sysinfo::cpu {

// The published load: written by the sampler's thread, read by the user-interface thread. One
// 32-bit value stored and loaded whole; a reader sees the previous or the new value.
class CpuMeter {
public:
    // Percent with 0.5 added (see LoadBetween); 0 until the first measurement, and for good when
    // the counters cannot be read.
    float GetCPUUsage() const noexcept { return load_.load(std::memory_order_relaxed); }
    void Publish(float load) noexcept { load_.store(load, std::memory_order_relaxed); }

private:
    static_assert(std::atomic<float>::is_always_lock_free);
    std::atomic<float> load_{0.0f};
};

enum class SamplerEnd {
    NoProcessorCount,  // the basic record could not be read: nothing is ever published
    QueryFailed,       // a sample's query failed; the last value stays published
    Stopped,           // the program is ending
};

// The measurement loop of the worker thread: reads the processor count, then once per `sleep`
// takes a sample and publishes the load since the previous one (the first pass only takes the
// reference sample). Ends at the first failing query, or after a sample once `stopRequested`
// holds. Touches nothing but the counters and the meter.
SamplerEnd RunCpuSampler(SystemCounters& counters, CpuMeter& meter, const std::function<void()>& sleep,
                         const std::function<bool()>& stopRequested,
                         const RecordLayout& layout = kNativeLayout);

}  // namespace vitrex::sysinfo::cpu
