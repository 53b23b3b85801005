#pragma once

#include <array>

#include "core/app/settings/LoadedSettings.h"
#include "core/app/settings/SettingsStore.h"

namespace vitrex::settings {

// Everything the close path stores, as the controls hold it at quit, indexed by SettingId.
using SettingValues = std::array<SettingValue, kSettingCount>;

// Reads every value the close path stores from its control, through the rows' accessors.
SettingValues ReadFromControls(SettingTargets& targets);

// Writes every setting that start-up loaded, in the close path's order; the others are left as
// the key holds them. A value the key refuses does not stop the values after it: every write is
// tried, then one RegistryError names the first refusal and every value that was not saved.
// ApplicationCommand belongs to the command channel and is never written here; an optional text
// (DebugClassException) is the only value ever deleted, when it is empty.
void SaveSettings(SettingsStore& store, const SettingValues& values, const LoadedSettings& loaded);

}  // namespace vitrex::settings
