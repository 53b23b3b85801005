#include "core/app/ActivationState.h"

namespace vitrex::app {

void ActivationState::CreateEngine() {
    engine_.emplace(windows_, eligibility_, &ownAlphas_, &journal_);
    engine_->SetRemembered(remembered_);
    engine_->SetRefused(refused_);
}

bool ActivationState::SetEngineActive(bool active) {
    c_.XPBarStatus.Item(0).SetVisible(active);
    c_.XPBarStatus.Item(1).SetVisible(!active);
    for (ui::Widget* locked : c_.lockedWhileActive)
        locked->SetEnabled(!active);
    c_.TrayPopup_Aktiv.SetVisible(active);
    c_.TrayPopup_Inaktiv.SetVisible(!active);
    c_.Vitrex_Timer.SetEnabled(active);
    c_.DebugClassException.SetEnabled(!active);
    // Every window the engine changed and that may still be changed goes back to how it was.
    if (!active && engine_) engine_->SwitchOff();
    return true;
}

transparency::EngineSettings ActivationState::Settings() const {
    return {c_.TAB_TPZ_TB_Active.Position(), c_.TAB_TPZ_TB_InActive.Position(),
            c_.GB_Transparenz_All.Checked()};
}

void ActivationState::Tick() {
    if (!engine_) return;
    engine_->Tick(Settings());
}

void ActivationState::Relevel(const std::string& programKey) {
    if (engine_ && c_.Vitrex_Timer.Enabled()) engine_->Relevel(Settings(), programKey);
}

void ActivationState::ShowEngineUnavailable() {
    // The program shows itself deactivated and offers no way to activate it, rather than a state
    // that locks the transparency page while nothing happens. The master switch keeps whatever it
    // loaded, so the next quit stores it unchanged.
    if (c_.Vitrex_Timer.Enabled()) SetEngineActive(false);
    c_.TAB_TPZ_CB.SetEnabled(false);
    c_.GB_Start_Active.SetEnabled(false);
    c_.XPBarStatus.Item(0).SetVisible(false);
    c_.XPBarStatus.Item(1).SetVisible(false);
    c_.XPBarStatus.Item(2).SetVisible(true);
    c_.TrayPopup_Aktiv.SetVisible(false);
    c_.TrayPopup_Inaktiv.SetVisible(false);
    c_.TrayPopup_Deaktiv.SetVisible(true);
}

}  // namespace vitrex::app
