#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vitrex::settings {

// The program's stored values, in the order the first start writes them, then the two written
// only at quit, then the values added since (each absent until the first quit that has it).
enum class SettingId {
    CPU,
    CPU_TIME,
    SYSTRAY,
    AB_ActiveWindow,
    AB_InActiveWindow,
    AB_Active,
    AB_TaskbarActive,
    AB_TaskBar,
    ApplicationCommand,
    NoABList,
    HideProgram,
    StartActive,
    ChangeProcessAB,
    UpdateCheck,
    SC_Transparency,
    SC_STRG,
    SC_AoT,
    SC_AoT_On,
    SC_AoT_Off,
    Language,
    DebugClassException,
    AB_FullScreenOpaque,
};

// Boolean and Integer are stored as REG_DWORD, Text as REG_SZ.
enum class SettingType { Boolean, Integer, Text };

// When the program writes the value without the user having changed anything.
enum class WrittenAt {
    FirstStart,  // by WriteFirstRunDefaults
    Upgrade,     // by WriteUpgradeDefaults, at the first start and when upgrading older settings
    QuitOnly,    // absent until the first quit
};

// How a stored number outside its control's range is loaded.
enum class OutOfRange {
    Clamp,    // to the nearer end, as a track bar holds its position
    UseLast,  // every unknown value means the last choice (the tray mode's "no icon")
};

struct SettingRange {
    std::int32_t min = 0;
    std::int32_t max = 0;
    OutOfRange outOfRange = OutOfRange::Clamp;
};

struct SettingDef {
    SettingId id;
    std::string_view name;
    SettingType type;
    std::int32_t defaultNumber;  // Boolean 0/1 or Integer
    std::string_view defaultText;
    std::optional<SettingRange> range;
    WrittenAt writtenAt;
};

// All settings, in the order of SettingId.
std::span<const SettingDef> AllSettings();
const SettingDef& Setting(SettingId id);

// A stored number as its control loads it: held to the setting's range, if it has one.
std::int32_t LoadedNumber(const SettingDef& setting, std::int32_t stored);

}  // namespace vitrex::settings
