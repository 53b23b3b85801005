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

void Write(SettingsStore& store, const SettingDef& setting, const SettingValue& value) {
    switch (setting.type) {
        case SettingType::Boolean:
            store.WriteBool(setting.id, value.number != 0);
            break;
        case SettingType::Integer:
            store.WriteInteger(setting.id, value.number);
            break;
        case SettingType::Text:
            if (setting.optional && value.text.empty()) {
                store.Delete(setting.id);
            } else {
                store.WriteText(setting.id, value.text);
            }
            break;
    }
}

}  // namespace

SettingValues ReadFromControls(SettingTargets& targets) {
    SettingValues values;
    for (const SettingDef& setting : AllSettings()) {
        if (setting.access.get) values[static_cast<std::size_t>(setting.id)] = setting.access.get(targets);
    }
    return values;
}

void SaveSettings(SettingsStore& store, const SettingValues& values, const LoadedSettings& loaded) {
    Writes writes;
    for (SettingId id : ClosePathOrder()) {
        if (!loaded.Contains(id)) continue;
        writes.Run(id, [&] { Write(store, Setting(id), values[static_cast<std::size_t>(id)]); });
    }
    writes.ThrowIfAnyFailed();
}

}  // namespace vitrex::settings
