#pragma once

#include <algorithm>
#include <functional>
#include <vector>

namespace vitrex::ui {

class Timer;
class TrayIcon;
class PopupMenu;

// The components of one kind that a form owns, in the order they were made. A binder bound to
// the form follows additions and removals, so a component made or destroyed while the window
// exists is bound or unbound at once.
template <typename T>
class ComponentList {
public:
    using Observer = std::function<void(T&)>;

    const std::vector<T*>& Items() const { return items_; }

    void Add(T& component) {
        items_.push_back(&component);
        if (added_) added_(component);
    }
    void Remove(T& component) {
        const auto found = std::find(items_.begin(), items_.end(), &component);
        if (found == items_.end()) return;
        items_.erase(found);
        if (removed_) removed_(component);
    }
    void SetObservers(Observer added, Observer removed) {
        added_ = std::move(added);
        removed_ = std::move(removed);
    }

private:
    std::vector<T*> items_;
    Observer added_;
    Observer removed_;
};

// What a form holds besides its controls: the components that have no window of their own and
// that the binder binds all alike (timers as window timers, icons in the notification area,
// menus that open at a point). Each registers itself with the form it belongs to when it is
// made and leaves when it is destroyed, as a control does with its parent.
struct OwnedComponents {
    ComponentList<Timer> timers;
    ComponentList<TrayIcon> trayIcons;
    ComponentList<PopupMenu> popupMenus;
};

}  // namespace vitrex::ui
