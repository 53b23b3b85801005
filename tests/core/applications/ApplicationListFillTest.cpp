#include "ApplicationsDesktop.h"

namespace vitrex::views::applications {
namespace {

using ApplicationFill = testing::ApplicationsDesktop;
using testing::Dot;

TEST_F(ApplicationFill, ListsVisibleTitledWindowsFrontToBackAndSkipsTheShellAndThisProgram) {
    fakes::Open(desktop, processes, {.title = "Taskbar with a title", .className = "Shell_TrayWnd"});
    fakes::Open(desktop, processes, {.title = "Program Manager", .className = "ProgMan"});
    const WindowHandle otherProgMan =
        fakes::Open(desktop, processes, {.title = "Not the program manager", .className = "ProgMan"});
    ownWindow = Open("Vitrex", "vitrex.exe", 5);
    const WindowHandle hidden = Open("Hidden", "app.exe", 7);
    W(hidden).visible = false;
    Open("  \t ", "app.exe", 7);
    Open("", "app.exe", 7);
    const WindowHandle padded = Open(" Editor ", "editor.exe", 20);
    const WindowHandle orphan = Open("Orphan", "", 99);

    page.ReloadApplicationList();

    EXPECT_EQ(Titles(), (std::vector<std::string>{"Orphan", " Editor ", "Not the program manager"}))
        << "front to back; blanks around a word are kept";
    const ui::ListRow& row = list.Rows()[RowOf(padded)];
    EXPECT_EQ(row.cells, (std::vector<std::string>{" Editor ", std::to_string(padded), "20", "editor.exe"}));
    EXPECT_EQ(list.Rows()[RowOf(orphan)].cells[kColumnProcess], "") << "a process that is not listed";
    EXPECT_EQ(RowOf(otherProgMan), 1 + RowOf(padded));
}

TEST_F(ApplicationFill, HandlesAreUnsignedDecimalAndTitlesAreWholeHoweverLong) {
    const std::string longTitle(300, 'x');
    const WindowHandle window = Open(longTitle, "app.exe", 4000000000u);
    page.ReloadApplicationList();
    ASSERT_EQ(list.Rows().size(), 1u);
    EXPECT_EQ(list.Rows()[0].cells[kColumnWindow].size(), 300u);
    EXPECT_EQ(list.Rows()[0].cells[kColumnHandle], std::to_string(window));
    EXPECT_EQ(list.Rows()[0].cells[kColumnPid], "4000000000");
}

TEST_F(ApplicationFill, IconsComeFromTheClassThenTheSmallThenTheBigIconAndAWindowMayHaveNone) {
    const WindowHandle bigOnly = Open("Big only", "a.exe", 1);
    W(bigOnly).bigIcon = Dot(0xFF0000FF);
    const WindowHandle none = Open("No icon", "a.exe", 1);
    const WindowHandle small = Open("Small", "a.exe", 1);
    W(small).smallIcon = Dot(0xFF00FF00);
    W(small).bigIcon = Dot(0xFF0000FF);
    const WindowHandle classIcon = Open("Class", "a.exe", 1);
    W(classIcon).classSmallIcon = Dot(0xFFFF0000);
    W(classIcon).smallIcon = Dot(0xFF00FF00);

    page.ReloadApplicationList();

    ASSERT_EQ(images.Images().size(), 3u) << "one picture per window that has an icon";
    const auto pictureOf = [&](WindowHandle window) {
        const int index = list.Rows()[RowOf(window)].imageIndex;
        return index < 0 ? 0u : images.Images().at(index).pixels[0];
    };
    EXPECT_EQ(pictureOf(classIcon), 0xFFFF0000u);
    EXPECT_EQ(pictureOf(small), 0xFF00FF00u);
    EXPECT_EQ(pictureOf(bigOnly), 0xFF0000FFu);
    EXPECT_EQ(list.Rows()[RowOf(none)].imageIndex, -1);

    // The pictures are rebuilt with the rows.
    desktop.RemoveWindow(classIcon);
    page.ReloadApplicationList();
    EXPECT_EQ(images.Images().size(), 2u);
}

TEST_F(ApplicationFill, AHungProgramCostsOneBoundedWaitAndItsWindowsAreListedWithoutIcons) {
    const WindowHandle first = Open("Hung one", "hung.exe", 3, 30);
    const WindowHandle second = Open("Hung two", "hung.exe", 3, 30);
    const WindowHandle painted = Open("Hung with class icon", "hung.exe", 3, 30);
    for (WindowHandle window : {first, second, painted}) {
        W(window).hung = true;
        W(window).smallIcon = Dot(0xFF00FF00);
    }
    W(painted).classSmallIcon = Dot(0xFFFF0000);
    const WindowHandle other = Open("Answers", "app.exe", 4);
    W(other).smallIcon = Dot(0xFF0000FF);

    page.ReloadApplicationList();

    EXPECT_EQ(desktop.IconWaitMs(), kIconWaitMs) << "the second window of the silent thread is not asked";
    EXPECT_EQ(list.Rows().size(), 4u);
    EXPECT_EQ(list.Rows()[RowOf(first)].imageIndex, -1);
    EXPECT_EQ(list.Rows()[RowOf(second)].imageIndex, -1);
    EXPECT_GE(list.Rows()[RowOf(painted)].imageIndex, 0) << "the class icon needs no answer";
    EXPECT_GE(list.Rows()[RowOf(other)].imageIndex, 0);
}

TEST_F(ApplicationFill, ReadsTheProcessListOncePerFill) {
    for (std::uint32_t pid = 1; pid <= 5; ++pid)
        Open("Window " + std::to_string(pid), "p" + std::to_string(pid) + ".exe", pid);
    const int before = processes.ProcessSnapshots();
    page.ReloadApplicationList();
    EXPECT_EQ(processes.ProcessSnapshots(), before + 1);
    EXPECT_EQ(list.Rows()[0].cells[kColumnProcess], "p5.exe");

    // A program started since is named at the next fill.
    Open("Late", "late.exe", 6);
    page.ReloadApplicationList();
    EXPECT_EQ(list.Rows()[0].cells[kColumnProcess], "late.exe");
}

TEST_F(ApplicationFill, EveryRowOfAnExceptedProgramCarriesTheMarkOnItsProcessCell) {
    const WindowHandle editor1 = Open("Editor 1", "editor.exe", 20);
    W(editor1).smallIcon = Dot(0xFF00FF00);
    const WindowHandle browser = Open("Browser", "browser.exe", 30);
    const WindowHandle editor2 = Open("Editor 2", "editor.exe", 20);
    exceptionsList.AddItem("EDITOR.EXE");

    page.ReloadApplicationList();

    EXPECT_TRUE(Marked(editor1));
    EXPECT_TRUE(Marked(editor2));
    EXPECT_FALSE(Marked(browser));
    // The mark is a picture of its own, not the first window's icon.
    const int mark = list.Rows()[RowOf(editor1)].CellImage(kColumnProcess);
    EXPECT_NE(mark, list.Rows()[RowOf(editor1)].imageIndex);
    EXPECT_EQ(images.Images().at(mark).width, images.Width());
    EXPECT_EQ(list.Rows()[RowOf(editor2)].CellImage(kColumnWindow), -1) << "only the Process cell";
}

TEST_F(ApplicationFill, TheListsColumnsAreSetUpWithTheCentredProcessIdAndMovableHeaders) {
    ASSERT_EQ(list.Columns().size(), 4u);
    EXPECT_EQ(list.Columns()[kColumnPid].alignment, ui::ColumnAlignment::Center);
    EXPECT_EQ(list.Columns()[kColumnWindow].width, 150);
    EXPECT_EQ(list.Columns()[kColumnProcess].caption, "Process");
    EXPECT_TRUE(list.ColumnsMovable());
    EXPECT_EQ(list.SmallImages(), &images);
    EXPECT_EQ(list.ContextMenu(), &popup);
}

TEST(ExceptionMark, IsARoundRedMarkWithTransparentCorners) {
    const imaging::Bitmap mark = ExceptionMarkPicture(16);
    ASSERT_EQ(mark.pixels.size(), 256u);
    EXPECT_EQ(mark.At(0, 0) >> 24, 0u);
    EXPECT_EQ(mark.At(8, 2), 0xFFD42A2Au);
    EXPECT_EQ(mark.At(8, 8), 0xFFFFFFFFu) << "the bar across the middle";
}

TEST(BlankTitle, OnlyBlanksAndControlCharactersAreBlank) {
    EXPECT_TRUE(IsBlankTitle(""));
    EXPECT_TRUE(IsBlankTitle(" \t\r\n\x01"));
    EXPECT_FALSE(IsBlankTitle(" a "));
    EXPECT_FALSE(IsBlankTitle("\xC2\xA0")) << "a non-breaking space is a character like any other";
}

}  // namespace
}  // namespace vitrex::views::applications
