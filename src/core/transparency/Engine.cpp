#include "core/transparency/Engine.h"

#include <algorithm>

#include "core/transparency/Alpha.h"

namespace vitrex::transparency {

bool Engine::Tick(const EngineSettings& settings) {
    // One process snapshot and one set of shell-window lookups for all of this tick's checks.
    SharedLookups shared(eligibility_);
    // A window whose program cannot be told gets no level: it may be one the user excepted. It is
    // met again when it next takes or loses the foreground.
    struct UnreadableExcepted {
        Eligibility& eligibility;
        explicit UnreadableExcepted(Eligibility& e) : eligibility(e) {
            eligibility.SetUnreadableProgramsExcepted(true);
        }
        ~UnreadableExcepted() { eligibility.SetUnreadableProgramsExcepted(false); }
    } unreadableExcepted(eligibility_);

    leaveFullScreenOpaque_ = settings.leaveFullScreenOpaque;
    const WindowHandle foreground = windows_.ForegroundWindow();
    const bool caughtForeground = foreground != lastForegroundWindow_;
    if (caughtForeground) {
        FollowForeground(settings, foreground);
    } else {
        previousThreadId_ = activeThreadId_;
    }

    sequence_.clear();
    windows_.EnumerateTopLevel([this](WindowHandle window) {
        sequence_.push_back(window);
        return true;
    });
    // The same windows in the same order and no change of group: only the windows still unknown
    // after the last tick can need anything, since no known window is forgotten while the engine
    // runs. On a quiet desktop this spares a lookup in the known windows per window.
    const bool groupChanged = settings.wholeGroupMode && activeThreadId_ != previousThreadId_;
    const bool quiet = lastSequenceValid_ && sequence_ == lastSequence_ && !groupChanged;
    // Until the pass is through, the places of the hidden windows are not right: a tick that
    // fails half-way leaves the next one to walk every window, so none is missed or met twice.
    lastSequenceValid_ = false;
    if (quiet) {
        // Some of the hidden windows may have become known since the last tick: met by an event,
        // or above as the new foreground window.
        VisitUnknownOnly(settings, foreground, known_.Size() != knownAtLastTick_);
    } else {
        unknownPlaces_.clear();
        for (std::size_t place = 0; place < sequence_.size(); ++place) {
            if (!ApplyToWindowProc(sequence_[place], settings, foreground)) unknownPlaces_.push_back(place);
        }
        lastSequence_.swap(sequence_);
    }
    lastSequenceValid_ = true;
    FollowFullScreen(settings, foreground);
    if (refused_ != nullptr && !refused_->Empty()) MeetWindowsInRefusedPlaces(settings, foreground);
    knownAtLastTick_ = known_.Size();
    KeepJournal();
    return caughtForeground;
}

void Engine::MeetWindowsInRefusedPlaces(const EngineSettings& settings, WindowHandle foreground) {
    for (WindowHandle window : refused_->ForgetChanged(windows_)) {
        // Known by its handle, but a window the engine never met: it gets its level now.
        if (known_.Contains(window) && windows_.IsVisible(window) &&
            eligibility_.IsTransparencyAllowed(window))
            SetLevel(window, NormalLevelOf(window, settings, foreground));
    }
}

int Engine::NormalLevelOf(WindowHandle window, const EngineSettings& settings, WindowHandle foreground) {
    if (window == foreground) return settings.activeLevel;
    if (settings.wholeGroupMode && windows_.ThreadProcessOf(window).threadId == activeThreadId_)
        return settings.activeLevel;
    return settings.inactiveLevel;
}

std::optional<int> Engine::LevelFor(WindowHandle window, int normal) {
    if (remembered_ != nullptr && !remembered_->Empty()) {
        const std::optional<Remembered> remembered =
            remembered_->Find(eligibility_.GetWindowProcessName(window, true));
        if (remembered && remembered->level) return *remembered->level;
    }
    if (leaveFullScreenOpaque_ && fullScreen_.Holds(window)) return std::nullopt;
    return normal;
}

void Engine::FollowFullScreen(const EngineSettings& settings, WindowHandle foreground) {
    // Each window's level decides anew (SetLevel asks the rule again): a window that went full
    // screen is left opaque, one that left it gets its level, a remembered one keeps its own.
    const auto giveLevel = [&](WindowHandle window) {
        if (known_.Contains(window) && windows_.IsVisible(window) &&
            eligibility_.IsTransparencyAllowed(window))
            SetLevel(window, NormalLevelOf(window, settings, foreground));
    };
    if (!settings.leaveFullScreenOpaque) {
        for (WindowHandle window : fullScreen_.ReleaseAll())
            giveLevel(window);
        return;
    }
    for (const FullScreenWindows::Change& change : fullScreen_.Look(foreground, known_.Windows()))
        giveLevel(change.window);
}

bool Engine::KnownRefused(WindowHandle window) {
    return refused_ != nullptr && !refused_->Empty() &&
           refused_->Holds(window, windows_.ThreadProcessOf(window));
}

void Engine::Change(WindowHandle window, int percent) {
    if (KnownRefused(window)) return;
    if (ApplyTransparency(windows_, window, percent) == WindowChange::Refused && refused_ != nullptr)
        refused_->Note(window, windows_.ThreadProcessOf(window));
}

void Engine::Relevel(const EngineSettings& settings, const std::string& programKey) {
    leaveFullScreenOpaque_ = settings.leaveFullScreenOpaque;
    {
        SharedLookups shared(eligibility_);
        const std::optional<Remembered> remembered =
            remembered_ != nullptr ? remembered_->Find(programKey) : std::nullopt;
        for (WindowHandle window : known_.Windows()) {
            if (ProgramKey(eligibility_.GetWindowProcessName(window, true)) != programKey) continue;
            if (IsOverlay(window)) continue;
            if (!windows_.IsVisible(window) || !eligibility_.IsTransparencyAllowed(window)) continue;
            SetLevel(window, NormalLevelOf(window, settings, lastForegroundWindow_));
            if (remembered && remembered->onTop && !KnownRefused(window)) windows_.SetTopmost(window, true);
        }
    }
    KeepJournal();
}

void Engine::KeepJournal() {
    if (journal_ == nullptr || ownAlphas_ == nullptr) return;
    if (ownAlphas_->Version() == journalledVersion_ && known_.Size() == journalledKnown_) return;
    // Noted first: a registry that refuses the write is not asked again at every tick.
    journalledVersion_ = ownAlphas_->Version();
    journalledKnown_ = known_.Size();
    std::vector<JournalEntry> entries;
    for (const auto& [window, alpha] : ownAlphas_->Noted()) {
        if (!known_.Contains(window)) continue;
        JournalEntry entry{window, alpha, std::nullopt, std::nullopt};
        if (auto before = layeredBefore_.find(window); before != layeredBefore_.end())
            entry.programAttributes = before->second;
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const JournalEntry& a, const JournalEntry& b) { return a.window < b.window; });
    journal_->Write(entries);
}

