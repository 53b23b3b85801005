#include "core/sysinfo/cpu/CpuSamplerThread.h"

#include <system_error>
#include <utility>

namespace vitrex::sysinfo::cpu {

CpuSamplerThread::CpuSamplerThread(SystemCounters& counters, CpuMeter& meter,
                                   std::chrono::milliseconds period)
    : counters_(counters), meter_(meter), period_(period) {
    try {
        thread_ = std::jthread([this](std::stop_token stop) { Work(std::move(stop)); });
    } catch (const std::system_error&) {
        end_ = static_cast<int>(SamplerEnd::NoProcessorCount);
    }
}

std::optional<SamplerEnd> CpuSamplerThread::End() const {
    const int end = end_.load();
    if (end < 0) return std::nullopt;
    return static_cast<SamplerEnd>(end);
}

void CpuSamplerThread::Work(std::stop_token stop) {
    SamplerEnd end = SamplerEnd::QueryFailed;
    try {
        end = RunCpuSampler(
            counters_, meter_, [&] { Pause(stop); }, [&] { return stop.stop_requested(); });
    } catch (...) {
        // An exception leaving a thread ends the process; the meter merely stops where it was.
    }
    end_ = static_cast<int>(end);
}

void CpuSamplerThread::Pause(const std::stop_token& stop) {
    std::unique_lock lock(mutex_);
    // Returns at once when the stop is asked for, whether before the wait or during it.
    wake_.wait_for(lock, stop, period_, [] { return false; });
}

}  // namespace vitrex::sysinfo::cpu
