#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include "../../common/WaitUntil.h"
#include "core/sysinfo/cpu/CpuLoad.h"
#include "core/sysinfo/cpu/CpuRecords.h"
#include "core/sysinfo/cpu/CpuSampler.h"
#include "core/sysinfo/cpu/CpuSamplerThread.h"
#include "win32/platform/Win32SystemCounters.h"

namespace vitrex::win32 {
namespace {

namespace cpu = sysinfo::cpu;

std::vector<std::uint8_t> Query(Win32SystemCounters& counters, SystemInfoClass infoClass, std::size_t size,
                                std::uint32_t expectedStatus = kStatusSuccess) {
    std::vector<std::uint8_t> record(size, 0);
    EXPECT_EQ(counters.QuerySystemInformation(infoClass, record), expectedStatus)
        << "class " << static_cast<int>(infoClass);
    return record;
}

std::int64_t FileTimeNow() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return static_cast<std::int64_t>(ULARGE_INTEGER{{now.dwLowDateTime, now.dwHighDateTime}}.QuadPart);
}

TEST(Win32SystemCounters, BasicRecordNeedsThe64BitSizeAndGivesTheProcessorCount) {
    Win32SystemCounters counters;
    const auto basic = Query(counters, SystemInfoClass::Basic, cpu::kLayout64.basicSize);
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    const auto processors = cpu::ReadProcessorCount(basic, cpu::kNativeLayout);
    ASSERT_TRUE(processors.has_value());
    EXPECT_GE(*processors, 1);
    EXPECT_EQ(static_cast<DWORD>(*processors), info.dwNumberOfProcessors);
    // The 32-bit size is what left the meter at 0 % in a 64-bit process.
    Query(counters, SystemInfoClass::Basic, cpu::kLayout32.basicSize, kStatusInfoLengthMismatch);
}

// The host's idle time in clock ticks (all processors) from /proc/stat, which Wine's drive Z:
// reaches; nothing on a real Windows system.
std::optional<std::int64_t> HostIdleTicks() {
    std::FILE* file = _wfopen(L"Z:\\proc\\stat", L"r");
    if (file == nullptr) return std::nullopt;
    long long user = 0, nice = 0, system = 0, idle = 0;
    const int read = std::fscanf(file, "cpu %lld %lld %lld %lld", &user, &nice, &system, &idle);
    std::fclose(file);
    if (read != 4) return std::nullopt;
    return idle;
}

TEST(Win32SystemCounters, TimeAdvancesAndIdleTimeFollowsTheMachine) {
    Win32SystemCounters counters;
    const auto layout = cpu::kNativeLayout;
    const auto read = [&] {
        const auto time = cpu::ReadCount(Query(counters, SystemInfoClass::TimeOfDay, layout.timeOfDaySize),
                                         layout.currentTimeOffset);
        const auto idle = cpu::ReadCount(
            Query(counters, SystemInfoClass::Performance, layout.performanceSize), layout.idleTimeOffset);
        return cpu::CpuSample{idle.value_or(-1), time.value_or(-1)};
    };
    const auto hostBefore = HostIdleTicks();
    const cpu::CpuSample first = read();
    Sleep(300);
    const cpu::CpuSample second = read();
    const auto hostAfter = HostIdleTicks();

    EXPECT_NEAR(static_cast<double>(second.systemTime), static_cast<double>(FileTimeNow()), 2e7);
    EXPECT_GE(second.systemTime - first.systemTime, 2'500'000) << "300 ms in 100-ns units";
    EXPECT_LT(second.systemTime - first.systemTime, 50'000'000);
    EXPECT_GE(second.idleTime, first.idleTime);
    EXPECT_GT(first.idleTime, 0);
    if (hostBefore && hostAfter) {
        // Under Wine the idle time is the host's, in ticks of 10 ms. The two are read a moment
        // apart and a busy host may not idle at all in 300 ms, so the comparison allows a second
        // of idle time per processor either way; it still tells the host's count from any other.
        const std::int64_t slack = 100 * 64;
        EXPECT_GE(first.idleTime, (static_cast<std::int64_t>(*hostBefore) - slack) * 100'000);
        EXPECT_LE(second.idleTime, (static_cast<std::int64_t>(*hostAfter) + slack) * 100'000);
    }
}

TEST(Win32SystemCounters, MeasuredLoadLiesOnTheScale) {
    Win32SystemCounters counters;
    cpu::CpuMeter meter;
    int samples = 0;
    const cpu::SamplerEnd end = cpu::RunCpuSampler(
        counters, meter, [] { Sleep(500); }, [&] { return ++samples == 2; });
    EXPECT_EQ(end, cpu::SamplerEnd::Stopped);
    const float load = meter.GetCPUUsage();
    EXPECT_GE(load, 0.5f);
    EXPECT_LE(load, 100.5f);
    const std::string title = cpu::CpuTitle("CPU Usage", load);
    EXPECT_EQ(title.rfind("Vitrex (CPU Usage: ", 0), 0u) << title;
}

TEST(Win32SystemCounters, SamplerThreadPublishesAndJoinsAtOnce) {
    // std::thread and the timed wait on the POSIX-thread runtime of the cross compiler.
    Win32SystemCounters counters;
    cpu::CpuMeter meter;
    const ULONGLONG started = GetTickCount64();
    {
        cpu::CpuSamplerThread thread(counters, meter, std::chrono::milliseconds(200));
        vitrex::testing::WaitUntil([&] { return meter.GetCPUUsage() != 0.0f; }, std::chrono::seconds(5));
        EXPECT_GE(meter.GetCPUUsage(), 0.5f);
        EXPECT_FALSE(thread.End().has_value());
    }
    EXPECT_LT(GetTickCount64() - started, 5000u);
}

}  // namespace
}  // namespace vitrex::win32
