#include <gtest/gtest.h>

#include "core/platform/Errors.h"
#include "core/views/exceptions/ExceptionsList.h"
#include "core/views/exceptions/ExceptionsPage.h"
#include "core/views/exceptions/ListFile.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"
#include "testing/FakeTextCollation.h"
#include "testing/TestCatalogue.h"

namespace vitrex::views::exceptions {
namespace {

using Entries = std::vector<std::string>;

TEST(ListFile, LinesEndAtCrLfOrCrOrLfAndAFinalBreakAddsNoEntry) {
    const Entries expected{"a.exe", "b.exe"};
    for (const char* text :
         {"a.exe\r\nb.exe\r\n", "a.exe\nb.exe\n", "a.exe\rb.exe\r", "a.exe\r\nb.exe", "a.exe\nb.exe"})
        EXPECT_EQ(ParseListText(text), expected) << text;
    EXPECT_EQ(ParseListText("a.exe\r\n\r\nb.exe\r\n"), (Entries{"a.exe", "", "b.exe"}));
    EXPECT_EQ(ParseListText("a.exe\n\r"), (Entries{"a.exe", ""}));  // LF then a lone CR: two breaks
    EXPECT_EQ(ParseListText(""), Entries{});
    EXPECT_EQ(ParseListText(std::string_view("a.exe\r\nb\0c.exe\r\n", 16)), (Entries{"a.exe", "b"}));
}

TEST(ListFile, EveryEntryIsFollowedByCrLf) {
    EXPECT_EQ(FormatListText({"a.exe", "", "b.exe"}), "a.exe\r\n\r\nb.exe\r\n");
    EXPECT_EQ(FormatListText({}), "");
}

TEST(ListFile, ExportExtensionFollowsTheFilterLeftSelected) {
    EXPECT_EQ(ExportTarget("C:\\lists\\list.txt", 1), "C:\\lists\\list.lst");
    EXPECT_EQ(ExportTarget("C:\\lists\\mylist", 1), "C:\\lists\\mylist.lst");
    EXPECT_EQ(ExportTarget("C:\\my.lists\\mylist", 2), "C:\\my.lists\\mylist.txt");
    EXPECT_EQ(ExportTarget("C:\\lists\\a.b.lst", 2), "C:\\lists\\a.b.txt");
    EXPECT_EQ(ExportTarget("C:\\lists\\mylist", 3), "C:\\lists\\mylist");
    EXPECT_EQ(ExportTarget("C:\\lists\\list.txt", 3), "C:\\lists\\list.txt");
}

struct ExceptionsButtons : ::testing::Test {
    ExceptionsButtons() { page.SetUpList(); }
    ui::ListBox list{"TAB_Ausnahmen_List", nullptr, {}};
    fakes::FakeTextCollation collation;
    fakes::FakeDialogs dialogs;
    fakes::FakeFiles files;
    i18n::Catalogue texts;
    ui::Button add{"TAB_AUS_BTN_Add", nullptr, {}}, remove{"TAB_AUS_BTN_Delete", nullptr, {}},
        removeAll{"TAB_AUS_BTN_DeleteAll", nullptr, {}}, import{"TAB_AUS_BTN_Import", nullptr, {}},
        exportList{"TAB_AUS_BTN_Export", nullptr, {}};
    ExceptionsPage page{{.TAB_Ausnahmen_List = list,
                         .TAB_AUS_BTN_Add = add,
                         .TAB_AUS_BTN_Delete = remove,
                         .TAB_AUS_BTN_DeleteAll = removeAll,
                         .TAB_AUS_BTN_Import = import,
                         .TAB_AUS_BTN_Export = exportList},
                        dialogs,
                        files,
                        collation,
                        texts};
};

TEST_F(ExceptionsButtons, AddKeepsFileNamesAndSkipsThoseListedInAnyCase) {
    list.SetItems({"App.EXE"});
    dialogs.openAnswers.push_back(Entries{"D:\\other\\app.exe", "C:\\Tools\\zip.exe", "C:\\Tools\\Calc.exe"});
    page.TAB_AUS_BTN_AddClick();
    EXPECT_EQ(list.Items(), (Entries{"App.EXE", "Calc.exe", "zip.exe"}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Add Programms...");
    EXPECT_EQ(dialogs.shown[0].options.filter, "Programs|*.exe|All Files|*.*");
    EXPECT_TRUE(dialogs.shown[0].options.multiSelect);

    page.TAB_AUS_BTN_AddClick();  // cancelled
    EXPECT_EQ(list.Items().size(), 3u);
}

TEST_F(ExceptionsButtons, MembershipIsTheWholeNameWithoutRegardToCase) {
    list.SetItems({"notepad.exe"});
    EXPECT_TRUE(ListContains(list.Items(), "NOTEPAD.EXE", collation));
    EXPECT_FALSE(ListContains(list.Items(), "notepad", collation));
    EXPECT_FALSE(ListContains(list.Items(), "C:\\Windows\\notepad.exe", collation));
    EXPECT_TRUE(RemoveName(list, "Notepad.Exe", collation));
    EXPECT_TRUE(list.Items().empty());
    EXPECT_FALSE(RemoveName(list, "notepad.exe", collation));
}

TEST_F(ExceptionsButtons, DeleteRemovesTheSelectionAndDeleteAllAsksFirst) {
    list.SetItems({"a.exe", "b.exe", "c.exe"});
    page.TAB_AUS_BTN_DeleteClick();
    EXPECT_EQ(list.Items().size(), 3u);
    list.SetSelection({1});
    page.TAB_AUS_BTN_DeleteClick();
    EXPECT_EQ(list.Items(), (Entries{"a.exe", "c.exe"}));

    dialogs.yesNoAnswers = {false, true};
    page.TAB_AUS_BTN_DeleteAllClick();
    EXPECT_EQ(list.Items().size(), 2u);
    page.TAB_AUS_BTN_DeleteAllClick();
    EXPECT_TRUE(list.Items().empty());
    EXPECT_EQ(dialogs.shown.back().text, "Would you really erase the list?");
}

TEST_F(ExceptionsButtons, ImportReplacesTheListWithTheFilesLinesInSortedOrder) {
    list.SetItems({"old.exe"});
    files.Seed("C:\\l.lst", "b.exe\nA.exe\r\n\r\nZ\xE4hler.exe");
    dialogs.openAnswers.push_back(Entries{"C:\\l.lst"});
    page.TAB_AUS_BTN_ImportClick();
    EXPECT_EQ(list.Items(), (Entries{"", "A.exe", "b.exe", "Z\xC3\xA4hler.exe"}));
    EXPECT_EQ(dialogs.shown[0].text, "Import List");
    EXPECT_EQ(dialogs.shown[0].options.filter,
              "Program Lists (*.lst)|*.lst|Text Files (*.txt)|*.txt|All Files|*.*");
    EXPECT_FALSE(dialogs.shown[0].options.multiSelect);

    files.Seed("C:\\empty.txt", "");
    dialogs.openAnswers.push_back(Entries{"C:\\empty.txt"});
    page.TAB_AUS_BTN_ImportClick();
    EXPECT_TRUE(list.Items().empty());
}

TEST_F(ExceptionsButtons, AnUnreadableFileLeavesTheListAsItWas) {
    list.SetItems({"keep.exe"});
    dialogs.openAnswers.push_back(Entries{"C:\\missing.lst"});
    EXPECT_THROW(page.TAB_AUS_BTN_ImportClick(), FileError);
    EXPECT_EQ(list.Items(), Entries{"keep.exe"});
}

TEST_F(ExceptionsButtons, ExportWritesAnsiLinesToTheNameTheFilterGives) {
    list.SetItems({"b.exe", "\xC3\xA4.exe", "A.exe"});
    dialogs.saveAnswers.push_back(SaveChoice{"C:\\out\\list.txt", 1});
    page.TAB_AUS_BTN_ExportClick();
    EXPECT_EQ(files.File("C:\\out\\list.lst"), "A.exe\r\nb.exe\r\n\xE4.exe\r\n");
    EXPECT_FALSE(files.File("C:\\out\\list.txt"));
    EXPECT_EQ(dialogs.shown[0].text, "Export List");

    list.Clear();
    dialogs.saveAnswers.push_back(SaveChoice{"C:\\out\\mylist", 3});
    page.TAB_AUS_BTN_ExportClick();
    EXPECT_EQ(files.File("C:\\out\\mylist"), "");

    files.DenyWritesUnder("C:\\locked");
    dialogs.saveAnswers.push_back(SaveChoice{"C:\\locked\\x", 1});
    EXPECT_THROW(page.TAB_AUS_BTN_ExportClick(), FileError);
}

TEST_F(ExceptionsButtons, TheDialogsSpeakTheLanguageLoadedLast) {
    texts = fakes::CatalogueFrom(
        "[TabExceptions]\nAddPrograms=Programme hinzuf\xC3\xBCgen...\nPrograms=Programme\n"
        "AllFiles=Alle Dateien\nEraseList=Liste wirklich l\xC3\xB6schen?\n");
    page.TAB_AUS_BTN_AddClick();
    page.TAB_AUS_BTN_DeleteAllClick();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "Programme hinzuf\xC3\xBCgen...");
    EXPECT_EQ(dialogs.shown[0].options.filter, "Programme|*.exe|Alle Dateien|*.*");
    EXPECT_EQ(dialogs.shown[1].text, "Liste wirklich l\xC3\xB6schen?");
}

TEST_F(ExceptionsButtons, TheEngineReadsTheListAndTheClassExceptionField) {
    ui::LabeledEdit field{"DebugClassException", nullptr, {}};
    ControlsExceptionsSource source(list, field, collation);
    list.SetItems({"Mail.exe"});
    field.SetText("Palette");
    EXPECT_TRUE(source.Contains("mail.EXE"));
    EXPECT_FALSE(source.Contains("mail"));
    EXPECT_EQ(source.ClassException(), "Palette");
}

}  // namespace
}  // namespace vitrex::views::exceptions
