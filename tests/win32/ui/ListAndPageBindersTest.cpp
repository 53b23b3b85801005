#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>

#include "UiTestSupport.h"
#include "core/ui/Form.h"
#include "core/ui/ListControls.h"
#include "core/ui/Menu.h"
#include "core/ui/PageControl.h"
#include "win32/UniqueHandle.h"
#include "win32/ui/Dpi.h"
#include "win32/ui/FormWindow.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

ui::ListRow Row(std::vector<std::string> cells, int imageIndex) {
    ui::ListRow row;
    row.cells = std::move(cells);
    row.imageIndex = imageIndex;
    return row;
}

struct ListForm : ui::Form {
    ListForm() : ui::Form("ListForm", "TVitrexListForm", 500, 340) {}
    ui::ComboBox combo{"Combo", this, {8, 8, 150, 21}};
    ui::ListBox list{"List", this, {8, 40, 150, 100}};
    ui::PageControl pages{"Pages", this, {170, 8, 320, 320}};
    ui::TabSheet page0{"Page0", &pages, "General"};
    ui::Label onPage0{"OnPage0", &page0, {8, 8, 100, 16}, "first page"};
    ui::TabSheet page1{"Page1", &pages, "Hidden tab"};
    ui::TabSheet page2{"Page2", &pages, "Applications"};
    ui::ListView view{"View", &page2, {4, 4, 300, 200}};
    ui::ImageList images{16, 16};
    ui::PopupMenu menu{"Menu", this};
};

