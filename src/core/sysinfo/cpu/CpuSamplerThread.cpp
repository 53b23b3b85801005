#include "core/sysinfo/cpu/CpuSamplerThread.h"

#include <system_error>

namespace vitrex::sysinfo::cpu {

CpuSamplerThread::CpuSamplerThread(SystemCounters& counters, CpuMeter& meter,
                                   std::chrono::milliseconds period)
    : counters_(counters), meter_(meter), period_(period) {
    try {
        thread_ = std::thread([this] { Work(); });
    } catch (const std::system_error&) {
        end_ = static_cast<int>(SamplerEnd::NoProcessorCount);
    }
}

CpuSamplerThread::~CpuSamplerThread() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

std::optional<SamplerEnd> CpuSamplerThread::End() const {
    const int end = end_.load();
    if (end < 0) return std::nullopt;
    return static_cast<SamplerEnd>(end);
}

void CpuSamplerThread::Work() {
    SamplerEnd end = SamplerEnd::QueryFailed;
    try {
        end = RunCpuSampler(
            counters_, meter_, [this] { Pause(); }, [this] { return StopRequested(); });
    } catch (...) {
        // An exception leaving a thread ends the process; the meter merely stops where it was.
    }
    end_ = static_cast<int>(end);
}

void CpuSamplerThread::Pause() {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, period_, [this] { return stop_; });
}

bool CpuSamplerThread::StopRequested() {
    std::lock_guard lock(mutex_);
    return stop_;
}

}  // namespace vitrex::sysinfo::cpu
