#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "core/app/SingleInstance.h"
#include "core/transparency/ShortCuts.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeHotKeys;
using fakes::FakeRegistryValue;
using transparency::ShortCutToModifiers;

constexpr const char* kKey = "Software\\Vitrex";

TEST(ShortCutModifiers, MapWholeSetsAndSendOddOnesToTheWindowsKey) {
    EXPECT_EQ(ShortCutToModifiers(0x4000 | 'A'), kModControl);
    EXPECT_EQ(ShortCutToModifiers(0xC000 | 'A'), kModAlt | kModControl);
    EXPECT_EQ(ShortCutToModifiers(0x2000 | 'A'), kModShift);
    EXPECT_EQ(ShortCutToModifiers(0x6000 | 'A'), kModControl | kModShift);
    EXPECT_EQ(ShortCutToModifiers(0xA000 | 'A'), kModAlt | kModShift);
    EXPECT_EQ(ShortCutToModifiers('A'), kModWin) << "no modifier";
    EXPECT_EQ(ShortCutToModifiers(0x8000 | 'A'), kModWin) << "Alt alone";
    EXPECT_EQ(ShortCutToModifiers(0xE000 | 'A'), kModWin) << "all three";
}

TEST(KeyFields, RefusedCombinationsKeepTheKeyWithTheReplacement) {
    ui::HotKeyEdit on("on", nullptr, {});
    on.SetRules(ui::HotKeyEdit::kCombNone | ui::HotKeyEdit::kCombAlt | ui::HotKeyEdit::kCombShiftCtrlAlt, 0);
    EXPECT_EQ(on.Normalized(0x8000 | 0x70), 0x70) << "Alt+F1 refused";
    EXPECT_EQ(on.Normalized(0xE000 | 0x70), 0x70);
    EXPECT_EQ(on.Normalized(0xC070), 0xC070);
    ui::HotKeyEdit debug("debug", nullptr, {});
    debug.SetRules(ui::HotKeyEdit::kCombNone, 0x4000);
    EXPECT_EQ(debug.Normalized(0xE2), 0x40E2);
}

struct HotKeyForm : ::testing::Test {
    fakes::FakePlatform platform;
    MainForm form{platform.NewRun()};
    FakeHotKeys& keys = platform.hotKeys;
};

TEST_F(HotKeyForm, DefaultsRegisterWindowsDigitsTheTwoOnTopKeysAndTheClickThroughKey) {
    form.FormCreate();
    ASSERT_EQ(keys.registered.size(), 13u);
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_EQ(keys.registered.at(255 + digit), (FakeHotKeys::Key{kModWin, 0x30u + digit}));
    }
    EXPECT_EQ(keys.registered.at(265), (FakeHotKeys::Key{kModAlt | kModControl, 0x70}));
    EXPECT_EQ(keys.registered.at(266), (FakeHotKeys::Key{kModAlt | kModControl, 0x71}));
    EXPECT_EQ(keys.registered.at(268), (FakeHotKeys::Key{kModAlt | kModControl, 0x72}));
    EXPECT_FALSE(keys.registered.contains(267)) << "the debug key is registered only by its button";
    EXPECT_FALSE(form.GB_ShortCuts_Warning.Visible());
}

TEST_F(HotKeyForm, SwitchingDigitsLeavesTheOnTopKeysAlone) {
    form.FormCreate();
    form.GB_ShortCuts_ChTransRB1.UserClick();
    EXPECT_EQ(keys.registered.at(260), (FakeHotKeys::Key{kModControl, '5'}));
    form.GB_ShortCuts_ChTransCB.UserClick();
    for (int id = 255; id <= 264; ++id)
        EXPECT_FALSE(keys.registered.contains(id));
    EXPECT_FALSE(form.GB_ShortCuts_ChTransRB1.Enabled());
    EXPECT_TRUE(keys.registered.contains(265));

    form.GB_ShortCuts_AoTCB.UserClick();
    EXPECT_FALSE(keys.registered.contains(265));
    EXPECT_FALSE(keys.registered.contains(266));
    EXPECT_FALSE(form.GB_ShortCuts_AoTOn.Enabled());
    EXPECT_FALSE(form.GB_ShortCuts_AoTOffL.Enabled());
}

