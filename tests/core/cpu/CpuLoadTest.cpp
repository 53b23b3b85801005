#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/sysinfo/cpu/CpuLoad.h"
#include "core/sysinfo/cpu/CpuRecords.h"

namespace vitrex::sysinfo::cpu {
namespace {

constexpr std::int64_t kSecond = 10'000'000;
constexpr std::int64_t kStart = 133'000'000'000'000'000LL;  // a system time of our decade

CpuSample At(std::int64_t idle, std::int64_t seconds) {
    return {idle, kStart + seconds * kSecond};
}

TEST(CpuLoad, IdleAndSaturatedMachinesGiveTheEndsOfTheScale) {
    EXPECT_FLOAT_EQ(*LoadBetween(At(0, 0), At(kSecond, 1), 1), 0.5f);
    EXPECT_FLOAT_EQ(*LoadBetween(At(5 * kSecond, 0), At(5 * kSecond, 1), 1), 100.5f);
    EXPECT_EQ(CpuTitle("CPU Usage", 0.5f), "Vitrex (CPU Usage: 0%)");
    EXPECT_EQ(CpuTitle("CPU Usage", 100.5f), "Vitrex (CPU Usage: 100%)");
}

TEST(CpuLoad, IdleTimeCountsAllProcessorsTogether) {
    // Two processors, one of them idle for the whole second.
    const float load = *LoadBetween(At(0, 0), At(kSecond, 1), 2);
    EXPECT_FLOAT_EQ(load, 50.5f);
    EXPECT_EQ(CpuTitle("CPU Usage", load), "Vitrex (CPU Usage: 50%)");
    EXPECT_FLOAT_EQ(*LoadBetween(At(0, 0), At(kSecond, 2), 4), 88.0f);  // 1 of 8 processor-seconds idle
}

TEST(CpuLoad, NoTimeBetweenSamplesOrAClockSetBackGivesNothing) {
    EXPECT_FALSE(LoadBetween(At(0, 5), At(kSecond, 5), 1).has_value());
    EXPECT_FALSE(LoadBetween(At(0, 5), At(kSecond, 4), 1).has_value());
    EXPECT_FALSE(LoadBetween(At(0, 0), At(kSecond, 1), 0).has_value()) << "no processors";
}

TEST(CpuLoad, CountsTooFarApartForTheirDifferenceGiveNothing) {
    constexpr std::int64_t kLeast = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
    // Records the system filled with nonsense: the clock or the idle time jumps past 64 bits.
    EXPECT_FALSE(LoadBetween({0, kLeast}, {0, 0}, 1).has_value());
    EXPECT_FALSE(LoadBetween({0, -1}, {0, kMost}, 1).has_value());
    EXPECT_FALSE(LoadBetween({kMost, 0}, {-2, kSecond}, 1).has_value());
    // The widest differences that still are numbers give a load.
    EXPECT_TRUE(LoadBetween({0, 0}, {0, kMost}, 1).has_value());
    EXPECT_TRUE(LoadBetween({kLeast + 1, 0}, {0, kSecond}, 1).has_value());
}

TEST(CpuLoad, CountersThatOvershootAreHeldToTheScale) {
    // Idle time read a moment after the clock: more idle than there was time.
    EXPECT_FLOAT_EQ(*LoadBetween(At(0, 0), At(kSecond + kSecond / 10, 1), 1), 0.5f);
    // An idle counter that went back.
    EXPECT_FLOAT_EQ(*LoadBetween(At(kSecond, 0), At(0, 1), 1), 100.5f);
}

TEST(CpuLoad, LargeCountsKeepTheirLastUnits) {
    // Near 2^57 a double steps by 16 units; the differences are taken before converting.
    const CpuSample before{kStart + 3, kStart + 1};
    const CpuSample after{kStart + 3 + 7, kStart + 1 + 10};
    EXPECT_FLOAT_EQ(*LoadBetween(before, after, 1), 30.5f);
}

TEST(CpuLoad, TitleRoundsHalvesToEven) {
    EXPECT_EQ(CpuTitle("CPU Usage", 37.5f), "Vitrex (CPU Usage: 38%)");
    EXPECT_EQ(CpuTitle("CPU Usage", 36.5f), "Vitrex (CPU Usage: 36%)");
    EXPECT_EQ(CpuTitle("Prozessorlast", 36.51f), "Vitrex (Prozessorlast: 37%)");
    EXPECT_EQ(CpuTitle("CPU Usage", 0.0f), "Vitrex (CPU Usage: 0%)") << "before the first measurement";
}

TEST(CpuLoad, RoundingCopesWithValuesOutsideTheScale) {
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<int>::min());
}

TEST(CpuGauge, IndexIsTheLoadInFourteenthsRoundedHalfToEven) {
    EXPECT_EQ(GaugeIndex(0.5f), 0);
    EXPECT_EQ(GaugeIndex(3.5f), 0);  // 0.49
    EXPECT_EQ(GaugeIndex(3.6f), 1);  // 0.504
    EXPECT_EQ(GaugeIndex(50.0f), 7);
    EXPECT_EQ(GaugeIndex(100.0f / 28.0f), 0) << "exactly half a step rounds to the even image";
    EXPECT_EQ(GaugeIndex(300.0f / 28.0f), 2);
    EXPECT_EQ(GaugeIndex(100.5f), 14);
}

TEST(CpuGauge, IndexIsHeldToTheImages) {
    EXPECT_EQ(GaugeIndex(-40.0f), 0);
    EXPECT_EQ(GaugeIndex(250.0f), 14);
    EXPECT_EQ(GaugeIndex(std::numeric_limits<float>::infinity()), 14);
    EXPECT_EQ(GaugeIndex(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(CpuRecords, CountsAreTheHighHalfSignedTimesTwoToThe32PlusTheLowHalf) {
    const std::vector<std::uint8_t> record{0xAA, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(ReadCount(record, 1), 0x1'FFFF'FFFFLL);
    const std::vector<std::uint8_t> negative{0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadCount(negative, 0), -4294967296LL);
}

TEST(CpuRecords, ShortRecordsAreRefused) {
    const std::vector<std::uint8_t> record(12, 0);
    EXPECT_TRUE(ReadCount(record, 4).has_value());
    EXPECT_FALSE(ReadCount(record, 5).has_value());
    EXPECT_FALSE(ReadCount(record, std::numeric_limits<std::size_t>::max() - 2).has_value());
    EXPECT_FALSE(ReadProcessorCount(record, kLayout32).has_value());
}

TEST(CpuRecords, ProcessorCountSitsWhereThePointerSizePutsIt) {
    std::vector<std::uint8_t> record(64, 0);
    record[40] = 3;
    record[56] = 8;
    EXPECT_EQ(ReadProcessorCount(record, kLayout32), 3);
    EXPECT_EQ(ReadProcessorCount(record, kLayout64), 8);
    record[56] = 0;
    EXPECT_FALSE(ReadProcessorCount(record, kLayout64).has_value()) << "no load can be divided by 0";
}

}  // namespace
}  // namespace vitrex::sysinfo::cpu
