#include "core/app/settings/Autostart.h"

#include <string>

namespace vitrex::settings {

bool AutostartExists(Registry& registry) {
    return registry.OpenOrCreateKey(kRunKey)->ValueExists(kAutostartValue);
}

void WriteAutostart(Registry& registry, std::string_view executablePath) {
    registry.OpenOrCreateKey(kRunKey)->WriteText(kAutostartValue, "\"" + std::string(executablePath) + "\"");
}

void DeleteAutostart(Registry& registry) {
    registry.OpenOrCreateKey(kRunKey)->DeleteValue(kAutostartValue);
}

}  // namespace vitrex::settings
