#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EarlierRun.h"
#include "core/app/MainForm.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

using fakes::FakeRegistryValue;

constexpr const char* kKey = "Software\\Vitrex";

struct CpuAndTray : ::testing::Test {
    fakes::FakePlatform platform;
    void Seed(const char* name, std::uint32_t value) {
        if (!platform.registry.Value(kKey, "ApplicationCommand")) testing::SeedEarlierRun(platform.registry);
        platform.registry.Seed(kKey, name, FakeRegistryValue::Dword(value));
    }
};

TEST_F(CpuAndTray, TheTickWritesTheLoadIntoTheTitleAndTheGauge) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_TRUE(form.Tray.IconVisible());
    EXPECT_FALSE(form.Tray2.IconVisible());
    EXPECT_EQ(form.Tray.IconIndex(), 0);
    EXPECT_EQ(form.Tray.Hint(), "Vitrex");

    platform.cpu.Publish(37.5f);
    form.CPU_Timer.Tick();
    EXPECT_EQ(form.Caption(), "Vitrex (CPU Usage: 38%)");
    EXPECT_EQ(form.Tray.Hint(), "Vitrex (CPU Usage: 38%)");
    EXPECT_EQ(form.Tray.IconIndex(), 5);
    platform.cpu.Publish(100.5f);
    form.CPU_Timer.Tick();
    EXPECT_EQ(form.Tray.IconIndex(), 14);
}

TEST_F(CpuAndTray, TheSliderSetsTheIntervalAndSwitchingOffFallsBackToTheLogo) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    form.GB_CPU_TB.UserSetPosition(30);
    EXPECT_EQ(form.CPU_Timer.IntervalMs(), 3000);
    form.CPU_Timer.Tick();
    form.GB_CPU_CB.UserClick();
    EXPECT_FALSE(form.CPU_Timer.Enabled());
    EXPECT_EQ(form.Caption(), "Vitrex");
    EXPECT_TRUE(form.GB_STRAY_RB2.Checked());
    EXPECT_TRUE(form.Tray2.IconVisible());
    EXPECT_FALSE(form.Tray.IconVisible());
    EXPECT_FALSE(form.GB_STRAY_RB1.Enabled());
    form.GB_CPU_CB.UserClick();
    EXPECT_TRUE(form.GB_STRAY_RB1.Enabled());
    EXPECT_TRUE(form.GB_STRAY_RB2.Checked()) << "switching the read-out on keeps the mode";
}

TEST_F(CpuAndTray, StartingWithoutTheReadOutStillShowsTheEmptyGauge) {
    Seed("CPU", 0);
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_FALSE(form.GB_STRAY_RB1.Enabled());
    EXPECT_TRUE(form.GB_STRAY_RB1.Checked());
    EXPECT_TRUE(form.Tray.IconVisible());
    EXPECT_EQ(form.Tray.IconIndex(), 0);
    EXPECT_EQ(form.Tray.Hint(), "Vitrex");
    EXPECT_FALSE(form.CPU_Timer.Enabled());
}

// A shell that lays its icons out in a row must never see both at once: the arriving icon would
// move into the leaving one's place.
TEST_F(CpuAndTray, SwitchingModesTakesTheOldIconAwayBeforeTheNewOneComes) {
    MainForm form(platform.NewRun());
    form.FormCreate();
    if (!form.GB_CPU_CB.Checked()) form.GB_CPU_CB.UserClick();
    std::vector<std::string> order;
    for (ui::TrayIcon* icon : {&form.Tray, &form.Tray2}) {
        icon->SetObserver([&order](ui::TrayIcon& changed, ui::TrayChange change) {
            if (change == ui::TrayChange::Visible)
                order.push_back(changed.Name() + (changed.IconVisible() ? " shown" : " hidden"));
        });
    }
    form.GB_STRAY_RB1.UserClick();
    order.clear();
    form.GB_STRAY_RB2.UserClick();
    form.GB_STRAY_RB1.UserClick();
    EXPECT_EQ(order, (std::vector<std::string>{"Tray hidden", "Tray2 shown", "Tray2 hidden", "Tray shown"}));
    form.GB_CPU_CB.UserClick();  // the read-out off: back to the logo
    EXPECT_EQ(order.back(), "Tray2 shown");
    EXPECT_EQ(order[order.size() - 2], "Tray hidden");
}

TEST_F(CpuAndTray, AnUnknownModeShowsNoIconAndDoubleClicksBringTheWindow) {
    Seed("SYSTRAY", 7);
    MainForm form(platform.NewRun());
    form.FormCreate();
    EXPECT_FALSE(form.Tray.IconVisible());
    EXPECT_FALSE(form.Tray2.IconVisible());
    form.GB_STRAY_RB2.UserClick();
    EXPECT_TRUE(form.Tray2.IconVisible());
    EXPECT_FALSE(form.Visible());
    form.Tray2.UserDblClick();
    EXPECT_TRUE(form.Visible());
}

}  // namespace
}  // namespace vitrex::app
