#include <gtest/gtest.h>

#include <cstdint>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "core/transparency/ShortCuts.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeHotKeys;
using fakes::FakeRegistryValue;
using transparency::kHotKeyClickThrough;

constexpr const char* kKey = "Software\\Vitrex";
constexpr std::uint16_t kCtrl = 0x4000, kAlt = 0x8000, kShift = 0x2000;
constexpr std::uint16_t kF3 = 0x72;

struct ClickThroughKey : ::testing::Test {
    fakes::FakePlatform platform;
    FakeHotKeys& keys = platform.hotKeys;
};

TEST_F(ClickThroughKey, SettingsWithoutTheValueRegisterCtrlAltF3AndTheQuitStoresIt) {
    testing::SeedEarlierRun(platform.registry);
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(form.GB_ShortCuts_ClickThrough.Value(), kCtrl | kAlt | kF3);
    EXPECT_EQ(keys.registered.at(kHotKeyClickThrough), (FakeHotKeys::Key{kModAlt | kModControl, kF3}));
    EXPECT_EQ(form.GB_ShortCuts_ClickThroughL.Caption(), "Click through:");
    for (const std::string& line : form.Log().Lines())
        EXPECT_EQ(line.find("SC_ClickThrough"), std::string::npos) << "a missing value is no damage";

    form.TrayPopup_Exit.UserClick();
    EXPECT_EQ(platform.registry.Value(kKey, "SC_ClickThrough"), FakeRegistryValue::Dword(kCtrl | kAlt | kF3));
}

TEST_F(ClickThroughKey, AStoredKeyIsLoadedRegisteredAndWrittenBackAsTheFieldHoldsIt) {
    testing::SeedEarlierRun(platform.registry);
    platform.registry.Seed(kKey, "SC_ClickThrough", FakeRegistryValue::Dword(kShift | kCtrl | 'K'));
    // Off: the always-on-top box does not govern this key.
    platform.registry.Seed(kKey, "SC_AoT", FakeRegistryValue::Dword(0));
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(keys.registered.at(kHotKeyClickThrough), (FakeHotKeys::Key{kModControl | kModShift, 'K'}));
    EXPECT_FALSE(keys.registered.contains(transparency::kHotKeyOnTop));

    form.GB_ShortCuts_ClickThrough.UserSetValue(kAlt | 'K');  // Alt alone is refused by the field
    form.GB_ShortCuts_ClickThrough.UserExit();
    EXPECT_EQ(keys.registered.at(kHotKeyClickThrough), (FakeHotKeys::Key{kModWin, 'K'}));
    form.TrayPopup_Exit.UserClick();
    EXPECT_EQ(platform.registry.Value(kKey, "SC_ClickThrough"), FakeRegistryValue::Dword('K'));
}

TEST_F(ClickThroughKey, AKeyTakenElsewhereIsNamedBesideTheOthersAndAnEmptiedFieldGivesItUp) {
    keys.heldElsewhere.insert({kModAlt | kModControl, kF3});
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_FALSE(keys.registered.contains(kHotKeyClickThrough));
    EXPECT_TRUE(form.GB_ShortCuts_Warning.Visible());
    EXPECT_EQ(form.GB_ShortCuts_Warning.Caption(), "Not available: Ctrl+Alt+F3");

    form.GB_ShortCuts_ClickThrough.UserSetValue(0);
    form.GB_ShortCuts_ClickThrough.UserExit();
    EXPECT_FALSE(form.GB_ShortCuts_Warning.Visible()) << "no key is no refusal";
    EXPECT_FALSE(keys.registered.contains(kHotKeyClickThrough));

    form.GB_ShortCuts_ClickThrough.UserSetValue(kCtrl | kAlt | 'Y');
    form.GB_ShortCuts_ClickThrough.UserExit();
    EXPECT_EQ(keys.registered.at(kHotKeyClickThrough), (FakeHotKeys::Key{kModAlt | kModControl, 'Y'}));
}

}  // namespace
}  // namespace vitrex::app
