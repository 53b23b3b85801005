#pragma once

#include <string>
#include <vector>

#include "core/i18n/Catalogue.h"
#include "core/transparency/RememberedPrograms.h"
#include "core/ui/Controls.h"
#include "core/ui/ListControls.h"

namespace vitrex::views::exceptions {

// The remembered programs on the exceptions page, under the exceptions: one row each with the
// program, its level and whether it stays on top, and a button that removes the chosen one.
class RememberedView {
public:
    // `texts` are the current language's, which must outlive the view.
    RememberedView(ui::ListView& list, ui::Button& remove, transparency::RememberedPrograms& programs,
                   const i18n::Catalogue& texts)
        : list_(list), remove_(remove), programs_(programs), texts_(texts) {}
    RememberedView(const RememberedView&) = delete;
    RememberedView& operator=(const RememberedView&) = delete;

    // The columns, with the captions of the current language.
    void ShowColumns();
    // Fills the rows from the remembered programs; the chosen program stays chosen.
    void Show();
    // Forgets the chosen row's program.
    void RemoveClick();
    // Runs RemoveClick on the button's click.
    void AttachHandlers();

private:
    ui::ListView& list_;
    ui::Button& remove_;
    transparency::RememberedPrograms& programs_;
    const i18n::Catalogue& texts_;
};

}  // namespace vitrex::views::exceptions
