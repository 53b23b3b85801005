#include "core/ui/ListControls.h"

#include <algorithm>

namespace vitrex::ui {

namespace {
bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}
}  // namespace

void ComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    Notify(Change::Items);
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    Notify(Change::Items);
}

void ComboBox::InsertItem(int index, const std::string& item) {
    index = std::clamp(index, 0, static_cast<int>(items_.size()));
    items_.insert(items_.begin() + index, item);
    if (itemIndex_ >= index) ++itemIndex_;
    Notify(Change::Items);
}

void ComboBox::DeleteItem(int index) {
    if (!InRange(index, items_.size())) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) {
        itemIndex_ = -1;
    } else if (itemIndex_ > index) {
        --itemIndex_;
    }
    Notify(Change::Items);
}

void ComboBox::Clear() {
    SetItems({});
}

void ComboBox::SetItemIndex(int index) {
    if (!InRange(index, items_.size())) index = -1;
    if (itemIndex_ == index) return;
    itemIndex_ = index;
    Notify(Change::Selection);
}

std::string ComboBox::Text() const {
    return itemIndex_ < 0 ? std::string() : items_[itemIndex_];
}

void ComboBox::UserSelect(int index) {
    if (!InRange(index, items_.size())) return;
    itemIndex_ = index;
    Fire(OnChange);
}

void ListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    selection_.clear();
    Resort();
    Notify(Change::Items);
}

int ListBox::AddItem(const std::string& item) {
    auto at = items_.end();
    if (collation_) {
        at = std::upper_bound(
            items_.begin(), items_.end(), item,
            [this](const std::string& a, const std::string& b) { return collation_(a, b) < 0; });
    }
    const int index = static_cast<int>(at - items_.begin());
    items_.insert(at, item);
    for (int& s : selection_) {
        if (s >= index) ++s;
    }
    Notify(Change::Items);
    return index;
}

void ListBox::DeleteItem(int index) {
    if (!InRange(index, items_.size())) return;
    items_.erase(items_.begin() + index);
    std::vector<int> kept;
    for (int s : selection_) {
        if (s < index) kept.push_back(s);
        if (s > index) kept.push_back(s - 1);
    }
    selection_ = std::move(kept);
    Notify(Change::Items);
}

void ListBox::Clear() {
    SetItems({});
}

int ListBox::IndexOf(const std::string& item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void ListBox::SetSorted(Collation collation) {
    collation_ = std::move(collation);
    Resort();
    Notify(Change::Items);
}

void ListBox::SetMultiSelect(bool multiSelect) {
    if (multiSelect_ == multiSelect) return;
    multiSelect_ = multiSelect;
    if (!multiSelect_ && selection_.size() > 1) selection_.resize(1);
    Notify(Change::Style);
}

void ListBox::SetHorizontalScroll(bool horizontalScroll) {
    if (horizontalScroll_ == horizontalScroll) return;
    horizontalScroll_ = horizontalScroll;
    Notify(Change::Style);
}

void ListBox::SetSelection(std::vector<int> indices) {
    std::erase_if(indices, [this](int i) { return !InRange(i, items_.size()); });
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (!multiSelect_ && indices.size() > 1) indices.resize(1);
    if (selection_ == indices) return;
    selection_ = std::move(indices);
    Notify(Change::Selection);
}

void ListBox::UserSelect(std::vector<int> indices) {
    std::erase_if(indices, [this](int i) { return !InRange(i, items_.size()); });
    std::sort(indices.begin(), indices.end());
    selection_ = std::move(indices);
    Fire(OnClick);
}

void ListBox::Resort() {
    if (!collation_) return;
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const std::string& a, const std::string& b) { return collation_(a, b) < 0; });
    selection_.clear();
}

void ListView::SetColumns(std::vector<ListColumn> columns) {
    columns_ = std::move(columns);
    Notify(Change::Columns);
}

void ListView::SetColumnCaption(int index, const std::string& caption) {
    if (!InRange(index, columns_.size()) || columns_[index].caption == caption) return;
    columns_[index].caption = caption;
    Notify(Change::Columns);
}

void ListView::SetRows(std::vector<ListRow> rows) {
    rows_ = std::move(rows);
    itemIndex_ = -1;
    Notify(Change::Rows);
}

void ListView::SetItemIndex(int index) {
    if (!InRange(index, rows_.size())) index = -1;
    if (itemIndex_ == index) return;
    itemIndex_ = index;
    Notify(Change::Selection);
}

void ListView::UserSelect(int index) {
    if (!InRange(index, rows_.size())) index = -1;
    if (itemIndex_ == index) return;
    itemIndex_ = index;
    Fire(OnSelect);
}

}  // namespace vitrex::ui
