#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/settings/SettingsStore.h"
#include "core/platform/Errors.h"
#include "testing/FakeRegistry.h"

namespace vitrex::settings {
namespace {

using fakes::FakeRegistry;
using fakes::FakeRegistryChange;
using fakes::FakeRegistryValue;
using V = FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";

struct Expected {
    const char* name;
    FakeRegistryValue value;
};

const std::vector<Expected>& FirstStartValues() {
    static const std::vector<Expected> values = {
        {"CPU", V::Dword(1)},
        {"CPU_TIME", V::Dword(10)},
        {"SYSTRAY", V::Dword(0)},
        {"AB_ActiveWindow", V::Dword(10)},
        {"AB_InActiveWindow", V::Dword(25)},
        {"AB_Active", V::Dword(1)},
        {"AB_TaskbarActive", V::Dword(0)},
        {"AB_TaskBar", V::Dword(25)},
        {"ApplicationCommand", V::Sz("")},
        {"NoABList", V::Sz("")},
        {"HideProgram", V::Dword(1)},
        {"StartActive", V::Dword(0)},
        {"ChangeProcessAB", V::Dword(0)},
        {"UpdateCheck", V::Dword(1)},
        {"SC_Transparency", V::Dword(1)},
        {"SC_STRG", V::Dword(0)},
        {"SC_AoT", V::Dword(1)},
        {"SC_AoT_On", V::Dword(49264)},
        {"SC_AoT_Off", V::Dword(49265)},
    };
    return values;
}

std::vector<std::string> WrittenNames(const FakeRegistry& registry) {
    std::vector<std::string> names;
    for (const FakeRegistryChange& change : registry.Changes()) {
        EXPECT_EQ(change.kind, FakeRegistryChange::Kind::Write) << change.valueName;
        names.push_back(change.valueName);
    }
    return names;
}

TEST(FirstStart, WritesExactlyTheNineteenDefaultsInOrder) {
    FakeRegistry registry;
    SettingsStore store(registry);
    EXPECT_EQ(WriteMissingDefaults(store), StartKind::FirstStart);

    std::vector<std::string> expectedNames;
    for (const Expected& e : FirstStartValues()) {
        expectedNames.push_back(e.name);
        EXPECT_EQ(registry.Value(kKey, e.name), e.value) << e.name;
    }
    EXPECT_EQ(registry.ValueNames(kKey), expectedNames);
    EXPECT_EQ(WrittenNames(registry), expectedNames);
    EXPECT_FALSE(store.Exists(SettingId::Language));
    EXPECT_FALSE(store.Exists(SettingId::DebugClassException));
}

TEST(FirstStart, LaterStartsWriteNothing) {
    FakeRegistry registry;
    SettingsStore first(registry);
    WriteMissingDefaults(first);
    registry.ClearChanges();
    SettingsStore second(registry, kSettingsKeyRooted);
    EXPECT_EQ(WriteMissingDefaults(second), StartKind::Regular);
    EXPECT_TRUE(registry.Changes().empty());
}

TEST(Upgrade, WritesOnlyTheMissingNewValuesAndKeepsTheRest) {
    FakeRegistry registry;
    registry.Seed(kKey, "ApplicationCommand", V::Sz(""));
    registry.Seed(kKey, "CPU", V::Dword(0));
    registry.Seed(kKey, "AB_ActiveWindow", V::Dword(40));
    registry.Seed(kKey, "SC_AoT", V::Dword(0));  // left over from some other version
    SettingsStore store(registry);

    EXPECT_EQ(WriteMissingDefaults(store), StartKind::Upgrade);
    EXPECT_EQ(WrittenNames(registry), (std::vector<std::string>{"UpdateCheck", "SC_Transparency", "SC_STRG",
                                                                "SC_AoT_On", "SC_AoT_Off"}));
    EXPECT_EQ(registry.Value(kKey, "CPU"), V::Dword(0));
    EXPECT_EQ(registry.Value(kKey, "AB_ActiveWindow"), V::Dword(40));
    EXPECT_EQ(registry.Value(kKey, "SC_AoT"), V::Dword(0));
    EXPECT_EQ(registry.Value(kKey, "SC_AoT_Off"), V::Dword(49265));
}

// A registry cleaner, or a tool that "clears the command", removes the slot alone: the start puts
// back what is missing and overwrites nothing, and it is no first start (no welcome page).
TEST(FirstStart, AMissingCommandSlotAloneIsPutBackAndNothingElseIsWritten) {
    FakeRegistry registry;
    SettingsStore store(registry);
    WriteMissingDefaults(store);
    registry.Seed(kKey, "AB_ActiveWindow", V::Dword(60));
    registry.Seed(kKey, "NoABList", V::Sz("game.exe\r\n"));
    registry.Seed(kKey, "CPU_TIME", V::Sz("10"));  // damaged as well: still not overwritten
    registry.Remove(kKey, "ApplicationCommand");
    registry.Remove(kKey, "HideProgram");
    registry.ClearChanges();

    EXPECT_EQ(WriteMissingDefaults(store), StartKind::Regular);
    EXPECT_EQ(WrittenNames(registry), (std::vector<std::string>{"ApplicationCommand", "HideProgram"}));
    EXPECT_EQ(registry.Value(kKey, "AB_ActiveWindow"), V::Dword(60));
    EXPECT_EQ(registry.Value(kKey, "NoABList"), V::Sz("game.exe\r\n"));
    EXPECT_EQ(registry.Value(kKey, "CPU_TIME"), V::Sz("10"));
}

// A second start can write its command before the very first start looks: still a first start,
// with the command kept for the first poll.
TEST(FirstStart, AnEarlyCommandIsKeptAndEveryOtherDefaultWritten) {
    FakeRegistry registry;
    registry.Seed(kKey, "ApplicationCommand", V::Sz("CONFIG"));
    registry.Seed(kKey, "Language", V::Sz("Deutsch"));
    SettingsStore store(registry);
    EXPECT_EQ(WriteMissingDefaults(store), StartKind::FirstStart);
    EXPECT_EQ(registry.Value(kKey, "ApplicationCommand"), V::Sz("CONFIG"));
    EXPECT_EQ(registry.Value(kKey, "Language"), V::Sz("Deutsch"));
    for (const Expected& e : FirstStartValues()) {
        if (std::string(e.name) == "ApplicationCommand") continue;
        EXPECT_EQ(registry.Value(kKey, e.name), e.value) << e.name;
    }
}

// What start-up reads: a missing or wrong-typed value is its default and is reported once; a key
// that cannot be queried is no damaged value and still fails.
TEST(Reads, StartUpReadsGiveTheDefaultForAnUnreadableValueAndReportIt) {
    FakeRegistry registry;
    SettingsStore store(registry);
    WriteMissingDefaults(store);
    registry.Seed(kKey, "CPU_TIME", V::Sz("20"));
    registry.Seed(kKey, "HideProgram", V::Sz("0"));
    registry.Seed(kKey, "Language", V::Dword(1));
    registry.Remove(kKey, "AB_Active");
    registry.Seed(kKey, "AB_ActiveWindow", V::Dword(55));
    std::vector<std::string> reported;
    const auto report = [&](const UnreadableValueError& error) { reported.push_back(error.what()); };

    EXPECT_EQ(store.ReadIntegerOrDefault(SettingId::CPU_TIME, report), 10);
    EXPECT_TRUE(store.ReadBoolOrDefault(SettingId::HideProgram, report));
    EXPECT_TRUE(store.ReadBoolOrDefault(SettingId::AB_Active, report));
    EXPECT_EQ(store.ReadTextOrDefault(SettingId::Language, report), "");
    EXPECT_EQ(store.ReadIntegerOrDefault(SettingId::AB_ActiveWindow, report), 55);
    // Text longer than a number fails as a fetch, shorter text by its type.
    EXPECT_EQ(reported,
              (std::vector<std::string>{FetchFailedMessage("CPU_TIME"), InvalidTypeMessage("HideProgram"),
                                        FetchFailedMessage("AB_Active"), InvalidTypeMessage("Language")}));

    registry.SetValueQueryFails(kKey, "SYSTRAY", true);
    EXPECT_THROW(store.ReadIntegerOrDefault(SettingId::SYSTRAY, report), RegistryError);
    EXPECT_EQ(reported.size(), 4u);
}

TEST(Reads, FailuresNameTheValue) {
    FakeRegistry registry;
    SettingsStore store(registry);
    WriteMissingDefaults(store);
    registry.Remove(kKey, "HideProgram");
    registry.Seed(kKey, "CPU_TIME", V::Sz("x"));
    try {
        store.ReadBool(SettingId::HideProgram);
        FAIL() << "a missing Boolean must not read";
    } catch (const RegistryError& error) {
        EXPECT_STREQ(error.what(), "Fehler beim Holen der Daten f\xC3\xBCr 'HideProgram'");
    }
    try {
        store.ReadInteger(SettingId::CPU_TIME);
        FAIL() << "a text must not read as a number";
    } catch (const RegistryError& error) {
        EXPECT_STREQ(error.what(), "Ung\xC3\xBCltiger Datentyp f\xC3\xBCr 'CPU_TIME'");
    }
    EXPECT_EQ(store.ReadText(SettingId::Language), "");
}

TEST(Reads, NumbersAreHeldToTheirControlsRanges) {
    FakeRegistry registry;
    registry.Seed(kKey, "AB_ActiveWindow", V::Dword(120));
    registry.Seed(kKey, "AB_InActiveWindow", V::Dword(static_cast<std::uint32_t>(-5)));
    registry.Seed(kKey, "AB_TaskBar", V::Dword(90));
    registry.Seed(kKey, "CPU_TIME", V::Dword(2));
    registry.Seed(kKey, "SC_AoT_On", V::Dword(70000));
    SettingsStore store(registry);
    EXPECT_EQ(store.ReadInteger(SettingId::AB_ActiveWindow), 90);
    EXPECT_EQ(store.ReadInteger(SettingId::AB_InActiveWindow), 0);
    EXPECT_EQ(store.ReadInteger(SettingId::AB_TaskBar), 90);
    EXPECT_EQ(store.ReadInteger(SettingId::CPU_TIME), 5);
    EXPECT_EQ(store.ReadInteger(SettingId::SC_AoT_On), 65535);
}

TEST(Reads, EveryUnknownTrayModeMeansNoIcon) {
    FakeRegistry registry;
    SettingsStore store(registry);
    const std::vector<std::pair<std::int32_t, std::int32_t>> cases = {
        {0, 0}, {1, 1}, {2, 2}, {5, 2}, {-1, 2}};
    for (const auto& [stored, loaded] : cases) {
        registry.Seed(kKey, "SYSTRAY", V::Dword(static_cast<std::uint32_t>(stored)));
        EXPECT_EQ(store.ReadInteger(SettingId::SYSTRAY), loaded) << stored;
    }
}

TEST(Reads, ExceptionsListComesBackAsEntries) {
    FakeRegistry registry;
    registry.Seed(kKey, "NoABList", V::Sz("b.exe\na.exe\r\n"));
    SettingsStore store(registry);
    EXPECT_EQ(store.ReadNoABList(), (std::vector<std::string>{"b.exe", "a.exe"}));
}

}  // namespace
}  // namespace vitrex::settings
