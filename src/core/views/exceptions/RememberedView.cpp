#include "core/views/exceptions/RememberedView.h"

#include "core/i18n/CatalogueKeys.h"

namespace vitrex::views::exceptions {

namespace {

enum RememberedColumn : int { kColumnProgram = 0, kColumnLevel = 1, kColumnOnTop = 2 };

}  // namespace

// Every shipped header fits its column, and the program column keeps the rest of the width.
void RememberedView::ShowColumns() {
    list_.SetColumns({{texts_.Text(i18n::kOwnSection, "RememberedProgram"), 96},
                      {texts_.Text(i18n::kOwnSection, "RememberedLevel"), 46, ui::ColumnAlignment::Center},
                      {texts_.Text(i18n::kOwnSection, "RememberedOnTop"), 86, ui::ColumnAlignment::Center}});
}

void RememberedView::Show() {
    std::string chosen;
    if (const int index = list_.ItemIndex(); index >= 0 && index < static_cast<int>(list_.Rows().size()))
        chosen = list_.Rows()[index].cells[kColumnProgram];
    std::vector<ui::ListRow> rows;
    int chosenIndex = -1;
    for (const auto& [program, remembered] : programs_.All()) {
        if (program == chosen) chosenIndex = static_cast<int>(rows.size());
        ui::ListRow row;
        row.cells = {program, remembered.level ? std::to_string(*remembered.level) + "%" : std::string("-"),
                     remembered.onTop ? texts_.Text(i18n::kOwnSection, "RememberedYes") : std::string()};
        rows.push_back(std::move(row));
    }
    list_.SetRows(std::move(rows));
    list_.SetItemIndex(chosenIndex);
    remove_.SetEnabled(!programs_.Empty());
}

void RememberedView::RemoveClick() {
    const int index = list_.ItemIndex();
    if (index < 0 || index >= static_cast<int>(list_.Rows().size())) return;
    // The view follows through the programs' observer.
    programs_.Forget(list_.Rows()[index].cells[kColumnProgram]);
}

void RememberedView::AttachHandlers() {
    remove_.OnClick = [this] { RemoveClick(); };
}
}  // namespace vitrex::views::exceptions