TEST_F(HotKeyForm, LeavingAKeyFieldRegistersItsNewCombination) {
    form.FormCreate();
    form.GB_ShortCuts_AoTOn.UserSetValue(0x8000 | 'T');  // Alt+T is refused by the field
    form.GB_ShortCuts_AoTOn.UserExit();
    EXPECT_EQ(keys.registered.at(265), (FakeHotKeys::Key{kModWin, 'T'}));
    form.GB_ShortCuts_AoTOn.SetValue(0);
    form.GB_ShortCuts_AoTOn.UserExit();
    EXPECT_EQ(keys.registered.at(265), (FakeHotKeys::Key{kModWin, 0})) << "an empty field is not skipped";
}

TEST_F(HotKeyForm, RefusedCombinationsAreNamedBesideTheBoxes) {
    for (int digit = 1; digit <= 9; ++digit)
        keys.heldElsewhere.insert({kModWin, 0x30u + digit});
    form.FormCreate();
    EXPECT_TRUE(form.GB_ShortCuts_ChTransCB.Checked()) << "the setting is kept";
    EXPECT_TRUE(form.GB_ShortCuts_Warning.Visible());
    EXPECT_EQ(form.GB_ShortCuts_Warning.Caption(),
              "Not available: Win+1, Win+2, Win+3, Win+4, Win+5, Win+6, Win+7, Win+8, Win+9");
    form.GB_ShortCuts_ChTransRB1.UserClick();
    EXPECT_FALSE(form.GB_ShortCuts_Warning.Visible()) << "Ctrl with the digits is free";
}

TEST_F(HotKeyForm, DigitKeysSetTheForegroundWindowsLevelAndZeroClearsIt) {
    form.FormCreate();
    const WindowHandle window = platform.windows.AddWindow({});
    platform.windows.SetForeground(window);
    form.UserHotKey(260);
    EXPECT_EQ(platform.windows.GetLayeredAlpha(window), std::optional<std::uint8_t>(127));
    form.UserHotKey(255);
    EXPECT_FALSE(platform.windows.StyleOf(window).layered);
    form.UserHotKey(265);
    EXPECT_TRUE(platform.windows.StyleOf(window).topmost) << "topmost";
    form.UserHotKey(266);
    EXPECT_FALSE(platform.windows.StyleOf(window).topmost);
}

struct Commands : ::testing::Test {
    fakes::FakePlatform platform;
    MainForm form{platform.NewRun()};
    void Send(const std::string& command) {
        platform.registry.Seed(kKey, "ApplicationCommand", FakeRegistryValue::Sz(command));
        form.CommandTimer.Tick();
        EXPECT_EQ(platform.registry.Value(kKey, "ApplicationCommand"), FakeRegistryValue::Sz(""));
    }
};

TEST_F(Commands, ConfigShowsTheWindowAndDebugShowsItsPageAsTheOnlyTab) {
    form.FormCreate();
    form.SetVisible(false);
    Send("CONFIG");
    EXPECT_TRUE(form.Visible());
    form.SetVisible(false);
    Send("DEBUG");
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Pages.VisibleTabs(), std::vector<int>{kPageDebug});
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageDebug);
    Send("config");
    Send("NONSENSE");
    EXPECT_FALSE(form.Terminated());
}

// The tabs never pile up: after the debug page, whether it was shown by the command or chosen in
// the strip, and whichever page comes next, one tab is visible.
TEST_F(Commands, AfterTheDebugPageExactlyOneTabIsVisible) {
    form.FormCreate();
    form.XPBarConfig.Item(2).UserClick();
    Send("DEBUG");
    form.XPBarVTX.Item(0).UserClick();
    EXPECT_EQ(form.Pages.VisibleTabs(), std::vector<int>{kPageAbout});

    form.TabDebug.SetTabVisible(true);  // a second tab, as an older build's command left it
    form.Pages.UserSelectTab(1);
    ASSERT_EQ(form.Pages.ActivePageIndex(), kPageDebug);
    form.XPBarConfig.Item(1).UserClick();
    EXPECT_EQ(form.Pages.VisibleTabs(), std::vector<int>{kPageTransparency});
}

