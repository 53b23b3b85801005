#pragma once

#include <windows.h>

#include <commctrl.h>

#include "core/ui/ListControls.h"
#include "win32/UniqueHandle.h"
#include "win32/ui/ControlBinder.h"

namespace vitrex::win32 {

// A report list view: one chosen row, full-row selection, a picture per row from the model's
// image list (copied at the system's small-icon size, 32-bit colour), a context menu.
class ListViewBinder : public ControlBinder {
public:
    ListViewBinder(Binding& binding, ui::ListView& view) : ControlBinder(binding, view), view_(view) {}
    void Create() override;
    void Apply(ui::Change change) override;
    void DpiChanged() override;
    LRESULT OnNotify(const NMHDR& header) override;
    void OnContextMenu(POINT screen) override;
    void OnDeferred() override;

private:
    void ApplyStyle();
    void ApplyColumns();
    void ApplyRows();
    void ApplySelection();
    void ApplyImages();
    int SelectedRow() const;
    void ShowRowTip(NMLVGETINFOTIPW& tip) const;

    ui::ListView& view_;
    UniqueImageList images_;
    bool syncPending_ = false;
};

}  // namespace vitrex::win32
