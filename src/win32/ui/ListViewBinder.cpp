#include "win32/ui/ListViewBinder.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/platform/TextConvert.h"
#include "win32/ui/BitmapGdi.h"
#include "win32/ui/Dpi.h"
#include "win32/ui/PopupMenus.h"

namespace vitrex::win32 {

void ListViewBinder::Create() {
    // LVS_SHAREIMAGELISTS: the image list belongs to this binder, not to the control.
    CreateControl(WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                  WS_EX_CLIENTEDGE, {});
    ApplyStyle();
    ApplyImages();
    ApplyColumns();
    ApplyRows();
}

void ListViewBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::Columns:
            ApplyColumns();
            break;
        case ui::Change::Rows:
            ApplyRows();
            break;
        case ui::Change::Selection:
            ApplySelection();
            break;
        case ui::Change::Images:
            ApplyImages();
            break;
        case ui::Change::Style:
            ApplyStyle();
            break;
        default:
            ControlBinder::Apply(change);
            break;
    }
}

void ListViewBinder::DpiChanged() {
    ApplyImages();
    ApplyColumns();
}

void ListViewBinder::ApplyStyle() {
    // Sub-item images: a cell after the first may carry a picture of the row's image list.
    // Info tips: a row may carry a tip of its own (LVN_GETINFOTIP).
    DWORD style = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP;
    if (view_.ColumnsMovable()) style |= LVS_EX_HEADERDRAGDROP;
    ListView_SetExtendedListViewStyle(Handle(), style);
}

namespace {

int ColumnFormat(ui::ColumnAlignment alignment) {
    switch (alignment) {
        case ui::ColumnAlignment::Center:
            return LVCFMT_CENTER;
        case ui::ColumnAlignment::Right:
            return LVCFMT_RIGHT;
        case ui::ColumnAlignment::Left:
            break;
    }
    return LVCFMT_LEFT;
}

}  // namespace

void ListViewBinder::ApplyColumns() {
    ApplyScope scope(*this);
    const HWND header = ListView_GetHeader(Handle());
    for (int count = header != nullptr ? Header_GetItemCount(header) : 0; count > 0; --count) {
        ListView_DeleteColumn(Handle(), count - 1);
    }
    int index = 0;
    for (const ui::ListColumn& column : view_.Columns()) {
        std::wstring caption = Widen(column.caption);
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        info.fmt = ColumnFormat(column.alignment);
        info.pszText = caption.data();
        info.cx = binding_.Scale(column.width);
        info.iSubItem = index;
        ::SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&info));
        ++index;
    }
}

void ListViewBinder::ApplyRows() {
    ApplyScope scope(*this);
    ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(Handle());
    int index = 0;
    for (const ui::ListRow& row : view_.Rows()) {
        std::wstring first = row.cells.empty() ? std::wstring() : Widen(row.cells.front());
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = index;
        item.pszText = first.data();
        item.iImage = row.imageIndex >= 0 ? row.imageIndex : I_IMAGENONE;
        ::SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (std::size_t cell = 1; cell < row.cells.size(); ++cell) {
            std::wstring text = Widen(row.cells[cell]);
            LVITEMW sub{};
            sub.mask = LVIF_TEXT;
            sub.iItem = index;
            sub.iSubItem = static_cast<int>(cell);
            sub.pszText = text.data();
            // A cell without a picture keeps the control's default, which takes no room: with
            // I_IMAGENONE the text would move over for a picture that is not there.
            if (const int image = row.CellImage(cell); image >= 0) {
                sub.mask |= LVIF_IMAGE;
                sub.iImage = image;
            }
            ::SendMessageW(Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&sub));
        }
        ++index;
    }
    ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(Handle(), nullptr, TRUE);
    ApplySelection();
}

void ListViewBinder::ApplySelection() {
    ApplyScope scope(*this);
    const int index = view_.ItemIndex();
    ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (index < 0) return;
    ListView_SetItemState(Handle(), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(Handle(), index, FALSE);
}

void ListViewBinder::ApplyImages() {
    const ui::ImageList* model = view_.SmallImages();
    UniqueImageList images;
    if (model != nullptr) {
        const int size = SystemMetricForDpi(SM_CXSMICON, binding_.Dpi());
        const int count = static_cast<int>(model->Images().size());
        images.Reset(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, count, 4));
        for (const imaging::Bitmap& picture : model->Images()) {
            UniqueIcon icon = CreateIconFromBitmap(picture, size);
            // An empty picture still takes its index, so rows keep pointing at the right ones.
            if (!icon)
                icon.Reset(static_cast<HICON>(
                    ::CopyImage(::LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON, size, size, 0)));
            ImageList_AddIcon(images.Get(), icon.Get());
        }
    }
    ListView_SetImageList(Handle(), images.Get(), LVSIL_SMALL);
    images_ = std::move(images);
}

int ListViewBinder::SelectedRow() const {
    return ListView_GetNextItem(Handle(), -1, LVNI_SELECTED);
}

LRESULT ListViewBinder::OnNotify(const NMHDR& header) {
    if (header.code == NM_DBLCLK) {
        view_.UserDblClick();
    } else if (header.code == LVN_GETINFOTIPW) {
        ShowRowTip(const_cast<NMLVGETINFOTIPW&>(reinterpret_cast<const NMLVGETINFOTIPW&>(header)));
    } else if (header.code == LVN_ITEMCHANGED && !Applying()) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) == 0 ||
            ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) == 0) {
            return 0;
        }
        if (change.uNewState & LVIS_SELECTED) {
            view_.UserSelect(change.iItem);
        } else if (!syncPending_) {
            // A new choice first deselects the old row: wait for the whole burst before
            // reporting "nothing chosen", which is usually followed by the new row at once.
            syncPending_ = true;
            PostDeferred();
        }
    }
    return 0;
}

void ListViewBinder::ShowRowTip(NMLVGETINFOTIPW& tip) const {
    const auto& rows = view_.Rows();
    if (tip.iItem < 0 || tip.iItem >= static_cast<int>(rows.size()) || tip.pszText == nullptr ||
        tip.cchTextMax <= 0)
        return;
    const std::string& text = rows[static_cast<std::size_t>(tip.iItem)].tip;
    if (text.empty()) return;
    // The control offers the cut-off cell text as the tip; the row's own tip replaces it.
    const std::wstring wide = Widen(text);
    const std::size_t length = std::min(wide.size(), static_cast<std::size_t>(tip.cchTextMax - 1));
    wide.copy(tip.pszText, length);
    tip.pszText[length] = L'\0';
}

void ListViewBinder::OnDeferred() {
    syncPending_ = false;
    view_.UserSelect(SelectedRow());
}

void ListViewBinder::OnContextMenu(POINT screen) {
    ui::PopupMenu* menu = view_.ContextMenu();
    if (menu == nullptr) return;
    // A right click beside the rows has just taken the choice away; the menu is prepared for
    // the rows chosen now, not for the report still waiting in the queue.
    if (syncPending_) OnDeferred();
    if (screen.x == -1 && screen.y == -1) {
        // From the keyboard: open at the chosen row, or at the top of the list.
        RECT place{};
        const int row = SelectedRow();
        if (row < 0 || !ListView_GetItemRect(Handle(), row, &place, LVIR_LABEL))
            ::GetClientRect(Handle(), &place);
        screen = POINT{place.left, place.bottom};
        ::ClientToScreen(Handle(), &screen);
    }
    ShowPopupMenu(*menu, binding_.FormHandle(), screen);
}

}  // namespace vitrex::win32
