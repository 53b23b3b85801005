#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "../ui/UiTestSupport.h"
#include "TrayTestSupport.h"
#include "core/sysinfo/cpu/GaugeImages.h"
#include "core/ui/Form.h"
#include "core/ui/ListControls.h"
#include "core/ui/Menu.h"
#include "core/ui/TrayIcon.h"
#include "win32/tray/TrayIconBinder.h"

namespace vitrex::win32 {
namespace {

using testing::CountingDispatcher;
using testing::PumpUntil;
using testing::ShellHasIcon;

struct TrayBinderFixture : ::testing::Test {
    TrayBinderFixture() {
        form.SetDispatcher(&dispatcher);
        for (const imaging::Bitmap& image : sysinfo::cpu::GaugeImages())
            images.Add(image);
        tray.SetIconList(&images, [](int index, int size) { return sysinfo::cpu::GaugeImage(index, size); });
        tray.SetPopupMenu(&menu);
        tray.OnClick = [this] { events.push_back("click"); };
        tray.OnDblClick = [this] { events.push_back("dbl"); };
        tray.OnBalloonClick = [this] { events.push_back("balloon click"); };
        tray.OnBalloonClose = [this] { events.push_back("balloon close"); };
        tray.OnBalloonTimeout = [this] { events.push_back("balloon timeout"); };
        menu.OnPopup = [this] { events.push_back("popup"); };
        menu.Add("TrayPopup_Resize", "Restore").OnClick = [this] { events.push_back("restore"); };
        menu.Add("TrayPopup_Exit", "&Exit").OnClick = [this] { events.push_back("exit"); };
    }
    ~TrayBinderFixture() override {
        binder.reset();
        testing::Pump();
    }

    void Bind() { binder = BindTrayIcon(tray, ::GetModuleHandleW(nullptr)); }
    HWND Window() const { return binder->CallbackWindow(); }
    void Callback(UINT event, int x = 0, int y = 0) {
        ::SendMessageW(Window(), TrayIconBinder::kCallbackMessage,
                       static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(x, y))),
                       MAKELPARAM(event, NotifyIcon::kId));
    }

    CountingDispatcher dispatcher;
    ui::Form form{"TestForm", "TTestForm", 200, 100};
    ui::TrayIcon tray{"Tray", &form, "Vitrex"};
    ui::ImageList images{16, 16};
    ui::PopupMenu menu{"TrayPopup", &form};
    std::vector<std::string> events;
    std::unique_ptr<TrayIconBinder> binder;
};

TEST_F(TrayBinderFixture, IconIsInTheNotificationAreaExactlyWhileVisible) {
    Bind();
    const HWND window = Window();
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(::GetParent(window), nullptr) << "top-level, so that it hears TaskbarCreated";
    EXPECT_FALSE(ShellHasIcon(window));

    tray.SetIconVisible(true);
    EXPECT_TRUE(binder->InNotificationArea());
    EXPECT_TRUE(ShellHasIcon(window));
    tray.SetHint("Vitrex (CPU Usage: 38%)");
    tray.SetIconIndex(5);
    tray.SetIconIndex(14);
    EXPECT_TRUE(ShellHasIcon(window)) << "modified, not lost";

    tray.SetIconVisible(false);
    EXPECT_FALSE(binder->InNotificationArea());
    EXPECT_FALSE(ShellHasIcon(window));

    tray.SetIconVisible(true);
    binder.reset();
    EXPECT_FALSE(ShellHasIcon(window)) << "the binder's end deletes the icon";
}

TEST_F(TrayBinderFixture, AnIconVisibleBeforeBindingIsAddedAtOnce) {
    tray.SetIconVisible(true);
    Bind();
    EXPECT_TRUE(ShellHasIcon(Window()));
}

