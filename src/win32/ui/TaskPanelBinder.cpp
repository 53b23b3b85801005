#include "win32/ui/TaskPanelBinder.h"

namespace vitrex::win32 {

void TaskPanelBinder::Create() {
    window_ = std::make_unique<TaskPanelWindow>(panel_, binding_);
    window_->Create(binding_.ParentHandleFor(panel_), binding_.DeviceBounds(panel_), ChildStyle(),
                    binding_.NextControlId());
    SetHandle(window_->Handle());
}

void TaskPanelBinder::Apply(ui::Change change) {
    if (change == ui::Change::TaskItems) {
        window_->Refresh();
        return;
    }
    ControlBinder::Apply(change);
}

void TaskPanelBinder::ApplyFont() {
    if (window_ != nullptr) window_->Refresh();
}

void TaskPanelBinder::DpiChanged() {
    window_->Refresh();
}

}  // namespace vitrex::win32
