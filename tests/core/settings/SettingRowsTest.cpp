#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/settings/NoABList.h"
#include "core/app/settings/SaveSettings.h"
#include "core/app/settings/SettingTargets.h"
#include "core/platform/Errors.h"
#include "testing/FakeRegistry.h"

namespace vitrex::settings {
namespace {

using fakes::FakeRegistry;
using V = fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";

// The rows' accessors on the main window's controls and a general page of their own.
struct SettingRowsTest : ::testing::Test {
    FakeRegistry registry;
    app::MainFormControls controls;
    ui::Timer cpuTimer{"CPU_Timer", &controls, 1000, false};
    ui::TrayIcon gauge{"Tray", &controls, "Vitrex"};
    ui::TrayIcon logo{"Tray2", &controls, "Vitrex"};
    sysinfo::cpu::CpuMeter cpu;
    views::general::GeneralPage general{{.GB_CPU_CB = controls.GB_CPU_CB,
                                         .GB_CPU_TB = controls.GB_CPU_TB,
                                         .GB_STRAY_RB1 = controls.GB_STRAY_RB1,
                                         .GB_STRAY_RB2 = controls.GB_STRAY_RB2,
                                         .GB_STRAY_RB3 = controls.GB_STRAY_RB3},
                                        controls,
                                        cpuTimer,
                                        gauge,
                                        logo,
                                        cpu,
                                        i18n::Catalogue::English()};
    SettingTargets targets{controls, general, [this](const std::string& language) {
                               controls.GB_Language_CB.SetItems({language});
                               controls.GB_Language_CB.SetItemIndex(0);
                           }};

    // A value of the row's type that differs from row to row and lies in its control's range.
    static SettingValue Distinct(const SettingDef& row) {
        const auto index = static_cast<std::int32_t>(row.id);
        switch (row.type) {
            case SettingType::Boolean:
                // The master switch on, or "Active at Startup" could not be checked.
                return row.id == SettingId::AB_Active ? 1 : index % 2;
            case SettingType::Integer:
                return row.range ? row.range->min + index % (row.range->max - row.range->min + 1) : index;
            case SettingType::Text:
                break;
        }
        if (row.id == SettingId::NoABList) return {0, JoinNoABList({"row" + std::to_string(index) + ".exe"})};
        return {0, "row " + std::to_string(index)};
    }
};

TEST_F(SettingRowsTest, EveryAbsentValueLoadsItsDefaultAndNumbersAndSwitchesSayTheyWereUnreadable) {
    SettingsStore store(registry);
    for (const SettingDef& row : AllSettings()) {
        int reported = 0;
        const SettingValue value =
            store.ReadOrDefault(row.id, [&](const UnreadableValueError&) { ++reported; });
        if (row.type == SettingType::Text) {
            EXPECT_EQ(value.text, row.defaultText) << row.name;
            EXPECT_EQ(reported, 0) << row.name << ": a missing text reads as empty";
        } else {
            EXPECT_EQ(value.number, row.defaultNumber) << row.name;
            EXPECT_EQ(reported, 1) << row.name;
        }
    }
}

TEST_F(SettingRowsTest, EveryNumberOutsideItsRangeIsHeldToIt) {
    SettingsStore store(registry);
    for (const SettingDef& row : AllSettings()) {
        if (!row.range) continue;
        registry.Seed(kKey, std::string(row.name), V::Dword(static_cast<std::uint32_t>(row.range->max + 1)));
        EXPECT_EQ(store.ReadInteger(row.id), row.range->max) << row.name;
        registry.Seed(kKey, std::string(row.name), V::Dword(static_cast<std::uint32_t>(row.range->min - 1)));
        const std::int32_t low =
            row.range->outOfRange == OutOfRange::UseLast ? row.range->max : row.range->min;
        EXPECT_EQ(store.ReadInteger(row.id), low) << row.name;
    }
}

// Each row put into its control, read back at quit, saved and read again gives what was put: so
// no two rows share a control and every accessor reads what it writes.
TEST_F(SettingRowsTest, EveryValueComesBackThroughItsControlAndTheKey) {
    for (const SettingDef& row : AllSettings()) {
        if (row.access.put) row.access.put(targets, Distinct(row));
    }
    SettingsStore store(registry);
    SaveSettings(store, ReadFromControls(targets), LoadedSettings::All());
    for (const SettingDef& row : AllSettings()) {
        if (!row.access.get) {
            EXPECT_FALSE(store.Exists(row.id)) << row.name << " is never written at quit";
            continue;
        }
        EXPECT_EQ(store.ReadOrDefault(row.id, nullptr), Distinct(row)) << row.name;
    }
}

}  // namespace
}  // namespace vitrex::settings
