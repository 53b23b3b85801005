// The pages' handlers: each is one call into the presenter of its page.

#include "core/app/MainForm.h"

namespace vitrex::app {

// Activation state.
void MainForm::Vitrex_TimerTimer() {
    activation_.Tick();
}
void MainForm::ForegroundPollTimer() {
    activation_.PollForeground();
}
void MainForm::ShownWindowsLookTimer() {
    activation_.LookAtShownWindows();
}
void MainForm::XPBarStatusItems0Click() {
    SetEngineActive(false);
}
void MainForm::XPBarStatusItems1Click() {
    if (ActivationAvailable()) SetEngineActive(true);
}

// General page.
void MainForm::GB_CPU_CBClick() {
    general_.GB_CPU_CBClick();
}
void MainForm::GB_CPU_TBChange() {
    general_.GB_CPU_TBChange();
}
void MainForm::CPU_TimerTimer() {
    general_.CPU_TimerTimer();
}
void MainForm::GB_STRAY_RB1Click() {
    general_.GB_STRAY_RB1Click();
}
void MainForm::GB_STRAY_RB2Click() {
    general_.GB_STRAY_RB2Click();
}
void MainForm::GB_STRAY_RB3Click() {
    general_.GB_STRAY_RB3Click();
}

// Transparency page.
void MainForm::TAB_TPZ_CBClick() {
    transparency_.TAB_TPZ_CBClick();
}
void MainForm::TAB_TPZ_TB_ActiveChange() {
    transparency_.TAB_TPZ_TB_ActiveChange();
}
void MainForm::TAB_TPZ_TB_InActiveChange() {
    transparency_.TAB_TPZ_TB_InActiveChange();
}
void MainForm::TAB_TPZ_TB_TLChange() {
    transparency_.TAB_TPZ_TB_TLChange();
}
void MainForm::TAB_TPZ_TLCBClick() {
    transparency_.TAB_TPZ_TLCBClick();
}
void MainForm::TAB_TPZ_RESETClick() {
    transparency_.TAB_TPZ_RESETClick();
}

// Exceptions page.
void MainForm::TAB_AUS_BTN_AddClick() {
    exceptions_.TAB_AUS_BTN_AddClick();
}
void MainForm::TAB_AUS_BTN_DeleteClick() {
    exceptions_.TAB_AUS_BTN_DeleteClick();
}
void MainForm::TAB_AUS_BTN_DeleteAllClick() {
    exceptions_.TAB_AUS_BTN_DeleteAllClick();
}
void MainForm::TAB_AUS_BTN_ImportClick() {
    exceptions_.TAB_AUS_BTN_ImportClick();
}
void MainForm::TAB_AUS_BTN_ExportClick() {
    exceptions_.TAB_AUS_BTN_ExportClick();
}

// Applications page.
void MainForm::ReloadApplicationList() {
    applications_.ReloadApplicationList();
}

// Debug page.
void MainForm::TabDebugBTNClick() {
    debug_.TabDebugBTNClick();
}
void MainForm::DebugMakeHandleTransClick() {
    debug_.DebugMakeHandleTransClick();
}
void MainForm::DebugDeleteTransClick() {
    debug_.DebugDeleteTransClick();
}
void MainForm::DebugWindowInformation() {
    debug_.DebugWindowInformation();
}
void MainForm::TabDebugListDblClick() {
    debug_.TabDebugListDblClick();
}

}  // namespace vitrex::app
