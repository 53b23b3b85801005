#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vitrex::sysinfo::cpu {

// One reading of the counters, both in 100-ns units.
struct CpuSample {
    std::int64_t idleTime = 0;    // idle time of all processors together
    std::int64_t systemTime = 0;  // the system clock
};

// The load between two samples in percent with 0.5 added (0.5 idle, 100.5 saturated), the form
// the meter publishes: 100 - idle difference / time difference * 100 / processors + 0.5.
// Nothing when no time passed or the clock went back (the quotient would be meaningless or not a
// number), when the counts lie too far apart for their difference to be a number, or when there
// are no processors. Counters read a moment apart can overshoot a little,
// so the load is held to 0..100 before the 0.5 is added.
std::optional<float> LoadBetween(const CpuSample& previous, const CpuSample& current, int processors);

// Rounded to the nearest integer, halves to the even neighbour (36.5 -> 36, 37.5 -> 38). A value
// that is not a number gives 0; values beyond the int range are held to it.
int RoundHalfEven(double value);

// The main window's title while the read-out is on: "Vitrex (" + word + ": " + the load rounded
// half to even + "%)", for example "Vitrex (CPU Usage: 38%)".
std::string CpuTitle(const std::string& cpuUsageWord, float load);

// The gauge image for a published load: load * 14 / 100 rounded half to even, held to 0..14.
inline constexpr int kGaugeImageCount = 15;
int GaugeIndex(float load);

}  // namespace vitrex::sysinfo::cpu
