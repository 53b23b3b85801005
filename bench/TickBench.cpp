// The transparency tick on the fake desktop: the engine beside the plain implementation and
// beside the floor (only the enumeration and the foreground query, which every tick must make).
//   build/host/bench/vitrex_bench --benchmark_min_time=0.2
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "BenchDesktop.h"
#include "LiteralEngine.h"
#include "core/sysinfo/SystemInspector.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Engine.h"
#include "core/views/exceptions/ExceptionsList.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeRegistry.h"
#include "testing/FakeTextCollation.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::bench {
namespace {

struct EngineUnderTest {
    explicit EngineUnderTest(Desktop& d)
        : eligibility(d.desktop, d.inspector, d.exceptions), engine(d.desktop, eligibility) {}
    void Tick(const transparency::EngineSettings& s) { engine.Tick(s); }
    void SwitchOff() { engine.SwitchOff(); }
    transparency::Eligibility eligibility;
    transparency::Engine engine;
};

// The engine with full-screen windows given levels like any other: what the rule that leaves
// them opaque costs a tick is the difference to EngineUnderTest.
struct EngineWithoutFullScreenRule : EngineUnderTest {
    using EngineUnderTest::EngineUnderTest;
    void Tick(transparency::EngineSettings s) {
        s.leaveFullScreenOpaque = false;
        engine.Tick(s);
    }
};

struct LiteralUnderTest {
    explicit LiteralUnderTest(Desktop& d) : engine(d.desktop, d.inspector, d.exceptions) {}
    void Tick(const transparency::EngineSettings& s) { engine.Tick(s); }
    void SwitchOff() { engine.SwitchOff(); }
    LiteralEngine engine;
};

// What any tick must do: ask for the foreground window and walk every top-level window.
struct FloorUnderTest {
    explicit FloorUnderTest(Desktop& d) : windows(d.desktop) {}
    void Tick(const transparency::EngineSettings&) {
        benchmark::DoNotOptimize(windows.ForegroundWindow());
        windows.EnumerateTopLevel([](WindowHandle w) {
            benchmark::DoNotOptimize(w);
            return true;
        });
    }
    void SwitchOff() {}
    WindowSystem& windows;
};

transparency::EngineSettings Settings(bool wholeGroup) {
    return {10, 25, wholeGroup};
}

// (a) Nothing changes between ticks.
template <typename Impl>
void Steady(benchmark::State& state) {
    Desktop d(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Impl impl(d);
    const auto settings = Settings(false);
    impl.Tick(settings);
    impl.Tick(settings);
    for (auto _ : state)
        impl.Tick(settings);
}

// (b) The first tick after switching on: every visible window is met.
template <typename Impl>
void FirstTick(benchmark::State& state) {
    Desktop d(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Impl impl(d);
    const auto settings = Settings(false);
    for (auto _ : state) {
        state.PauseTiming();
        impl.SwitchOff();
        state.ResumeTiming();
        impl.Tick(settings);
    }
}

// (c) The foreground moves to another program's window before every tick.
template <typename Impl>
void ForegroundChange(benchmark::State& state) {
    Desktop d(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Impl impl(d);
    const auto settings = Settings(state.range(2) != 0);
    impl.Tick(settings);
    const WindowHandle pair[2] = {d.visible[1], d.visible[2]};
    int next = 0;
    for (auto _ : state) {
        d.desktop.SetForeground(pair[next]);
        next ^= 1;
        impl.Tick(settings);
    }
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"windows", "hidden%"});
    for (int hidden : {0, 20})
        for (int n : {50, 200, 1000})
            b->Args({n, hidden});
}
void SizesAndModes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"windows", "hidden%", "wholeGroup"});
    for (int mode : {0, 1})
        for (int n : {50, 200, 1000})
            b->Args({n, 0, mode});
}

BENCHMARK(Steady<FloorUnderTest>)->Apply(Sizes);
BENCHMARK(Steady<EngineUnderTest>)->Apply(Sizes);
BENCHMARK(Steady<EngineWithoutFullScreenRule>)->Apply(Sizes);
BENCHMARK(Steady<LiteralUnderTest>)->Apply(Sizes);
BENCHMARK(FirstTick<FloorUnderTest>)->Apply(Sizes);
BENCHMARK(FirstTick<EngineUnderTest>)->Apply(Sizes);
BENCHMARK(FirstTick<LiteralUnderTest>)->Apply(Sizes);
BENCHMARK(ForegroundChange<FloorUnderTest>)->Apply(SizesAndModes);
BENCHMARK(ForegroundChange<EngineUnderTest>)->Apply(SizesAndModes);
BENCHMARK(ForegroundChange<EngineWithoutFullScreenRule>)->Apply(SizesAndModes);
BENCHMARK(ForegroundChange<LiteralUnderTest>)->Apply(SizesAndModes);

}  // namespace
}  // namespace vitrex::bench

BENCHMARK_MAIN();
