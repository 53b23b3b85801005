#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/imaging/Bitmap.h"
#include "core/ui/Widget.h"

namespace vitrex::ui {

class PopupMenu;

// A drop-down list of texts; only a listed item can be chosen.
class ComboBox : public Widget {
public:
    ComboBox(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::ComboBox, std::move(name), "TComboBox", parent, bounds) {
        SetTabStop(true);
    }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void AddItem(const std::string& item);
    void InsertItem(int index, const std::string& item);
    void DeleteItem(int index);
    void Clear();
    // -1 when nothing is chosen.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The text on display: the chosen item, or empty.
    std::string Text() const;

    Handler OnChange;
    void UserSelect(int index);

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// Orders two texts; negative, zero or positive like strcmp.
using Collation = std::function<int(const std::string&, const std::string&)>;

// A list of texts, kept sorted by a collation when one is set.
class ListBox : public Widget {
public:
    ListBox(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::ListBox, std::move(name), "TListBox", parent, bounds) {
        SetTabStop(true);
    }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    // Adds at the end, or at the sorted place; returns the index.
    int AddItem(const std::string& item);
    void DeleteItem(int index);
    void Clear();
    int IndexOf(const std::string& item) const;
    bool Sorted() const { return static_cast<bool>(collation_); }
    void SetSorted(Collation collation);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect);
    // A horizontal scroll bar as wide as the longest item, so that long entries can be read
    // whole rather than cut at the right edge.
    bool HorizontalScroll() const { return horizontalScroll_; }
    void SetHorizontalScroll(bool horizontalScroll);
    // Chosen indices in ascending order.
    const std::vector<int>& Selection() const { return selection_; }
    void SetSelection(std::vector<int> indices);
    int ItemIndex() const { return selection_.empty() ? -1 : selection_.front(); }

    Handler OnClick;
    Handler OnDblClick;
    void UserSelect(std::vector<int> indices);
    void UserDblClick() { Fire(OnDblClick); }

private:
    void Resort();
    std::vector<std::string> items_;
    std::vector<int> selection_;
    Collation collation_;
    bool multiSelect_ = false;
    bool horizontalScroll_ = false;
};

// Small pictures that list views and menus refer to by index.
class ImageList {
public:
    ImageList(int width, int height) : width_(width), height_(height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<imaging::Bitmap>& Images() const { return images_; }
    int Add(imaging::Bitmap image) {
        images_.push_back(std::move(image));
        return static_cast<int>(images_.size()) - 1;
    }
    void Clear() { images_.clear(); }

private:
    int width_;
    int height_;
    std::vector<imaging::Bitmap> images_;
};

enum class ColumnAlignment { Left, Center, Right };

// The first column is always drawn left-aligned, as the system's list view does.
struct ListColumn {
    std::string caption;
    int width = 50;
    ColumnAlignment alignment = ColumnAlignment::Left;
};

struct ListRow {
    std::vector<std::string> cells;
    // The row's picture, drawn before the first cell; -1 for none.
    int imageIndex = -1;
    // Pictures drawn before the other cells, by cell index: entry 0 is not used (the first cell
    // shows imageIndex); a missing entry or -1 is no picture.
    std::vector<int> cellImages = {};
    // Shown while the pointer rests on the row; empty for none.
    std::string tip = {};

    int CellImage(std::size_t cell) const {
        return cell > 0 && cell < cellImages.size() ? cellImages[cell] : -1;
    }
};

// A report-style list view: columns, rows of cells, a picture per row, one chosen row.
class ListView : public Widget {
public:
    ListView(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::ListView, std::move(name), "TListView", parent, bounds) {
        SetTabStop(true);
    }
    const std::vector<ListColumn>& Columns() const { return columns_; }
    void SetColumns(std::vector<ListColumn> columns);
    void SetColumnCaption(int index, const std::string& caption);
    const std::vector<ListRow>& Rows() const { return rows_; }
    void SetRows(std::vector<ListRow> rows);
    void Clear() { SetRows({}); }
    ImageList* SmallImages() const { return images_; }
    void SetSmallImages(ImageList* images) {
        images_ = images;
        Notify(Change::Images);
    }
    // The image list's pictures changed; the binder copies them again.
    void ImagesChanged() { Notify(Change::Images); }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    PopupMenu* ContextMenu() const { return contextMenu_; }
    void SetContextMenu(PopupMenu* menu) { contextMenu_ = menu; }
    // Whether the user may drag the column headers into another order.
    bool ColumnsMovable() const { return columnsMovable_; }
    void SetColumnsMovable(bool movable) {
        if (columnsMovable_ == movable) return;
        columnsMovable_ = movable;
        Notify(Change::Style);
    }

    Handler OnDblClick;
    Handler OnSelect;
    void UserSelect(int index);
    void UserDblClick() { Fire(OnDblClick); }

private:
    std::vector<ListColumn> columns_;
    std::vector<ListRow> rows_;
    ImageList* images_ = nullptr;
    PopupMenu* contextMenu_ = nullptr;
    int itemIndex_ = -1;
    bool columnsMovable_ = false;
};

}  // namespace vitrex::ui
