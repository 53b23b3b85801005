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
