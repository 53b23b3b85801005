#pragma once

#include <functional>

#include "core/platform/WindowSystem.h"

namespace vitrex {

// What the system reports about other programs' top-level windows.
enum class WindowEvent {
    // A window became the foreground window.
    Foreground,
    // A window was created; it is usually not visible yet.
    Created,
    // A window was shown.
    Shown,
    // The foreground window changed, found by watching it (WatchForeground), not reported by the
    // system: unlike Foreground, it says nothing about whether the system reports such changes.
    ForegroundSeen,
    // The keyboard focus moved to the window (often a part of another window). The foreground
    // moves the focus with it, so the foreground may have changed; but a program that gets the
    // foreground back may keep its focus where it was, so this says nothing about whether the
    // system reports foreground changes either.
    FocusMoved,
};

// The system's reports of changes to other programs' top-level windows, delivered on the
// user-interface thread while its messages are pumped. A system may leave some of them out (some
// never report another program's foreground change): the program cannot rely on any report.
class WindowEvents {
public:
    using Sink = std::function<void(WindowEvent, WindowHandle)>;

    virtual ~WindowEvents() = default;
    // Reports every event to `sink` from now on, in place of an earlier sink. False when the
    // system reports nothing at all.
    virtual bool Start(Sink sink) = 0;
    // No more reports, and no more watching; nothing when none were asked for.
    virtual void Stop() = 0;
    // Watches the foreground window between reports, cheaply and off the user-interface thread,
    // and reports ForegroundSeen to the sink when it changes; off again with false. False when
    // this system cannot watch (then the caller asks for the foreground itself) or nothing was
    // started.
    virtual bool WatchForeground(bool on) = 0;
};

}  // namespace vitrex
