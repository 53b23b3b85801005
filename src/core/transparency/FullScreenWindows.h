#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "core/platform/WindowSystem.h"

namespace vitrex::transparency {

// Whether the window covers the whole of its monitor, as a borderless or exclusive full-screen
// window does (a video, a game, a slide show), on any monitor. A maximised window never does:
// with a caption it covers only the work area, and over a hidden taskbar it is still a window the
// user works in. The desktop's and the taskbar's windows are never full-screen windows.
bool CoversItsMonitor(WindowSystem& windows, WindowHandle window);

// Whether the window is one of the desktop's or the taskbars' (Progman, WorkerW, Shell_TrayWnd,
// Shell_SecondaryTrayWnd), by its class.
bool IsDesktopOrTaskbar(WindowSystem& windows, WindowHandle window);

// The windows the engine leaves opaque because they cover their monitor. Translucency over a
// full-screen video or game is useless, and on Windows it costs the full-screen fast path. Each
// window's rectangle is kept with the answer, so asking again about a window whose rectangle has
// not changed costs one question to the system.
class FullScreenWindows {
public:
    explicit FullScreenWindows(WindowSystem& windows) : windows_(windows) {}

    // Asked when the engine would give the window a level: true while it covers its monitor.
    bool Holds(WindowHandle window);

    struct Change {
        WindowHandle window = 0;
        bool fullScreen = false;
    };
    // Once a tick: the windows that went into or out of full screen since they were last asked
    // about. Looks at the foreground window, at every window held now, and in turn at one of the
    // `known` windows a tick, so that a window behind the others that goes full screen is found
    // too while a quiet tick stays at two or three questions.
    const std::vector<Change>& Look(WindowHandle foreground, const std::vector<WindowHandle>& known);
    // The windows held now, forgotten: the option was switched off and they get their levels.
    std::vector<WindowHandle> ReleaseAll();
    // Forgets every window, as the engine forgets its known windows.
    void Clear();

private:
    struct Seen {
        WindowRect rect;
        bool fullScreen = false;
    };
    // Looks at the window now; notes a change of its state in `changes_`.
    bool LookAt(WindowHandle window);

    WindowSystem& windows_;
    std::unordered_map<WindowHandle, Seen> seen_;
    // The windows whose last answer was full screen, in the order they went full screen.
    std::vector<WindowHandle> held_;
    std::vector<Change> changes_;
    std::size_t nextInTurn_ = 0;
};

}  // namespace vitrex::transparency