TEST_F(TrayBinderFixture, WineShowsTheIconInItsTrayWindow) {
    if (!testing::UnderWine()) GTEST_SKIP() << "Wine's own tray window";
    const int before = testing::WineTrayIconCount();
    Bind();
    tray.SetIconVisible(true);
    ASSERT_TRUE(PumpUntil([&] { return testing::WineTrayIconCount() == before + 1; }));
    EXPECT_TRUE(::IsWindowVisible(testing::WineSystemTray()));
    if (testing::HostHasXdotool()) {
        EXPECT_EQ(testing::RunHostCommand("xdotool search --onlyvisible --name '^Wine System Tray$'"), 0)
            << "the X window is mapped";
    }
    tray.SetIconVisible(false);
    EXPECT_TRUE(PumpUntil([&] { return testing::WineTrayIconCount() == before; }));
}

TEST_F(TrayBinderFixture, ShellCallbacksBecomeModelEvents) {
    tray.SetIconVisible(true);
    Bind();
    Callback(WM_LBUTTONDBLCLK);
    Callback(NIN_KEYSELECT);
    Callback(NIN_SELECT);
    Callback(WM_LBUTTONUP);
    Callback(NIN_BALLOONUSERCLICK);
    Callback(NIN_BALLOONHIDE);
    Callback(NIN_BALLOONTIMEOUT);
    ::SendMessageW(Window(), TrayIconBinder::kCallbackMessage, 0, MAKELPARAM(WM_LBUTTONDBLCLK, 9));
    EXPECT_EQ(events, (std::vector<std::string>{"dbl", "dbl", "click", "balloon click", "balloon close",
                                                "balloon timeout"}))
        << "keyboard selection works as the double click; the mouse button's release alone is no click "
           "in this form, and another icon's id does nothing";
    EXPECT_EQ(dispatcher.senders.size(), 6u) << "every event through the form's dispatcher";

    tray.SetIconVisible(false);
    Callback(WM_LBUTTONDBLCLK);
    EXPECT_EQ(events.size(), 6u) << "a click queued before the icon went away is dropped";
}

// Closes the popup menu from inside its modal loop, noting where it opened.
RECT g_menuRect{};
void CALLBACK CloseMenuTimer(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND menu = ::FindWindowW(L"#32768", nullptr);
    if (menu == nullptr || !::IsWindowVisible(menu)) return;
    ::GetWindowRect(menu, &g_menuRect);
    ::KillTimer(nullptr, id);
    ::EndMenu();
}

TEST_F(TrayBinderFixture, ContextMenuRequestOpensThePopupAtTheAnchor) {
    tray.SetIconVisible(true);
    Bind();
    g_menuRect = {};
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &CloseMenuTimer);
    // The menu key sends the same request as the right button, anchored at the icon.
    Callback(WM_CONTEXTMENU, 300, 200);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(events, std::vector<std::string>{"popup"});
    EXPECT_NEAR(g_menuRect.left, 300, 2);
    EXPECT_NEAR(g_menuRect.top, 200, 2);

    tray.SetPopupMenu(nullptr);
    Callback(WM_CONTEXTMENU, 300, 200);
    EXPECT_EQ(events.size(), 1u) << "no menu, nothing opens";
}

std::vector<HWND> WineTrayIcons() {
    std::vector<HWND> icons;
    for (HWND child = ::GetWindow(testing::WineSystemTray(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child)) icons.push_back(child);
    }
    return icons;
}

std::string XdotoolClickAt(POINT at, const std::string& clicks) {
    return "xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " " + clicks;
}

// Chooses the second item of the open popup menu with a real click, as a user would (the menu
// has no keyboard under Wine); closes the menu if the click does not come.
int g_menuTicks = 0;
void CALLBACK ChooseSecondItemTimer(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND window = ::FindWindowW(L"#32768", nullptr);
    if (window == nullptr || !::IsWindowVisible(window)) return;
    if (++g_menuTicks == 1) {
        const auto menu = reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0));
        RECT item{};
        if (menu != nullptr && ::GetMenuItemRect(nullptr, menu, 1, &item)) {
            testing::StartHostCommand(
                XdotoolClickAt({(item.left + item.right) / 2, (item.top + item.bottom) / 2}, "click 1"));
            return;
        }
    }
    if (g_menuTicks > 50) {
        ::KillTimer(nullptr, id);
        ::EndMenu();
    }
}

