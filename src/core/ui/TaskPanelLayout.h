#pragma once

#include <vector>

#include "core/ui/TaskPanel.h"

namespace vitrex::ui {

// A rectangle in device pixels by its edges; the right and bottom edges lie outside it.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Edges&) const = default;
};

// One band of the task panel: a group's header (item -1) or one of its visible items.
struct TaskPanelEntry {
    int group = 0;
    int item = -1;
    Edges bounds;
    // The group's white body behind its items (the same for all entries of a group).
    Edges body;
};

// The panel laid out top to bottom at `dpi` for a client area `clientWidth` pixels wide: for
// each group a header band, then its visible items; a group with no visible item keeps its
// header only.
std::vector<TaskPanelEntry> LayOutTaskPanel(const TaskPanel& panel, int clientWidth, int dpi);

// An item of the panel by group and index.
struct TaskItemRef {
    int group = -1;
    int item = -1;
    bool operator==(const TaskItemRef&) const = default;
};
inline constexpr TaskItemRef kNoTaskItem{};

// The visible items of a layout, top to bottom.
std::vector<TaskItemRef> VisibleTaskItems(const std::vector<TaskPanelEntry>& entries);

// The item whose band holds the point; none over a header, a gap or the margins.
TaskItemRef TaskItemAt(const std::vector<TaskPanelEntry>& entries, int x, int y);

// The visible item `step` lines away from `from`, held to the first and the last. From no item,
// or one no longer visible, a step down lands on the first and a step up on the last.
TaskItemRef StepTaskItem(const std::vector<TaskPanelEntry>& entries, TaskItemRef from, int step);

}  // namespace vitrex::ui
