#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/settings/SettingsTable.h"
#include "core/platform/Registry.h"

namespace vitrex::settings {

// The settings key of the current user. Start-up opens it under the relative path and later,
// like the close path, under the rooted one; both name the same key.
inline constexpr std::string_view kSettingsKey = "Software\\Vitrex";
inline constexpr std::string_view kSettingsKeyRooted = "\\Software\\Vitrex";

// Typed access to the settings key, checked against the settings table. Reads of a Boolean or
// Integer that is missing or not a REG_DWORD throw RegistryError naming the value; a missing Text
// reads as "". Writes throw RegistryError when the key refuses them.
class SettingsStore {
public:
    // Opens the key, creating it when missing. Throws RegistryError.
    explicit SettingsStore(Registry& registry, std::string_view keyPath = kSettingsKey);

    bool Exists(SettingId id) const;
    bool ReadBool(SettingId id) const;
    // Held to the range of the setting's control (120 % loads as 90, SYSTRAY 5 as 2).
    std::int32_t ReadInteger(SettingId id) const;
    std::string ReadText(SettingId id) const;
    std::vector<std::string> ReadNoABList() const;

    void WriteBool(SettingId id, bool value);
    void WriteInteger(SettingId id, std::int32_t value);
    void WriteText(SettingId id, std::string_view value);
    void WriteNoABList(const std::vector<std::string>& entries);
    // False when the value did not exist.
    bool Delete(SettingId id);

    // The thirteen first-start values, in the table's order.
    void WriteFirstRunDefaults();
    // The six values that older settings lack, in the table's order; the rest keep what they hold.
    void WriteUpgradeDefaults();

private:
    void WriteDefault(const SettingDef& setting);

    std::unique_ptr<RegistryKey> key_;
};

// What the start-up's first-run and upgrade detection found and wrote.
enum class StartKind {
    FirstStart,  // no ApplicationCommand: first-start and upgrade defaults written
    Upgrade,     // ApplicationCommand but no UpdateCheck: upgrade defaults written
    Regular,     // nothing written
};

// Writes the defaults a first start or an upgrade needs. Either of the first two kinds shows the
// welcome page.
StartKind WriteMissingDefaults(SettingsStore& store);

}  // namespace vitrex::settings
