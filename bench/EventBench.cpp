// The engine between its ticks on the fake desktop: what a reported foreground switch costs
// beside the tick that would otherwise find it, and what the foreground poll and repeated reports
// cost when nothing changes (the poll runs a hundred times a second where the system does not
// report foreground changes).
//   build/host/bench/vitrex_bench --benchmark_filter=Event
#include <benchmark/benchmark.h>

#include "BenchDesktop.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Engine.h"
#include "core/transparency/EventFollower.h"

namespace vitrex::bench {
namespace {

struct Following {
    explicit Following(Desktop& d)
        : desktop(d), eligibility(d.desktop, d.inspector, d.exceptions), engine(d.desktop, eligibility) {
        follower.SwitchedOn(false);
        follower.Tick(settings);
    }
    Desktop& desktop;
    transparency::Eligibility eligibility;
    transparency::Engine engine;
    transparency::EventFollower follower{engine, desktop.desktop};
    transparency::EngineSettings settings{10, 25, false};
};

// The foreground moves between two windows and the report of each switch is followed.
void EventReportedSwitch(benchmark::State& state) {
    Desktop d(static_cast<int>(state.range(0)), 20);
    Following f(d);
    const WindowHandle pair[2] = {d.visible[1], d.visible[2]};
    int next = 0;
    for (auto _ : state) {
        d.desktop.SetForeground(pair[next]);
        next ^= 1;
        f.follower.OnEvent(f.settings, WindowEvent::Foreground, pair[next]);
    }
}

// The poll on a desktop where nothing happens.
void EventQuietPoll(benchmark::State& state) {
    Desktop d(static_cast<int>(state.range(0)), 20);
    Following f(d);
    for (auto _ : state)
        f.follower.PollForeground(f.settings);
}

// A report of a window the engine knows already (shown again, or reported twice).
void EventKnownWindowShown(benchmark::State& state) {
    Desktop d(static_cast<int>(state.range(0)), 20);
    Following f(d);
    for (auto _ : state)
        f.follower.OnEvent(f.settings, WindowEvent::Shown, d.visible[3]);
}

BENCHMARK(EventReportedSwitch)->ArgName("windows")->Arg(50)->Arg(1000);
BENCHMARK(EventQuietPoll)->ArgName("windows")->Arg(50)->Arg(1000);
BENCHMARK(EventKnownWindowShown)->ArgName("windows")->Arg(50)->Arg(1000);

}  // namespace
}  // namespace vitrex::bench
