#include "core/sysinfo/cpu/CpuSampler.h"

#include <optional>
#include <vector>

#include "core/sysinfo/cpu/CpuLoad.h"

namespace vitrex::sysinfo::cpu {

namespace {

std::optional<std::vector<std::uint8_t>> Query(SystemCounters& counters, SystemInfoClass infoClass,
                                               std::size_t size) {
    std::vector<std::uint8_t> record(size, 0);
    if (counters.QuerySystemInformation(infoClass, record) != kStatusSuccess) return std::nullopt;
    return record;
}

std::optional<CpuSample> TakeSample(SystemCounters& counters, const RecordLayout& layout) {
    const auto timeOfDay = Query(counters, SystemInfoClass::TimeOfDay, layout.timeOfDaySize);
    if (!timeOfDay) return std::nullopt;
    const auto performance = Query(counters, SystemInfoClass::Performance, layout.performanceSize);
    if (!performance) return std::nullopt;
    const auto systemTime = ReadCount(*timeOfDay, layout.currentTimeOffset);
    const auto idleTime = ReadCount(*performance, layout.idleTimeOffset);
    if (!systemTime || !idleTime) return std::nullopt;
    return CpuSample{*idleTime, *systemTime};
}

}  // namespace

SamplerEnd RunCpuSampler(SystemCounters& counters, CpuMeter& meter, const std::function<void()>& sleep,
                         const std::function<bool()>& stopRequested, const RecordLayout& layout) {
    const auto basic = Query(counters, SystemInfoClass::Basic, layout.basicSize);
    const std::optional<int> processors = basic ? ReadProcessorCount(*basic, layout) : std::nullopt;
    if (!processors) return SamplerEnd::NoProcessorCount;

    std::optional<CpuSample> previous;
    for (;;) {
        const std::optional<CpuSample> sample = TakeSample(counters, layout);
        if (!sample) return SamplerEnd::QueryFailed;
        if (previous) {
            if (const std::optional<float> load = LoadBetween(*previous, *sample, *processors))
                meter.Publish(*load);
        }
        if (stopRequested()) return SamplerEnd::Stopped;
        previous = sample;
        sleep();
    }
}

}  // namespace vitrex::sysinfo::cpu
