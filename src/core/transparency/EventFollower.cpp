#include "core/transparency/EventFollower.h"

#include <algorithm>
#include <utility>

namespace vitrex::transparency {

void EventFollower::SwitchedOn(bool reported) {
    running_ = true;
    firstTick_ = true;
    unannounced_ = 0;
    // What was learnt about the system's foreground reports holds for the whole run.
    if (!reported) polling_ = true;
}

void EventFollower::SwitchedOff() {
    running_ = false;
    hidden_.clear();
}

void EventFollower::OnEvent(const EngineSettings& settings, WindowEvent event, WindowHandle window) {
    if (!running_) return;
    if (event == WindowEvent::ForegroundSeen) {
        // The watch stands in for the poll's timer: the same question, asked off this thread.
        PollForeground(settings);
        return;
    }
    if (event == WindowEvent::FocusMoved) {
        // Followed at once, whether the polling is on or not, and without changing it.
        engine_.ForegroundChanged(settings, windows_.ForegroundWindow());
        return;
    }
    if (event == WindowEvent::Foreground) {
        // The report may be late: the engine follows the window that has the foreground now.
        foregroundReported_ = true;
        unannounced_ = 0;
        polling_ = false;
        engine_.ForegroundChanged(settings, windows_.ForegroundWindow());
        return;
    }
    if (engine_.WindowShown(settings, window)) return;
    const bool waiting = std::any_of(hidden_.begin(), hidden_.end(), [window](const HiddenWindow& hidden) {
        return hidden.window == window;
    });
    if (!waiting && hidden_.size() < kMaxHiddenWindows) hidden_.push_back({window, kLooksPerCreatedWindow});
}

void EventFollower::Tick(const EngineSettings& settings) {
    const bool caught = engine_.Tick(settings);
    if (!running_ || std::exchange(firstTick_, false) || !caught || polling_) return;
    ++unannounced_;
    if (unannounced_ >= (foregroundReported_ ? 2 : 1)) polling_ = true;
}

void EventFollower::PollForeground(const EngineSettings& settings) {
    if (!PollingForeground()) return;
    const WindowHandle foreground = windows_.ForegroundWindow();
    // Only a change costs more than the one question.
    if (foreground != engine_.FollowedForeground()) engine_.ForegroundChanged(settings, foreground);
}

void EventFollower::LookAgain(const EngineSettings& settings) {
    if (!running_) return;
    std::size_t kept = 0;
    for (HiddenWindow& hidden : hidden_) {
        if (engine_.WindowShown(settings, hidden.window) || --hidden.looksLeft == 0) continue;
        hidden_[kept++] = hidden;
    }
    hidden_.resize(kept);
}

}  // namespace vitrex::transparency
