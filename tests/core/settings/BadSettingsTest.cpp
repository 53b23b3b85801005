#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "../../common/BadSettingValues.h"
#include "../app/EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakePlatform.h"

namespace vitrex::settings {
namespace {

using fakes::FakeRegistryValue;
using vitrex::testing::BadSettingValue;
using vitrex::testing::ReadAs;

constexpr const char* kKey = "Software\\Vitrex";

bool IsFailure(const BadSettingValue& bad) {
    return bad.expected == "fetch" || bad.expected == "type";
}

class BadSettings : public ::testing::TestWithParam<BadSettingValue> {};

TEST_P(BadSettings, ReadAsTheRulesSay) {
    const BadSettingValue& bad = GetParam();
    fakes::FakeRegistry registry;
    registry.Seed(kKey, bad.setting, FakeRegistryValue::Raw(bad.type, bad.bytes));
    const SettingsStore store(registry);
    EXPECT_EQ(ReadAs(store, bad.setting), bad.expected);
}

// Start-up never stops on a value: one it cannot read is reported once with the program's message
// for it and loads as its default, start-up runs to its end, and the quit writes that value with
// its type and neither loses nor replaces any other value the user had.
TEST_P(BadSettings, StartUpReportsWhatItCannotReadGoesOnAndTheQuitRepairsOnlyThatValue) {
    const BadSettingValue& bad = GetParam();
    fakes::FakePlatform platform;
    app::testing::SeedEarlierRun(platform.registry);
    // Values other than the defaults, so that a default written over them would show.
    platform.registry.Seed(kKey, "AB_ActiveWindow", FakeRegistryValue::Dword(33));
    platform.registry.Seed(kKey, "SC_AoT_On", FakeRegistryValue::Dword(0x4070));
    platform.registry.Seed(kKey, "CPU", FakeRegistryValue::Dword(0));
    platform.registry.Seed(kKey, "NoABList", FakeRegistryValue::Sz("keep.exe\r\n"));
    const FakeRegistryValue stored = FakeRegistryValue::Raw(bad.type, bad.bytes);
    platform.registry.Seed(kKey, bad.setting, stored);
    std::vector<std::pair<std::string, FakeRegistryValue>> before;
    for (const std::string& name : platform.registry.ValueNames(kKey))
        before.emplace_back(name, *platform.registry.Value(kKey, name));

    app::MainForm form(platform.NewRun());
    form.FormCreate();
    const std::vector<std::string>& log = form.TabDebugList.Items();
    if (IsFailure(bad)) {
        ASSERT_EQ(log.size(), 6u);
        const std::string message =
            bad.expected == "fetch" ? FetchFailedMessage(bad.setting) : InvalidTypeMessage(bad.setting);
        EXPECT_NE(log[2].find(message), std::string::npos) << log[2];
        EXPECT_EQ(log[3], "Typ: RegistryError");
    } else {
        EXPECT_EQ(log.size(), 2u) << log.back();
    }
    EXPECT_NE(form.Engine(), nullptr) << "start-up ran to its end";

    platform.registry.Seed(kKey, "ApplicationCommand", FakeRegistryValue::Sz("CLOSE"));
    form.CommandTimer.Tick();
    ASSERT_TRUE(form.Terminated());
    for (const auto& [name, value] : before) {
        if (name == "ApplicationCommand" || name == bad.setting) continue;
        EXPECT_EQ(platform.registry.Value(kKey, name), value) << name;
    }
    if (IsFailure(bad)) {
        const SettingDef& setting = Setting(vitrex::testing::SettingNamed(bad.setting));
        std::optional<FakeRegistryValue> repaired;
        if (setting.type == SettingType::Text) {
            // An empty class exception is deleted, as always.
            if (setting.id != SettingId::DebugClassException)
                repaired = FakeRegistryValue::Sz(std::string(setting.defaultText));
        } else {
            repaired = FakeRegistryValue::Dword(static_cast<std::uint32_t>(setting.defaultNumber));
        }
        if (setting.id == SettingId::Language) repaired = FakeRegistryValue::Sz("English");
        EXPECT_EQ(platform.registry.Value(kKey, bad.setting), repaired) << "its default, with its type";
    } else {
        EXPECT_EQ(ReadAs(SettingsStore(platform.registry), bad.setting), bad.expected) << "stored as loaded";
    }
}

INSTANTIATE_TEST_SUITE_P(EachKind, BadSettings, ::testing::ValuesIn(vitrex::testing::BadSettingValues()),
                         [](const ::testing::TestParamInfo<BadSettingValue>& info) {
                             return info.param.label;
                         });

}  // namespace
}  // namespace vitrex::settings
