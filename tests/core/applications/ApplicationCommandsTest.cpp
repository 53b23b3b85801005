#include "ApplicationsDesktop.h"
#include "core/transparency/Engine.h"

namespace vitrex::views::applications {
namespace {

using ApplicationCommands = testing::ApplicationsDesktop;

TEST_F(ApplicationCommands, WithoutAChosenRowTheMenuOffersOnlyReload) {
    Open("Editor", "editor.exe", 20);
    page.ReloadApplicationList();
    EXPECT_EQ(ShownItems(), (std::vector<std::string>{"PMReload"}));

    list.UserSelect(0);
    EXPECT_EQ(ShownItems().size(), popup.Items().size()) << "a chosen row shows every item";
    list.UserSelect(-1);
    EXPECT_EQ(ShownItems(), (std::vector<std::string>{"PMReload"})) << "a click beside the rows";
}

TEST_F(ApplicationCommands, MaximizeIsOfferedOnlyForAWindowThatIsNotMaximised) {
    const WindowHandle editor = Open("Editor", "editor.exe", 20);
    Choose(editor);
    ShownItems();
    EXPECT_TRUE(menu.PMMaximize.Enabled());
    W(editor).zoomed = true;
    ShownItems();
    EXPECT_FALSE(menu.PMMaximize.Enabled());
}

TEST_F(ApplicationCommands, ExceptionIsCheckedForMarkedRowsAndUnavailableWithoutAProgramName) {
    const WindowHandle editor = Open("Editor", "editor.exe", 20);
    const WindowHandle orphan = Open("Orphan", "", 99);
    exceptionsList.AddItem("editor.exe");
    Choose(editor);
    ShownItems();
    EXPECT_TRUE(menu.PMAusnahme.Checked());
    EXPECT_TRUE(menu.PMAusnahme.Enabled());

    Choose(orphan);
    ShownItems();
    EXPECT_FALSE(menu.PMAusnahme.Checked());
    EXPECT_FALSE(menu.PMAusnahme.Enabled());
    menu.PMAusnahme.OnClick();
    EXPECT_EQ(exceptionsList.Items(), (std::vector<std::string>{"editor.exe"})) << "no empty entry";
}

TEST_F(ApplicationCommands, WindowCommandsArePostedAndOnlyCloseRefillsTheList) {
    const WindowHandle editor = Open("Editor", "editor.exe", 20);
    Choose(editor);
    const int fills = desktop.Enumerations();
    menu.PMRestore.UserClick();
    menu.PMMinimize.UserClick();
    menu.PMMaximize.UserClick();
    EXPECT_EQ(W(editor).systemCommands,
              (std::vector<SystemCommand>{SystemCommand::Restore, SystemCommand::Minimize,
                                          SystemCommand::Maximize}));
    EXPECT_EQ(desktop.Enumerations(), fills);

    // The window asks its user first: it is still listed after the refill.
    menu.PMClose.UserClick();
    EXPECT_EQ(W(editor).systemCommands.back(), SystemCommand::Close);
    EXPECT_EQ(desktop.Enumerations(), fills + 1);
    EXPECT_EQ(RowOf(editor), 0);
    EXPECT_EQ(list.ItemIndex(), -1) << "the refill leaves no row chosen";
}

TEST_F(ApplicationCommands, TransparencyItemsSetTheWindowsLevelWithoutRefillingOrTouchingTheExceptions) {
    const WindowHandle editor = Open("Editor", "editor.exe", 20);
    Choose(editor);
    const int fills = desktop.Enumerations();
    menu.PM50.UserClick();
    EXPECT_EQ(desktop.GetLayeredAlpha(editor), std::optional<std::uint8_t>(127));
    menu.PM90.UserClick();
    EXPECT_EQ(desktop.GetLayeredAlpha(editor), std::optional<std::uint8_t>(25));
    menu.PM0.UserClick();
    EXPECT_EQ(desktop.GetLayeredAlpha(editor), std::optional<std::uint8_t>(255));
    menu.PMNo.UserClick();
    EXPECT_FALSE(desktop.StyleOf(editor).layered);
    EXPECT_EQ(desktop.Enumerations(), fills);
    EXPECT_TRUE(exceptionsList.Items().empty());
    EXPECT_EQ(list.ItemIndex(), 0);

    ASSERT_EQ(menu.Levels().size(), 12u);
    // Keyed by the first digit, but for 15 % and 50 %, whose digits the others take.
    for (const auto& [item, percent] : menu.Levels()) {
        const bool keyed = percent != 15 && percent != 50;
        EXPECT_EQ(item->Caption(), (keyed ? "&" : "") + std::to_string(percent) + "%");
    }
}

TEST_F(ApplicationCommands, AlwaysOnTopSetsAndClearsTheTopmostStyle) {
    const WindowHandle editor = Open("Editor", "editor.exe", 20);
    Choose(editor);
    menu.PM_AOT_True.UserClick();
    EXPECT_TRUE(desktop.StyleOf(editor).topmost);
    menu.PM_AOT_False.UserClick();
    EXPECT_FALSE(desktop.StyleOf(editor).topmost);
}

TEST_F(ApplicationCommands, RenameOffersTheTitleAndAnEmptyNameDropsTheRow) {
    const WindowHandle editor = Open(" Editor ", "editor.exe", 20);
    Choose(editor);
    dialogs.inputAnswers.push_back(std::nullopt);
    menu.PMFensterumbennen.UserClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Rename Window");
    EXPECT_EQ(W(editor).title, " Editor ") << "cancel changes nothing";

    dialogs.inputAnswers.push_back("Notes");
    list.UserSelect(RowOf(editor));
    menu.PMFensterumbennen.UserClick();
    EXPECT_EQ(W(editor).title, "Notes");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Notes"}));

    dialogs.inputAnswers.push_back("");
    list.UserSelect(RowOf(editor));
    menu.PMFensterumbennen.UserClick();
    EXPECT_EQ(W(editor).title, "");
    EXPECT_EQ(RowOf(editor), -1);
}

TEST_F(ApplicationCommands, CommandsOnAWindowThatHasGoneChangeNothing) {
    const WindowHandle editor = Open("Editor", "editor.exe", 20);
    const WindowHandle other = Open("Other", "other.exe", 30);
    Choose(editor);
    desktop.RemoveWindow(editor);
    dialogs.inputAnswers.push_back("New");
    for (ui::MenuItem* item :
         {&menu.PMRestore, &menu.PM50, &menu.PMNo, &menu.PM_AOT_True, &menu.PMFensterumbennen})
        item->UserClick();
    EXPECT_EQ(W(other).exStyle, 0u);
    EXPECT_EQ(W(other).title, "Other");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Other"}));
}

TEST_F(ApplicationCommands, ExceptionTogglesTheProgramForAllItsRowsAfterTheRefill) {
    const WindowHandle editor1 = Open("Editor 1", "editor.exe", 20);
    const WindowHandle editor2 = Open("Editor 2", "editor.exe", 20);
    exceptionsList.AddItem("browser.exe");
    exceptionsList.AddItem("EDITOR.EXE");
    Choose(editor1);
    ASSERT_TRUE(Marked(editor1) && Marked(editor2));

    popup.UserPopup();
    menu.PMAusnahme.UserClick();
    EXPECT_EQ(exceptionsList.Items(), (std::vector<std::string>{"browser.exe"}));
    EXPECT_FALSE(Marked(editor1));
    EXPECT_FALSE(Marked(editor2));

    list.UserSelect(RowOf(editor2));
    popup.UserPopup();
    menu.PMAusnahme.UserClick();
    EXPECT_EQ(exceptionsList.Items(), (std::vector<std::string>{"browser.exe", "editor.exe"}));
    EXPECT_TRUE(Marked(editor1));
}

TEST_F(ApplicationCommands, ExceptionPausesARunningEngineSoEveryWindowIsJudgedAfresh) {
    const WindowHandle editor = Open("Editor", "editor.exe", 20);
    const WindowHandle browser = Open("Browser", "browser.exe", 30);
    transparency::Engine engine(desktop, eligibility);
    const transparency::EngineSettings levels{10, 50, false};
    bool running = true;
    std::vector<std::string> calls;
    engineSwitch = {[&] { return running; },
                    [&](bool active) {
                        calls.push_back((active ? "on with " : "off with ") +
                                        std::to_string(exceptionsList.Items().size()));
                        running = active;
                        if (!active) engine.SwitchOff();
                    }};
    desktop.SetForeground(browser);
    engine.Tick(levels);
    ASSERT_EQ(desktop.GetLayeredAlpha(editor), std::optional<std::uint8_t>(127));

    Choose(editor);
    menu.PMAusnahme.UserClick();
    EXPECT_EQ(calls, (std::vector<std::string>{"off with 0", "on with 1"}));
    engine.Tick(levels);
    EXPECT_FALSE(desktop.StyleOf(editor).layered) << "the excepted program stays opaque";
    EXPECT_EQ(desktop.GetLayeredAlpha(browser), std::optional<std::uint8_t>(229)) << "met again as new";

    // With the engine off the list changes and the engine stays off.
    running = false;
    calls.clear();
    list.UserSelect(RowOf(editor));
    menu.PMAusnahme.UserClick();
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(exceptionsList.Items().empty());
}

}  // namespace
}  // namespace vitrex::views::applications
