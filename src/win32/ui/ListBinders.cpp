#include "win32/ui/ListBinders.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/UniqueHandle.h"
#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

namespace {
// The drop-down part of a combo box, in 96-DPI pixels, below the field.
constexpr int kDropDownHeight = 200;
// Room beside an item's text in a list box: the control draws it a pixel or two in from the left
// edge, and the last character must not touch the right one. In 96-DPI pixels.
constexpr int kItemTextMargin = 6;
}  // namespace

void ComboBoxBinder::Create() {
    CreateControl(WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0, {});
    Layout();
    ApplyItems();
}

void ComboBoxBinder::ApplyItems() {
    ApplyScope scope(*this);
    ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    for (const std::string& item : combo_.Items()) {
        ::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
}

void ComboBoxBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::Items:
            ApplyItems();
            break;
        case ui::Change::Selection: {
            ApplyScope scope(*this);
            ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
            break;
        }
        default:
            ControlBinder::Apply(change);
            break;
    }
}

void ComboBoxBinder::Layout() {
    // The window's height includes the list that drops down; the field's height follows the font.
    const RECT bounds = binding_.DeviceBounds(combo_);
    ::SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                   bounds.bottom - bounds.top + binding_.Scale(kDropDownHeight),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBoxBinder::OnCommand(HWND, UINT code) {
    if (code != CBN_SELCHANGE || Applying()) return;
    combo_.UserSelect(static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0)));
}

void ListBoxBinder::Create() {
    const DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                        (list_.MultiSelect() ? LBS_EXTENDEDSEL : 0) |
                        (list_.HorizontalScroll() ? WS_HSCROLL : 0);
    CreateControl(WC_LISTBOXW, style, WS_EX_CLIENTEDGE, {});
    ApplyItems();
}

void ListBoxBinder::ApplyFont() {
    ControlBinder::ApplyFont();
    ApplyHorizontalExtent();
}

void ListBoxBinder::ApplyHorizontalExtent() {
    if (Handle() == nullptr || !list_.HorizontalScroll()) return;
    int widest = 0;
    if (!list_.Items().empty()) {
        const WindowDcScope dc(Handle());
        const auto font = reinterpret_cast<HFONT>(::SendMessageW(Handle(), WM_GETFONT, 0, 0));
        SelectObjectScope select(dc.Dc(), font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
        for (const std::string& item : list_.Items()) {
            const std::wstring text = Widen(item);
            SIZE size{};
            if (::GetTextExtentPoint32W(dc.Dc(), text.c_str(), static_cast<int>(text.size()), &size))
                widest = std::max(widest, static_cast<int>(size.cx));
        }
        widest += binding_.Scale(kItemTextMargin);
    }
    // An extent no wider than the list hides the bar, and scrolls the list back to its left edge.
    ::SendMessageW(Handle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest), 0);
}

void ListBoxBinder::ApplyItems() {
    ApplyScope scope(*this);
    ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    for (const std::string& item : list_.Items()) {
        ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    ApplyHorizontalExtent();
    ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(Handle(), nullptr, TRUE);
    ApplySelection();
}

void ListBoxBinder::ApplySelection() {
    ApplyScope scope(*this);
    if (!list_.MultiSelect()) {
        ::SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
        return;
    }
    ::SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
    for (int index : list_.Selection())
        ::SendMessageW(Handle(), LB_SETSEL, TRUE, index);
}

std::vector<int> ListBoxBinder::ReadSelection() const {
    if (!list_.MultiSelect()) {
        const int index = static_cast<int>(::SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
        return index < 0 ? std::vector<int>{} : std::vector<int>{index};
    }
    const int count = static_cast<int>(::SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
    std::vector<int> indices(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count > 0) {
        ::SendMessageW(Handle(), LB_GETSELITEMS, static_cast<WPARAM>(count),
                       reinterpret_cast<LPARAM>(indices.data()));
    }
    return indices;
}

void ListBoxBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::Items:
            ApplyItems();
            break;
        case ui::Change::Selection:
            ApplySelection();
            break;
        case ui::Change::Style: {
            // The selection mode of a list box is fixed at creation: make a new one in the same
            // place of the tab order.
            const HWND before = ::GetWindow(Handle(), GW_HWNDPREV);
            Create();
            ::SetWindowPos(Handle(), before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            break;
        }
        default:
            ControlBinder::Apply(change);
            break;
    }
}

void ListBoxBinder::OnCommand(HWND, UINT code) {
    if (Applying()) return;
    if (code == LBN_SELCHANGE) list_.UserSelect(ReadSelection());
    if (code == LBN_DBLCLK) list_.UserDblClick();
}

}  // namespace vitrex::win32
