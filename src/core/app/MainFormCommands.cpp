// The command channel: a second start leaves its command in the settings key, and the running
// instance polls it once a second.

#include "core/app/MainForm.h"
#include "core/app/SingleInstance.h"
#include "core/app/settings/SettingsStore.h"
#include "core/platform/Errors.h"

namespace vitrex::app {

void MainForm::CommandTimerTimer() {
    settings::SettingsStore store(platform_.registry, settings::kSettingsKey);
    std::string command;
    try {
        command = store.ReadText(settings::SettingId::ApplicationCommand);
    } catch (const RegistryError&) {
        // Another program or a hand edit left something other than text in the slot: it is made
        // an empty text again, so the failure is logged once, not once a second.
        store.WriteText(settings::SettingId::ApplicationCommand, "");
        throw;
    }
    CarryOut(command);
    // Cleared always, also after a quit has been started and when it was empty already.
    store.WriteText(settings::SettingId::ApplicationCommand, "");
}

void MainForm::RunStartCommand(std::string_view command) {
    if (command.empty() || Terminated()) return;
    dispatcher_.Run(this, [this, command] { CarryOut(command); });
}

void MainForm::CarryOut(std::string_view command) {
    if (command == kCommandConfig) {
        BringToFront();
    } else if (command == kCommandClose) {
        RequestQuit();
    } else if (command == kCommandChangeStatus) {
        if (TAB_TPZ_CB.Checked() && ActivationAvailable()) SetEngineActive(!activation_.EngineRunning());
    } else if (command == kCommandDebug) {
        // The debug page as any other page: its tab alone, and the window in front to show it.
        ShowPage(kPageDebug);
        BringToFront();
    }
}

}  // namespace vitrex::app
