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
    // Never a window left click-through: it could not be clicked any more once the program is gone.
    dispatcher_.Run(this, [this] { overlays_.ReleaseAll(); });
    if (activation_.EngineRunning()) SetEngineActive(false);
}

void MainForm::SaveAllSettings() {
    // A start-up that ended before the first setting (the key could not be opened, the first
    // start could not write its defaults) has nothing to save and no business with the key.
    if (loaded_.Empty()) return;
    settings::SettingsStore store(platform_.registry, settings::kSettingsKeyRooted);
    settings::SaveSettings(store, settings::ReadFromControls(settings_), loaded_);
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
