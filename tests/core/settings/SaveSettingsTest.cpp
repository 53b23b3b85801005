#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/settings/Autostart.h"
#include "core/app/settings/NoABList.h"
#include "core/app/settings/SaveSettings.h"
#include "core/platform/Errors.h"
#include "testing/FakeRegistry.h"

namespace vitrex::settings {
namespace {

using fakes::FakeRegistry;
using fakes::FakeRegistryChange;
using V = fakes::FakeRegistryValue;
using Kind = FakeRegistryChange::Kind;

constexpr const char* kKey = "Software\\Vitrex";

SettingValues Snapshot() {
    using enum SettingId;
    SettingValues s;
    const auto set = [&s](SettingId id, SettingValue value) { s[static_cast<std::size_t>(id)] = value; };
    set(NoABList, {0, JoinNoABList({"a.exe", "", "Zw\xC3\xB6lf.exe"})});
    set(CPU, {0});
    set(CPU_TIME, {30});
    set(SYSTRAY, {2});
    set(AB_ActiveWindow, {90});
    set(AB_InActiveWindow, {45});
    set(AB_Active, {1});
    set(AB_TaskbarActive, {1});
    set(AB_TaskBar, {60});
    set(HideProgram, {0});
    set(StartActive, {1});
    set(ChangeProcessAB, {1});
    set(Language, {0, "Deutsch"});
    set(UpdateCheck, {0});
    set(SC_Transparency, {0});
    set(SC_STRG, {1});
    set(SC_AoT, {0});
    set(SC_AoT_On, {0x6070});
    set(SC_AoT_Off, {0});
    set(DebugClassException, {0, "Notepad"});
    return s;
}

std::string& DebugClassExceptionOf(SettingValues& values) {
    return values[static_cast<std::size_t>(SettingId::DebugClassException)].text;
}

TEST(SaveSettings, WritesEveryValueInTheClosePathsOrder) {
    FakeRegistry registry;
    registry.Seed(kKey, "ApplicationCommand", V::Sz("CONFIG"));
    SettingsStore store(registry, kSettingsKeyRooted);
    SaveSettings(store, Snapshot(), LoadedSettings::All());

    std::vector<std::string> written;
    for (const FakeRegistryChange& change : registry.Changes()) {
        EXPECT_EQ(change.kind, Kind::Write);
        written.push_back(change.valueName);
    }
    EXPECT_EQ(written, (std::vector<std::string>{"NoABList",        "CPU",
                                                 "CPU_TIME",        "SYSTRAY",
                                                 "AB_ActiveWindow", "AB_InActiveWindow",
                                                 "AB_Active",       "AB_TaskbarActive",
                                                 "AB_TaskBar",      "AB_FullScreenOpaque",
                                                 "HideProgram",     "StartActive",
                                                 "ChangeProcessAB", "Language",
                                                 "UpdateCheck",     "SC_Transparency",
                                                 "SC_STRG",         "SC_AoT",
                                                 "SC_AoT_On",       "SC_AoT_Off",
                                                 "SC_ClickThrough", "DebugClassException"}));
    EXPECT_EQ(registry.Value(kKey, "NoABList"), V::Sz("a.exe\r\n\r\nZw\xC3\xB6lf.exe\r\n"));
    EXPECT_EQ(registry.Value(kKey, "CPU"), V::Dword(0));
    EXPECT_EQ(registry.Value(kKey, "ChangeProcessAB"), V::Dword(1));
    EXPECT_EQ(registry.Value(kKey, "SC_AoT_On"), V::Dword(0x6070));
    EXPECT_EQ(registry.Value(kKey, "Language"), V::Sz("Deutsch"));
    EXPECT_EQ(registry.Value(kKey, "DebugClassException"), V::Sz("Notepad"));
    EXPECT_EQ(registry.Value(kKey, "ApplicationCommand"), V::Sz("CONFIG"));
}

TEST(SaveSettings, EmptyDebugClassExceptionDeletesTheValue) {
    FakeRegistry registry;
    registry.Seed(kKey, "DebugClassException", V::Sz("Notepad"));
    SettingsStore store(registry);
    SettingValues snapshot = Snapshot();
    DebugClassExceptionOf(snapshot).clear();
    SaveSettings(store, snapshot, LoadedSettings::All());
    EXPECT_EQ(registry.Changes().back(), (FakeRegistryChange{Kind::Delete, kKey, "DebugClassException"}));
    EXPECT_FALSE(registry.Value(kKey, "DebugClassException"));

    registry.ClearChanges();
    SaveSettings(store, snapshot, LoadedSettings::All());  // nothing left to delete
    EXPECT_EQ(registry.Changes().back().valueName, "SC_ClickThrough");
}

TEST(SaveSettings, ValuesThatStartUpNeverLoadedKeepWhatTheKeyHolds) {
    FakeRegistry registry;
    registry.Seed(kKey, "NoABList", V::Sz("keep.exe\r\n"));
    registry.Seed(kKey, "AB_ActiveWindow", V::Sz("abc"));
    registry.Seed(kKey, "DebugClassException", V::Sz("Notepad"));
    SettingsStore store(registry);
    LoadedSettings loaded;
    loaded.Mark({SettingId::CPU, SettingId::Language});
    SettingValues snapshot = Snapshot();
    DebugClassExceptionOf(snapshot).clear();
    SaveSettings(store, snapshot, loaded);

    std::vector<std::string> written;
    for (const FakeRegistryChange& change : registry.Changes())
        written.push_back(change.valueName);
    EXPECT_EQ(written, (std::vector<std::string>{"CPU", "Language"}));
    EXPECT_EQ(registry.Value(kKey, "NoABList"), V::Sz("keep.exe\r\n"));
    EXPECT_EQ(registry.Value(kKey, "AB_ActiveWindow"), V::Sz("abc"));
    EXPECT_EQ(registry.Value(kKey, "DebugClassException"), V::Sz("Notepad"));
}

TEST(SaveSettings, KeyWithoutWriteAccessFails) {
    FakeRegistry registry;
    registry.SetWriteProtected(kKey, true);
    SettingsStore store(registry);
    EXPECT_THROW(SaveSettings(store, Snapshot(), LoadedSettings::All()), RegistryError);
}

// A write that fails at quit costs only its own value: the ones after it are still written, and
// one failure names every value that was not saved.
TEST(SaveSettings, AValueTheKeyRefusesCostsOnlyItselfAndIsNamedInTheFailure) {
    FakeRegistry registry;
    registry.SetValueRefused(kKey, "CPU_TIME", true);
    registry.SetValueRefused(kKey, "DebugClassException", true);
    SettingsStore store(registry);
    try {
        SaveSettings(store, Snapshot(), LoadedSettings::All());
        FAIL() << "the refused writes are reported";
    } catch (const RegistryError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Value 'CPU_TIME': RegSetValueExW failed (1016): I/O error (not saved: CPU_TIME, "
                  "DebugClassException)");
        EXPECT_EQ(error.Api(), "RegSetValueExW");
    }
    EXPECT_FALSE(registry.Value(kKey, "CPU_TIME").has_value());
    EXPECT_EQ(registry.Value(kKey, "AB_ActiveWindow"), V::Dword(90));
    EXPECT_EQ(registry.Value(kKey, "SC_AoT_On"), V::Dword(0x6070));
    EXPECT_EQ(registry.Value(kKey, "Language"), V::Sz("Deutsch"));
    EXPECT_EQ(registry.Changes().size(), 20u) << "every other value of the close path";
}

TEST(Autostart, StoresThePathQuotedSoThatNoShorterPathCanStandForItAndReadsOldBareValues) {
    FakeRegistry registry;
    const std::string path = "C:\\Program Files\\Vitrex Tools\\Vitrex.exe";
    EXPECT_FALSE(AutostartExists(registry));
    WriteAutostart(registry, path);
    EXPECT_TRUE(AutostartExists(registry));
    EXPECT_EQ(registry.Value("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Vitrex"),
              V::Sz("\"" + path + "\""));
    DeleteAutostart(registry);
    registry.OpenOrCreateKey("Software\\Microsoft\\Windows\\CurrentVersion\\Run")->WriteText("Vitrex", path);
    EXPECT_TRUE(AutostartExists(registry)) << "a bare value of an earlier version";
    DeleteAutostart(registry);
    EXPECT_FALSE(AutostartExists(registry));
    DeleteAutostart(registry);  // deleting what is gone is no failure
}

}  // namespace
}  // namespace vitrex::settings
