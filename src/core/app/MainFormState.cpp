// The activation state: deactivated (master switch off), inactive (switch on, engine off) and
// active (engine on). It is not stored as a variable: it follows from the master switch and
// whether the policy timer runs.

#include "core/app/MainForm.h"
#include "core/transparency/Alpha.h"

namespace vitrex::app {

bool MainForm::SetEngineActive(bool active) {
    XPBarStatus.Item(0).SetVisible(active);
    XPBarStatus.Item(1).SetVisible(!active);
    for (ui::Widget* locked : std::initializer_list<ui::Widget*>{
             &TAB_TPZ_CB, &TAB_TPZ_TB_InActive, &TAB_TPZ_GB_Inactive, &TAB_TPZ_TB_Active, &TAB_TPZ_GB_Active,
             &TAB_TPZ_RESET, &GB_Transparenz, &GB_Transparenz_One, &GB_Transparenz_All, &TAB_AUS_BTN_Add,
             &TAB_AUS_BTN_Delete, &TAB_AUS_BTN_DeleteAll, &TAB_AUS_BTN_Import}) {
        locked->SetEnabled(!active);
    }
    TrayPopup_Aktiv.SetVisible(active);
    TrayPopup_Inaktiv.SetVisible(!active);
    Vitrex_Timer.SetEnabled(active);
    DebugClassException.SetEnabled(!active);
    // Every window the engine changed and that may still be changed goes back to how it was.
    if (!active && engine_) engine_->SwitchOff();
    return true;
}

void MainForm::Vitrex_TimerTimer() {
    if (!engine_) return;
    engine_->Tick(
        {TAB_TPZ_TB_Active.Position(), TAB_TPZ_TB_InActive.Position(), GB_Transparenz_All.Checked()});
}

void MainForm::TAB_TPZ_CBClick() {
    const bool on = TAB_TPZ_CB.Checked();
    if (!on) GB_Start_Active.SetChecked(false);
    GB_Start_Active.SetEnabled(on);
    TAB_TPZ_TB_Active.SetEnabled(on);
    TAB_TPZ_TB_InActive.SetEnabled(on);
    XPBarStatus.Item(1).SetVisible(on);
    XPBarStatus.Item(2).SetVisible(!on);
    TrayPopup_Deaktiv.SetVisible(!on);
    TrayPopup_Inaktiv.SetVisible(on);
}

void MainForm::ShowEngineUnavailable() {
    // Start-up ended before the engine existed: the program shows itself deactivated and offers
    // no way to activate it, rather than a state that locks the transparency page while nothing
    // happens. The master switch keeps whatever it loaded, so the next quit stores it unchanged.
    if (Vitrex_Timer.Enabled()) SetEngineActive(false);
    TAB_TPZ_CB.SetEnabled(false);
    GB_Start_Active.SetEnabled(false);
    XPBarStatus.Item(0).SetVisible(false);
    XPBarStatus.Item(1).SetVisible(false);
    XPBarStatus.Item(2).SetVisible(true);
    TrayPopup_Aktiv.SetVisible(false);
    TrayPopup_Inaktiv.SetVisible(false);
    TrayPopup_Deaktiv.SetVisible(true);
}

bool MainForm::ActivationAvailable() const {
    return engine_.has_value();
}

void MainForm::XPBarStatusItems0Click() {
    SetEngineActive(false);
}

void MainForm::XPBarStatusItems1Click() {
    if (ActivationAvailable()) SetEngineActive(true);
}

void MainForm::TAB_TPZ_TB_ActiveChange() {
    TAB_TPZ_GB_Active.SetCaption(LevelCaption(Texts.activeWindow, TAB_TPZ_TB_Active.Position()));
    transparency::SetWindowTransparency(platform_.windows, ownWindow_, TAB_TPZ_TB_Active.Position());
}

void MainForm::TAB_TPZ_TB_InActiveChange() {
    TAB_TPZ_GB_Inactive.SetCaption(LevelCaption(Texts.inactiveWindows, TAB_TPZ_TB_InActive.Position()));
    transparency::SetWindowTransparency(platform_.windows, ownWindow_, TAB_TPZ_TB_InActive.Position());
}

void MainForm::TAB_TPZ_TB_TLChange() {
    TAB_TPZ_GB_TL.SetCaption(LevelCaption(Texts.transparency, TAB_TPZ_TB_TL.Position()));
    transparency::SetWindowTransparency(platform_.windows, Taskbar(), TAB_TPZ_TB_TL.Position());
}

void MainForm::TAB_TPZ_TLCBClick() {
    if (TAB_TPZ_TLCB.Checked()) {
        transparency::SetWindowTransparency(platform_.windows, Taskbar(), TAB_TPZ_TB_TL.Position());
    } else {
        transparency::ClearWindowTransparency(platform_.windows, Taskbar());
    }
    TAB_TPZ_TB_TL.SetEnabled(TAB_TPZ_TLCB.Checked());
}

void MainForm::TAB_TPZ_RESETClick() {
    transparency::SetWindowTransparency(platform_.windows, ownWindow_, 0);
}

WindowHandle MainForm::Taskbar() {
    return platform_.windows.FindTopLevel("Shell_TrayWnd", std::nullopt);
}

}  // namespace vitrex::app
