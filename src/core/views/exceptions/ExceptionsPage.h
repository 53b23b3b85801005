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

// The page's buttons. The list is the page's sorted list box; cancelling a dialog changes
// nothing. A list file that cannot be read or written throws FileError before the list or any
// file is changed.

// Add: picks executables (several at once) and adds the file names not listed yet.
void AddProgramsClick(ui::ListBox& list, Dialogs& dialogs, TextCollation& collation,
                      const ExceptionsTexts& texts);
// Delete: removes the selected entry, if any.
void DeleteClick(ui::ListBox& list);
// Delete All: empties the list when the user answers Yes.
void DeleteAllClick(ui::ListBox& list, Dialogs& dialogs, const ExceptionsTexts& texts);
// Import: replaces the list with the lines of a list file.
void ImportClick(ui::ListBox& list, Dialogs& dialogs, Files& files, const ExceptionsTexts& texts);
// Export: writes the list in its order; the target's extension follows the filter left selected.
void ExportClick(const ui::ListBox& list, Dialogs& dialogs, Files& files, const ExceptionsTexts& texts);

}  // namespace vitrex::views::exceptions
