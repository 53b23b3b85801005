// The command channel: a second start leaves its command in the settings key, and the running
// instance polls it once a second.

#include "core/app/MainForm.h"
#include "core/app/SingleInstance.h"
#include "core/app/settings/SettingsStore.h"

namespace vitrex::app {

void MainForm::CommandTimerTimer() {
    settings::SettingsStore store(platform_.registry, settings::kSettingsKey);
    const std::string command = store.ReadText(settings::SettingId::ApplicationCommand);
    if (command == kCommandConfig) {
        BringToFront();
    } else if (command == kCommandClose) {
        RequestQuit();
    } else if (command == kCommandChangeStatus) {
        if (TAB_TPZ_CB.Checked()) SetEngineActive(!Vitrex_Timer.Enabled());
    } else if (command == kCommandDebug) {
        TabDebug.SetTabVisible(true);
    }
    // Cleared always, also after a quit has been started and when it was empty already.
    store.WriteText(settings::SettingId::ApplicationCommand, "");
}

}  // namespace vitrex::app
