#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakeDesktop.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using V = fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The settings in the order start-up puts them into their controls; a step that fails leaves the
// ones from its own on unloaded, and the quit must leave exactly those alone.
const std::vector<std::string> kLoadOrder = {"Language",
                                             "CPU",
                                             "CPU_TIME",
                                             "SYSTRAY",
                                             "ChangeProcessAB",
                                             "AB_Active",
                                             "AB_ActiveWindow",
                                             "AB_InActiveWindow",
                                             "AB_TaskbarActive",
                                             "AB_TaskBar",
                                             "NoABList",
                                             "SC_Transparency",
                                             "SC_STRG",
                                             "SC_AoT",
                                             "SC_AoT_On",
                                             "SC_AoT_Off",
                                             "SC_ClickThrough",
                                             "DebugClassException",
                                             "AB_FullScreenOpaque",
                                             "StartActive",
                                             "HideProgram",
                                             "UpdateCheck"};

// How far start-up gets before the fault, as far as the later steps leave traces.
enum class Reached { NoSetting, BeforeVersion, BeforeWindowMenu, Everything };

struct StepFault {
    const char* step;
    // Sets the fault up on settings an earlier run left; undone by `heal` before the quit.
    std::function<void(fakes::FakePlatform&)> inject;
    std::function<void(fakes::FakePlatform&)> heal;
    const char* logged;         // part of the one crash-log entry's message
    const char* firstUnloaded;  // the first setting of kLoadOrder left alone at quit; "" for none
    Reached reached;
};

void Nothing(fakes::FakePlatform&) {}

// A value the damaged hive cannot give: unlike a missing or wrong-typed value, which loads as
// its default, this ends start-up at the value's step.
std::function<void(fakes::FakePlatform&)> QueryFails(const char* name) {
    return [name](fakes::FakePlatform& p) { p.registry.SetValueQueryFails(kKey, name, true); };
}
std::function<void(fakes::FakePlatform&)> Healed(const char* name) {
    return [name](fakes::FakePlatform& p) { p.registry.SetValueQueryFails(kKey, name, false); };
}

std::vector<StepFault> Faults() {
    using enum Reached;
    return {
        {"RestoreLeftBehindWindows",
         [](fakes::FakePlatform& p) { p.registry.Seed("Software\\Vitrex\\Journal", "Windows", V::Dword(3)); },
         Nothing, "'Windows'", "", Everything},
        {"OpenSettings", [](fakes::FakePlatform& p) { p.registry.SetOpenRefused(kKey, true); },
         [](fakes::FakePlatform& p) { p.registry.SetOpenRefused(kKey, false); }, "Access denied", "Language",
         NoSetting},
        {"WriteMissingDefaults",
         [](fakes::FakePlatform& p) {
             p.registry.Remove(kKey, "UpdateCheck");
             p.registry.SetWriteProtected(kKey, true);
         },
         [](fakes::FakePlatform& p) { p.registry.SetWriteProtected(kKey, false); }, "Access denied",
         "Language", NoSetting},
        {"ReadLanguage", QueryFails("Language"), Healed("Language"), "'Language'", "Language", NoSetting},
        {"ReadCpuReadOut", QueryFails("CPU_TIME"), Healed("CPU_TIME"), "'CPU_TIME'", "CPU", BeforeVersion},
        {"ReadTrayMode", QueryFails("SYSTRAY"), Healed("SYSTRAY"), "'SYSTRAY'", "SYSTRAY", BeforeVersion},
        {"ReadTransparencyScope", QueryFails("ChangeProcessAB"), Healed("ChangeProcessAB"),
         "'ChangeProcessAB'", "ChangeProcessAB", BeforeVersion},
        {"ReadMasterSwitchAndLevels", QueryFails("AB_InActiveWindow"), Healed("AB_InActiveWindow"),
         "'AB_InActiveWindow'", "AB_InActiveWindow", BeforeVersion},
        {"ReadTaskbar", QueryFails("AB_TaskBar"), Healed("AB_TaskBar"), "'AB_TaskBar'", "AB_TaskbarActive",
         BeforeVersion},
        {"ReadExceptions", QueryFails("NoABList"), Healed("NoABList"), "'NoABList'", "NoABList",
         BeforeVersion},
        {"ReadRememberedPrograms",
         [](fakes::FakePlatform& p) {
             p.registry.Seed("Software\\Vitrex\\Remembered", "notepad.exe", V::Sz("level=40"));
             p.registry.SetQueriesFail("Software\\Vitrex\\Remembered", true);
         },
         Nothing, "corrupted", "", Everything},
        {"ReadTransparencyHotKeys", QueryFails("SC_STRG"), Healed("SC_STRG"), "'SC_STRG'", "SC_Transparency",
         BeforeVersion},
        {"ReadOnTopHotKeys", QueryFails("SC_AoT_Off"), Healed("SC_AoT_Off"), "'SC_AoT_Off'", "SC_AoT",
         BeforeVersion},
        {"ReadClassException", QueryFails("DebugClassException"), Healed("DebugClassException"),
         "'DebugClassException'", "DebugClassException", BeforeVersion},
        {"ReadStartActive", QueryFails("StartActive"), Healed("StartActive"), "'StartActive'", "StartActive",
         BeforeWindowMenu},
        {"ReadHideAtStartup", QueryFails("HideProgram"), Healed("HideProgram"), "'HideProgram'",
         "HideProgram", BeforeWindowMenu},
        {"ReadAutostart", [](fakes::FakePlatform& p) { p.registry.SetOpenRefused(kRunKey, true); },
         [](fakes::FakePlatform& p) { p.registry.SetOpenRefused(kRunKey, false); }, "Access denied",
         "UpdateCheck", BeforeWindowMenu},
        {"ReadUpdateCheck (server)",
         [](fakes::FakePlatform& p) { p.http.Fail("https://vitrex.example.org/update.php?check=1"); },
         Nothing, "Connection refused", "", Everything},
    };
}

