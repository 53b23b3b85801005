#include "core/app/ActivationState.h"

namespace vitrex::app {

ActivationState::~ActivationState() {
    events_.Stop();
}

void ActivationState::AttachHandlers() {
    c_.Vitrex_Timer.OnTimer = [this] { Tick(); };
    c_.ForegroundPoll.OnTimer = [this] { PollForeground(); };
    c_.ShownWindowsLook.OnTimer = [this] { LookAtShownWindows(); };
}

void ActivationState::CreateEngine() {
    engine_.emplace(windows_, eligibility_, &windows_, &journal_, &overlays_);
    engine_->SetRemembered(&remembered_);
    engine_->SetRefused(&refused_);
    follower_.emplace(*engine_, windows_);
    // Start-up switches the engine on before it makes it, when it starts active.
    if (EngineRunning()) FollowEvents(true);
}

void ActivationState::FollowEvents(bool active) {
    if (!follower_) return;
    if (active) {
        const bool reported = events_.Start([this](WindowEvent event, WindowHandle window) {
            // A failure is logged as the policy's, whose decisions the events run.
            const auto run = [&] { OnWindowEvent(event, window); };
            if (ui::EventDispatcher* dispatcher = c_.Vitrex_Timer.Dispatcher()) {
                dispatcher->Dispatch(&c_.Vitrex_Timer, run);
            } else {
                run();
            }
        });
        follower_->SwitchedOn(reported);
        // Starting the reports anew ends any watch of before.
        watching_ = false;
        cannotWatch_ = false;
    } else {
        // Stopping the reports stops the watch with them.
        events_.Stop();
        watching_ = false;
        follower_->SwitchedOff();
    }
    KeepTimersInStep();
}

void ActivationState::SetEngineActive(bool active) {
    for (ui::Widget* locked : c_.lockedWhileActive)
        locked->SetEnabled(!active);
    c_.Vitrex_Timer.SetEnabled(active);
    c_.DebugClassException.SetEnabled(!active);
    ShowState();
    FollowEvents(active);
    // Before the engine's switch-off: an overlay that carried the engine's level gets it back
    // when it is released, and the switch-off then takes that away as from every other window.
    // (An overlay kept through a switch-off would keep the level of an engine that no longer
    // knows it, and nothing would take that away.)
    if (!active) overlays_.ReleaseAll();
    // Every window the engine changed and that may still be changed goes back to how it was.
    if (!active && engine_) engine_->SwitchOff();
}

void ActivationState::ShowState() {
    const bool running = EngineRunning();
    // The engine runs only with the switch on; without an engine the switch cannot turn it on.
    const bool inactive = !running && offered_ && c_.TAB_TPZ_CB.Checked();
    const bool deactivated = !running && !inactive;
    c_.XPBarStatus.Item(0).SetVisible(running);
    c_.XPBarStatus.Item(1).SetVisible(inactive);
    c_.XPBarStatus.Item(2).SetVisible(deactivated);
    c_.TrayPopup_Aktiv.SetVisible(running);
    c_.TrayPopup_Inaktiv.SetVisible(inactive);
    c_.TrayPopup_Deaktiv.SetVisible(deactivated);
}

transparency::EngineSettings ActivationState::Settings() const {
    return {c_.TAB_TPZ_TB_Active.Position(), c_.TAB_TPZ_TB_InActive.Position(),
            c_.GB_Transparenz_All.Checked(), c_.TAB_TPZ_FullScreenCB.Checked()};
}

void ActivationState::Tick() {
    if (!follower_) return;
    // A closed overlay's handle may be taken by a new window, which the engine must not skip.
    overlays_.ForgetClosed();
    follower_->Tick(Settings());
    KeepTimersInStep();
}

void ActivationState::PollForeground() {
    if (follower_) follower_->PollForeground(Settings());
}

void ActivationState::LookAtShownWindows() {
    if (!follower_) return;
    follower_->LookAgain(Settings());
    KeepTimersInStep();
}

void ActivationState::OnWindowEvent(WindowEvent event, WindowHandle window) {
    if (!follower_ || !EngineRunning()) return;
    follower_->OnEvent(Settings(), event, window);
    KeepTimersInStep();
}

void ActivationState::KeepTimersInStep() {
    const bool poll = follower_->PollingForeground();
    // The system's own watch where it has one; the poll's timer where it has none.
    if (poll != watching_ && !(poll && cannotWatch_)) {
        const bool watches = events_.WatchForeground(poll);
        watching_ = poll && watches;
        cannotWatch_ = poll && !watches;
    }
    c_.ForegroundPoll.SetEnabled(poll && !watching_);
    c_.ShownWindowsLook.SetEnabled(follower_->LookingAgain());
}

void ActivationState::Relevel(const std::string& programKey) {
    if (engine_ && EngineRunning()) engine_->Relevel(Settings(), programKey);
}

void ActivationState::ShowEngineUnavailable() {
    // The program shows itself deactivated and offers no way to activate it, rather than a state
    // that locks the transparency page while nothing happens. The master switch keeps whatever it
    // loaded, so the next quit stores it unchanged.
    offered_ = false;
    if (EngineRunning()) SetEngineActive(false);
    c_.TAB_TPZ_CB.SetEnabled(false);
    c_.GB_Start_Active.SetEnabled(false);
    ShowState();
}

}  // namespace vitrex::app
