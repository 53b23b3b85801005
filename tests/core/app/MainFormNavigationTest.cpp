#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "core/app/MainForm.h"
#include "testing/FakePlatform.h"

namespace vitrex::app {
namespace {

std::vector<int> VisibleTabs(const MainForm& form) {
    return form.Pages.VisibleTabs();
}

TEST(MainFormLayout, StartsWithOnlyTheGeneralTabAndHiddenStateItems) {
    fakes::FakePlatform platform;
    MainForm form(platform.NewRun());
    EXPECT_EQ(VisibleTabs(form), std::vector<int>{kPageGeneral});
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageGeneral);
    EXPECT_EQ(form.Pages.PageCount(), 10);
    for (int i = 0; i < form.XPBarStatus.ItemCount(); ++i)
        EXPECT_FALSE(form.XPBarStatus.Item(i).Visible());
    EXPECT_FALSE(form.Visible()) << "start-up alone decides whether the window shows";
    EXPECT_EQ(form.Caption(), "Vitrex");
    EXPECT_EQ(form.ClientWidth(), 531);
    EXPECT_EQ(form.ClientHeight(), 333);
    EXPECT_EQ(form.WelcomePayPal.Picture().width, 220)
        << "the donation badge is decoded for the welcome page";
    EXPECT_EQ(form.Image1.Picture().height, 80);
}

// Every control must lie inside its parent, and the siblings of one parent must not overlap,
// except where one is meant to cover the others (the help box, the wait panel, the cancel button,
// the failed download's message in the progress's place).
void ExpectTidy(const ui::Widget& parent, const std::set<std::string>& overlays) {
    const auto& kids = parent.Children();
    for (const ui::Widget* child : kids) {
        if (child->Kind() == ui::WidgetKind::TabSheet) {
            ExpectTidy(*child, overlays);
            continue;
        }
        const ui::Rect r = child->Bounds();
        if (parent.Kind() != ui::WidgetKind::PageControl && parent.Kind() != ui::WidgetKind::TabSheet) {
            EXPECT_GE(r.x, 0) << child->Name();
            EXPECT_GE(r.y, 0) << child->Name();
            EXPECT_LE(r.x + r.width, parent.Bounds().width) << child->Name() << " leaves " << parent.Name();
            EXPECT_LE(r.y + r.height, parent.Bounds().height) << child->Name() << " leaves " << parent.Name();
        } else {
            // A page's area is what the tab control leaves of its bounds (about 372 x 292).
            EXPECT_LE(r.x + r.width, 372) << child->Name();
            EXPECT_LE(r.y + r.height, 292) << child->Name();
        }
        for (const ui::Widget* other : kids) {
            if (other == child || overlays.contains(child->Name()) || overlays.contains(other->Name()))
                continue;
            const ui::Rect o = other->Bounds();
            const bool apart = r.x + r.width <= o.x || o.x + o.width <= r.x || r.y + r.height <= o.y ||
                               o.y + o.height <= r.y;
            EXPECT_TRUE(apart) << child->Name() << " overlaps " << other->Name();
        }
        ExpectTidy(*child, overlays);
    }
}

TEST(MainFormLayout, ControlsStayInsideTheirParentsAndDoNotOverlap) {
    fakes::FakePlatform platform;
    MainForm form(platform.NewRun());
    // Every row of the about page in its place: a hidden row gives its place to the next one.
    form.TINFO_Label3.SetVisible(true);
    form.TINFO_LabelDatum.SetVisible(true);
    ExpectTidy(form, {"GB_ShortCuts_HelpWin", "TAB_U_WaitPanel", "TAB_U_AbbrechenBTN", "TAB_U_UpdateBTN",
                      "TAB_U_ErrorLabel", "WebBrowserMessage"});
}

// The shipped German file moves nothing out of place: its date row shows, and the rows below it
// make room.
TEST(MainFormLayout, WithTheGermanCaptionsTooNothingLeavesItsParentOrOverlaps) {
    fakes::FakePlatform platform;
    std::ifstream in(std::string(VITREX_LANGUAGES_DIR) + "/de.ini", std::ios::binary);
    platform.files.Seed("C:\\Program Files\\Vitrex\\languages\\de.ini",
                        std::string(std::istreambuf_iterator<char>(in), {}));
    MainForm form(platform.NewRun());
    form.LoadLanguage("de");
    ASSERT_EQ(form.TabAllgemein.Caption(), "Allgemein");
    EXPECT_TRUE(form.TINFO_LabelDatum.Visible());
    ExpectTidy(form, {"GB_ShortCuts_HelpWin", "TAB_U_WaitPanel", "TAB_U_AbbrechenBTN", "TAB_U_UpdateBTN",
                      "TAB_U_ErrorLabel", "WebBrowserMessage"});
}

TEST(MainFormLayout, TheAboutPageLeavesNoGapWhereTheHiddenDateRowWould) {
    fakes::FakePlatform platform;
    MainForm form(platform.NewRun());
    form.FormCreate();
    ASSERT_FALSE(form.TINFO_LabelDatum.Visible());
    EXPECT_EQ(form.TINFO_Label4.Bounds().y, form.TINFO_Label3.Bounds().y) << "the homepage row moved up";
    EXPECT_EQ(form.TINFO_LabelHomepage.Bounds().y, form.TINFO_Label4.Bounds().y);
    const int donateHidden = form.TINFO_LabelDonate.Bounds().y;

    form.TINFO_Label3.SetVisible(true);
    form.TINFO_LabelDatum.SetVisible(true);
    EXPECT_EQ(form.TINFO_Label4.Bounds().y, form.TINFO_Label3.Bounds().y + 24) << "and back below the date";
    EXPECT_EQ(form.TINFO_LabelDonate.Bounds().y, donateHidden + 24);
    ExpectTidy(form.TabUeber, {});
}

TEST(MainFormNavigation, EveryPanelItemLeavesExactlyOneTabTheOneOnDisplay) {
    fakes::FakePlatform platform;
    MainForm form(platform.NewRun());
    struct Step {
        ui::TaskItem& item;
        int page;
    };
    const Step steps[] = {
        {form.XPBarConfig.Item(1), kPageTransparency}, {form.XPBarConfig.Item(2), kPageExceptions},
        {form.XPBarConfig.Item(3), kPageApplications}, {form.XPBarVTX.Item(0), kPageAbout},
        {form.XPBarVTX.Item(1), kPageUpdate},          {form.XPBarVTX.Item(2), kPageBugReport},
        {form.XPBarVTX.Item(3), kPageHomepage},        {form.XPBarConfig.Item(0), kPageGeneral},
    };
    for (const Step& step : steps) {
        step.item.UserClick();
        EXPECT_EQ(form.Pages.ActivePageIndex(), step.page);
        EXPECT_EQ(VisibleTabs(form), std::vector<int>{step.page});
    }
}

TEST(MainFormNavigation, DeactivatedItemLeadsToTheMasterSwitchAndWelcomeOkToGeneral) {
    fakes::FakePlatform platform;
    MainForm form(platform.NewRun());
    form.XPBarStatus.Item(2).SetVisible(true);
    form.XPBarStatus.Item(2).UserClick();
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageTransparency);

