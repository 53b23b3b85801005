#include "core/app/settings/SettingsTable.h"

#include <algorithm>
#include <array>

#include "core/app/settings/SettingTargets.h"

namespace vitrex::settings {
namespace {

using enum SettingId;
using enum SettingType;
using enum WrittenAt;
using C = app::MainFormControls;

constexpr SettingRange kPercent{0, 90};
constexpr SettingRange kShortcut{0, 65535};

// One row per setting: its stored name, type, default and range, when the program writes it on
// its own, the start-up step that loads it, its place in the close path and its control. A new
// setting is a row here (and its id in SettingsTable.h) and its control in MainFormControls.h;
// one that needs nothing more at start-up than its control's value loads at LoadStep::Options.
// clang-format off
constexpr auto kSettings = std::to_array<SettingDef>({
    // id, stored name, type, default, default text, range, written at,
    //     start-up step, place in the close path, control (how the value is put and read back)
    {CPU, "CPU", Boolean, 1, {}, {}, FirstStart,
        LoadStep::CpuReadOut, 2, access::Checked<&C::GB_CPU_CB>()},
    // Tenths of a second between two CPU read-outs.
    {CPU_TIME, "CPU_TIME", Integer, 10, {}, SettingRange{5, 30}, FirstStart,
        LoadStep::CpuReadOut, 3, access::Position<&C::GB_CPU_TB>()},
    // 0 CPU read-out icon, 1 logo icon, 2 no icon.
    {SYSTRAY, "SYSTRAY", Integer, 0, {}, SettingRange{0, 2, OutOfRange::UseLast}, FirstStart,
        LoadStep::TrayMode, 4, access::TrayMode()},
    {AB_ActiveWindow, "AB_ActiveWindow", Integer, 10, {}, kPercent, FirstStart,
        LoadStep::Levels, 5, access::Position<&C::TAB_TPZ_TB_Active>()},
    {AB_InActiveWindow, "AB_InActiveWindow", Integer, 25, {}, kPercent, FirstStart,
        LoadStep::Levels, 6, access::Position<&C::TAB_TPZ_TB_InActive>()},
    {AB_Active, "AB_Active", Boolean, 1, {}, {}, FirstStart,
        LoadStep::MasterSwitch, 7, access::Checked<&C::TAB_TPZ_CB>()},
    {AB_TaskbarActive, "AB_TaskbarActive", Boolean, 0, {}, {}, FirstStart,
        LoadStep::Taskbar, 8, access::Checked<&C::TAB_TPZ_TLCB>()},
    {AB_TaskBar, "AB_TaskBar", Integer, 25, {}, kPercent, FirstStart,
        LoadStep::Taskbar, 9, access::Position<&C::TAB_TPZ_TB_TL>()},
    // The command channel of a second start; its existence marks a completed first start. It
    // belongs to the channel: no control, never written at quit.
    {ApplicationCommand, "ApplicationCommand", Text, 0, "", {}, FirstStart,
        LoadStep::None, 0, SettingAccess{}},
    {NoABList, "NoABList", Text, 0, "", {}, FirstStart,
        LoadStep::Exceptions, 1, access::Lines<&C::TAB_Ausnahmen_List>()},
    {HideProgram, "HideProgram", Boolean, 1, {}, {}, FirstStart,
        LoadStep::HideAtStartup, 11, access::Checked<&C::GB_Start_Hide>()},
    // "Active at Startup" counts only with the master switch on.
    {StartActive, "StartActive", Boolean, 0, {}, {}, FirstStart,
        LoadStep::StartActive, 12, access::CheckedWith<&C::GB_Start_Active, &C::TAB_TPZ_CB>()},
    // Only the active window, or its whole process.
    {ChangeProcessAB, "ChangeProcessAB", Boolean, 0, {}, {}, FirstStart,
        LoadStep::TransparencyScope, 13, access::Choice<&C::GB_Transparenz_All, &C::GB_Transparenz_One>()},
    // The display name of the language; its file is found by it.
    {Language, "Language", Text, 0, "", {}, QuitOnly,
        LoadStep::Language, 14, access::Language()},
    // Its absence beside ApplicationCommand marks settings of an older version.
    {UpdateCheck, "UpdateCheck", Boolean, 1, {}, {}, Upgrade,
        LoadStep::UpdateCheck, 15, access::Checked<&C::GB_Start_CUpdate>()},
    {SC_Transparency, "SC_Transparency", Boolean, 1, {}, {}, Upgrade,
        LoadStep::TransparencyHotKeys, 16, access::Checked<&C::GB_ShortCuts_ChTransCB>()},
    // The transparency hot keys with Ctrl (1) or with Alt (0).
    {SC_STRG, "SC_STRG", Boolean, 0, {}, {}, Upgrade,
        LoadStep::HotKeyModifier, 17,
        access::Choice<&C::GB_ShortCuts_ChTransRB1, &C::GB_ShortCuts_ChTransRB2>()},
    {SC_AoT, "SC_AoT", Boolean, 1, {}, {}, Upgrade,
        LoadStep::OnTopHotKeys, 18, access::Checked<&C::GB_ShortCuts_AoTCB>()},
    // Key-field encoding: virtual key in bits 0-7, Shift 0x2000, Ctrl 0x4000, Alt 0x8000.
    {SC_AoT_On, "SC_AoT_On", Integer, 0xC070, {}, kShortcut, Upgrade,  // Ctrl+Alt+F1
        LoadStep::OnTopHotKeys, 19, access::HotKey<&C::GB_ShortCuts_AoTOn>()},
    {SC_AoT_Off, "SC_AoT_Off", Integer, 0xC071, {}, kShortcut, Upgrade,  // Ctrl+Alt+F2
        LoadStep::OnTopHotKeys, 20, access::HotKey<&C::GB_ShortCuts_AoTOff>()},
    // Loaded only when stored; deleted at quit when empty.
    {DebugClassException, "DebugClassException", Text, 0, "", {}, QuitOnly,
        LoadStep::ClassException, 22, access::Text<&C::DebugClassException>(), true},
    // Loaded only when stored: settings of an older version keep the box's default. Saved with the
    // transparency page's values.
    {AB_FullScreenOpaque, "AB_FullScreenOpaque", Boolean, 1, {}, {}, QuitOnly,
        LoadStep::Options, 10, access::Checked<&C::TAB_TPZ_FullScreenCB>(), true},
    // The key that makes the foreground window click-through and releases it. Loaded only when
    // stored (the field keeps Ctrl+Alt+F3 otherwise); saved with the always-on-top keys.
    {SC_ClickThrough, "SC_ClickThrough", Integer, 0xC072, {}, kShortcut, QuitOnly,  // Ctrl+Alt+F3
        LoadStep::OnTopHotKeys, 21, access::HotKey<&C::GB_ShortCuts_ClickThrough>(), true},
});
// clang-format on

constexpr bool InIdOrder() {
    if (kSettings.size() != kSettingCount) return false;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (static_cast<std::size_t>(kSettings[i].id) != i) return false;
    }
    return true;
}
static_assert(InIdOrder(), "the table is indexed by SettingId");

// Every row with an accessor has a place of its own in the close path, and only those.
constexpr bool QuitOrderComplete() {
    for (const SettingDef& a : kSettings) {
        if ((a.access.get != nullptr) != (a.quitOrder > 0)) return false;
        for (const SettingDef& b : kSettings) {
            if (a.id != b.id && a.quitOrder > 0 && a.quitOrder == b.quitOrder) return false;
        }
    }
    return true;
}
static_assert(QuitOrderComplete(), "each saved row needs its own place in the close path");

constexpr auto MakeClosePathOrder() {
    std::array<SettingDef, kSettingCount> sorted = kSettings;
    std::sort(sorted.begin(), sorted.end(),
              [](const SettingDef& a, const SettingDef& b) { return a.quitOrder < b.quitOrder; });
    std::array<SettingId, kSettingCount> ids{};
    std::size_t count = 0;
    for (const SettingDef& row : sorted) {
        if (row.quitOrder > 0) ids[count++] = row.id;
    }
    return std::pair{ids, count};
}
constexpr auto kClosePath = MakeClosePathOrder();

}  // namespace

std::span<const SettingDef> AllSettings() {
    return kSettings;
}

const SettingDef& Setting(SettingId id) {
    return kSettings[static_cast<std::size_t>(id)];
}

std::span<const SettingId> ClosePathOrder() {
    return std::span<const SettingId>(kClosePath.first.data(), kClosePath.second);
}

std::int32_t LoadedNumber(const SettingDef& setting, std::int32_t stored) {
    if (!setting.range) return stored;
    const SettingRange& range = *setting.range;
    if (stored >= range.min && stored <= range.max) return stored;
    if (range.outOfRange == OutOfRange::UseLast) return range.max;
    return std::clamp(stored, range.min, range.max);
}

}  // namespace vitrex::settings
