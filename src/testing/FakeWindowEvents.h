#pragma once

#include "core/platform/WindowEvents.h"

namespace vitrex::fakes {

// The system's window events, raised by the test. `deliversForeground` false stands for a system
// that never reports another program's foreground change: Report drops those.
class FakeWindowEvents : public WindowEvents {
public:
    bool refuses = false;
    bool deliversForeground = true;
    int starts = 0;
    // Whether this system can watch the foreground, and whether it is watched now.
    bool canWatch = false;
    bool watching = false;

    bool Start(Sink sink) override {
        ++starts;
        if (refuses) return false;
        sink_ = std::move(sink);
        return true;
    }
    void Stop() override {
        sink_ = nullptr;
        watching = false;
    }
    bool WatchForeground(bool on) override {
        watching = on && canWatch && sink_;
        return !on || watching;
    }
    bool Started() const { return static_cast<bool>(sink_); }

    // Delivers the event as the system would, if anyone listens and the system reports it.
    void Report(WindowEvent event, WindowHandle window) {
        if (!sink_ || (event == WindowEvent::Foreground && !deliversForeground)) return;
        // A copy: the sink may stop the reports while it runs.
        Sink sink = sink_;
        sink(event, window);
    }

private:
    Sink sink_;
};

}  // namespace vitrex::fakes
