#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "../../common/WaitUntil.h"
#include "core/sysinfo/cpu/CpuLoad.h"
#include "core/sysinfo/cpu/CpuSampler.h"
#include "core/sysinfo/cpu/CpuSamplerThread.h"
#include "testing/FakeSystemCounters.h"

namespace vitrex::sysinfo::cpu {
namespace {

using fakes::FakeSystemCounters;
using namespace std::chrono_literals;

constexpr std::int64_t kSecond = 10'000'000;
constexpr std::int64_t kStart = 133'000'000'000'000'000LL;

// Runs the loop with no real pauses; records what was published after each pass.
struct SamplerRun {
    FakeSystemCounters counters{1};
    CpuMeter meter;
    std::vector<float> published;
    int stopAfterPasses = 1000;

    SamplerEnd Run(const RecordLayout& layout = kNativeLayout) {
        int passes = 0;
        return RunCpuSampler(
            counters, meter, [&] { published.push_back(meter.GetCPUUsage()); },
            [&] { return ++passes >= stopAfterPasses; }, layout);
    }
};

TEST(CpuSampler, FirstPassOnlyTakesTheReferenceSample) {
    SamplerRun run;
    run.counters.AddSample(0, kStart);
    run.counters.AddSample(kSecond, kStart + kSecond);                    // idle
    run.counters.AddSample(kSecond + kSecond / 4, kStart + 2 * kSecond);  // 75 % busy
    EXPECT_EQ(run.Run(), SamplerEnd::QueryFailed) << "the script ran out";
    EXPECT_EQ(run.published, (std::vector<float>{0.0f, 0.5f, 75.5f}));
    EXPECT_FLOAT_EQ(run.meter.GetCPUUsage(), 75.5f);
}

TEST(CpuSampler, SamplesWithTheSameSystemTimePublishNothing) {
    SamplerRun run;
    run.counters.AddSample(0, kStart);
    run.counters.AddSample(0, kStart);  // no time passed
    run.counters.AddSample(kSecond / 2, kStart + kSecond);
    run.counters.AddSample(kSecond / 2, kStart + kSecond);
    run.Run();
    ASSERT_EQ(run.published.size(), 4u);
    for (float value : run.published)
        EXPECT_FALSE(std::isnan(value));
    EXPECT_EQ(run.published, (std::vector<float>{0.0f, 0.0f, 50.5f, 50.5f}));
}

TEST(CpuSampler, AFailingQueryEndsTheWorkerAndTheLoadStaysZero) {
    SamplerRun basic;
    basic.counters.SetSteadyLoad(40);
    basic.counters.SetStatus(SystemInfoClass::Basic, 0xC0000001);
    EXPECT_EQ(basic.Run(), SamplerEnd::NoProcessorCount);
    EXPECT_EQ(basic.counters.Queries(SystemInfoClass::TimeOfDay), 0);

    SamplerRun performance;
    performance.counters.SetSteadyLoad(40);
    performance.counters.SetStatus(SystemInfoClass::Performance, 0xC0000001);
    EXPECT_EQ(performance.Run(), SamplerEnd::QueryFailed);
    EXPECT_TRUE(performance.published.empty());
    EXPECT_EQ(performance.meter.GetCPUUsage(), 0.0f);
}

TEST(CpuSampler, AFailureLaterKeepsTheLastValue) {
    SamplerRun run;
    run.counters.SetSteadyLoad(40);
    run.stopAfterPasses = 1000;
    int passes = 0;
    const SamplerEnd end = RunCpuSampler(
        run.counters, run.meter,
        [&] {
            if (++passes == 3) run.counters.SetStatus(SystemInfoClass::TimeOfDay, 0xC0000001);
        },
        [] { return false; });
    EXPECT_EQ(end, SamplerEnd::QueryFailed);
    EXPECT_FLOAT_EQ(run.meter.GetCPUUsage(), 40.5f);
}

TEST(CpuSampler, RecordsOfThe32BitLayoutAreRefusedByA64BitSystem) {
    // The sizes a 32-bit process offers: on a 64-bit system every query fails at once.
    SamplerRun run;
    run.counters.SetSteadyLoad(40);
    EXPECT_EQ(run.Run(kLayout32), SamplerEnd::NoProcessorCount);

    SamplerRun native;
    native.counters.SetSteadyLoad(40);
    native.stopAfterPasses = 3;
    EXPECT_EQ(native.Run(kLayout64), SamplerEnd::Stopped);
    EXPECT_FLOAT_EQ(native.meter.GetCPUUsage(), 40.5f);
}

TEST(CpuSampler, StopsAfterTheSampleWhenTheProgramEnds) {
    SamplerRun run;
    run.counters.SetProcessors(2);
    run.counters.SetSteadyLoad(25);
    run.stopAfterPasses = 2;
    EXPECT_EQ(run.Run(), SamplerEnd::Stopped);
    EXPECT_EQ(run.published.size(), 1u) << "no pause after the last sample";
    EXPECT_FLOAT_EQ(run.meter.GetCPUUsage(), 25.5f);
    EXPECT_EQ(run.counters.Queries(SystemInfoClass::Basic), 1) << "the processor count is read once";
}

bool WaitFor(const std::function<bool()>& done) {
    return vitrex::testing::WaitUntil(done, 5s);
}

TEST(CpuSamplerThread, PublishesFromItsOwnThreadAndFollowsTheLoad) {
    FakeSystemCounters counters(4);
    CpuMeter meter;
    counters.SetSteadyLoad(60);
    CpuSamplerThread thread(counters, meter, 1ms);
    ASSERT_TRUE(WaitFor([&] { return std::abs(meter.GetCPUUsage() - 60.5f) < 0.01f; }));
    counters.SetSteadyLoad(10);
    EXPECT_TRUE(WaitFor([&] { return std::abs(meter.GetCPUUsage() - 10.5f) < 0.01f; }));
    EXPECT_FALSE(thread.End().has_value());
}

TEST(CpuSamplerThread, DestructionWakesThePauseAndJoins) {
    FakeSystemCounters counters(1);
    CpuMeter meter;
    counters.SetSteadyLoad(30);
    const auto started = std::chrono::steady_clock::now();
    {
        CpuSamplerThread thread(counters, meter, std::chrono::hours(1));
        ASSERT_TRUE(WaitFor([&] { return counters.Queries(SystemInfoClass::Performance) >= 1; }));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
}

TEST(CpuSamplerThread, ReportsAWorkerThatEndedOnAFailure) {
    FakeSystemCounters counters(1);
    CpuMeter meter;
    counters.SetStatus(SystemInfoClass::Basic, 0xC0000001);
    CpuSamplerThread thread(counters, meter, 1ms);
    ASSERT_TRUE(WaitFor([&] { return thread.End().has_value(); }));
    EXPECT_EQ(thread.End(), SamplerEnd::NoProcessorCount);
    EXPECT_EQ(meter.GetCPUUsage(), 0.0f);
}

}  // namespace
}  // namespace vitrex::sysinfo::cpu
