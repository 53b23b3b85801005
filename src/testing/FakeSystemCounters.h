#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>

#include "core/platform/SystemCounters.h"
#include "core/sysinfo/cpu/CpuLoad.h"
#include "core/sysinfo/cpu/CpuRecords.h"

namespace vitrex::fakes {

// The system's counters in memory, with the record sizes a system of the given layout accepts:
// the basic record exactly its size, the performance record at least its size, the time of
// day at most its size; any other size fails with a length mismatch, as the system does.
//
// Each time-of-day query takes the next sample (the performance query after it reads that
// sample's idle time). Queued samples come first; after them a steady load, when one is set,
// makes endless samples a second apart; with neither, the queries fail. Safe to use from the
// sampler's thread while the test changes it.
class FakeSystemCounters : public SystemCounters {
public:
    explicit FakeSystemCounters(int processors = 1,
                                const sysinfo::cpu::RecordLayout& layout = sysinfo::cpu::kLayout64)
        : layout_(layout), processors_(processors) {}

    void SetProcessors(int processors);
    void AddSample(std::int64_t idleTime, std::int64_t systemTime);
    // From now on, after the queued samples: one second per sample with `percent` busy.
    void SetSteadyLoad(double percent);
    // Every query of the class answers `status` (0 lets it succeed again).
    void SetStatus(SystemInfoClass infoClass, std::uint32_t status);

    int Queries(SystemInfoClass infoClass) const;

    std::uint32_t QuerySystemInformation(SystemInfoClass infoClass, std::span<std::uint8_t> record) override;

private:
    std::optional<sysinfo::cpu::CpuSample> NextSample();

    mutable std::mutex mutex_;
    sysinfo::cpu::RecordLayout layout_;
    int processors_;
    std::deque<sysinfo::cpu::CpuSample> queued_;
    std::optional<double> steadyPercent_;
    sysinfo::cpu::CpuSample last_{0, 130'000'000'000'000'000LL};
    std::optional<sysinfo::cpu::CpuSample> current_;
    std::map<SystemInfoClass, std::uint32_t> status_;
    std::map<SystemInfoClass, int> queries_;
};

}  // namespace vitrex::fakes
