#include "core/ui/Widget.h"

#include <algorithm>

namespace vitrex::ui {

Widget::Widget(WidgetKind kind, std::string name, std::string className, Widget* parent, Rect bounds)
    : Component(std::move(name), std::move(className), parent),
      kind_(kind),
      parent_(parent),
      bounds_(bounds) {
    if (parent_ != nullptr) parent_->children_.push_back(this);
}

Widget::~Widget() {
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        std::erase_if(parent_->designedTops_, [this](const auto& entry) { return entry.first == this; });
    }
    for (Widget* child : children_)
        child->parent_ = nullptr;
}

void Widget::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Notify(Change::Caption);
}

void Widget::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Notify(Change::Visible);
    if (parent_ != nullptr && parent_->collapseHiddenRows_) parent_->LayOutRows();
}

void Widget::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Notify(Change::Enabled);
}

void Widget::SetBounds(const Rect& bounds) {
    if (bounds_ == bounds) return;
    bounds_ = bounds;
    Notify(Change::Bounds);
}

void Widget::SetCollapseHiddenRows(bool collapse) {
    if (collapseHiddenRows_ == collapse) return;
    if (collapse) {
        designedTops_.clear();
        for (Widget* child : children_)
            designedTops_.emplace_back(child, child->bounds_.y);
    }
    collapseHiddenRows_ = collapse;
    LayOutRows();
    if (!collapse) designedTops_.clear();
}

void Widget::LayOutRows() {
    std::vector<int> tops;
    for (const auto& [child, top] : designedTops_)
        tops.push_back(top);
    std::sort(tops.begin(), tops.end());
    tops.erase(std::unique(tops.begin(), tops.end()), tops.end());
    // How far each row moves up: the heights of the hidden rows above it.
    std::vector<int> shift(tops.size(), 0);
    int hiddenAbove = 0;
    for (std::size_t row = 0; row < tops.size(); ++row) {
        shift[row] = hiddenAbove;
        if (!collapseHiddenRows_ || row + 1 == tops.size()) continue;
        const bool rowHidden = std::none_of(
            designedTops_.begin(), designedTops_.end(),
            [&](const auto& entry) { return entry.second == tops[row] && entry.first->visible_; });
        if (rowHidden) hiddenAbove += tops[row + 1] - tops[row];
    }
    for (const auto& [child, top] : designedTops_) {
        const auto row = std::lower_bound(tops.begin(), tops.end(), top) - tops.begin();
        Rect bounds = child->bounds_;
        bounds.y = top - shift[static_cast<std::size_t>(row)];
        child->SetBounds(bounds);
    }
}

bool Widget::Showing() const {
    for (const Widget* w = this; w != nullptr; w = w->parent_) {
        if (!w->visible_) return false;
    }
    return true;
}

void Widget::Notify(Change change) {
    if (observer_) observer_(*this, change);
}

}  // namespace vitrex::ui
