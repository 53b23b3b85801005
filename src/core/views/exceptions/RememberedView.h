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
    RememberedView(ui::ListView& list, ui::Button& remove, transparency::RememberedPrograms& programs)
        : list_(list), remove_(remove), programs_(programs) {}
    RememberedView(const RememberedView&) = delete;
    RememberedView& operator=(const RememberedView&) = delete;

    // The texts of the current language; the English ones until a language is set. The catalogue
    // must outlive the view.
    void SetTexts(const i18n::Catalogue& texts) { texts_ = &texts; }

    // The columns, with the captions of the current language.
    void ShowColumns();
    // Fills the rows from the remembered programs; the chosen program stays chosen.
    void Show();
    // Forgets the chosen row's program.
    void RemoveClick();

private:
    ui::ListView& list_;
    ui::Button& remove_;
    transparency::RememberedPrograms& programs_;
    const i18n::Catalogue* texts_ = &i18n::Catalogue::English();
};

}  // namespace vitrex::views::exceptions
