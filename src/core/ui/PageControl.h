#pragma once

#include <string>
#include <vector>

#include "core/ui/Widget.h"

namespace vitrex::ui {

class PageControl;

// One page of a page control; its caption is the text of its tab.
class TabSheet : public Widget {
public:
    TabSheet(std::string name, PageControl* owner, std::string caption = {});
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    PageControl& Pages() const;

private:
    bool tabVisible_ = true;
};

// Pages on top of each other with a tab strip; tabs can be hidden one by one, and the active
// page is the one on display.
class PageControl : public Widget {
public:
    PageControl(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::PageControl, std::move(name), "TPageControl", parent, bounds) {
        SetTabStop(true);
    }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TabSheet& Page(int index) const { return *pages_.at(index); }
    int IndexOf(const TabSheet* page) const;
    // -1 before any page is active.
    int ActivePageIndex() const { return active_; }
    TabSheet* ActivePage() const { return active_ < 0 ? nullptr : pages_[active_]; }
    void SetActivePage(int index);
    // The pages whose tabs are visible, in page order: the tab strip.
    std::vector<int> VisibleTabs() const;

    // The user picked the tab at this position of the tab strip.
    Handler OnChange;
    void UserSelectTab(int visibleTabIndex);

private:
    friend class TabSheet;
    void AddPage(TabSheet* page) { pages_.push_back(page); }
    void TabVisibilityChanged() { Notify(Change::TabVisible); }
    std::vector<TabSheet*> pages_;
    int active_ = -1;
};

}  // namespace vitrex::ui
