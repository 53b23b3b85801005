#pragma once

#include <functional>
#include <string>

#include "core/ui/Component.h"
#include "core/ui/OwnedComponents.h"

namespace vitrex::ui {

// A window timer: ticks on the user-interface thread every IntervalMs while enabled. A timer of
// a form registers with it, and the form's binder runs it.
class Timer : public Component {
public:
    Timer(std::string name, Component* owner, int intervalMs, bool enabled)
        : Component(std::move(name), "TTimer", owner), intervalMs_(intervalMs), enabled_(enabled) {
        if (Owned() != nullptr) Owned()->timers.Add(*this);
    }
    ~Timer() override {
        if (Owned() != nullptr) Owned()->timers.Remove(*this);
    }

    int IntervalMs() const { return intervalMs_; }
    void SetIntervalMs(int intervalMs);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void SetObserver(std::function<void(Timer&)> observer) { observer_ = std::move(observer); }

    Handler OnTimer;
    // One tick; the binder calls it on WM_TIMER, tests call it directly.
    void Tick() {
        if (enabled_) Fire(OnTimer);
    }

private:
    int intervalMs_;
    bool enabled_;
    std::function<void(Timer&)> observer_;
};

inline void Timer::SetIntervalMs(int intervalMs) {
    if (intervalMs_ == intervalMs) return;
    intervalMs_ = intervalMs;
    if (observer_) observer_(*this);
}

inline void Timer::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (observer_) observer_(*this);
}

}  // namespace vitrex::ui