// A first start carries out its command once start-up is done, as the running instance would.
TEST_F(Commands, AFirstStartsCommandIsCarriedOutAfterStartUp) {
    testing::SeedEarlierRun(platform.registry);
    form.FormCreate();
    ASSERT_FALSE(form.Visible());
    form.RunStartCommand("CONFIG");
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Pages.VisibleTabs(), std::vector<int>{kPageGeneral});

    fakes::FakePlatform other;
    testing::SeedEarlierRun(other.registry);
    MainForm debug(other.NewRun());
    debug.FormCreate();
    debug.RunStartCommand("DEBUG");
    EXPECT_TRUE(debug.Visible());
    EXPECT_EQ(debug.Pages.VisibleTabs(), std::vector<int>{kPageDebug});

    fakes::FakePlatform third;
    testing::SeedEarlierRun(third.registry);
    MainForm status(third.NewRun());
    status.FormCreate();
    ASSERT_FALSE(status.Vitrex_Timer.Enabled());
    status.RunStartCommand("CHANGESTATUS");
    EXPECT_TRUE(status.Vitrex_Timer.Enabled()) << "inactive after start-up, so it becomes active";
    EXPECT_FALSE(status.Visible());
}

TEST_F(Commands, ChangeStatusTogglesOnlyWithTheMasterSwitchOn) {
    form.FormCreate();
    Send("CHANGESTATUS");
    EXPECT_TRUE(form.Vitrex_Timer.Enabled());
    Send("CHANGESTATUS");
    EXPECT_FALSE(form.Vitrex_Timer.Enabled());
    form.TAB_TPZ_CB.UserClick();
    Send("CHANGESTATUS");
    EXPECT_FALSE(form.Vitrex_Timer.Enabled()) << "deactivated: nothing happens";
}

// A settings key that refuses writes makes the poll fail every second; a minute of it is one
// entry of the debug page's log, counting the repeats.
TEST_F(Commands, APollFailingEverySecondForAMinuteStaysOneCountedEntry) {
    form.FormCreate();
    const std::size_t before = form.TabDebugList.Items().size();
    platform.registry.SetValueRefused(kKey, "ApplicationCommand", true);
    for (int second = 0; second < 60; ++second) {
        platform.clock.SetLocalLongTime("14:05:" + std::string(second < 10 ? "0" : "") +
                                        std::to_string(second));
        platform.clock.Advance(1000);
        form.CommandTimer.Tick();
    }
    const std::vector<std::string>& log = form.TabDebugList.Items();
    ASSERT_EQ(log.size(), before + 4) << "one entry of four lines";
    EXPECT_NE(log[before].find("(60 times, last at 14:05:59)"), std::string::npos) << log[before];
    EXPECT_FALSE(form.Terminated());
}

TEST_F(Commands, CloseQuitsWithSavingAndTheSlotEndsEmpty) {
    form.FormCreate();
    platform.registry.Remove(kKey, "HideProgram");
    Send("CLOSE");
    EXPECT_TRUE(form.Terminated());
    EXPECT_TRUE(platform.registry.Value(kKey, "HideProgram").has_value()) << "saved";
}

TEST(SingleInstance, SecondStartHandsOverTheUpperCasedArgument) {
    fakes::FakeRegistry registry;
    fakes::FakeInstanceLock lock;
    lock.heldByOther = true;
    EXPECT_FALSE(CheckSingleInstance(lock, registry, "Close").startProgram);
    EXPECT_EQ(lock.lastName, "Vitrex");
    EXPECT_EQ(registry.Value(kKey, "ApplicationCommand"), FakeRegistryValue::Sz("CLOSE"));

    registry.Seed(kKey, "ApplicationCommand", FakeRegistryValue::Sz(""));
    EXPECT_FALSE(CheckSingleInstance(lock, registry, "").startProgram);
    EXPECT_EQ(registry.Value(kKey, "ApplicationCommand"), FakeRegistryValue::Sz(""))
        << "no argument, no write";
    EXPECT_EQ(UpperCaseAscii("\xC3\xA4nderung-x"), "\xC3\xA4NDERUNG-X") << "only a to z change";
}

TEST(SingleInstance, ASecondStartThatCannotWriteItsCommandSaysSo) {
    fakes::FakeRegistry registry;
    fakes::FakeInstanceLock lock;
    lock.heldByOther = true;
    registry.Seed(kKey, "ApplicationCommand", FakeRegistryValue::Sz(""));
    registry.SetWriteProtected(kKey, true);
    const InstanceCheck check = CheckSingleInstance(lock, registry, "config");
    EXPECT_FALSE(check.startProgram);
    EXPECT_NE(check.exitCode, 0);
    EXPECT_NE(check.error.find("CONFIG"), std::string::npos) << check.error;

    registry.SetWriteProtected(kKey, false);
    const InstanceCheck delivered = CheckSingleInstance(lock, registry, "config");
    EXPECT_EQ(delivered.exitCode, 0);
    EXPECT_TRUE(delivered.error.empty());
}

