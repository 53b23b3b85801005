#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "testing/FakeProcesses.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::fakes {

// A window of a test's desktop in a few words; what is left out is a plain visible window of no
// listed program.
struct WindowSketch {
    std::string title{};
    std::string className = "AppWindow";
    // The window's program, listed in the process table under this name (once per process id);
    // not listed when empty.
    std::string exe{};
    std::uint32_t pid = 0;
    // The creating thread; 0 gives pid * 10.
    std::uint32_t tid = 0;
    bool visible = true;
    bool toolWindow = false;
    // Made layered by its own program, with this alpha.
    std::optional<std::uint8_t> ownAlpha{};
};

// Puts the sketched window in front of the others and lists its program.
inline WindowHandle Open(FakeWindowSystem& desktop, FakeProcesses& processes, const WindowSketch& sketch) {
    const bool listed =
        std::any_of(processes.processes.begin(), processes.processes.end(),
                    [&](const ProcessRecord& process) { return process.processId == sketch.pid; });
    if (!sketch.exe.empty() && !listed) processes.AddProcess(sketch.pid, sketch.exe);
    FakeWindow window;
    window.title = sketch.title;
    window.className = sketch.className;
    window.processId = sketch.pid;
    window.threadId = sketch.tid != 0 ? sketch.tid : sketch.pid * 10;
    window.visible = sketch.visible;
    if (sketch.toolWindow) window.exStyle |= kWsExToolWindow;
    if (sketch.ownAlpha) {
        window.exStyle |= kWsExLayered;
        window.alpha = sketch.ownAlpha;
    }
    return desktop.AddWindow(window);
}

}  // namespace vitrex::fakes
