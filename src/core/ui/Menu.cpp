#include "core/ui/Menu.h"

#include <algorithm>

namespace vitrex::ui {

MenuItem& MenuItem::Add(const std::string& name, const std::string& caption) {
    items_.push_back(std::make_unique<MenuItem>(name, this, caption));
    return *items_.back();
}

MenuItem& MenuItem::AddSeparator() {
    return Add("", "-");
}

WindowMenu::WindowMenu(Component* owner)
    : owner_(owner), entries_{{kRestore, "&Restore", {}},    {kMove, "&Move", {}},
                              {kSize, "&Size", {}},          {kMinimize, "Mi&nimize", {}},
                              {kMaximize, "Ma&ximize", {}},  {0, "", {}},
                              {kClose, "&Close\tAlt+F4", {}}} {}

void WindowMenu::AppendSeparator() {
    entries_.push_back({});
    if (observer_) observer_(Op::AppendSeparator, static_cast<int>(entries_.size()) - 1, entries_.back());
}

MenuItem& WindowMenu::AppendItem(unsigned id, const std::string& name, const std::string& caption) {
    items_.push_back(std::make_unique<MenuItem>(name, owner_, caption));
    entries_.push_back({id, caption, {}, items_.back().get()});
    if (observer_) observer_(Op::AppendItem, static_cast<int>(entries_.size()) - 1, entries_.back());
    return *items_.back();
}

bool WindowMenu::UserCommand(unsigned id) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [id](const WindowMenuEntry& entry) {
        return entry.item != nullptr && entry.id == id;
    });
    if (found == entries_.end()) return false;
    // The handler may change the menu; the item outlives its entry.
    found->item->UserClick();
    return true;
}

void WindowMenu::DeleteAt(int position) {
    if (position < 0 || position >= static_cast<int>(entries_.size())) return;
    const WindowMenuEntry removed = entries_[position];
    entries_.erase(entries_.begin() + position);
    if (observer_) observer_(Op::DeleteAt, position, removed);
}

void WindowMenu::SetBitmapAt(int position, const imaging::Bitmap& bitmap) {
    if (position < 0 || position >= static_cast<int>(entries_.size())) return;
    entries_[position].bitmap = bitmap;
    if (observer_) observer_(Op::SetBitmapAt, position, entries_[position]);
}

}  // namespace vitrex::ui
