#include "core/app/settings/SaveSettings.h"

namespace vitrex::settings {

void SaveSettings(SettingsStore& store, const SettingsSnapshot& values, const LoadedSettings& loaded) {
    using enum SettingId;
    const auto writeBool = [&](SettingId id, bool value) {
        if (loaded.Contains(id)) store.WriteBool(id, value);
    };
    const auto writeInteger = [&](SettingId id, std::int32_t value) {
        if (loaded.Contains(id)) store.WriteInteger(id, value);
    };
    if (loaded.Contains(NoABList)) store.WriteNoABList(values.NoABList);
    writeBool(CPU, values.CPU);
    writeInteger(CPU_TIME, values.CPU_TIME);
    writeInteger(SYSTRAY, values.SYSTRAY);
    writeInteger(AB_ActiveWindow, values.AB_ActiveWindow);
    writeInteger(AB_InActiveWindow, values.AB_InActiveWindow);
    writeBool(AB_Active, values.AB_Active);
    writeBool(AB_TaskbarActive, values.AB_TaskbarActive);
    writeInteger(AB_TaskBar, values.AB_TaskBar);
    writeBool(HideProgram, values.HideProgram);
    writeBool(StartActive, values.StartActive);
    writeBool(ChangeProcessAB, values.ChangeProcessAB);
    if (loaded.Contains(Language)) store.WriteText(Language, values.Language);
    writeBool(UpdateCheck, values.UpdateCheck);
    writeBool(SC_Transparency, values.SC_Transparency);
    writeBool(SC_STRG, values.SC_STRG);
    writeBool(SC_AoT, values.SC_AoT);
    writeInteger(SC_AoT_On, values.SC_AoT_On);
    writeInteger(SC_AoT_Off, values.SC_AoT_Off);
    if (!loaded.Contains(DebugClassException)) return;
    if (values.DebugClassException.empty()) {
        store.Delete(DebugClassException);
    } else {
        store.WriteText(DebugClassException, values.DebugClassException);
    }
}

}  // namespace vitrex::settings
