// The exceptions page's buttons.

#include "core/app/MainForm.h"

namespace vitrex::app {

namespace exceptions = views::exceptions;

void MainForm::TAB_AUS_BTN_AddClick() {
    exceptions::AddProgramsClick(TAB_Ausnahmen_List, platform_.dialogs, platform_.collation, ExceptionsTexts);
}

void MainForm::TAB_AUS_BTN_DeleteClick() {
    exceptions::DeleteClick(TAB_Ausnahmen_List);
}

void MainForm::TAB_AUS_BTN_DeleteAllClick() {
    exceptions::DeleteAllClick(TAB_Ausnahmen_List, platform_.dialogs, ExceptionsTexts);
}

void MainForm::TAB_AUS_BTN_ImportClick() {
    exceptions::ImportClick(TAB_Ausnahmen_List, platform_.dialogs, platform_.files, ExceptionsTexts);
}

void MainForm::TAB_AUS_BTN_ExportClick() {
    exceptions::ExportClick(TAB_Ausnahmen_List, platform_.dialogs, platform_.files, ExceptionsTexts);
}

}  // namespace vitrex::app
