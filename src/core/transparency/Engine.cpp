#include "core/transparency/Engine.h"

#include "core/transparency/Alpha.h"

namespace vitrex::transparency {

void Engine::Tick(const EngineSettings& settings) {
    // One process snapshot and one set of shell-window lookups for all of this tick's checks.
    SharedLookups shared(eligibility_);

    const WindowHandle foreground = windows_.ForegroundWindow();
    if (foreground == lastForegroundWindow_) {
        previousThreadId_ = activeThreadId_;
    } else {
        if (!settings.wholeGroupMode && eligibility_.IsTransparencyAllowed(lastForegroundWindow_)) {
            MarkKnown(lastForegroundWindow_);
            SetLevel(lastForegroundWindow_, settings.inactiveLevel);
        }
        std::uint32_t foregroundThread = 0;
        if (settings.wholeGroupMode) {
            foregroundThread = windows_.ThreadProcessOf(foreground).threadId;
            // Within the group the active level is given again to all of it; a new group takes it
            // from the old one.
            previousThreadId_ = foregroundThread == activeThreadId_ ? 0 : activeThreadId_;
        }
        lastForegroundWindow_ = foreground;
        if (settings.wholeGroupMode) activeThreadId_ = foregroundThread;
        const bool allowed = eligibility_.IsTransparencyAllowed(lastForegroundWindow_);
        MarkKnown(lastForegroundWindow_);
        if (allowed) SetLevel(lastForegroundWindow_, settings.activeLevel);
    }

    EnumerateWindows();
    const bool groupChanged = settings.wholeGroupMode && activeThreadId_ != previousThreadId_;
    if (sequenceUnchanged_ && !groupChanged) {
        std::size_t kept = 0;
        for (std::size_t place : unknownPlaces_) {
            const WindowHandle window = lastSequence_[place];
            MeetIfVisible(window, settings, foreground);
            if (!known_.Contains(window)) unknownPlaces_[kept++] = place;
        }
        unknownPlaces_.resize(kept);
        return;
    }
    const std::vector<WindowHandle>& windows = sequenceUnchanged_ ? lastSequence_ : sequence_;
    unknownPlaces_.clear();
    for (std::size_t place = 0; place < windows.size(); ++place) {
        ApplyToWindowProc(windows[place], settings, foreground);
        if (!known_.Contains(windows[place])) unknownPlaces_.push_back(place);
    }
    if (!sequenceUnchanged_) lastSequence_.swap(sequence_);
    lastSequenceValid_ = true;
}

void Engine::EnumerateWindows() {
    // Compares with the last tick's windows as they come, and copies only from the first place
    // where they differ: a quiet desktop costs one comparison per window.
    std::size_t matched = 0;
    bool same = lastSequenceValid_;
    sequence_.clear();
    windows_.EnumerateTopLevel([&](WindowHandle window) {
        if (same) {
            if (matched < lastSequence_.size() && lastSequence_[matched] == window) {
                ++matched;
                return true;
            }
            same = false;
            sequence_.assign(lastSequence_.begin(),
                             lastSequence_.begin() + static_cast<std::ptrdiff_t>(matched));
        }
        sequence_.push_back(window);
        return true;
    });
    sequenceUnchanged_ = same && matched == lastSequence_.size();
    if (same && !sequenceUnchanged_) {
        sequence_.assign(lastSequence_.begin(), lastSequence_.begin() + static_cast<std::ptrdiff_t>(matched));
    }
}

void Engine::ApplyToWindowProc(WindowHandle window, const EngineSettings& settings, WindowHandle foreground) {
    MeetIfVisible(window, settings, foreground);
    if (!known_.Contains(window)) return;
    if (!settings.wholeGroupMode || activeThreadId_ == previousThreadId_) return;
    const std::uint32_t thread = windows_.ThreadProcessOf(window).threadId;
    if (thread == previousThreadId_ && eligibility_.IsTransparencyAllowed(window))
        SetLevel(window, settings.inactiveLevel);
    if (thread == activeThreadId_ && eligibility_.IsTransparencyAllowed(window))
        SetLevel(window, settings.activeLevel);
}

void Engine::MeetIfVisible(WindowHandle window, const EngineSettings& settings, WindowHandle foreground) {
    if (known_.Contains(window) || !windows_.IsVisible(window)) return;
    const bool allowed = eligibility_.IsTransparencyAllowed(window);
    // Known whether allowed or not: a refused window is not asked about again on every tick.
    MarkKnown(window);
    if (allowed) SetLevel(window, window == foreground ? settings.activeLevel : settings.inactiveLevel);
}

void Engine::MarkKnown(WindowHandle window) {
    if (known_.Contains(window)) return;
    if ((windows_.GetExStyle(window) & kWsExLayered) != 0)
        layeredBefore_.insert_or_assign(window, windows_.GetLayeredAttributes(window));
    known_.Add(window);
}

void Engine::SetLevel(WindowHandle window, int percent) {
    if (DrawnWithPerPixelAlpha(window)) return;
    SetWindowTransparency(windows_, window, percent);
}

bool Engine::DrawnWithPerPixelAlpha(WindowHandle window) {
    return (windows_.GetExStyle(window) & kWsExLayered) != 0 && !windows_.GetLayeredAttributes(window);
}

void Engine::SwitchOff() {
    {
        SharedLookups shared(eligibility_);
        for (WindowHandle window : known_.Windows()) {
            if (eligibility_.IsTransparencyAllowed(window)) Restore(window);
        }
    }
    known_.Clear();
    layeredBefore_.clear();
    lastSequenceValid_ = false;
    unknownPlaces_.clear();
}

void Engine::Restore(WindowHandle window) {
    if (DrawnWithPerPixelAlpha(window)) return;
    auto before = layeredBefore_.find(window);
    if (before == layeredBefore_.end()) {
        ClearWindowTransparency(windows_, window);
        return;
    }
    // It was layered by its own program: it keeps the style and gets its own attributes back.
    if (before->second && (windows_.GetExStyle(window) & kWsExLayered) != 0)
        windows_.SetLayeredAttributes(window, *before->second);
}

}  // namespace vitrex::transparency
