#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/settings/LoadedSettings.h"
#include "core/app/settings/SettingsStore.h"

namespace vitrex::settings {

// Everything the close path stores, as the controls hold it at quit.
struct SettingsSnapshot {
    std::vector<std::string> NoABList;
    bool CPU = false;
    std::int32_t CPU_TIME = 0;
    std::int32_t SYSTRAY = 0;  // 0 CPU read-out icon, 1 logo icon, 2 no icon
    std::int32_t AB_ActiveWindow = 0;
    std::int32_t AB_InActiveWindow = 0;
    bool AB_Active = false;
    bool AB_TaskbarActive = false;
    std::int32_t AB_TaskBar = 0;
    bool HideProgram = false;
    bool StartActive = false;
    bool ChangeProcessAB = false;
    std::string Language;  // empty when no language is selected
    bool UpdateCheck = false;
    bool SC_Transparency = false;
    bool SC_STRG = false;
    bool SC_AoT = false;
    std::int32_t SC_AoT_On = 0;
    std::int32_t SC_AoT_Off = 0;
    std::string DebugClassException;  // the value is deleted when this is empty
    bool AB_FullScreenOpaque = true;
};

// Writes every setting that start-up loaded, in the close path's order; the others are left as
// the key holds them. A value the key refuses does not stop the values after it: every write is
// tried, then one RegistryError names the first refusal and every value that was not saved.
// ApplicationCommand belongs to the command channel and is never written here; DebugClassException is the
// only value ever deleted.
void SaveSettings(SettingsStore& store, const SettingsSnapshot& values, const LoadedSettings& loaded);

}  // namespace vitrex::settings
