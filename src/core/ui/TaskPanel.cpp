#include "core/ui/TaskPanel.h"

namespace vitrex::ui {

TaskItem::TaskItem(std::string name, TaskGroup* group, std::string caption)
    : Component(std::move(name), "TTaskItem", group), group_(group), caption_(std::move(caption)) {}

void TaskItem::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    group_->Changed();
}

void TaskItem::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    group_->Changed();
}

TaskGroup::TaskGroup(std::string name, TaskPanel* panel, std::string caption)
    : Component(std::move(name), "TTaskGroup", panel), panel_(panel), caption_(std::move(caption)) {}

void TaskGroup::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Changed();
}

void TaskGroup::SetIcon(imaging::Bitmap icon) {
    icon_ = std::move(icon);
    Changed();
}

TaskItem& TaskGroup::AddItem(const std::string& name, const std::string& caption) {
    items_.push_back(std::make_unique<TaskItem>(name, this, caption));
    Changed();
    return *items_.back();
}

void TaskGroup::Changed() {
    panel_->Changed();
}

TaskGroup& TaskPanel::AddGroup(const std::string& name, const std::string& caption) {
    groups_.push_back(std::make_unique<TaskGroup>(name, this, caption));
    Changed();
    return *groups_.back();
}

}  // namespace vitrex::ui
