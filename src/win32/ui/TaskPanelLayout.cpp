#include "win32/ui/TaskPanelLayout.h"

#include "win32/ui/Dpi.h"

namespace vitrex::win32 {

namespace {
// In 96-DPI pixels.
constexpr int kMargin = 8;
constexpr int kHeaderHeight = 25;
constexpr int kItemHeight = 20;
constexpr int kBodyPadding = 5;
constexpr int kGroupGap = 10;
}  // namespace

std::vector<TaskPanelEntry> LayOutTaskPanel(const ui::TaskPanel& panel, int clientWidth, int dpi) {
    std::vector<TaskPanelEntry> entries;
    const auto s = [dpi](int value) { return ScaleForDpi(value, dpi); };
    const int left = s(kMargin);
    const int right = clientWidth - s(kMargin);
    int y = s(kMargin);
    for (int g = 0; g < panel.GroupCount(); ++g) {
        const ui::TaskGroup& group = panel.Group(g);
        const std::size_t header = entries.size();
        entries.push_back({g, -1, RECT{left, y, right, y + s(kHeaderHeight)}, {}});
        y += s(kHeaderHeight);
        const int bodyTop = y;
        bool anyItem = false;
        for (int i = 0; i < group.ItemCount(); ++i) {
            if (!group.Item(i).Visible()) continue;
            if (!anyItem) y += s(kBodyPadding);
            anyItem = true;
            entries.push_back({g, i, RECT{left + 1, y, right - 1, y + s(kItemHeight)}, {}});
            y += s(kItemHeight);
        }
        if (anyItem) y += s(kBodyPadding);
        const RECT body{left, bodyTop, right, y};
        for (std::size_t e = header; e < entries.size(); ++e)
            entries[e].body = body;
        y += s(kGroupGap);
    }
    return entries;
}

}  // namespace vitrex::win32
