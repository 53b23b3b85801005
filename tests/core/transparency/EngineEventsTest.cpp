#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <random>

#include "EngineDesktop.h"

namespace vitrex::transparency {
namespace {

using EngineEvents = testing::EngineDesktop;

TEST_F(EngineEvents, AForegroundReportMovesBothWindowsAtOnceAndTheNextTickWritesNothing) {
    const WindowHandle a = Open("a.exe");
    const WindowHandle b = Open("b.exe");
    desktop.SetForeground(a);
    Tick();
    desktop.SetForeground(b);
    engine.ForegroundChanged(settings, b);
    EXPECT_EQ(Alpha(a), kInactive);
    EXPECT_EQ(Alpha(b), kActive);

    const int writes = desktop.AlphaWrites();
    engine.ForegroundChanged(settings, b);
    Tick();
    EXPECT_EQ(desktop.AlphaWrites(), writes) << "the change was followed already";
}

TEST_F(EngineEvents, ASwitchBetweenKnownWindowsReadsNoProcessListButOneToANewWindowDoes) {
    exceptions.names = {"opaque.exe"};
    const WindowHandle a = Open("a.exe");
    const WindowHandle b = Open("b.exe");
    desktop.SetForeground(a);
    Tick();
    const int snapshots = processes.ProcessSnapshots();
    desktop.SetForeground(b);
    engine.ForegroundChanged(settings, b);
    EXPECT_EQ(Alpha(b), kActive);
    EXPECT_EQ(processes.ProcessSnapshots(), snapshots);

    // A new program took the id of one that ended: its window is not known, so the list is read
    // anew and the new program's exception holds.
    for (ProcessRecord& process : processes.processes) {
        if (process.processId == processIds["a.exe"]) process.exeName = "opaque.exe";
    }
    const WindowHandle newcomer =
        fakes::Open(desktop, processes, {.className = "", .pid = processIds["a.exe"], .tid = 999});
    desktop.SetForeground(newcomer);
    engine.ForegroundChanged(settings, newcomer);
    EXPECT_EQ(Alpha(newcomer), -1) << "excepted";
    EXPECT_EQ(Alpha(b), kInactive);
    EXPECT_EQ(processes.ProcessSnapshots(), snapshots + 1);
}

TEST_F(EngineEvents, AShownWindowIsMetAtOnceAndAHiddenOneIsLeftForALaterLook) {
    const WindowHandle a = Open("a.exe");
    desktop.SetForeground(a);
    Tick();
    const WindowHandle created = Open("setup.exe", 0, false);
    EXPECT_FALSE(engine.WindowShown(settings, created));
    EXPECT_EQ(Alpha(created), -1);
    EXPECT_FALSE(engine.Known().Contains(created));

    desktop.Window(created).visible = true;
    EXPECT_TRUE(engine.WindowShown(settings, created));
    EXPECT_EQ(Alpha(created), kInactive);
    const int writes = desktop.AlphaWrites();
    EXPECT_TRUE(engine.WindowShown(settings, created));
    Tick();
    Tick();
    EXPECT_EQ(desktop.AlphaWrites(), writes) << "met once, by the report";
}

TEST_F(EngineEvents, AWindowShownAsTheNewForegroundGetsTheActiveLevelWithoutAnInactiveOneFirst) {
    const WindowHandle a = Open("a.exe");
    desktop.SetForeground(a);
    Tick();
    const WindowHandle dialog = Open("dialog.exe");
    desktop.SetForeground(dialog);
    const int writes = desktop.AlphaWrites();
    engine.WindowShown(settings, dialog);
    EXPECT_EQ(Alpha(dialog), kActive);
    EXPECT_EQ(Alpha(a), kInactive);
    EXPECT_EQ(desktop.AlphaWrites(), writes + 2) << "one level each";
    EXPECT_EQ(desktop.LastAlphaWritten(), a) << "the new window first";
}

TEST_F(EngineEvents, ReportsKeepTheExceptionsAndTheWholeGroupMode) {
    exceptions.names = {"opaque.exe"};
    settings.wholeGroupMode = true;
    const WindowHandle editor = Open("editor.exe", 7);
    const WindowHandle palette = Open("editor.exe", 7);
    const WindowHandle browser = Open("browser.exe");
    desktop.SetForeground(browser);
    Tick();
    desktop.SetForeground(editor);
    engine.ForegroundChanged(settings, editor);
    EXPECT_EQ(Alpha(editor), kActive);
    EXPECT_EQ(Alpha(palette), kActive) << "the group follows its window";
    EXPECT_EQ(Alpha(browser), kInactive);

    const WindowHandle excepted = Open("opaque.exe");
    EXPECT_TRUE(engine.WindowShown(settings, excepted));
    EXPECT_EQ(Alpha(excepted), -1);
    EXPECT_TRUE(engine.Known().Contains(excepted)) << "not asked about again";
}

// The same desktop twice, one engine on each: the one driven by ticks alone is the reference.
struct World {
    fakes::FakeWindowSystem desktop;
    fakes::FakeProcesses processes;
    fakes::FakeRegistry registry;
    sysinfo::SystemInspector inspector{processes, registry, desktop};
    testing::ListedExceptions exceptions;
    Eligibility eligibility{desktop, inspector, exceptions};
    Engine engine{desktop, eligibility};
};

struct Report {
    bool foreground;
    WindowHandle window;
};

// Random desktops changing between ticks: new windows (shown at once or later, some of an
// excepted program, some layered by their own program), foreground changes, closed windows. The
// reports of each change are delivered late, out of order, twice or never, before or after the
// ticks; after two more ticks every window carries what the ticks alone gave it.
void RunEventsAgainstTicks(bool wholeGroupMode, unsigned seed) {
    World ticked, reported;
    const EngineSettings settings{10, 25, wholeGroupMode};
    std::mt19937 random(seed);
    const auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    std::vector<WindowHandle> windows, hidden;
    std::deque<Report> pending;
    std::uint32_t nextThread = 500;
    for (World* world : {&ticked, &reported}) {
        world->exceptions.names = {"opaque.exe"};
        for (std::uint32_t pid = 1; pid <= 4; ++pid)
            world->processes.AddProcess(pid, pid == 4 ? "opaque.exe" : "app" + std::to_string(pid) + ".exe");
    }
    const auto open = [&](bool visible) {
        fakes::FakeWindow window;
        window.processId = 1 + random() % 4;
        // Within a group the ticks' own result depends on when a window appears: there, new
        // windows have threads of their own; the groups of several windows are made at the start.
        window.threadId = wholeGroupMode && !windows.empty() ? nextThread++ : 100 + random() % 3;
        window.visible = visible;
        if (chance(10)) {
            window.exStyle = fakes::kWsExLayered;
            window.alpha = 200;
        }
        WindowHandle handle = 0;
        for (World* world : {&ticked, &reported})
            handle = world->desktop.AddWindow(window);
        windows.push_back(handle);
        if (!visible) hidden.push_back(handle);
        pending.push_back({false, handle});
    };
    for (int i = 0; i < 4; ++i)
        open(true);

    for (int step = 0; step < 60; ++step) {
        const int what = static_cast<int>(random() % 100);
        if (what < 25) {
            open(chance(70));
        } else if (what < 35 && !hidden.empty()) {
            const WindowHandle shown = hidden.back();
            hidden.pop_back();
            for (World* world : {&ticked, &reported})
                world->desktop.Window(shown).visible = true;
            pending.push_back({false, shown});
        } else if (what < 75 && !windows.empty()) {
            // A hidden window that holds the foreground between two ticks only is met by a
            // report, never by the ticks: the users' foreground windows are visible ones.
            WindowHandle foreground = chance(5) ? 0 : windows[random() % windows.size()];
            if (std::find(hidden.begin(), hidden.end(), foreground) != hidden.end()) continue;
            for (World* world : {&ticked, &reported})
                world->desktop.SetForeground(foreground);
            pending.push_back({true, foreground});
        } else if (what < 80 && windows.size() > 2) {
            const std::size_t place = random() % windows.size();
            for (World* world : {&ticked, &reported})
                world->desktop.RemoveWindow(windows[place]);
            std::erase(hidden, windows[place]);
            windows.erase(windows.begin() + static_cast<std::ptrdiff_t>(place));
        } else {
            ticked.engine.Tick(settings);
            reported.engine.Tick(settings);
        }
        // Some reports arrive now, in any order; some are lost, some come twice.
        while (!pending.empty() && chance(60)) {
            const std::size_t place = random() % pending.size();
            const Report report = pending[place];
            if (chance(80)) pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(place));
            if (chance(10)) continue;
            if (report.foreground) {
                reported.engine.ForegroundChanged(settings, reported.desktop.ForegroundWindow());
            } else {
                reported.engine.WindowShown(settings, report.window);
            }
        }
    }
    for (int i = 0; i < 2; ++i) {
        ticked.engine.Tick(settings);
        reported.engine.Tick(settings);
    }
    // Windows that opened and closed between two ticks were met by reports only; they are gone.
    for (WindowHandle window : windows) {
        const fakes::FakeWindow& expected = *ticked.desktop.Find(window);
        const fakes::FakeWindow& actual = *reported.desktop.Find(window);
        EXPECT_EQ(actual.exStyle, expected.exStyle) << "window " << window << ", seed " << seed;
        EXPECT_EQ(actual.alpha, expected.alpha) << "window " << window << ", seed " << seed;
        EXPECT_EQ(reported.engine.Known().Contains(window), ticked.engine.Known().Contains(window))
            << "window " << window << ", seed " << seed;
    }
}

TEST(EngineEventsAgainstTicks, ReportsInAnyOrderEndWithTheLevelsOfTheTicksAlone) {
    for (unsigned seed = 1; seed <= 300; ++seed)
        RunEventsAgainstTicks(false, seed);
}

TEST(EngineEventsAgainstTicks, TheWholeGroupModeEndsWithTheLevelsOfTheTicksAlone) {
    for (unsigned seed = 1; seed <= 300; ++seed)
        RunEventsAgainstTicks(true, seed);
}

TEST(EngineEventsAgainstTicks, AQuietTickDoesNotMeetAgainAHiddenWindowThatAReportMet) {
    // A report meets a window that the last tick saw hidden; the next quiet tick must not meet it
    // a second time (which would take the engine's alpha for its program's own).
    World world;
    const EngineSettings settings{10, 25, false};
    const fakes::WindowSketch plain{.className = "", .exe = "a.exe", .pid = 1, .tid = 2};
    const WindowHandle front = fakes::Open(world.desktop, world.processes, plain);
    fakes::WindowSketch hidden = plain;
    hidden.visible = false;
    const WindowHandle later = fakes::Open(world.desktop, world.processes, hidden);
    world.desktop.SetForeground(front);
    world.engine.Tick(settings);
    world.engine.Tick(settings);
    world.desktop.Window(later).visible = true;
    ASSERT_TRUE(world.engine.WindowShown(settings, later));
    world.engine.Tick(settings);
    world.engine.SwitchOff();
    EXPECT_FALSE(world.desktop.StyleOf(later).layered) << "given back as the engine found it";
}

}  // namespace
}  // namespace vitrex::transparency
