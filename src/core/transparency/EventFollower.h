#pragma once

#include <cstddef>
#include <vector>

#include "core/platform/WindowEvents.h"
#include "core/platform/WindowSystem.h"
#include "core/transparency/Engine.h"

namespace vitrex::transparency {

// How often and how long a created window that is not visible yet is looked at again, and how
// often the foreground is asked for while the system does not report its changes. Some systems
// raise no event when a window is shown without the foreground: looked at every 2 ms, such a
// window shown within 80 ms of its creation gets its level well within a frame of a 60 Hz
// screen; later ones are met by the policy tick.
inline constexpr int kLookAgainMs = 2;
inline constexpr int kLooksPerCreatedWindow = 80 / kLookAgainMs;
inline constexpr int kForegroundPollMs = 10;

// Runs the engine between its ticks on what the system reports: a foreground change makes the
// engine follow it at once, a window created or shown is met as soon as it is visible. The tick
// stays the backstop for whatever no report covers.
//
// Some systems never report other programs' foreground changes. The follower notices that when a
// tick finds a foreground change nothing had followed: once if no foreground event has come at
// all in this run, twice in a row otherwise (a change can reach the tick just before its report
// does). From then on it asks for the foreground every kForegroundPollMs while the engine runs,
// until a foreground report comes after all. When the system reports nothing at all, it polls
// from the start. A moved keyboard focus makes the engine follow the foreground too, but is no
// foreground report: a program given the foreground back may leave its focus where it was.
//
// The caller owns the two timers: it runs PollForeground while PollingForeground() holds and
// LookAgain while LookingAgain() does, and stops both while the engine is off. Where the system
// can watch the foreground itself (WindowEvents::WatchForeground), the caller has it watch while
// PollingForeground() holds instead of running the poll's timer: a ForegroundSeen then does what
// a poll that finds a change does, and leaves the polling on.
class EventFollower {
public:
    EventFollower(Engine& engine, WindowSystem& windows) : engine_(engine), windows_(windows) {}

    // The engine was switched on; `reported` is whether the system reports events at all.
    void SwitchedOn(bool reported);
    void SwitchedOff();

    void OnEvent(const EngineSettings& settings, WindowEvent event, WindowHandle window);
    // The policy tick, through the engine.
    void Tick(const EngineSettings& settings);
    void PollForeground(const EngineSettings& settings);
    void LookAgain(const EngineSettings& settings);

    bool PollingForeground() const { return running_ && polling_; }
    bool LookingAgain() const { return running_ && !hidden_.empty(); }
    // Foreground changes the ticks caught since the last foreground report.
    int Unannounced() const { return unannounced_; }

private:
    struct HiddenWindow {
        WindowHandle window;
        int looksLeft;
    };
    // More than this many created windows waiting at once (a program opening hundreds) are left
    // to the tick.
    static constexpr std::size_t kMaxHiddenWindows = 64;

    Engine& engine_;
    WindowSystem& windows_;
    bool running_ = false;
    // The first tick after switching on finds every change made while the engine was off.
    bool firstTick_ = false;
    bool foregroundReported_ = false;
    int unannounced_ = 0;
    bool polling_ = false;
    std::vector<HiddenWindow> hidden_;
};

}  // namespace vitrex::transparency