void Engine::FollowForeground(const EngineSettings& settings, WindowHandle foreground) {
    const WindowHandle previous = lastForegroundWindow_;
    std::uint32_t foregroundThread = 0;
    if (settings.wholeGroupMode) {
        foregroundThread = windows_.ThreadProcessOf(foreground).threadId;
        // Within the group the active level is given again to all of it; a new group takes it
        // from the old one.
        previousThreadId_ = foregroundThread == activeThreadId_ ? 0 : activeThreadId_;
    }
    lastForegroundWindow_ = foreground;
    if (settings.wholeGroupMode) activeThreadId_ = foregroundThread;
    // The window the user turns to first: a new one shows no other level before its own.
    const bool allowed = eligibility_.IsTransparencyAllowed(foreground);
    if (known_.Contains(foreground)) {
        if (allowed) SetLevel(foreground, settings.activeLevel);
    } else {
        Meet(foreground, allowed ? std::optional<int>(settings.activeLevel) : std::nullopt);
    }
    // In the only-active-window mode the window that lost the foreground is set directly; in the
    // whole-group mode it is reached through its group.
    if (!settings.wholeGroupMode && eligibility_.IsTransparencyAllowed(previous)) {
        if (known_.Contains(previous)) {
            SetLevel(previous, settings.inactiveLevel);
        } else {
            Meet(previous, settings.inactiveLevel);
        }
    }
}

void Engine::VisitUnknownOnly(const EngineSettings& settings, WindowHandle foreground, bool someMayBeKnown) {
    std::size_t kept = 0;
    for (std::size_t place : unknownPlaces_) {
        const WindowHandle window = lastSequence_[place];
        if (someMayBeKnown && known_.Contains(window)) continue;
        if (!windows_.IsVisible(window)) {
            unknownPlaces_[kept++] = place;
            continue;
        }
        MeetVisible(window, settings, foreground);
        // An overlay is not met: it stays among the unknown until it is released.
        if (!known_.Contains(window)) unknownPlaces_[kept++] = place;
    }
    unknownPlaces_.resize(kept);
}

