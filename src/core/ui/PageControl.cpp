#include "core/ui/PageControl.h"

#include <algorithm>

namespace vitrex::ui {

TabSheet::TabSheet(std::string name, PageControl* owner, std::string caption)
    : Widget(WidgetKind::TabSheet, std::move(name), "TTabSheet", owner, Rect{}) {
    SetCaption(caption);
    owner->AddPage(this);
}

PageControl& TabSheet::Pages() const {
    return *static_cast<PageControl*>(Parent());
}

void TabSheet::SetTabVisible(bool visible) {
    if (tabVisible_ == visible) return;
    tabVisible_ = visible;
    Pages().TabVisibilityChanged();
}

int PageControl::IndexOf(const TabSheet* page) const {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void PageControl::SetActivePage(int index) {
    if (index < 0 || index >= PageCount() || index == active_) return;
    active_ = index;
    Notify(Change::ActivePage);
}

std::vector<int> PageControl::VisibleTabs() const {
    std::vector<int> tabs;
    for (int i = 0; i < PageCount(); ++i) {
        if (pages_[i]->TabVisible()) tabs.push_back(i);
    }
    return tabs;
}

void PageControl::UserSelectTab(int visibleTabIndex) {
    const std::vector<int> tabs = VisibleTabs();
    if (visibleTabIndex < 0 || visibleTabIndex >= static_cast<int>(tabs.size())) return;
    if (tabs[visibleTabIndex] == active_) return;
    active_ = tabs[visibleTabIndex];
    Notify(Change::ActivePage);
    Fire(OnChange);
}

}  // namespace vitrex::ui
