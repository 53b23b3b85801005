#pragma once

#include "core/ui/ListControls.h"
#include "win32/ui/ControlBinder.h"

namespace vitrex::win32 {

// A drop-down list (CBS_DROPDOWNLIST): only listed items can be chosen.
class ComboBoxBinder : public ControlBinder {
public:
    ComboBoxBinder(Binding& binding, ui::ComboBox& combo) : ControlBinder(binding, combo), combo_(combo) {}
    void Create() override;
    void Apply(ui::Change change) override;
    void Layout() override;
    void OnCommand(HWND control, UINT code) override;

private:
    void ApplyItems();
    ui::ComboBox& combo_;
};

// A list of texts in the model's order (never LBS_SORT: the model sorts by its own collation).
// With the model's horizontal scroll, the scrollable width follows the widest item as the
// control's font draws it: a list box does not measure its items for that by itself.
class ListBoxBinder : public ControlBinder {
public:
    ListBoxBinder(Binding& binding, ui::ListBox& list) : ControlBinder(binding, list), list_(list) {}
    void Create() override;
    void Apply(ui::Change change) override;
    void ApplyFont() override;
    void OnCommand(HWND control, UINT code) override;

private:
    void ApplyItems();
    void ApplyHorizontalExtent();
    void ApplySelection();
    std::vector<int> ReadSelection() const;
    ui::ListBox& list_;
};

}  // namespace vitrex::win32
