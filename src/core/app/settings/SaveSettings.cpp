#include "core/app/settings/SaveSettings.h"

namespace vitrex::settings {

void SaveSettings(SettingsStore& store, const SettingsSnapshot& values) {
    using enum SettingId;
    store.WriteNoABList(values.NoABList);
    store.WriteBool(CPU, values.CPU);
    store.WriteInteger(CPU_TIME, values.CPU_TIME);
    store.WriteInteger(SYSTRAY, values.SYSTRAY);
    store.WriteInteger(AB_ActiveWindow, values.AB_ActiveWindow);
    store.WriteInteger(AB_InActiveWindow, values.AB_InActiveWindow);
    store.WriteBool(AB_Active, values.AB_Active);
    store.WriteBool(AB_TaskbarActive, values.AB_TaskbarActive);
    store.WriteInteger(AB_TaskBar, values.AB_TaskBar);
    store.WriteBool(HideProgram, values.HideProgram);
    store.WriteBool(StartActive, values.StartActive);
    store.WriteBool(ChangeProcessAB, values.ChangeProcessAB);
    store.WriteText(Language, values.Language);
    store.WriteBool(UpdateCheck, values.UpdateCheck);
    store.WriteBool(SC_Transparency, values.SC_Transparency);
    store.WriteBool(SC_STRG, values.SC_STRG);
    store.WriteBool(SC_AoT, values.SC_AoT);
    store.WriteInteger(SC_AoT_On, values.SC_AoT_On);
    store.WriteInteger(SC_AoT_Off, values.SC_AoT_Off);
    if (values.DebugClassException.empty()) {
        store.Delete(DebugClassException);
    } else {
        store.WriteText(DebugClassException, values.DebugClassException);
    }
}

}  // namespace vitrex::settings
