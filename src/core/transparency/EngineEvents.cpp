// The engine's answers to the system's window events: the same decisions as the tick's, made at
// once for the windows an event concerns, so the levels follow the user within a frame.

#include "core/transparency/Engine.h"

namespace vitrex::transparency {

void Engine::ForegroundChanged(const EngineSettings& settings, WindowHandle foreground) {
    if (foreground == lastForegroundWindow_) return;
    leaveFullScreenOpaque_ = settings.leaveFullScreenOpaque;
    {
        // Usually a switch between windows met before: their programs are named from the list
        // already read.
        SharedLookups shared(eligibility_, &known_);
        FollowForegroundNow(settings, foreground);
    }
    KeepJournal();
}

bool Engine::WindowShown(const EngineSettings& settings, WindowHandle window) {
    if (known_.Contains(window)) return true;
    if (!windows_.IsVisible(window)) return false;
    leaveFullScreenOpaque_ = settings.leaveFullScreenOpaque;
    {
        SharedLookups shared(eligibility_);
        // A new window usually takes the foreground as it is shown: followed first, as the tick
        // does, the window is met with the active level instead of flashing the inactive one.
        const WindowHandle foreground = windows_.ForegroundWindow();
        if (foreground != lastForegroundWindow_) FollowForegroundNow(settings, foreground);
        if (!known_.Contains(window)) MeetVisible(window, settings, lastForegroundWindow_);
    }
    KeepJournal();
    return true;
}

void Engine::FollowForegroundNow(const EngineSettings& settings, WindowHandle foreground) {
    FollowForeground(settings, foreground);
    if (settings.wholeGroupMode && activeThreadId_ != previousThreadId_) {
        // The tick's pass over every window touches only these two groups' windows.
        const auto apply = [&](WindowHandle window) {
            ApplyToWindowProc(window, settings, foreground);
            return true;
        };
        if (previousThreadId_ != 0) windows_.EnumerateThreadWindows(previousThreadId_, apply);
        if (activeThreadId_ != 0) windows_.EnumerateThreadWindows(activeThreadId_, apply);
    }
    // Done: the next tick sees no change of group.
    previousThreadId_ = activeThreadId_;
}

}  // namespace vitrex::transparency
