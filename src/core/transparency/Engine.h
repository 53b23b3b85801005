#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/platform/WindowSystem.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/FullScreenWindows.h"
#include "core/transparency/KnownWindows.h"
#include "core/transparency/Overlays.h"
#include "core/transparency/OwnAlphas.h"
#include "core/transparency/RefusedWindows.h"
#include "core/transparency/RememberedPrograms.h"
#include "core/transparency/WindowJournal.h"

namespace vitrex::transparency {

// The levels and the mode as the controls hold them at the moment of a tick.
struct EngineSettings {
    int activeLevel = 10;    // percent, for the foreground window (or its group)
    int inactiveLevel = 25;  // percent, for every other window
    // Windows created by the foreground window's thread follow it as a group.
    bool wholeGroupMode = false;
    // A window that covers its whole monitor is left opaque while it does.
    bool leaveFullScreenOpaque = true;
};

// The transparency engine: while it runs, a tick ten times a second gives the foreground window
// the active level and every other visible, allowed top-level window the inactive level. A window
// gets a level when it is first seen visible, when it gains or loses the foreground, and in the
// whole-group mode when its group does; in between it is left alone, so it is not redrawn.
//
// Windows whose own program made them layered before the engine changed them are handled with
// care: the engine remembers their attributes and gives them back when it is switched off
// (instead of taking the layered style away), and it never gives attributes to a window its
// program draws with per-pixel alpha, which would stop showing what that program draws. A window
// that carries an alpha this run gave it (`ownAlphas`: a hot key, a preview) is not such a window:
// it is cleared at switch-off like the others.
//
// A program with a remembered level has that level on all its windows instead of the active and
// the inactive level (and, when remembered so, its windows are put always on top when the engine
// meets them); the exceptions list still wins, as for any window. Below both, a window that covers
// its whole monitor (FullScreenWindows) is left opaque while it does, when the settings say so,
// and gets its level when it leaves full screen. A window whose program runs
// with higher rights refuses every change: it is noted as refused and not asked again while it
// exists; a new window that takes its handle is given its level at once.
//
// Above all of these, an overlay (`overlays`) keeps the level it has: the engine never sets,
// clears or gives back its level while it is one, and does not meet it. A released window is
// dealt with again: one the engine knew gets its level at its next change, one it never met is
// met as a new window.
//
// With a journal, the windows it changed are written down whenever that set changes, so that a
// later start can give them back if this process never switches the engine off.
class Engine {
public:
    Engine(WindowSystem& windows, Eligibility& eligibility, OwnAlphas* ownAlphas = nullptr,
           WindowJournal* journal = nullptr, const Overlays* overlays = nullptr)
        : windows_(windows),
          eligibility_(eligibility),
          ownAlphas_(ownAlphas),
          journal_(journal),
          overlays_(overlays) {}

    // One tick of the policy timer. True when it found a foreground window that nothing had
    // followed yet: no event reported the change before the tick.
    bool Tick(const EngineSettings& settings);
    // The system reported a foreground change, or a look found one: the old and the new
    // foreground window (or groups) get their levels now, exactly as the next tick would give
    // them. Nothing when `foreground` is the window followed already.
    void ForegroundChanged(const EngineSettings& settings, WindowHandle foreground);
    // The system reported a top-level window shown or created: when it is visible and was never
    // met it gets its level now, as the next tick would give it. False while it is hidden and
    // unknown, so that the caller may look again soon; the tick meets it in any case.
    bool WindowShown(const EngineSettings& settings, WindowHandle window);
    // The foreground window the engine follows now.
    WindowHandle FollowedForeground() const { return lastForegroundWindow_; }
    // Switching off: every known window that is allowed now goes back to how it was before the
    // engine changed it (an overlay is left as it is: release the overlays first), then the known
    // windows are forgotten and the journal emptied. The foreground and group state is kept, as
    // the next switch-on expects.
    void SwitchOff();

    // Gives every known window of the program (its key, see ProgramKey) its level again, after
    // the program was remembered, changed or forgotten while the engine runs.
    void Relevel(const EngineSettings& settings, const std::string& programKey);

    void SetRemembered(const RememberedPrograms* remembered) { remembered_ = remembered; }
    void SetRefused(RefusedWindows* refused) { refused_ = refused; }