bool Engine::ApplyToWindowProc(WindowHandle window, const EngineSettings& settings, WindowHandle foreground) {
    if (!known_.Contains(window)) {
        if (!windows_.IsVisible(window)) return false;
        MeetVisible(window, settings, foreground);
        if (!known_.Contains(window)) return false;
    }
    if (!settings.wholeGroupMode || activeThreadId_ == previousThreadId_) return true;
    const std::uint32_t thread = windows_.ThreadProcessOf(window).threadId;
    if (thread == previousThreadId_ && eligibility_.IsTransparencyAllowed(window))
        SetLevel(window, settings.inactiveLevel);
    if (thread == activeThreadId_ && eligibility_.IsTransparencyAllowed(window))
        SetLevel(window, settings.activeLevel);
    return true;
}

void Engine::MeetVisible(WindowHandle window, const EngineSettings& settings, WindowHandle foreground) {
    // Known whether allowed or not: a refused window is not asked about again on every tick.
    if (!eligibility_.IsTransparencyAllowed(window)) {
        Meet(window, std::nullopt);
        return;
    }
    Meet(window, window == foreground ? settings.activeLevel : settings.inactiveLevel);
}

void Engine::Meet(WindowHandle window, std::optional<int> percent) {
    // What it carries now is the overlay's, not its program's: it is met once it is released.
    if (IsOverlay(window)) return;
    bool perPixel = false;
    // Layered with an alpha this run gave it (a hot key, a preview, the applications menu): ours,
    // so switching off clears it like any other.
    const bool ours = ownAlphas_ != nullptr && ownAlphas_->CurrentOwnAlpha(window);
    if (!ours && windows_.StyleOf(window).layered) {
        std::optional<LayeredAttributes> attributes = windows_.GetLayeredAttributes(window);
        perPixel = !attributes;
        layeredBefore_.insert_or_assign(window, attributes);
    }
    known_.Add(window);
    if (!percent || perPixel) return;
    if (const std::optional<int> level = LevelFor(window, *percent)) Change(window, *level);
    if (remembered_ != nullptr && !remembered_->Empty() && !KnownRefused(window)) {
        const std::optional<Remembered> remembered =
            remembered_->Find(eligibility_.GetWindowProcessName(window, true));
        if (remembered && remembered->onTop) windows_.SetTopmost(window, true);
    }
}

void Engine::SetLevel(WindowHandle window, int percent) {
    if (IsOverlay(window) || DrawnWithPerPixelAlpha(window)) return;
    if (const std::optional<int> level = LevelFor(window, percent)) {
        Change(window, *level);
    } else {
        LeaveOpaque(window);
    }
}

void Engine::LeaveOpaque(WindowHandle window) {
    // Usually it was never layered: nothing to write.
    if (windows_.StyleOf(window).layered) Restore(window);
}

bool Engine::DrawnWithPerPixelAlpha(WindowHandle window) {
    return windows_.StyleOf(window).layered && !windows_.GetLayeredAttributes(window);
}

void Engine::SwitchOff() {
    {
        SharedLookups shared(eligibility_);
        for (WindowHandle window : known_.Windows()) {
            if (eligibility_.IsTransparencyAllowed(window)) Restore(window);
        }
    }
    known_.Clear();
    fullScreen_.Clear();
    layeredBefore_.clear();
    lastSequenceValid_ = false;
    unknownPlaces_.clear();
    knownAtLastTick_ = 0;
    journalledKnown_ = 0;
    // Last: a registry that refuses the change must not keep the windows above from their state.
    if (journal_ != nullptr) journal_->Clear();
}

void Engine::Restore(WindowHandle window) {
    if (IsOverlay(window) || KnownRefused(window) || DrawnWithPerPixelAlpha(window)) return;
    auto before = layeredBefore_.find(window);
    if (before == layeredBefore_.end()) {
        ClearWindowTransparency(windows_, window);
        return;
    }
    // It was layered by its own program: it keeps the style and gets its own attributes back.
    if (before->second && windows_.StyleOf(window).layered)
        windows_.SetLayeredAttributes(window, *before->second);
}

}  // namespace vitrex::transparency
