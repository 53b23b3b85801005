#pragma once

#include <windows.h>

#include <vector>

#include "core/ui/TaskPanel.h"

namespace vitrex::win32 {

// One band of the task panel: a group's header (item -1) or one of its visible items.
struct TaskPanelEntry {
    int group = 0;
    int item = -1;
    RECT bounds{};
    // The group's white body behind its items (the same for all entries of a group).
    RECT body{};
};

// The panel laid out top to bottom at `dpi` for a client area `clientWidth` pixels wide: for
// each group a header band, then its visible items; a group with no visible item keeps its
// header only.
std::vector<TaskPanelEntry> LayOutTaskPanel(const ui::TaskPanel& panel, int clientWidth, int dpi);

}  // namespace vitrex::win32
