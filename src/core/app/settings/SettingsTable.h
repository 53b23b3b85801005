#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace vitrex::settings {

// The program's stored values, in the order the first start writes them (the values written only
// at quit have no place in that order). Each has its row in SettingsTable.cpp.
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
    Language,
    UpdateCheck,
    SC_Transparency,
    SC_STRG,
    SC_AoT,
    SC_AoT_On,
    SC_AoT_Off,
    DebugClassException,
    // Added since: absent until the first quit that has it.
    AB_FullScreenOpaque,
    SC_ClickThrough,
    // Not a setting: the number of them.
    Count
};

inline constexpr std::size_t kSettingCount = static_cast<std::size_t>(SettingId::Count);

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

// The start-up step that puts the value into its control; each step loads its rows in the
// table's order and then marks them loaded together (Levels marks each row as it is put).
enum class LoadStep {
    None,  // not loaded into a control (the command channel's slot)
    Language,
    CpuReadOut,
    TrayMode,
    TransparencyScope,
    MasterSwitch,
    Levels,
    Taskbar,
    Exceptions,
    TransparencyHotKeys,
    HotKeyModifier,
    OnTopHotKeys,
    ClassException,
    // Options that need nothing more at start-up than their control's value.
    Options,
    StartActive,
    HideAtStartup,
    UpdateCheck,
};

// A stored value as the rows carry it between the key and the controls: Boolean as 0 or 1.
struct SettingValue {
    SettingValue() = default;
    SettingValue(std::int32_t number) : number(number) {}  // NOLINT: a number is a value
    SettingValue(std::int32_t number, std::string text) : number(number), text(std::move(text)) {}

    std::int32_t number = 0;
    std::string text;
    bool operator==(const SettingValue&) const = default;
};

// What the rows' accessors work on: the main window's controls and the pages (SettingTargets.h).
struct SettingTargets;

// How a value is put into the page's controls at start-up and read back from them at quit.
struct SettingAccess {
    void (*put)(SettingTargets& targets, const SettingValue& value) = nullptr;
    SettingValue (*get)(SettingTargets& targets) = nullptr;
};

struct SettingDef {
    SettingId id;
    std::string_view name;
    SettingType type;
    std::int32_t defaultNumber;  // Boolean 0/1 or Integer
    std::string_view defaultText;
    std::optional<SettingRange> range;
    WrittenAt writtenAt;
    LoadStep loadStep = LoadStep::None;
    // The place in the close path's writes; the accessor's value is written only with one.
    int quitOrder = 0;
    SettingAccess access;
    // Loaded only when stored (the control keeps its own value otherwise); a Text is also deleted
    // at quit when empty.
    bool optional = false;
};

// All settings, in the order of SettingId.
std::span<const SettingDef> AllSettings();
const SettingDef& Setting(SettingId id);
// The settings the close path writes (those with an accessor), in its order.
std::span<const SettingId> ClosePathOrder();

// A stored number as its control loads it: held to the setting's range, if it has one.
std::int32_t LoadedNumber(const SettingDef& setting, std::int32_t stored);

}  // namespace vitrex::settings
