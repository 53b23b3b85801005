#include "core/app/settings/SaveSettings.h"

#include <optional>

#include "core/platform/Errors.h"

namespace vitrex::settings {
namespace {

// Runs each write on its own, so that one value the key refuses costs only itself: the others are
// still saved, and the failures come back together once every write has been tried.
class Writes {
public:
    template <typename Write>
    void Run(SettingId id, Write&& write) {
        try {
            write();
        } catch (const RegistryError& error) {
            if (!first_) first_.emplace(error);
            if (!failed_.empty()) failed_ += ", ";
            failed_ += Setting(id).name;
        }
    }

    // One failure naming the first refusal and every value that was not saved.
    void ThrowIfAnyFailed() const {
        if (!first_) return;
        throw RegistryError(std::string(first_->what()) + " (not saved: " + failed_ + ")", first_->Api(),
                            first_->Code());
    }

private:
    std::optional<RegistryError> first_;
    std::string failed_;
};

}  // namespace

void SaveSettings(SettingsStore& store, const SettingsSnapshot& values, const LoadedSettings& loaded) {
    using enum SettingId;
    Writes writes;
    const auto writeBool = [&](SettingId id, bool value) {
        if (loaded.Contains(id)) writes.Run(id, [&] { store.WriteBool(id, value); });
    };
    const auto writeInteger = [&](SettingId id, std::int32_t value) {
        if (loaded.Contains(id)) writes.Run(id, [&] { store.WriteInteger(id, value); });
    };
    if (loaded.Contains(NoABList)) writes.Run(NoABList, [&] { store.WriteNoABList(values.NoABList); });
    writeBool(CPU, values.CPU);
    writeInteger(CPU_TIME, values.CPU_TIME);
    writeInteger(SYSTRAY, values.SYSTRAY);
    writeInteger(AB_ActiveWindow, values.AB_ActiveWindow);
    writeInteger(AB_InActiveWindow, values.AB_InActiveWindow);
    writeBool(AB_Active, values.AB_Active);
    writeBool(AB_TaskbarActive, values.AB_TaskbarActive);
    writeInteger(AB_TaskBar, values.AB_TaskBar);
    // With the transparency page's other values.
    writeBool(AB_FullScreenOpaque, values.AB_FullScreenOpaque);
    writeBool(HideProgram, values.HideProgram);
    writeBool(StartActive, values.StartActive);
    writeBool(ChangeProcessAB, values.ChangeProcessAB);
    if (loaded.Contains(Language)) writes.Run(Language, [&] { store.WriteText(Language, values.Language); });
    writeBool(UpdateCheck, values.UpdateCheck);
    writeBool(SC_Transparency, values.SC_Transparency);
    writeBool(SC_STRG, values.SC_STRG);
    writeBool(SC_AoT, values.SC_AoT);
    writeInteger(SC_AoT_On, values.SC_AoT_On);
    writeInteger(SC_AoT_Off, values.SC_AoT_Off);
    if (loaded.Contains(DebugClassException)) {
        writes.Run(DebugClassException, [&] {
            if (values.DebugClassException.empty()) {
                store.Delete(DebugClassException);
            } else {
                store.WriteText(DebugClassException, values.DebugClassException);
            }
        });
    }
    writes.ThrowIfAnyFailed();
}

}  // namespace vitrex::settings
