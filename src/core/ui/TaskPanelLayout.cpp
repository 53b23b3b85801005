#include "core/ui/TaskPanelLayout.h"

#include <algorithm>

#include "core/ui/DpiScale.h"

namespace vitrex::ui {

namespace {
// In 96-DPI pixels.
constexpr int kMargin = 8;
constexpr int kHeaderHeight = 25;
constexpr int kItemHeight = 20;
constexpr int kBodyPadding = 5;
constexpr int kGroupGap = 10;
}  // namespace

std::vector<TaskPanelEntry> LayOutTaskPanel(const TaskPanel& panel, int clientWidth, int dpi) {
    std::vector<TaskPanelEntry> entries;
    const auto s = [dpi](int value) { return ScaleForDpi(value, dpi); };
    const int left = s(kMargin);
    const int right = clientWidth - s(kMargin);
    int y = s(kMargin);
    for (int g = 0; g < panel.GroupCount(); ++g) {
        const TaskGroup& group = panel.Group(g);
        const std::size_t header = entries.size();
        entries.push_back({g, -1, Edges{left, y, right, y + s(kHeaderHeight)}, {}});
        y += s(kHeaderHeight);
        const int bodyTop = y;
        bool anyItem = false;
        for (int i = 0; i < group.ItemCount(); ++i) {
            if (!group.Item(i).Visible()) continue;
            if (!anyItem) y += s(kBodyPadding);
            anyItem = true;
            entries.push_back({g, i, Edges{left + 1, y, right - 1, y + s(kItemHeight)}, {}});
            y += s(kItemHeight);
        }
        if (anyItem) y += s(kBodyPadding);
        const Edges body{left, bodyTop, right, y};
        for (std::size_t e = header; e < entries.size(); ++e)
            entries[e].body = body;
        y += s(kGroupGap);
    }
    return entries;
}

std::vector<TaskItemRef> VisibleTaskItems(const std::vector<TaskPanelEntry>& entries) {
    std::vector<TaskItemRef> items;
    for (const TaskPanelEntry& entry : entries) {
        if (entry.item >= 0) items.push_back({entry.group, entry.item});
    }
    return items;
}

TaskItemRef TaskItemAt(const std::vector<TaskPanelEntry>& entries, int x, int y) {
    for (const TaskPanelEntry& entry : entries) {
        if (entry.item >= 0 && entry.bounds.Contains(x, y)) return {entry.group, entry.item};
    }
    return kNoTaskItem;
}

TaskItemRef StepTaskItem(const std::vector<TaskPanelEntry>& entries, TaskItemRef from, int step) {
    const std::vector<TaskItemRef> items = VisibleTaskItems(entries);
    if (items.empty()) return kNoTaskItem;
    const auto at = std::find(items.begin(), items.end(), from);
    if (at == items.end()) return step > 0 ? items.front() : items.back();
    const auto index = std::clamp<std::ptrdiff_t>((at - items.begin()) + step, 0,
                                                  static_cast<std::ptrdiff_t>(items.size()) - 1);
    return items[static_cast<std::size_t>(index)];
}

}  // namespace vitrex::ui
