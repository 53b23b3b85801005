#pragma once

#include <string>

#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"
#include "core/platform/TextCollation.h"
#include "core/ui/ListControls.h"

namespace vitrex::views::exceptions {

// The dialog texts of the exceptions page, in the current language.
struct ExceptionsTexts {
    std::string AddPrograms = "Add Programms...";
    std::string ImportList = "Import List";
    std::string ExportList = "Export List";
    std::string Programs = "Programs";
    std::string ProgramLists = "Program Lists";
    std::string TextFiles = "Text Files";
    std::string AllFiles = "All Files";
    std::string EraseList = "Would you really erase the list?";
};

// "Programs|*.exe|All Files|*.*"
std::string ProgramsFilter(const ExceptionsTexts& texts);
// "Program Lists (*.lst)|*.lst|Text Files (*.txt)|*.txt|All Files|*.*"
std::string ListFilesFilter(const ExceptionsTexts& texts);

// The exceptions page: the sorted list of programs the engine leaves alone, and its buttons.
// Cancelling a dialog changes nothing. A list file that cannot be read or written throws
// FileError before the list or any file is changed.
class ExceptionsPage {
public:
    ExceptionsPage(ui::ListBox& list, Dialogs& dialogs, Files& files, TextCollation& collation)
        : list_(list), dialogs_(dialogs), files_(files), collation_(collation) {}
    ExceptionsPage(const ExceptionsPage&) = delete;
    ExceptionsPage& operator=(const ExceptionsPage&) = delete;

    // The list's order: the locale's, letter case ignored.
    void SetUpList();

    const ExceptionsTexts& Texts() const { return texts_; }
    void SetTexts(ExceptionsTexts texts) { texts_ = std::move(texts); }

    // Add: picks executables (several at once) and adds the file names not listed yet.
    void TAB_AUS_BTN_AddClick();
    // Delete: removes the selected entry, if any.
    void TAB_AUS_BTN_DeleteClick();
    // Delete All: empties the list when the user answers Yes.
    void TAB_AUS_BTN_DeleteAllClick();
    // Import: replaces the list with the lines of a list file.
    void TAB_AUS_BTN_ImportClick();
    // Export: writes the list in its order; the target's extension follows the filter left selected.
    void TAB_AUS_BTN_ExportClick();

private:
    ui::ListBox& list_;
    Dialogs& dialogs_;
    Files& files_;
    TextCollation& collation_;
    ExceptionsTexts texts_;
};

}  // namespace vitrex::views::exceptions
