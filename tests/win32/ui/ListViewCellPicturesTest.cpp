#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "UiTestSupport.h"
#include "core/ui/Form.h"
#include "core/ui/ListControls.h"
#include "core/ui/Menu.h"
#include "win32/ui/FormWindow.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

struct ViewForm : ui::Form {
    ViewForm() : ui::Form("ViewForm", "TVitrexViewForm", 420, 240) {}
    ui::ListView view{"View", this, {4, 4, 400, 220}};
    ui::ImageList images{16, 16};
    ui::PopupMenu menu{"Menu", this};
};

struct ListViewCellPictures : ::testing::Test {
    ListViewCellPictures() {
        form.SetDispatcher(&dispatcher);
        form.view.OnSelect = [] {};
        form.images.Add(imaging::Bitmap{1, 1, {0xFFFF0000u}});
        form.images.Add(imaging::Bitmap{1, 1, {0xFF00FF00u}});
        form.view.SetSmallImages(&form.images);
        form.view.SetColumns({{"Window", 150}, {"PID", 50, ui::ColumnAlignment::Center}, {"Process", 100}});
        form.view.SetRows(
            {{{"Editor", "12", "editor.exe"}, 0, {-1, -1, 1}}, {{"Shell", "40", "shell.exe"}, -1}});
        window = Bind(form, ::GetModuleHandleW(nullptr));
        form.SetVisible(true);
    }
    HWND View() const { return window->HandleOf(form.view); }
    int CellImage(int row, int column) const {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        item.iSubItem = column;
        ListView_GetItem(View(), &item);
        return item.iImage;
    }

    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    ViewForm form;
    std::unique_ptr<FormWindow> window;
};

TEST_F(ListViewCellPictures, ACellAfterTheFirstShowsItsPictureAndOthersShowNone) {
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(View()) & LVS_EX_SUBITEMIMAGES);
    EXPECT_EQ(CellImage(0, 2), 1);
    EXPECT_EQ(CellImage(0, 0), 0);
    EXPECT_LT(CellImage(0, 1), 0);
    EXPECT_LT(CellImage(1, 2), 0) << "a row without cell pictures";
    wchar_t text[32] = {};
    ListView_GetItemText(View(), 0, 2, text, 32);
    EXPECT_STREQ(text, L"editor.exe");

    // The pictures follow the model when the rows are set again.
    form.view.SetRows({{{"Shell", "40", "shell.exe"}, -1, {-1, -1, 0}}});
    EXPECT_EQ(CellImage(0, 2), 0);
}

TEST_F(ListViewCellPictures, ColumnsKeepTheirAlignmentAndHeadersMoveOnlyWhenAllowed) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    ListView_GetColumn(View(), 1, &column);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER);
    ListView_GetColumn(View(), 2, &column);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);

    EXPECT_FALSE(ListView_GetExtendedListViewStyle(View()) & LVS_EX_HEADERDRAGDROP);
    form.view.SetColumnsMovable(true);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(View()) & LVS_EX_HEADERDRAGDROP);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(View()) & LVS_EX_FULLROWSELECT);
}

TEST_F(ListViewCellPictures, TheMenuIsPreparedForAChoiceTakenAwayJustBeforeItOpens) {
    form.view.SetContextMenu(&form.menu);
    form.menu.Add("Item", "Item");
    int chosenAtPopup = 99;
    form.menu.OnPopup = [&] { chosenAtPopup = form.view.ItemIndex(); };
    ListView_SetItemState(View(), 0, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ(form.view.ItemIndex(), 0);

    // A right click beside the rows: the row loses its choice, and the menu opens before the
    // queued report of that is handled.
    ListView_SetItemState(View(), -1, 0, LVIS_SELECTED);
    ::PostMessageW(window->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    ::SendMessageW(View(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(View()), MAKELPARAM(-1, -1));
    EXPECT_EQ(chosenAtPopup, -1);
    Pump();
    EXPECT_EQ(form.view.ItemIndex(), -1);
}

}  // namespace
}  // namespace vitrex::win32
