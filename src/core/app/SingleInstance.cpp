#include "core/app/SingleInstance.h"

#include <exception>

#include "core/app/settings/SettingsStore.h"

namespace vitrex::app {

std::string UpperCaseAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool IsCommand(std::string_view upperCased) {
    return upperCased == kCommandConfig || upperCased == kCommandClose ||
           upperCased == kCommandChangeStatus || upperCased == kCommandDebug;
}

std::string UsageText() {
    return "Usage: Vitrex.exe [command]\r\n"
           "Commands (in any letter case):\r\n"
           "  config        show the main window\r\n"
           "  debug         show the debug page\r\n"
           "  changestatus  switch between active and inactive\r\n"
           "  close         quit the running Vitrex\r\n"
           "  cleanup       remove the autostart value and the files Vitrex made beside itself\r\n"
           "Without a command Vitrex starts in the notification area; while it runs, a start without a "
           "command does nothing.\r\n";
}

InstanceCheck CheckSingleInstance(InstanceLock& lock, Registry& registry, std::string_view firstArgument) {
    const std::string command = UpperCaseAscii(firstArgument);
    if (!command.empty() && !IsCommand(command)) {
        InstanceCheck refused{false, kExitUsage, {}, UsageText(), {}};
        if (command != "--HELP" && command != "/?") {
            refused.error = "Vitrex: unknown command '" + std::string(firstArgument) + "'.";
        }
        return refused;
    }
    if (lock.AcquireOrDetectOther(kInstanceName)) {
        InstanceCheck secondStart{false, 0, {}, {}, {}};
        if (command.empty()) return secondStart;
        try {
            settings::SettingsStore store(registry, settings::kSettingsKey);
            store.WriteText(settings::SettingId::ApplicationCommand, command);
        } catch (const std::exception& error) {
            // The second start ends all the same, but not as if the command had been delivered.
            secondStart.exitCode = kExitCommandNotDelivered;
            secondStart.error = "Vitrex: the command " + command +
                                " could not be handed to the running instance: " + error.what();
            return secondStart;
        }
        if (command == kCommandClose && !lock.WaitForOtherToEnd(kCloseWaitLimit)) {
            secondStart.exitCode = kExitInstanceStillRuns;
            secondStart.error = "Vitrex: the running instance did not end within " +
                                std::to_string(kCloseWaitLimit.count() / 1000) + " s of the command CLOSE.";
        }
        return secondStart;
    }
    if (command == kCommandClose) return {false, 0, {}, {}, {}};
    return {true, 0, {}, {}, command};
}

}  // namespace vitrex::app
