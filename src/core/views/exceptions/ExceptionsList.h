#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/platform/TextCollation.h"
#include "core/transparency/Eligibility.h"
#include "core/ui/Controls.h"
#include "core/ui/ListControls.h"

namespace vitrex::views::exceptions {

// The list control's order: the locale's collation, letter case ignored.
ui::Collation LocaleCollation(TextCollation& collation);

// Whether the list holds the name as a whole string, letter case ignored: "NOTEPAD.EXE" matches
// "notepad.exe", "notepad" does not.
bool ListContains(const std::vector<std::string>& entries, std::string_view name, TextCollation& collation);

// The file name without its folder.
std::string FileNameOf(std::string_view path);

// Adds each name the list does not hold yet at its sorted place; returns how many were added.
int AddNames(ui::ListBox& list, const std::vector<std::string>& names, TextCollation& collation);
// Removes the first entry that matches the name; false when there is none.
bool RemoveName(ui::ListBox& list, std::string_view name, TextCollation& collation);

// The exceptions page's list and the debug page's class-exception field, as the transparency
// engine reads them. Both controls are read at every question, so they must outlive this.
class ControlsExceptionsSource : public transparency::ExceptionsSource {
public:
    ControlsExceptionsSource(const ui::ListBox& list, const ui::Edit& classException,
                             TextCollation& collation)
        : list_(list), classException_(classException), collation_(collation) {}

    bool Contains(std::string_view exeName) const override {
        return ListContains(list_.Items(), exeName, collation_);
    }
    std::string ClassException() const override { return classException_.Text(); }

private:
    const ui::ListBox& list_;
    const ui::Edit& classException_;
    TextCollation& collation_;
};

}  // namespace vitrex::views::exceptions
