#pragma once

#include <memory>

#include "core/ui/TaskPanel.h"
#include "win32/ui/ControlBinder.h"
#include "win32/ui/TaskPanelWindow.h"

namespace vitrex::win32 {

class TaskPanelBinder : public ControlBinder {
public:
    TaskPanelBinder(Binding& binding, ui::TaskPanel& panel) : ControlBinder(binding, panel), panel_(panel) {}
    void Create() override;
    void Apply(ui::Change change) override;
    void ApplyFont() override;
    void DpiChanged() override;
    TaskPanelWindow& PanelWindow() const { return *window_; }

private:
    ui::TaskPanel& panel_;
    std::unique_ptr<TaskPanelWindow> window_;
};

}  // namespace vitrex::win32