    form.ShowPage(kPageWelcome);
    form.WelcomeOKBtn.UserClick();
    EXPECT_EQ(VisibleTabs(form), std::vector<int>{kPageGeneral});
}

TEST(MainFormNavigation, ShowPageLeavesOnlyItsOwnTabWhateverWasVisibleBefore) {
    fakes::FakePlatform platform;
    MainForm form(platform.NewRun());
    form.ShowPage(kPageDebug);
    form.Pages.Page(kPageTransparency).SetTabVisible(true);  // a second tab, however it came
    form.ShowPage(kPageAbout);
    EXPECT_EQ(VisibleTabs(form), std::vector<int>{kPageAbout});
    EXPECT_FALSE(form.ShowPage(10));
    EXPECT_FALSE(form.ShowPage(-1));
    EXPECT_EQ(form.Pages.ActivePageIndex(), kPageAbout);
}

TEST(MainFormClose, ClosingHidesUnlessAQuitWasRequested) {
    fakes::FakePlatform platform;
    MainForm form(platform.NewRun());
    form.SetVisible(true);
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Terminated()) << "the program goes on in the notification area";

    EXPECT_FALSE(form.QuitRequested());
    form.RequestQuit();
    EXPECT_TRUE(form.QuitRequested());
    EXPECT_TRUE(form.Closed());
    EXPECT_TRUE(form.Terminated());
}

// Every button, box and slider of the window runs a handler once start-up is done: the pages'
// presenters attach their own, so a control left out of its page's wiring shows here.
TEST(MainFormWiring, EveryButtonBoxAndSliderRunsAHandlerAfterStartUp) {
    fakes::FakePlatform platform;
    MainForm form(platform.NewRun());
    form.FormCreate();
    std::vector<std::string> silent;
    std::vector<const ui::Widget*> pending{&form};
    while (!pending.empty()) {
        const ui::Widget* widget = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), widget->Children().begin(), widget->Children().end());
        bool handled = true;
        if (const auto* button = dynamic_cast<const ui::Button*>(widget)) handled = bool(button->OnClick);
        if (const auto* box = dynamic_cast<const ui::CheckControl*>(widget)) handled = bool(box->OnClick);
        if (const auto* slider = dynamic_cast<const ui::TrackBar*>(widget)) handled = bool(slider->OnChange);
        if (!handled) silent.push_back(widget->Name());
    }
    std::sort(silent.begin(), silent.end());
    // The options that are read when they apply (at a tick, at start-up, at the close) and do
    // nothing when clicked.
    EXPECT_EQ(silent, (std::vector<std::string>{"GB_Start_Active", "GB_Start_AutoStart", "GB_Start_CUpdate",
                                                "GB_Start_Hide", "GB_Transparenz_All", "GB_Transparenz_One",
                                                "TAB_TPZ_FullScreenCB"}));
}

}  // namespace
}  // namespace vitrex::app
