// Hiding, quitting and the close path that saves the settings.

#include "core/app/MainForm.h"
#include "core/app/settings/Autostart.h"
#include "core/app/settings/SaveSettings.h"

namespace vitrex::app {

bool MainForm::FormCloseQuery() {
    if (quitRequested_) return true;
    // Closing only hides the window; the program goes on in the notification area.
    SetVisible(false);
    return false;
}

void MainForm::FormClose() {
    // Each step runs on its own: a key that refuses a write is logged, and must not keep the
    // taskbar or other programs' windows translucent after the program has gone.
    dispatcher_.Run(this, [this] { SaveAllSettings(); });
    dispatcher_.Run(this, [this] { transparency_.LeaveTaskbarOpaque(); });
    dispatcher_.Run(this, [this] {
        if (GB_Start_AutoStart.Checked()) {
            settings::WriteAutostart(platform_.registry, platform_.files.ExecutablePath());
        } else {
            settings::DeleteAutostart(platform_.registry);
        }
    });
    if (Vitrex_Timer.Enabled()) {
        Vitrex_Timer.SetEnabled(false);
        SetEngineActive(false);
    }
}

void MainForm::SaveAllSettings() {
    // A start-up that ended before the first setting (the key could not be opened, the first
    // start could not write its defaults) has nothing to save and no business with the key.
    if (loaded_.Empty()) return;
    settings::SettingsStore store(platform_.registry, settings::kSettingsKeyRooted);
    settings::SettingsSnapshot values;
    values.NoABList = TAB_Ausnahmen_List.Items();
    values.CPU = GB_CPU_CB.Checked();
    values.CPU_TIME = GB_CPU_TB.Position();
    values.SYSTRAY = general_.TrayMode();
    values.AB_ActiveWindow = TAB_TPZ_TB_Active.Position();
    values.AB_InActiveWindow = TAB_TPZ_TB_InActive.Position();
    values.AB_Active = TAB_TPZ_CB.Checked();
    values.AB_TaskbarActive = TAB_TPZ_TLCB.Checked();
    values.AB_TaskBar = TAB_TPZ_TB_TL.Position();
    values.HideProgram = GB_Start_Hide.Checked();
    values.StartActive = GB_Start_Active.Checked();
    values.ChangeProcessAB = GB_Transparenz_All.Checked();
    values.Language = GB_Language_CB.Text();
    values.UpdateCheck = GB_Start_CUpdate.Checked();
    values.SC_Transparency = GB_ShortCuts_ChTransCB.Checked();
    values.SC_STRG = GB_ShortCuts_ChTransRB1.Checked();
    values.SC_AoT = GB_ShortCuts_AoTCB.Checked();
    values.SC_AoT_On = GB_ShortCuts_AoTOn.Value();
    values.SC_AoT_Off = GB_ShortCuts_AoTOff.Value();
    values.DebugClassException = DebugClassException.Text();
    values.AB_FullScreenOpaque = TAB_TPZ_FullScreenCB.Checked();
    settings::SaveSettings(store, values, loaded_);
}

void MainForm::RequestQuit() {
    // A transfer waits with the window's messages running inside it: it is ended, and the close
    // runs once its call has unwound, so that nothing goes on inside a wait whose window is gone.
    if (client_.Busy()) {
        client_.QuitWhenIdle([this] { RequestQuit(); });
        return;
    }
    quitRequested_ = true;
    Close();
}

void MainForm::TrayPopup_ExitClick() {
    RequestQuit();
}

bool MainForm::QueryEndSession() {
    dispatcher_.Run(this, [this] { RequestQuit(); });
    return true;
}

}  // namespace vitrex::app
