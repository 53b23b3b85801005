#include <gtest/gtest.h>

#include <string>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;
using V = FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";

// A start whose settings hold one value the damaged hive cannot give: start-up stops at that
// value's step,
// and the program that runs on must neither lose the other values nor offer what it cannot do.
struct StartupStopped : ::testing::Test {
    StartupStopped() {
        testing::SeedEarlierRun(platform.registry);
        platform.registry.Seed(kKey, "NoABList", V::Sz("game.exe\r\nplayer.exe\r\n"));
        platform.registry.Seed(kKey, "SC_AoT", V::Dword(1));
        platform.registry.Seed(kKey, "SC_AoT_On", V::Dword(0x4070));
        platform.registry.Seed(kKey, "SC_AoT_Off", V::Dword(0x4071));
        platform.registry.Seed(kKey, "SC_Transparency", V::Dword(1));
        platform.registry.Seed(kKey, "UpdateCheck", V::Dword(1));
        platform.registry.Seed(kKey, "HideProgram", V::Dword(1));
        platform.registry.Seed(kKey, "AB_InActiveWindow", V::Dword(40));
        platform.registry.Seed(kKey, "AB_TaskBar", V::Dword(30));
        platform.registry.Seed(kKey, "AB_Active", V::Dword(1));
        platform.registry.Seed(kKey, "StartActive", V::Dword(1));
    }
    void QuitThroughTheCommandSlot(MainForm& form) {
        platform.registry.Seed(kKey, "ApplicationCommand", V::Sz("CLOSE"));
        form.CommandTimer.Tick();
        ASSERT_TRUE(form.Terminated());
    }
    fakes::FakePlatform platform;
};

TEST_F(StartupStopped, QuittingKeepsEveryValueStartUpNeverLoaded) {
    for (const V& stored : {V::Dword(33), V::Binary({1, 2, 3, 4})}) {
        platform.registry.Seed(kKey, "AB_ActiveWindow", stored);
        platform.registry.SetValueQueryFails(kKey, "AB_ActiveWindow", true);
        MainForm form(platform.NewRun());
        form.FormCreate();
        ASSERT_GT(form.TabDebugList.Items().size(), 2u) << "start-up stopped";
        platform.registry.ClearChanges();
        QuitThroughTheCommandSlot(form);

        EXPECT_EQ(platform.registry.Value(kKey, "AB_ActiveWindow"), stored);
        EXPECT_EQ(platform.registry.Value(kKey, "NoABList"), V::Sz("game.exe\r\nplayer.exe\r\n"));
        for (const char* name : {"SC_AoT", "SC_Transparency", "UpdateCheck", "HideProgram"})
            EXPECT_EQ(platform.registry.Value(kKey, name), V::Dword(1)) << name;
        EXPECT_EQ(platform.registry.Value(kKey, "SC_AoT_On"), V::Dword(0x4070));
        EXPECT_EQ(platform.registry.Value(kKey, "SC_AoT_Off"), V::Dword(0x4071));
        EXPECT_EQ(platform.registry.Value(kKey, "AB_InActiveWindow"), V::Dword(40));
        EXPECT_EQ(platform.registry.Value(kKey, "AB_TaskBar"), V::Dword(30));
        // What the steps before it loaded is written back as the controls hold it.
        EXPECT_EQ(platform.registry.Value(kKey, "AB_Active"), V::Dword(1));
        bool cpuWritten = false;
        for (const auto& change : platform.registry.Changes())
            cpuWritten |= change.valueName == "CPU";
        EXPECT_TRUE(cpuWritten);
    }
}

TEST_F(StartupStopped, TheProgramShowsItselfDeactivatedAndOffersNoActivation) {
    platform.registry.SetValueQueryFails(kKey, "AB_ActiveWindow", true);
    MainForm form(platform.NewRun());
    form.FormCreate();
    ASSERT_EQ(form.Engine(), nullptr);

    EXPECT_FALSE(form.XPBarStatus.Item(0).Visible());
    EXPECT_FALSE(form.XPBarStatus.Item(1).Visible());
    EXPECT_TRUE(form.XPBarStatus.Item(2).Visible());
    EXPECT_FALSE(form.TrayPopup_Aktiv.Visible());
    EXPECT_FALSE(form.TrayPopup_Inaktiv.Visible());
    EXPECT_TRUE(form.TrayPopup_Deaktiv.Visible());
    EXPECT_FALSE(form.TAB_TPZ_CB.Enabled());

    // Neither a click nor a second start's command locks the page for an engine that is not there.
    form.XPBarStatus.Item(1).UserClick();
    platform.registry.Seed(kKey, "ApplicationCommand", V::Sz("CHANGESTATUS"));
    form.CommandTimer.Tick();
    EXPECT_FALSE(form.Vitrex_Timer.Enabled());
    EXPECT_TRUE(form.TAB_TPZ_TB_Active.Enabled() == form.TAB_TPZ_CB.Checked());
    EXPECT_TRUE(form.TAB_AUS_BTN_Add.Enabled());
}

TEST_F(StartupStopped, AWrongTypedCommandSlotIsResetOnceWithOneLogEntry) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    const std::size_t before = form.TabDebugList.Items().size();
    platform.registry.Seed(kKey, "ApplicationCommand", V::Dword(7));
    form.CommandTimer.Tick();
    EXPECT_EQ(form.TabDebugList.Items().size(), before + 4);
    EXPECT_EQ(platform.registry.Value(kKey, "ApplicationCommand"), V::Sz(""));
    form.CommandTimer.Tick();
    form.CommandTimer.Tick();
    EXPECT_EQ(form.TabDebugList.Items().size(), before + 4);
}

}  // namespace
}  // namespace vitrex::app