    const KnownWindows& Known() const { return known_; }

private:
    // The foreground window changed since the last tick.
    void FollowForeground(const EngineSettings& settings, WindowHandle foreground);
    // FollowForeground outside a tick, with the change of group the tick's pass would make,
    // done on the two groups' windows only.
    void FollowForegroundNow(const EngineSettings& settings, WindowHandle foreground);
    // The same windows as at the last tick and no change of group: only those still unknown.
    void VisitUnknownOnly(const EngineSettings& settings, WindowHandle foreground, bool someMayBeKnown);
    // One window of the enumeration; false when it stays unknown (hidden and never met, or an
    // overlay never met).
    bool ApplyToWindowProc(WindowHandle window, const EngineSettings& settings, WindowHandle foreground);
    // Gives a visible window met for the first time its level, if it is allowed one.
    void MeetVisible(WindowHandle window, const EngineSettings& settings, WindowHandle foreground);
    // The first dealing with a window: remembers how its own program left it, makes it known,
    // and gives it the level, if any.
    void Meet(WindowHandle window, std::optional<int> percent);
    void SetLevel(WindowHandle window, int percent);
    // The program's remembered level, else nothing for a full-screen window left opaque, else
    // `normal`.
    std::optional<int> LevelFor(WindowHandle window, int normal);
    // Takes away what this run gave a window that is to stay opaque.
    void LeaveOpaque(WindowHandle window);
    // Windows that went into or out of full screen since the last tick get their levels.
    void FollowFullScreen(const EngineSettings& settings, WindowHandle foreground);
    // The active level for the foreground window and its group, the inactive one for the others.
    int NormalLevelOf(WindowHandle window, const EngineSettings& settings, WindowHandle foreground);
    // Gives the window the level unless it refused a change before; notes a refusal.
    void Change(WindowHandle window, int percent);
    bool KnownRefused(WindowHandle window);
    // Handles of refused windows that new windows took get their level.
    void MeetWindowsInRefusedPlaces(const EngineSettings& settings, WindowHandle foreground);
    void Restore(WindowHandle window);
    bool DrawnWithPerPixelAlpha(WindowHandle window);
    // An overlay keeps its own level.
    bool IsOverlay(WindowHandle window) const {
        return overlays_ != nullptr && !overlays_->Empty() && overlays_->Holds(window);
    }
    // Writes the journal when the windows changed, or their alphas, since it was last written.
    void KeepJournal();

    WindowSystem& windows_;
    Eligibility& eligibility_;
    OwnAlphas* ownAlphas_;
    WindowJournal* journal_;
    const Overlays* overlays_;
    const RememberedPrograms* remembered_ = nullptr;
    RefusedWindows* refused_ = nullptr;
    // What the journal was last written from: the notes' version and the number of known windows.
    std::uint64_t journalledVersion_ = 0;
    std::size_t journalledKnown_ = 0;
    KnownWindows known_;
    FullScreenWindows fullScreen_{windows_};
    // The settings' leaveFullScreenOpaque, as the running call was given it.
    bool leaveFullScreenOpaque_ = true;
    WindowHandle lastForegroundWindow_ = 0;
    std::uint32_t activeThreadId_ = 0;
    std::uint32_t previousThreadId_ = 0;
    // The known windows that were layered already when the engine met them, with the attributes
    // their program had given them (nothing when they could not be read: per-pixel alpha). Every
    // window the engine changes is known from that moment, so this is recorded before any change.
    std::unordered_map<WindowHandle, std::optional<LayeredAttributes>> layeredBefore_;

    // The windows of the last tick's enumeration in z-order, and the places in it of the windows
    // that were not known after it (hidden ones). `sequence_` is this tick's enumeration, kept
    // as a member so that its storage is reused.
    std::vector<WindowHandle> lastSequence_;
    std::vector<std::size_t> unknownPlaces_;
    bool lastSequenceValid_ = false;
    std::vector<WindowHandle> sequence_;
    // The number of known windows when the last tick ended: events meet windows between ticks,
    // some of them in the hidden windows' places.
    std::size_t knownAtLastTick_ = 0;
};

}  // namespace vitrex::transparency
