#include "core/views/exceptions/ExceptionsPage.h"

#include <optional>
#include <vector>

#include "core/views/exceptions/ExceptionsList.h"
#include "core/views/exceptions/ListFile.h"

namespace vitrex::views::exceptions {

std::string ProgramsFilter(const i18n::Catalogue& texts) {
    return texts.Text("TabExceptions", "Programs") + "|*.exe|" + texts.Text("TabExceptions", "AllFiles") +
           "|*.*";
}

std::string ListFilesFilter(const i18n::Catalogue& texts) {
    return texts.Text("TabExceptions", "ProgramLists") + " (*.lst)|*.lst|" +
           texts.Text("TabExceptions", "TextFiles") + " (*.txt)|*.txt|" +
           texts.Text("TabExceptions", "AllFiles") + "|*.*";
}

void ExceptionsPage::SetUpList() {
    list_.SetSorted(LocaleCollation(collation_));
}

void ExceptionsPage::TAB_AUS_BTN_AddClick() {
    const std::optional<std::vector<std::string>> picked =
        dialogs_.OpenFiles({texts_.Text("TabExceptions", "AddPrograms"), ProgramsFilter(texts_), true, {}});
    if (!picked) return;
    std::vector<std::string> names;
    names.reserve(picked->size());
    for (const std::string& path : *picked)
        names.push_back(FileNameOf(path));
    AddNames(list_, names, collation_);
}

void ExceptionsPage::TAB_AUS_BTN_DeleteClick() {
    if (list_.ItemIndex() >= 0) list_.DeleteItem(list_.ItemIndex());
}

void ExceptionsPage::TAB_AUS_BTN_DeleteAllClick() {
    if (dialogs_.AskYesNo(texts_.Text("TabExceptions", "EraseList"))) list_.Clear();
}

void ExceptionsPage::TAB_AUS_BTN_ImportClick() {
    const std::optional<std::vector<std::string>> picked =
        dialogs_.OpenFiles({texts_.Text("TabExceptions", "ImportList"), ListFilesFilter(texts_), false, {}});
    if (!picked || picked->empty()) return;
    // Read in full before the list is touched, so a failed read leaves it as it was.
    list_.SetItems(ReadListFile(files_, picked->front()));
}

void ExceptionsPage::TAB_AUS_BTN_ExportClick() {
    const std::optional<SaveChoice> chosen =
        dialogs_.SaveFile({texts_.Text("TabExceptions", "ExportList"), ListFilesFilter(texts_), false, {}});
    if (!chosen) return;
    WriteListFile(files_, ExportTarget(chosen->path, chosen->filterIndex), list_.Items());
}

void ExceptionsPage::AttachHandlers() {
    c_.TAB_AUS_BTN_Add.OnClick = [this] { TAB_AUS_BTN_AddClick(); };
    c_.TAB_AUS_BTN_Delete.OnClick = [this] { TAB_AUS_BTN_DeleteClick(); };
    c_.TAB_AUS_BTN_DeleteAll.OnClick = [this] { TAB_AUS_BTN_DeleteAllClick(); };
    c_.TAB_AUS_BTN_Import.OnClick = [this] { TAB_AUS_BTN_ImportClick(); };
    c_.TAB_AUS_BTN_Export.OnClick = [this] { TAB_AUS_BTN_ExportClick(); };
}
}  // namespace vitrex::views::exceptions
