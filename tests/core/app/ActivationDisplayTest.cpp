#include <gtest/gtest.h>

#include <array>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

// Which of Active, Inactive and Deactivated the left panel's state group and the tray menu show.
struct Shown {
    std::array<bool, 3> panel;
    std::array<bool, 3> tray;
    bool operator==(const Shown&) const = default;
};

Shown ShownBy(MainForm& form) {
    return {
        {form.XPBarStatus.Item(0).Visible(), form.XPBarStatus.Item(1).Visible(),
         form.XPBarStatus.Item(2).Visible()},
        {form.TrayPopup_Aktiv.Visible(), form.TrayPopup_Inaktiv.Visible(), form.TrayPopup_Deaktiv.Visible()}};
}

constexpr Shown kActive{{true, false, false}, {true, false, false}};
constexpr Shown kInactive{{false, true, false}, {false, true, false}};
constexpr Shown kDeactivated{{false, false, true}, {false, false, true}};

// Whatever way the state changes (the panel, the tray menu, the master switch, the command
// channel), both displays show one state, the same one.
TEST(ActivationDisplay, ThePanelAndTheTrayMenuAlwaysShowTheSameOneState) {
    fakes::FakePlatform platform;
    testing::SeedEarlierRun(platform.registry);
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_EQ(ShownBy(form), kInactive);

    form.XPBarStatus.Item(1).UserClick();
    EXPECT_EQ(ShownBy(form), kActive);
    form.TrayPopup_Aktiv.UserClick();
    EXPECT_EQ(ShownBy(form), kInactive);
    form.TrayPopup_Inaktiv.UserClick();
    EXPECT_EQ(ShownBy(form), kActive);
    form.RunStartCommand("CHANGESTATUS");
    EXPECT_EQ(ShownBy(form), kInactive);

    form.TAB_TPZ_CB.UserClick();
    EXPECT_EQ(ShownBy(form), kDeactivated);
    form.RunStartCommand("CHANGESTATUS");
    EXPECT_EQ(ShownBy(form), kDeactivated) << "nothing switches on without the master switch";
    form.TAB_TPZ_CB.UserClick();
    EXPECT_EQ(ShownBy(form), kInactive);
}

// A start-up that stopped before the engine was made shows deactivated whatever the switch says.
TEST(ActivationDisplay, WithoutAnEngineItShowsDeactivated) {
    fakes::FakePlatform platform;
    testing::SeedEarlierRun(platform.registry);
    platform.registry.SetValueQueryFails("Software\\Vitrex", "HideProgram", true);
    MainForm form(platform.NewRun());
    form.FormCreate();
    ASSERT_FALSE(form.ActivationAvailable());
    EXPECT_TRUE(form.TAB_TPZ_CB.Checked());
    EXPECT_EQ(ShownBy(form), kDeactivated);
}

}  // namespace
}  // namespace vitrex::app