TEST_F(TrayBinderFixture, RealClicksOnWinesTrayReachTheModel) {
    if (!testing::HostHasXdotool()) GTEST_SKIP() << "needs Wine's tray window and the host's xdotool";
    const std::vector<HWND> before = WineTrayIcons();
    tray.SetIconVisible(true);
    Bind();
    HWND ours = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        for (HWND icon : WineTrayIcons()) {
            if (std::find(before.begin(), before.end(), icon) == before.end()) ours = icon;
        }
        return ours != nullptr;
    }));
    RECT place{};
    ::GetWindowRect(ours, &place);
    const POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};

    // The tray window has just appeared; on a busy machine the window manager maps it a little
    // later than Wine shows it, and a click before that hits the root window.
    ASSERT_TRUE(PumpUntil(
        [] {
            return testing::RunHostCommand("xdotool search --onlyvisible --name '^Wine System Tray$'") == 0;
        },
        std::chrono::seconds(5)));
    // Windows that earlier tests left on the shared display may lie over the tray window.
    testing::RunHostCommand("xdotool search --onlyvisible --name '^Wine System Tray$' windowraise");
    PumpUntil([] { return false; }, std::chrono::milliseconds(300));
    const auto doubleClicked = [&] { return std::count(events.begin(), events.end(), "dbl") > 0; };
    for (int attempt = 0; attempt < 3 && !doubleClicked(); ++attempt) {
        events.clear();
        ASSERT_EQ(testing::RunHostCommand(XdotoolClickAt(centre, "click --repeat 2 --delay 80 1")), 0);
        PumpUntil(doubleClicked, std::chrono::seconds(2));
    }
    // Each press of the double click is a click of its own too (the update notice opens its page on
    // the first and is gone for the second).
    EXPECT_EQ(std::count(events.begin(), events.end(), "dbl"), 1) << "one double click";
    EXPECT_GE(std::count(events.begin(), events.end(), "click"), 1) << "the single clicks reach the model";
    EXPECT_EQ(std::count(events.begin(), events.end(), "popup"), 0) << "and no menu from them";

    events.clear();
    g_menuTicks = 0;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &ChooseSecondItemTimer);
    ASSERT_EQ(testing::RunHostCommand(XdotoolClickAt(centre, "click 3")), 0);
    EXPECT_TRUE(PumpUntil([&] { return events.size() >= 2; }, std::chrono::seconds(8)));
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(events, (std::vector<std::string>{"popup", "exit"}));
}

TEST_F(TrayBinderFixture, ShellRestartAddsTheIconAgain) {
    tray.SetIconVisible(true);
    Bind();
    // A restarted shell has forgotten the icon.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = Window();
    data.uID = NotifyIcon::kId;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &data));
    ASSERT_FALSE(ShellHasIcon(Window()));

    ::SendMessageW(Window(), TrayIconBinder::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(ShellHasIcon(Window()));
    // A broadcast that was no restart leaves the one icon in place.
    ::SendMessageW(Window(), TrayIconBinder::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(ShellHasIcon(Window()));

    tray.SetIconVisible(false);
    ::SendMessageW(Window(), TrayIconBinder::TaskbarCreatedMessage(), 0, 0);
    EXPECT_FALSE(ShellHasIcon(Window())) << "a hidden icon stays away";
}

TEST_F(TrayBinderFixture, BalloonGoesToTheShellOnlyWhileVisible) {
    Bind();
    EXPECT_FALSE(tray.ShowBalloon({"Vitrex", "A new version is out", 10, ui::BalloonIcon::Info}));
    tray.SetIconVisible(true);
    EXPECT_TRUE(tray.ShowBalloon({"Vitrex", "A new version is out", 10, ui::BalloonIcon::Info}));
    EXPECT_TRUE(ShellHasIcon(Window()));
}

}  // namespace
}  // namespace vitrex::win32
