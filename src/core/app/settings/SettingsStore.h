#pragma once

#include <cstdint>
#include <functional>
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

    // The reads start-up uses: a value that is missing or not of the setting's type reads as the
    // setting's default, and `unreadable` is told of the failure the plain read meets (its message
    // names the value). So one damaged value never stops the start, and the next save writes it
    // with its type. A key that cannot be queried still throws.
    using UnreadableHandler = std::function<void(const UnreadableValueError&)>;
    bool ReadBoolOrDefault(SettingId id, const UnreadableHandler& unreadable) const;
    std::int32_t ReadIntegerOrDefault(SettingId id, const UnreadableHandler& unreadable) const;
    std::string ReadTextOrDefault(SettingId id, const UnreadableHandler& unreadable) const;
    // The same by the setting's type.
    SettingValue ReadOrDefault(SettingId id, const UnreadableHandler& unreadable) const;

    void WriteBool(SettingId id, bool value);
    void WriteInteger(SettingId id, std::int32_t value);
    void WriteText(SettingId id, std::string_view value);
    void WriteNoABList(const std::vector<std::string>& entries);
    // False when the value did not exist.
    bool Delete(SettingId id);

    // The defaults of the values written at `when` that do not exist, in the table's order; a
    // value that exists keeps what it holds, whatever that is.
    void WriteMissingDefaults(WrittenAt when);

private:
    void WriteDefault(const SettingDef& setting);

    std::unique_ptr<RegistryKey> key_;
};

// What the start-up's first-run and upgrade detection found.
enum class StartKind {
    FirstStart,  // none of the program's values yet (at most a second start's early command)
    Upgrade,     // settings of an older version: no UpdateCheck
    Regular,
};

// Writes the defaults a first start or an upgrade needs, but only the missing ones: without
// ApplicationCommand (a first start, or a tool that removed the slot) every missing first-start
// and upgrade value, without UpdateCheck every missing upgrade value. A value that exists is never
// overwritten. The first two kinds show the welcome page.
StartKind WriteMissingDefaults(SettingsStore& store);

}  // namespace vitrex::settings
