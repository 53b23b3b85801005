#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/views/transparency/TransparencyPage.h"
#include "testing/FakeWindowSystem.h"
#include "testing/TestCatalogue.h"

namespace vitrex::views::levels {
namespace {

// The transparency page on a desktop with the program's own window and the taskbar.
struct TransparencyPageTest : ::testing::Test {
    fakes::FakeWindowSystem desktop;
    WindowHandle own = Add("TVTXForm");
    WindowHandle taskbar = Add("Shell_TrayWnd");

    ui::CheckBox masterSwitch{"TAB_TPZ_CB", nullptr, {}};
    ui::GroupBox activeGroup{"TAB_TPZ_GB_Active", nullptr, {}};
    ui::TrackBar activeLevel{"TAB_TPZ_TB_Active", nullptr, {}};
    ui::GroupBox inactiveGroup{"TAB_TPZ_GB_Inactive", nullptr, {}};
    ui::TrackBar inactiveLevel{"TAB_TPZ_TB_InActive", nullptr, {}};
    ui::CheckBox taskbarBox{"TAB_TPZ_TLCB", nullptr, {}};
    ui::GroupBox taskbarGroup{"TAB_TPZ_GB_TL", nullptr, {}};
    ui::TrackBar taskbarLevel{"TAB_TPZ_TB_TL", nullptr, {}};
    ui::Button reset{"TAB_TPZ_RESET", nullptr, {}};
    ui::CheckBox startActive{"GB_Start_Active", nullptr, {}};
    // How often the page asked for the state display, with the switch as it was then.
    std::vector<bool> statesShown;
    i18n::Catalogue texts;
    TransparencyPage page{{.TAB_TPZ_CB = masterSwitch,
                           .TAB_TPZ_GB_Active = activeGroup,
                           .TAB_TPZ_TB_Active = activeLevel,
                           .TAB_TPZ_GB_Inactive = inactiveGroup,
                           .TAB_TPZ_TB_InActive = inactiveLevel,
                           .TAB_TPZ_TLCB = taskbarBox,
                           .TAB_TPZ_GB_TL = taskbarGroup,
                           .TAB_TPZ_TB_TL = taskbarLevel,
                           .TAB_TPZ_RESET = reset,
                           .GB_Start_Active = startActive},
                          desktop,
                          own,
                          texts,
                          [this] { statesShown.push_back(masterSwitch.Checked()); }};

    TransparencyPageTest() {
        for (ui::TrackBar* level : {&activeLevel, &inactiveLevel, &taskbarLevel})
            level->SetRange(0, 90);
    }
    WindowHandle Add(const char* className) {
        fakes::FakeWindow window;
        window.className = className;
        return desktop.AddWindow(window);
    }
    std::optional<std::uint8_t> Alpha(WindowHandle window) { return desktop.GetLayeredAlpha(window); }
    bool Layered(WindowHandle window) { return desktop.StyleOf(window).layered; }
};

TEST_F(TransparencyPageTest, MovingALevelPreviewsItOnTheOwnWindowAndNamesItInTheCurrentLanguage) {
    texts = fakes::CatalogueFrom(
        "[TabTransparency]\nActiveWindow=Aktives Fenster\nInActiveWindows=Inaktive Fenster\n"
        "Transparency=Transparenz\n");
    activeLevel.SetPosition(30);
    page.TAB_TPZ_TB_ActiveChange();
    EXPECT_EQ(activeGroup.Caption(), "Aktives Fenster (30%)");
    EXPECT_EQ(Alpha(own), std::optional<std::uint8_t>(178));

    inactiveLevel.SetPosition(50);
    page.TAB_TPZ_TB_InActiveChange();
    EXPECT_EQ(inactiveGroup.Caption(), "Inaktive Fenster (50%)");
    EXPECT_EQ(Alpha(own), std::optional<std::uint8_t>(127));

    page.TAB_TPZ_RESETClick();
    EXPECT_EQ(Alpha(own), std::optional<std::uint8_t>(255)) << "opaque again";
    EXPECT_FALSE(Layered(taskbar)) << "the previews never touch the taskbar";

    taskbarLevel.SetPosition(20);
    page.ShowLevelCaptions();
    EXPECT_EQ(taskbarGroup.Caption(), "Transparenz (20%)");
    EXPECT_EQ(activeGroup.Caption(), "Aktives Fenster (30%)");
}

TEST_F(TransparencyPageTest, TheTaskbarTakesItsLevelAtOnceAndIsLeftOpaqueAtQuit) {
    page.LeaveTaskbarOpaque();
    EXPECT_FALSE(Layered(taskbar)) << "without the option the taskbar is not touched at quit";

    taskbarLevel.SetPosition(40);
    taskbarBox.SetChecked(true);
    page.TAB_TPZ_TLCBClick();
    EXPECT_EQ(Alpha(taskbar), std::optional<std::uint8_t>(153));
    EXPECT_TRUE(taskbarLevel.Enabled());

    taskbarLevel.SetPosition(60);
    page.TAB_TPZ_TB_TLChange();
    EXPECT_EQ(taskbarGroup.Caption(), "Transparency (60%)");
    EXPECT_EQ(Alpha(taskbar), std::optional<std::uint8_t>(102));
    EXPECT_FALSE(Layered(own));

    page.LeaveTaskbarOpaque();
    EXPECT_EQ(Alpha(taskbar), std::optional<std::uint8_t>(255));
    EXPECT_TRUE(Layered(taskbar)) << "opaque, still layered";

    taskbarBox.SetChecked(false);
    page.TAB_TPZ_TLCBClick();
    EXPECT_FALSE(Layered(taskbar));
    EXPECT_FALSE(taskbarLevel.Enabled());

    desktop.RemoveWindow(taskbar);
    taskbarBox.SetChecked(true);
    EXPECT_NO_THROW(page.TAB_TPZ_TLCBClick()) << "a desktop without a taskbar";
}

TEST_F(TransparencyPageTest, TheMasterSwitchShowsDeactivatedOrInactive) {
    startActive.SetChecked(true);
    page.TAB_TPZ_CBClick();
    EXPECT_FALSE(startActive.Checked()) << "nothing can start active without the switch";
    EXPECT_FALSE(startActive.Enabled());
    EXPECT_FALSE(activeLevel.Enabled());
    EXPECT_FALSE(inactiveLevel.Enabled());
    EXPECT_EQ(statesShown, std::vector<bool>{false}) << "the state display follows the switch";

    masterSwitch.SetChecked(true);
    page.TAB_TPZ_CBClick();
    EXPECT_FALSE(startActive.Checked());
    EXPECT_TRUE(startActive.Enabled());
    EXPECT_TRUE(activeLevel.Enabled());
    EXPECT_EQ(statesShown, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace vitrex::views::levels
