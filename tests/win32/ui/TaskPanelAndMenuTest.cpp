#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "UiTestSupport.h"
#include "core/ui/Form.h"
#include "core/ui/Menu.h"
#include "core/ui/TaskPanel.h"
#include "core/ui/TaskPanelLayout.h"
#include "win32/Dib.h"
#include "win32/UniqueHandle.h"
#include "win32/ui/FormWindow.h"
#include "win32/ui/PopupMenus.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

struct PanelForm : ui::Form {
    PanelForm() : ui::Form("PanelForm", "TVitrexPanelForm", 300, 300) {
        group.AddItem("Item0", "Generic");
        group.AddItem("Item1", "Transparency");
        group.AddItem("Item2", "Exceptions");
    }
    ui::TaskPanel panel{"Panel", this, {0, 0, 140, 300}};
    ui::TaskGroup& group = panel.AddGroup("Group", "Settings");
};

struct TaskPanelTest : ::testing::Test {
    TaskPanelTest() {
        form.SetDispatcher(&dispatcher);
        for (int i = 0; i < form.group.ItemCount(); ++i)
            form.group.Item(i).OnClick = [] {};
        window = Bind(form, ::GetModuleHandleW(nullptr));
        form.SetVisible(true);
    }
    HWND Panel() const { return window->HandleOf(form.panel); }
    POINT CentreOf(int item) const {
        for (const ui::TaskPanelEntry& e :
             ui::LayOutTaskPanel(form.panel, ClientRectOf(Panel()).right, window->Dpi())) {
            if (e.item == item)
                return POINT{(e.bounds.left + e.bounds.right) / 2, (e.bounds.top + e.bounds.bottom) / 2};
        }
        return POINT{-1, -1};
    }
    void ClickAt(POINT p) const {
        ::SendMessageW(Panel(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        ::SendMessageW(Panel(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }

    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    PanelForm form;
    std::unique_ptr<FormWindow> window;
};

TEST_F(TaskPanelTest, AClickOnAnItemRunsItsHandlerOnce) {
    EXPECT_EQ(ClassOf(Panel()), L"VitrexTaskPanel");
    ClickAt(CentreOf(1));
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"Item1"});

    // A press on one item and a release on another is no click.
    const POINT from = CentreOf(0), to = CentreOf(2);
    ::SendMessageW(Panel(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    ::SendMessageW(Panel(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_EQ(dispatcher.senders.size(), 1u);
}

TEST_F(TaskPanelTest, HidingAnItemTakesItOutOfTheLayoutAtOnce) {
    const POINT second = CentreOf(1);
    form.group.Item(1).SetVisible(false);
    // Item 2 moved up into the second line.
    ClickAt(second);
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"Item2"});
}

TEST_F(TaskPanelTest, KeyboardMovesAmongVisibleItemsAndEnterClicks) {
    form.group.Item(1).SetVisible(false);
    ::SetFocus(Panel());
    ::SendMessageW(Panel(), WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessageW(Panel(), WM_KEYDOWN, VK_RETURN, 0);
    ::SendMessageW(Panel(), WM_KEYDOWN, VK_DOWN, 0);  // already the last
    ::SendMessageW(Panel(), WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageW(Panel(), WM_KEYDOWN, VK_UP, 0);
    ::SendMessageW(Panel(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(dispatcher.senders, (std::vector<std::string>{"Item2", "Item2", "Item0"}));
    const LRESULT code = ::SendMessageW(Panel(), WM_GETDLGCODE, 0, 0);
    EXPECT_TRUE(code & DLGC_WANTARROWS);
}

// The panel as it is drawn now, pixel by pixel.
std::vector<std::uint32_t> Drawing(HWND panel) {
    const RECT client = ClientRectOf(panel);
    const WindowDcScope screen(panel);
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.Dc()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.Dc(), client.right, client.bottom));
    {
        SelectObjectScope select(memory.Get(), bitmap.Get());
        ::SendMessageW(panel, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
    }
    const auto drawn = ReadBitmapPixels(bitmap.Get());
    return drawn ? drawn->pixels : std::vector<std::uint32_t>{};
}

TEST_F(TaskPanelTest, NoItemLooksChosenUntilTheKeyboardIsUsedInThePanel) {
    const HWND elsewhere = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE, 200, 200, 20, 20,
                                             window->HandleOf(form), nullptr, nullptr, nullptr);
    ::SetFocus(elsewhere);
    const std::vector<std::uint32_t> plain = Drawing(Panel());
    ASSERT_FALSE(plain.empty());
    // As when the window is shown or activated: the panel is its first control.
    ::SetFocus(Panel());
    ASSERT_EQ(::GetFocus(), Panel());
    EXPECT_EQ(Drawing(Panel()), plain) << "no focus frame on an item the user did not reach";
    ::SendMessageW(Panel(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(dispatcher.senders.empty()) << "Enter does not choose an item shown as not chosen";

    ::SendMessageW(Panel(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_NE(Drawing(Panel()), plain) << "the keyboard shows where it is";
    ::SendMessageW(Panel(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"Item1"});
    ::DestroyWindow(elsewhere);
}

struct PopupMenuTest : ::testing::Test {
    PopupMenuTest() { owner.SetDispatcher(&dispatcher); }
    std::wstring TextAt(HMENU menu, int position) const {
        wchar_t text[64] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
        return text;
    }
    CountingDispatcher dispatcher;
    ui::Form owner{"Owner", "TOwner", 10, 10};
    ui::PopupMenu menu{"Menu", &owner};
};

TEST_F(PopupMenuTest, BuildsVisibleItemsWithTheirStatesAndTidySeparators) {
    menu.AddSeparator();
    ui::MenuItem& active = menu.Add("Active", "Active");
    menu.Add("Hidden", "Hidden").SetVisible(false);
    menu.AddSeparator();
    menu.AddSeparator();
    ui::MenuItem& more = menu.Add("More", "More");
    more.Add("Sub", "Sub item");
    ui::MenuItem& off = menu.Add("Off", "Off");
    menu.AddSeparator();
    active.SetChecked(true);
    active.SetDefault(true);
    off.SetEnabled(false);

    const BuiltMenu built = BuildPopupMenu(menu.Root());
    const HMENU real = built.menu.Get();
    ASSERT_EQ(::GetMenuItemCount(real), 4) << "Active, separator, More, Off";
    EXPECT_EQ(TextAt(real, 0), L"Active");
    EXPECT_EQ(::GetMenuState(real, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_TRUE(::GetMenuState(real, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(::GetMenuDefaultItem(real, TRUE, 0), 0u);
    EXPECT_TRUE(::GetMenuState(real, 3, MF_BYPOSITION) & MF_GRAYED);
    const HMENU sub = ::GetSubMenu(real, 2);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(TextAt(sub, 0), L"Sub item");
    EXPECT_EQ(built.commands.size(), 3u) << "Active, Sub item and Off can be chosen; More opens a submenu";
}

TEST_F(PopupMenuTest, PreparesTheMenuThenReportsTheChosenItemOnce) {
    CommonControls6Scope controls6;
    ui::Form form("Host", "TVitrexMenuHost", 100, 100);
    std::unique_ptr<FormWindow> host = Bind(form, ::GetModuleHandleW(nullptr));
    form.SetVisible(true);

    ui::MenuItem& first = menu.Add("First", "First");
    ui::MenuItem& second = menu.Add("Second", "Second");
    std::vector<std::string> order;
    menu.OnPopup = [&] {
        order.push_back("popup");
        first.SetVisible(false);  // prepared just before it opens
    };
    first.OnClick = [&] { order.push_back("first"); };
    second.OnClick = [&] { order.push_back("second"); };

    // The menu's own loop reads the keys: highlight the first visible entry, choose it.
    const HWND target = host->Handle();
    ::PostMessageW(target, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(target, WM_KEYDOWN, VK_RETURN, 0);
    RECT place{};
    ::GetWindowRect(target, &place);
    const ui::MenuItem* chosen = ShowPopupMenu(menu, target, POINT{place.left + 20, place.top + 20});
    EXPECT_EQ(chosen, &second);
    EXPECT_EQ(order, (std::vector<std::string>{"popup", "second"}));
}

}  // namespace
}  // namespace vitrex::win32
