#include "core/sysinfo/cpu/CpuLoad.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vitrex::sysinfo::cpu {

std::optional<float> LoadBetween(const CpuSample& previous, const CpuSample& current, int processors) {
    if (processors < 1) return std::nullopt;
    // Differences in integers first: the counts are near 2^57, where a double has lost the
    // last few units. Counts from damaged records can lie so far apart that their difference has
    // no 64-bit value.
    std::int64_t timeDiff = 0;
    std::int64_t idleDiff = 0;
    if (__builtin_sub_overflow(current.systemTime, previous.systemTime, &timeDiff) ||
        __builtin_sub_overflow(current.idleTime, previous.idleTime, &idleDiff))
        return std::nullopt;
    if (timeDiff <= 0) return std::nullopt;
    const double busy =
        100.0 - static_cast<double>(idleDiff) / static_cast<double>(timeDiff) * 100.0 / processors;
    return static_cast<float>(std::clamp(busy, 0.0, 100.0) + 0.5);
}

int RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    auto result = static_cast<long long>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return static_cast<int>(std::clamp<long long>(result, INT_MIN, INT_MAX));
}

std::string CpuTitle(const std::string& cpuUsageWord, float load) {
    return "Vitrex (" + cpuUsageWord + ": " + std::to_string(RoundHalfEven(load)) + "%)";
}

int GaugeIndex(float load) {
    return std::clamp(RoundHalfEven(static_cast<double>(load) * 14.0 / 100.0), 0, kGaugeImageCount - 1);
}

}  // namespace vitrex::sysinfo::cpu