std::vector<std::string> SavedAtQuit(const fakes::FakeRegistry& registry) {
    std::vector<std::string> names;
    for (const fakes::FakeRegistryChange& change : registry.Changes()) {
        if (change.keyPath == kKey && change.valueName != "ApplicationCommand")
            names.push_back(change.valueName);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::vector<std::string> LoadedBefore(const std::string& firstUnloaded) {
    std::vector<std::string> names;
    for (const std::string& name : kLoadOrder) {
        if (name == firstUnloaded) break;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class StartupFaults : public ::testing::TestWithParam<StepFault> {};

// Each step that can fail, failing in turn: one crash-log entry, the steps before it done and
// none after it; the program runs on, and its quit uses nothing that start-up did not make and
// writes back only what start-up loaded.
TEST_P(StartupFaults, OneLogEntryEarlierStepsDoneLaterOnesNotAndAQuitThatUsesOnlyWhatWasMade) {
    const StepFault& fault = GetParam();
    fakes::FakePlatform platform;
    testing::SeedEarlierRun(platform.registry);
    platform.registry.Seed(kKey, "StartActive", V::Dword(1));
    // Stored, so that a quit that loaded it writes it back rather than deleting nothing.
    platform.registry.Seed(kKey, "DebugClassException", V::Sz("Notepad"));
    fault.inject(platform);

    MainForm form(platform.NewRun());
    form.FormCreate();

    const std::vector<std::string>& log = form.TabDebugList.Items();
    ASSERT_EQ(log.size(), 6u) << "two header lines and one entry";
    EXPECT_NE(log[2].find(fault.logged), std::string::npos) << log[2];
    EXPECT_EQ(log[4], "Sender: VTXForm [TVTXForm]");
    EXPECT_TRUE(platform.dialogs.shown.empty());

    const bool versionShown =
        fault.reached == Reached::BeforeWindowMenu || fault.reached == Reached::Everything;
    EXPECT_EQ(form.TINFO_LabelVersion.Caption().empty(), !versionShown);
    const bool everything = fault.reached == Reached::Everything;
    EXPECT_EQ(form.Engine() != nullptr, everything);
    EXPECT_EQ(form.SystemMenu().Entries().back().id == kExitCommand, everything);
    // Started active only when the engine to do it with was made.
    EXPECT_EQ(form.Vitrex_Timer.Enabled(), everything);

    // The window-menu entry quits only when it was appended; the command slot always does.
    fault.heal(platform);
    platform.registry.ClearChanges();
    EXPECT_EQ(form.SystemMenu().UserCommand(kExitCommand), everything);
    if (!form.Terminated()) {
        platform.registry.Seed(kKey, "ApplicationCommand", V::Sz("CLOSE"));
        form.CommandTimer.Tick();
    }
    ASSERT_TRUE(form.Terminated());
    EXPECT_EQ(form.TabDebugList.Items().size(), 6u) << form.TabDebugList.Items().back();
    EXPECT_EQ(SavedAtQuit(platform.registry), LoadedBefore(fault.firstUnloaded));
    EXPECT_FALSE(form.Vitrex_Timer.Enabled());
}

// A value the key refuses at quit: the others are saved, the refused one is named in the log, and
// the quit still takes the translucency off the desktop.
TEST(QuitFaults, AValueRefusedAtQuitIsLoggedAndEveryOtherValueIsSaved) {
    fakes::FakePlatform platform;
    testing::SeedEarlierRun(platform.registry);
    platform.registry.Seed(kKey, "StartActive", V::Dword(1));
    const WindowHandle window =
        fakes::Open(platform.windows, platform.processes, {.exe = "editor.exe", .pid = 4242});
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.Vitrex_Timer.Tick();
    ASSERT_TRUE(platform.windows.GetLayeredAlpha(window).has_value());
    form.TAB_TPZ_TB_TL.SetPosition(60);
    form.GB_CPU_TB.SetPosition(20);
    platform.registry.SetValueRefused(kKey, "CPU", true);

    form.TrayPopup_Exit.UserClick();

    ASSERT_TRUE(form.Terminated());
    const std::vector<std::string>& log = form.TabDebugList.Items();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_NE(log[2].find("(not saved: CPU)"), std::string::npos) << log[2];
    EXPECT_EQ(platform.registry.Value(kKey, "CPU_TIME"), V::Dword(20));
    EXPECT_EQ(platform.registry.Value(kKey, "AB_TaskBar"), V::Dword(60));
    EXPECT_FALSE(platform.windows.GetLayeredAlpha(window).has_value()) << "the engine was switched off";
}

INSTANTIATE_TEST_SUITE_P(EachStep, StartupFaults, ::testing::ValuesIn(Faults()),
                         [](const ::testing::TestParamInfo<StepFault>& info) {
                             std::string name;
                             for (const char* c = info.param.step; *c != '\0'; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             }
                             return name;
                         });

}  // namespace
}  // namespace vitrex::app
