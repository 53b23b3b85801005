#include "core/app/SingleInstance.h"

#include "core/app/settings/SettingsStore.h"

namespace vitrex::app {

std::string UpperCaseAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool CheckSingleInstance(InstanceLock& lock, Registry& registry, std::string_view firstArgument) {
    const std::string command = UpperCaseAscii(firstArgument);
    if (lock.AcquireOrDetectOther(kInstanceName)) {
        if (!command.empty()) {
            // The command is lost if the write fails; the second start ends all the same.
            try {
                settings::SettingsStore store(registry, settings::kSettingsKey);
                store.WriteText(settings::SettingId::ApplicationCommand, command);
            } catch (...) {
            }
        }
        return false;
    }
    return command != kCommandClose;
}

}  // namespace vitrex::app
