#include "core/app/settings/SettingsTable.h"

#include <algorithm>
#include <array>

namespace vitrex::settings {
namespace {

using enum SettingId;
using enum SettingType;
using enum WrittenAt;

constexpr SettingRange kPercent{0, 90};
constexpr SettingRange kShortcut{0, 65535};

constexpr std::array<SettingDef, 22> kSettings{{
    {CPU, "CPU", Boolean, 1, {}, {}, FirstStart},
    // Tenths of a second between two CPU read-outs.
    {CPU_TIME, "CPU_TIME", Integer, 10, {}, SettingRange{5, 30}, FirstStart},
    // 0 CPU read-out icon, 1 logo icon, 2 no icon.
    {SYSTRAY, "SYSTRAY", Integer, 0, {}, SettingRange{0, 2, OutOfRange::UseLast}, FirstStart},
    {AB_ActiveWindow, "AB_ActiveWindow", Integer, 10, {}, kPercent, FirstStart},
    {AB_InActiveWindow, "AB_InActiveWindow", Integer, 25, {}, kPercent, FirstStart},
    {AB_Active, "AB_Active", Boolean, 1, {}, {}, FirstStart},
    {AB_TaskbarActive, "AB_TaskbarActive", Boolean, 0, {}, {}, FirstStart},
    {AB_TaskBar, "AB_TaskBar", Integer, 25, {}, kPercent, FirstStart},
    // The command channel of a second start; its existence marks a completed first start.
    {ApplicationCommand, "ApplicationCommand", Text, 0, "", {}, FirstStart},
    {NoABList, "NoABList", Text, 0, "", {}, FirstStart},
    {HideProgram, "HideProgram", Boolean, 1, {}, {}, FirstStart},
    {StartActive, "StartActive", Boolean, 0, {}, {}, FirstStart},
    {ChangeProcessAB, "ChangeProcessAB", Boolean, 0, {}, {}, FirstStart},
    // Its absence beside ApplicationCommand marks settings of an older version.
    {UpdateCheck, "UpdateCheck", Boolean, 1, {}, {}, Upgrade},
    {SC_Transparency, "SC_Transparency", Boolean, 1, {}, {}, Upgrade},
    {SC_STRG, "SC_STRG", Boolean, 0, {}, {}, Upgrade},
    {SC_AoT, "SC_AoT", Boolean, 1, {}, {}, Upgrade},
    // Key-field encoding: virtual key in bits 0-7, Shift 0x2000, Ctrl 0x4000, Alt 0x8000.
    {SC_AoT_On, "SC_AoT_On", Integer, 0xC070, {}, kShortcut, Upgrade},    // Ctrl+Alt+F1
    {SC_AoT_Off, "SC_AoT_Off", Integer, 0xC071, {}, kShortcut, Upgrade},  // Ctrl+Alt+F2
    {Language, "Language", Text, 0, "", {}, QuitOnly},
    {DebugClassException, "DebugClassException", Text, 0, "", {}, QuitOnly},
    // Windows that cover their whole monitor stay opaque; a key of an older version lacks it.
    {AB_FullScreenOpaque, "AB_FullScreenOpaque", Boolean, 1, {}, {}, QuitOnly},
}};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (static_cast<std::size_t>(kSettings[i].id) != i) return false;
    }
    return true;
}
static_assert(InIdOrder(), "the table is indexed by SettingId");

}  // namespace

std::span<const SettingDef> AllSettings() {
    return kSettings;
}

const SettingDef& Setting(SettingId id) {
    return kSettings[static_cast<std::size_t>(id)];
}

std::int32_t LoadedNumber(const SettingDef& setting, std::int32_t stored) {
    if (!setting.range) return stored;
    const SettingRange& range = *setting.range;
    if (stored >= range.min && stored <= range.max) return stored;
    if (range.outOfRange == OutOfRange::UseLast) return range.max;
    return std::clamp(stored, range.min, range.max);
}

}  // namespace vitrex::settings
