#include "core/views/exceptions/ExceptionsPage.h"

#include <optional>
#include <vector>

#include "core/views/exceptions/ExceptionsList.h"
#include "core/views/exceptions/ListFile.h"

namespace vitrex::views::exceptions {

std::string ProgramsFilter(const ExceptionsTexts& texts) {
    return texts.Programs + "|*.exe|" + texts.AllFiles + "|*.*";
}

std::string ListFilesFilter(const ExceptionsTexts& texts) {
    return texts.ProgramLists + " (*.lst)|*.lst|" + texts.TextFiles + " (*.txt)|*.txt|" + texts.AllFiles +
           "|*.*";
}

void AddProgramsClick(ui::ListBox& list, Dialogs& dialogs, TextCollation& collation,
                      const ExceptionsTexts& texts) {
    const std::optional<std::vector<std::string>> picked =
        dialogs.OpenFiles({texts.AddPrograms, ProgramsFilter(texts), true, {}});
    if (!picked) return;
    std::vector<std::string> names;
    names.reserve(picked->size());
    for (const std::string& path : *picked)
        names.push_back(FileNameOf(path));
    AddNames(list, names, collation);
}

void DeleteClick(ui::ListBox& list) {
    if (list.ItemIndex() >= 0) list.DeleteItem(list.ItemIndex());
}

void DeleteAllClick(ui::ListBox& list, Dialogs& dialogs, const ExceptionsTexts& texts) {
    if (dialogs.AskYesNo(texts.EraseList)) list.Clear();
}

void ImportClick(ui::ListBox& list, Dialogs& dialogs, Files& files, const ExceptionsTexts& texts) {
    const std::optional<std::vector<std::string>> picked =
        dialogs.OpenFiles({texts.ImportList, ListFilesFilter(texts), false, {}});
    if (!picked || picked->empty()) return;
    // Read in full before the list is touched, so a failed read leaves it as it was.
    list.SetItems(ReadListFile(files, picked->front()));
}

void ExportClick(const ui::ListBox& list, Dialogs& dialogs, Files& files, const ExceptionsTexts& texts) {
    const std::optional<SaveChoice> chosen =
        dialogs.SaveFile({texts.ExportList, ListFilesFilter(texts), false, {}});
    if (!chosen) return;
    WriteListFile(files, ExportTarget(chosen->path, chosen->filterIndex), list.Items());
}

}  // namespace vitrex::views::exceptions