TEST(SingleInstance, ASecondStartCloseReturnsOnlyOnceTheInstanceHasEnded) {
    fakes::FakeRegistry registry;
    fakes::FakeInstanceLock lock;
    lock.heldByOther = true;
    const InstanceCheck closed = CheckSingleInstance(lock, registry, "close");
    EXPECT_EQ(lock.waitedUpTo, kCloseWaitLimit);
    EXPECT_EQ(closed.exitCode, 0);
    EXPECT_TRUE(closed.error.empty());

    lock.otherEnds = false;
    const InstanceCheck stillRuns = CheckSingleInstance(lock, registry, "Close");
    EXPECT_FALSE(stillRuns.startProgram);
    EXPECT_EQ(stillRuns.exitCode, kExitInstanceStillRuns) << "not reported as closed";
    EXPECT_NE(stillRuns.error.find("CLOSE"), std::string::npos) << stillRuns.error;

    lock.waitedUpTo = {};
    EXPECT_EQ(CheckSingleInstance(lock, registry, "config").exitCode, 0);
    EXPECT_EQ(lock.waitedUpTo.count(), 0) << "only close waits";
    registry.SetWriteProtected(kKey, true);
    EXPECT_EQ(CheckSingleInstance(lock, registry, "close").exitCode, kExitCommandNotDelivered);
    EXPECT_EQ(lock.waitedUpTo.count(), 0) << "an undelivered close has nothing to wait for";
}

TEST(SingleInstance, FirstStartEndsOnlyForCloseKeepsItsCommandAndTouchesNoSettings) {
    fakes::FakeRegistry registry;
    fakes::FakeInstanceLock lock;
    EXPECT_FALSE(CheckSingleInstance(lock, registry, "close").startProgram);
    const InstanceCheck config = CheckSingleInstance(lock, registry, "config");
    EXPECT_TRUE(config.startProgram);
    EXPECT_EQ(config.startCommand, "CONFIG");
    EXPECT_EQ(CheckSingleInstance(lock, registry, "Debug").startCommand, "DEBUG");
    const InstanceCheck plain = CheckSingleInstance(lock, registry, "");
    EXPECT_TRUE(plain.startProgram);
    EXPECT_EQ(plain.startCommand, "");
    EXPECT_FALSE(registry.KeyExists(kKey));
}

// A word that is no command, first or second start alike: the accepted commands for whoever
// started it, a failing exit code, and neither a window nor a word in the slot.
TEST(SingleInstance, AnUnknownWordOrAskingForHelpPrintsTheCommandsAndFails) {
    for (const bool running : {false, true}) {
        for (const char* word : {"confgi", "--help", "/?", "-h"}) {
            fakes::FakeRegistry registry;
            fakes::FakeInstanceLock lock;
            lock.heldByOther = running;
            const InstanceCheck check = CheckSingleInstance(lock, registry, word);
            EXPECT_FALSE(check.startProgram) << word;
            EXPECT_EQ(check.exitCode, kExitUsage) << word;
            for (const char* command : {"config", "debug", "changestatus", "close"})
                EXPECT_NE(check.usage.find(command), std::string::npos) << command;
            const bool askedForHelp = std::string(word) == "--help" || std::string(word) == "/?";
            EXPECT_EQ(check.error.empty(), askedForHelp) << word << ": " << check.error;
            EXPECT_FALSE(registry.KeyExists(kKey)) << word;
        }
    }
}

TEST(SingleInstance, ACommandWrittenBeforeTheVeryFirstStartStillGetsCompleteSettings) {
    fakes::FakePlatform platform;
    fakes::FakeInstanceLock lock;
    lock.heldByOther = true;
    CheckSingleInstance(lock, platform.registry, "config");
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(platform.registry.ValueNames(kKey).size(), 19u);
    EXPECT_TRUE(form.TabDebugList.Items().size() == 2u) << "no failed step";
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageWelcome);
    form.SetVisible(false);
    form.CommandTimer.Tick();
    EXPECT_TRUE(form.Visible()) << "the early command is carried out at the first poll";
}

}  // namespace
}  // namespace vitrex::app
