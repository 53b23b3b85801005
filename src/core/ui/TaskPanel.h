#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/imaging/Bitmap.h"
#include "core/ui/Widget.h"

namespace vitrex::ui {

class TaskPanel;
class TaskGroup;

// A clickable line of a task group.
class TaskItem : public Component {
public:
    TaskItem(std::string name, TaskGroup* group, std::string caption);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    Handler OnClick;
    void UserClick() {
        if (visible_) Fire(OnClick);
    }

private:
    TaskGroup* group_;
    std::string caption_;
    bool visible_ = true;
};

// A titled group of items, with an icon in its header.
class TaskGroup : public Component {
public:
    TaskGroup(std::string name, TaskPanel* panel, std::string caption);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const imaging::Bitmap& Icon() const { return icon_; }
    void SetIcon(imaging::Bitmap icon);
    TaskItem& AddItem(const std::string& name, const std::string& caption);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    TaskItem& Item(int index) const { return *items_.at(index); }

private:
    friend class TaskItem;
    void Changed();
    TaskPanel* panel_;
    std::string caption_;
    imaging::Bitmap icon_;
    std::vector<std::unique_ptr<TaskItem>> items_;
};

// The owner-drawn panel on the left of the main window: groups of clickable, hideable items.
class TaskPanel : public Widget {
public:
    TaskPanel(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::TaskPanel, std::move(name), "TTaskPanel", parent, bounds) {
        SetTabStop(true);
    }
    TaskGroup& AddGroup(const std::string& name, const std::string& caption);
    int GroupCount() const { return static_cast<int>(groups_.size()); }
    TaskGroup& Group(int index) const { return *groups_.at(index); }

private:
    friend class TaskGroup;
    void Changed() { Notify(Change::TaskItems); }
    std::vector<std::unique_ptr<TaskGroup>> groups_;
};

}  // namespace vitrex::ui