struct ListBinderTest : ::testing::Test {
    ListBinderTest() {
        form.SetDispatcher(&dispatcher);
        form.combo.OnChange = [] {};
        form.list.OnClick = [] {};
        form.list.OnDblClick = [] {};
        form.pages.OnChange = [] {};
        form.view.OnSelect = [] {};
        form.view.OnDblClick = [] {};
        form.page1.SetTabVisible(false);
        form.pages.SetActivePage(0);
        form.images.Add(imaging::Bitmap{1, 1, {0xFFFF0000u}});
        form.images.Add(imaging::Bitmap{1, 1, {0xFF00FF00u}});
        form.view.SetSmallImages(&form.images);
        form.view.SetColumns({{"Window", 150}, {"PID", 50}});
        form.view.SetRows({Row({"Editor", "12"}, 0), Row({"Shell", "40"}, 1), Row({"Clock", "7"}, -1)});
        window = Bind(form, ::GetModuleHandleW(nullptr));
        form.SetVisible(true);
    }
    HWND H(const ui::Widget& widget) const { return window->HandleOf(widget); }
    int Events(const std::string& name) const {
        return static_cast<int>(std::count(dispatcher.senders.begin(), dispatcher.senders.end(), name));
    }
    std::wstring TabText(int position) const {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        ::SendMessageW(H(form.pages), TCM_GETITEMW, static_cast<WPARAM>(position),
                       reinterpret_cast<LPARAM>(&item));
        return text;
    }
    void NotifyFromControl(HWND control, UINT code) const {
        NMHDR header{control, static_cast<UINT_PTR>(::GetDlgCtrlID(control)), code};
        ::SendMessageW(::GetParent(control), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    }

    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    ListForm form;
    std::unique_ptr<FormWindow> window;
};

TEST_F(ListBinderTest, ComboBoxShowsTheModelsItemsAndReportsTheUsersChoiceOnce) {
    EXPECT_EQ(StyleOf(H(form.combo)) & 3, CBS_DROPDOWNLIST);
    form.combo.SetItems({"English", "Deutsch",
                         "Fran\xC3\xA7"
                         "ais"});
    form.combo.SetItemIndex(1);
    EXPECT_EQ(::SendMessageW(H(form.combo), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(::SendMessageW(H(form.combo), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Events("Combo"), 0);

    ::SendMessageW(H(form.combo), CB_SETCURSEL, 2, 0);
    NotifyParent(H(form.combo), CBN_SELCHANGE);
    EXPECT_EQ(form.combo.ItemIndex(), 2);
    EXPECT_EQ(form.combo.Text(),
              "Fran\xC3\xA7"
              "ais");
    EXPECT_EQ(Events("Combo"), 1);
}

TEST_F(ListBinderTest, ListBoxKeepsTheModelsOrderAndReportsSelectionAndDoubleClicks) {
    EXPECT_FALSE(StyleOf(H(form.list)) & LBS_SORT);
    form.list.SetItems({"zeta.exe", "alpha.exe"});
    wchar_t first[32] = {};
    ::SendMessageW(H(form.list), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, L"zeta.exe");
    form.list.SetSelection({1});
    EXPECT_EQ(::SendMessageW(H(form.list), LB_GETCURSEL, 0, 0), 1);

    ::SendMessageW(H(form.list), LB_SETCURSEL, 0, 0);
    NotifyParent(H(form.list), LBN_SELCHANGE);
    EXPECT_EQ(form.list.Selection(), std::vector<int>{0});
    NotifyParent(H(form.list), LBN_DBLCLK);
    EXPECT_EQ(Events("List"), 2);

    // Multiple choice needs another list box: it takes the old one's place in the tab order.
    const HWND before = ::GetWindow(H(form.list), GW_HWNDPREV);
    form.list.SetMultiSelect(true);
    EXPECT_TRUE(StyleOf(H(form.list)) & LBS_EXTENDEDSEL);
    EXPECT_EQ(::GetWindow(H(form.list), GW_HWNDPREV), before);
    EXPECT_EQ(::SendMessageW(H(form.list), LB_GETCOUNT, 0, 0), 2);
    form.list.SetSelection({0, 1});
    EXPECT_EQ(::SendMessageW(H(form.list), LB_GETSELCOUNT, 0, 0), 2);
}

// The widest item in the list box's own font, as LB_SETHORIZONTALEXTENT needs it.
int WidestItem(HWND list) {
    const WindowDcScope dc(list);
    SelectObjectScope font(dc.Dc(), reinterpret_cast<HGDIOBJ>(::SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        const auto length =
            static_cast<int>(::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text)));
        SIZE size{};
        ::GetTextExtentPoint32W(dc.Dc(), text, length, &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest;
}

TEST_F(ListBinderTest, ListBoxScrollsSidewaysAsFarAsItsWidestItem) {
    const std::string longName =
        "a-program-with-a-very-long-executable-name-that-no-list-box-shows-whole.exe";
    form.list.SetHorizontalScroll(true);
    HWND list = H(form.list);
    const auto extent = [&] { return static_cast<int>(::SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0)); };
    const int clientWidth = ClientRectOf(list).right;

    form.list.SetItems({"notepad.exe", longName});  // as an import does
    EXPECT_GT(extent(), clientWidth);
    EXPECT_TRUE(StyleOf(list) & WS_HSCROLL) << "the bar shows";
    EXPECT_GE(extent(), WidestItem(list)) << "the last letters can be scrolled into view";
    EXPECT_LE(extent(), WidestItem(list) + 12) << "and no further";

    form.list.DeleteItem(form.list.IndexOf(longName));
    EXPECT_LE(extent(), clientWidth);
    EXPECT_FALSE(StyleOf(list) & WS_HSCROLL) << "no bar once the long name is gone";
    form.list.AddItem(longName);
    const int at96 = extent();
    EXPECT_GT(at96, clientWidth);

    const RECT place = [&] {
        RECT r{};
        ::GetWindowRect(window->HandleOf(form), &r);
        return r;
    }();
    ::SendMessageW(window->HandleOf(form), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&place));
    list = H(form.list);
    EXPECT_GE(extent(), WidestItem(list)) << "measured again in the larger font";
    EXPECT_GT(extent(), at96 * 5 / 4);
}

TEST_F(ListBinderTest, TabStripShowsOnlyVisibleTabsAndOnlyTheActivePageShows) {
    EXPECT_EQ(TabCtrl_GetItemCount(H(form.pages)), 2);
    EXPECT_EQ(TabText(1), L"Applications");
    EXPECT_TRUE(::IsWindowVisible(H(form.onPage0)));
    EXPECT_FALSE(::IsWindowVisible(H(form.view))) << "a page not on display hides its controls";

    // The way the main window navigates: one tab at a time.
    form.page0.SetTabVisible(false);
    form.page2.SetTabVisible(false);
    form.page1.SetTabVisible(true);
    form.pages.SetActivePage(1);
    EXPECT_EQ(TabCtrl_GetItemCount(H(form.pages)), 1);
    EXPECT_EQ(TabText(0), L"Hidden tab");
    EXPECT_EQ(TabCtrl_GetCurSel(H(form.pages)), 0);
    EXPECT_TRUE(::IsWindowVisible(H(form.page1)));
    EXPECT_FALSE(::IsWindowVisible(H(form.page0)));
    EXPECT_FALSE(::IsWindowVisible(H(form.onPage0)));
    EXPECT_EQ(Events("Pages"), 0);

    // The sheet fills the tab control's display area.
    RECT area = ClientRectOf(H(form.pages));
    TabCtrl_AdjustRect(H(form.pages), FALSE, &area);
    const RECT sheet = RectInParent(H(form.page1));
    EXPECT_EQ(sheet.left, area.left);
    EXPECT_EQ(sheet.bottom, area.bottom);
}

// A caption of a language file's longest value (2047 characters): the tab is there, inside the
// strip, with the caption's beginning and an ellipsis.
TEST_F(ListBinderTest, ATabCaptionTooWideForTheStripIsShortenedNotLost) {
    form.page0.SetCaption("Allgemein " + std::string(2037, 'x'));
    ASSERT_EQ(TabCtrl_GetItemCount(H(form.pages)), 2);
    wchar_t text[4096] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 4096;
    ::SendMessageW(H(form.pages), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    const std::wstring shown = text;
    EXPECT_EQ(shown.rfind(L"Allgemein x", 0), 0u) << "its beginning";
    EXPECT_EQ(shown.back(), L'\x2026') << "and an ellipsis";
    EXPECT_LT(shown.size(), 200u);
    RECT tab{};
    ASSERT_TRUE(TabCtrl_GetItemRect(H(form.pages), 0, &tab));
    EXPECT_LE(tab.right, ClientRectOf(H(form.pages)).right) << "the tab fits the strip";
    EXPECT_GT(tab.right - tab.left, 0);

    form.page0.SetCaption("General");
    EXPECT_EQ(TabText(0), L"General") << "a caption that fits stays whole";
}

TEST_F(ListBinderTest, UserTabChoiceMapsTheTabPositionToItsPage) {
    TabCtrl_SetCurSel(H(form.pages), 1);
    NotifyFromControl(H(form.pages), TCN_SELCHANGE);
    EXPECT_EQ(form.pages.ActivePageIndex(), 2) << "the second tab is page 2 while page 1's tab is hidden";
    EXPECT_EQ(Events("Pages"), 1);
    EXPECT_TRUE(::IsWindowVisible(H(form.view)));
    EXPECT_FALSE(::IsWindowVisible(H(form.page0)));
}

TEST_F(ListBinderTest, ListViewShowsColumnsRowsAndPicturesAtTheSmallIconSize) {
    const HWND view = H(form.view);
    EXPECT_EQ(StyleOf(view) & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(StyleOf(view) & LVS_SINGLESEL);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(view) & LVS_EX_FULLROWSELECT);
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(view)), 2);
    EXPECT_EQ(ListView_GetItemCount(view), 3);
    wchar_t cell[16] = {};
    ListView_GetItemText(view, 1, 1, cell, 16);
    EXPECT_STREQ(cell, L"40");
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 1;
    ListView_GetItem(view, &item);
    EXPECT_EQ(item.iImage, 1);

    const HIMAGELIST images = ListView_GetImageList(view, LVSIL_SMALL);
    ASSERT_NE(images, nullptr);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, SystemMetricForDpi(SM_CXSMICON, window->Dpi()));
    EXPECT_EQ(ImageList_GetImageCount(images), 2);

    form.view.SetRows({Row({"Only"}, 0)});
    EXPECT_EQ(ListView_GetItemCount(view), 1);
    form.view.SetItemIndex(0);
    EXPECT_EQ(ListView_GetNextItem(view, -1, LVNI_SELECTED), 0);
    EXPECT_EQ(Events("View"), 0) << "choosing a row from the program is no user event";
}

TEST_F(ListBinderTest, ListViewReportsEachNewChoiceOnceAndDoubleClicks) {
    const HWND view = H(form.view);
    ListView_SetItemState(view, 0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(form.view.ItemIndex(), 0);
    ListView_SetItemState(view, 2, LVIS_SELECTED, LVIS_SELECTED);
    Pump();
    EXPECT_EQ(form.view.ItemIndex(), 2);
    EXPECT_EQ(Events("View"), 2) << "moving the choice is one event, not a deselect and a select";

    ListView_SetItemState(view, -1, 0, LVIS_SELECTED);
    PumpUntil([&] { return form.view.ItemIndex() == -1; });
    EXPECT_EQ(form.view.ItemIndex(), -1);
    EXPECT_EQ(Events("View"), 3);

    NotifyFromControl(view, NM_DBLCLK);
    EXPECT_EQ(Events("View"), 4);
}

TEST_F(ListBinderTest, ContextMenuKeyOpensTheListsMenuPreparedForIt) {
    form.pages.SetActivePage(2);
    form.view.SetContextMenu(&form.menu);
    ui::MenuItem& open = form.menu.Add("Open", "Open");
    ui::MenuItem& close = form.menu.Add("Close", "Close");
    std::vector<std::string> order;
    form.menu.OnPopup = [&] {
        order.push_back("popup");
        open.SetEnabled(form.view.ItemIndex() >= 0);
    };
    close.OnClick = [&] { order.push_back("close"); };
    form.view.SetItemIndex(1);

    ::PostMessageW(window->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(window->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(window->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    // The context-menu key: the list view passes it on to its container.
    ::SendMessageW(H(form.view), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(H(form.view)), MAKELPARAM(-1, -1));
    EXPECT_EQ(order, (std::vector<std::string>{"popup", "close"}));
}

}  // namespace
}  // namespace vitrex::win32
