#pragma once

#include <string>

#include "core/i18n/Catalogue.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"
#include "core/platform/TextCollation.h"
#include "core/ui/Controls.h"
#include "core/ui/ListControls.h"

namespace vitrex::views::exceptions {

// "Programs|*.exe|All Files|*.*"
std::string ProgramsFilter(const i18n::Catalogue& texts);
// "Program Lists (*.lst)|*.lst|Text Files (*.txt)|*.txt|All Files|*.*"
std::string ListFilesFilter(const i18n::Catalogue& texts);

// The controls of the exceptions page the presenter works on: the list and its buttons.
struct ExceptionsControls {
    ui::ListBox& TAB_Ausnahmen_List;
    ui::Button& TAB_AUS_BTN_Add;
    ui::Button& TAB_AUS_BTN_Delete;
    ui::Button& TAB_AUS_BTN_DeleteAll;
    ui::Button& TAB_AUS_BTN_Import;
    ui::Button& TAB_AUS_BTN_Export;
};

// The exceptions page: the sorted list of programs the engine leaves alone, and its buttons.
// Cancelling a dialog changes nothing. A list file that cannot be read or written throws
// FileError before the list or any file is changed.
class ExceptionsPage {
public:
    // `texts` are the current language's, which must outlive the page.
    ExceptionsPage(ExceptionsControls controls, Dialogs& dialogs, Files& files, TextCollation& collation,
                   const i18n::Catalogue& texts)
        : c_(controls),
          list_(controls.TAB_Ausnahmen_List),
          dialogs_(dialogs),
          files_(files),
          collation_(collation),
          texts_(texts) {}
    ExceptionsPage(const ExceptionsPage&) = delete;
    ExceptionsPage& operator=(const ExceptionsPage&) = delete;

    // The list's order: the locale's, letter case ignored.
    void SetUpList();

    // Runs the handlers below on its controls' events.
    void AttachHandlers();
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
    ExceptionsControls c_;
    ui::ListBox& list_;
    Dialogs& dialogs_;
    Files& files_;
    TextCollation& collation_;
    const i18n::Catalogue& texts_;
};

}  // namespace vitrex::views::exceptions
