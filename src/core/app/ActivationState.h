#pragma once

#include <optional>
#include <vector>

#include "core/platform/WindowEvents.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Engine.h"
#include "core/transparency/EventFollower.h"
#include "core/transparency/Overlays.h"
#include "core/transparency/OwnAlphas.h"
#include "core/transparency/WindowJournal.h"
#include "core/ui/Controls.h"
#include "core/ui/Menu.h"
#include "core/ui/TaskPanel.h"
#include "core/ui/Timer.h"

namespace vitrex::app {

// The controls the activation state shows itself in, locks, or reads at each tick.
struct ActivationControls {
    // Items 0 "Active", 1 "Inactive", 2 "Deactivated".
    ui::TaskGroup& XPBarStatus;
    ui::MenuItem& TrayPopup_Aktiv;
    ui::MenuItem& TrayPopup_Inaktiv;
    ui::MenuItem& TrayPopup_Deaktiv;
    ui::Timer& Vitrex_Timer;
    ui::CheckBox& TAB_TPZ_CB;
    ui::CheckBox& GB_Start_Active;
    // What steers the engine, locked while it runs, in the order they are locked.
    std::vector<ui::Widget*> lockedWhileActive;
    ui::Edit& DebugClassException;
    // The levels and the scope each tick reads.
    ui::TrackBar& TAB_TPZ_TB_Active;
    ui::TrackBar& TAB_TPZ_TB_InActive;
    ui::RadioButton& GB_Transparenz_All;
    ui::CheckBox& TAB_TPZ_FullScreenCB;
    // Between the ticks: the foreground poll where the system does not report foreground changes,
    // and the second looks at created windows that were not visible yet.
    ui::Timer& ForegroundPoll;
    ui::Timer& ShownWindowsLook;
};

// The activation state: deactivated (master switch off), inactive (switch on, engine off) and
// active (engine on). It is not stored as a variable: it follows from the master switch and
// whether the policy timer runs. The engine itself is made by start-up, near its end; until then
// (and for good when start-up stopped earlier) nothing can be switched on.
class ActivationState {
public:
    // `windows` is the desktop with the notes of the alphas this run gives, which the engine
    // keeps. `remembered` and `refused` are the remembered programs and the refused windows the
    // engine uses once it is made; `overlays` the click-through windows it leaves alone.
    ActivationState(ActivationControls controls, transparency::OwnAlphas& windows, WindowEvents& events,
                    transparency::Eligibility& eligibility, transparency::WindowJournal& journal,
                    const transparency::RememberedPrograms& remembered, transparency::RefusedWindows& refused,
                    transparency::Overlays& overlays)
        : c_(std::move(controls)),
          windows_(windows),
          events_(events),
          eligibility_(eligibility),
          journal_(journal),
          remembered_(remembered),
          refused_(refused),
          overlays_(overlays) {}
    ~ActivationState();
    ActivationState(const ActivationState&) = delete;
    ActivationState& operator=(const ActivationState&) = delete;

    // Runs the policy tick and the two timers between the ticks on their timers' events.
    void AttachHandlers();
    // Makes the engine with no window known yet.
    void CreateEngine();
    // Absent until start-up has made it.
    transparency::Engine* Engine() { return engine_ ? &*engine_ : nullptr; }
    // False when start-up ended before the engine was made: nothing can be switched on then.
    bool ActivationAvailable() const { return engine_.has_value(); }

    // Locks or unlocks what steers the engine, runs or stops the policy timer and the system's
    // window events, and shows the state; switching off gives back every click-through window and
    // every window the engine changed.
    void SetEngineActive(bool active);
    // Whether the engine runs: exactly while its policy timer does.
    bool EngineRunning() const { return c_.Vitrex_Timer.Enabled(); }
    // The one writer of the state display: the left panel's state items and the tray menu's
    // entries, from the master switch, whether the engine runs and whether it can run at all.
    void ShowState();
    // The policy tick with the levels and the scope as the controls hold them.
    void Tick();
    // Between the ticks: the two timers of ActivationControls, and the system's reports (which
    // run through the policy timer's dispatch boundary).
    void PollForeground();
    void LookAtShownWindows();
    void OnWindowEvent(WindowEvent event, WindowHandle window);
    // While the engine runs: the program's windows get their levels again, after what is
    // remembered for it changed.
    void Relevel(const std::string& programKey);
    // After a start-up that stopped before the engine existed: deactivated, and nothing offers
    // activation.
    void ShowEngineUnavailable();

private:
    ActivationControls c_;
    transparency::OwnAlphas& windows_;
    WindowEvents& events_;
    transparency::Eligibility& eligibility_;
    transparency::WindowJournal& journal_;
    const transparency::RememberedPrograms& remembered_;
    transparency::RefusedWindows& refused_;
    // The click-through windows, which the engine leaves alone and switch-off gives back.
    transparency::Overlays& overlays_;
    std::optional<transparency::Engine> engine_;
    std::optional<transparency::EventFollower> follower_;
    // False once a start-up that stopped early has taken activation away.
    bool offered_ = true;
    // Whether the system watches the foreground for the follower, and whether it could not.
    bool watching_ = false;
    bool cannotWatch_ = false;

    transparency::EngineSettings Settings() const;
    // Starts or stops the system's reports and the follower with the engine.
    void FollowEvents(bool active);
    // The timers run exactly while the follower needs them.
    void KeepTimersInStep();
};

}  // namespace vitrex::app
