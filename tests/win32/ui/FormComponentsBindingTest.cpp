#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "../../common/WaitUntil.h"
#include "../tray/TrayTestSupport.h"
#include "UiTestSupport.h"
#include "core/ui/Form.h"
#include "core/ui/Menu.h"
#include "core/ui/Timer.h"
#include "core/ui/TrayIcon.h"
#include "win32/ui/FormWindow.h"
#include "win32/ui/MessageLoop.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

// A bare form bound by the real binder: what it binds comes from the form alone.
struct BoundForm : ::testing::Test {
    BoundForm() {
        form.SetDispatcher(&dispatcher);
        window = Bind(form, ::GetModuleHandleW(nullptr));
    }
    HWND Hwnd() const { return window->Handle(); }

    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    ui::Form form{"ComponentsForm", "TVitrexComponentsForm", 200, 100};
    std::unique_ptr<FormWindow> window;
};

TEST_F(BoundForm, ATimerAddedToTheBoundFormTicksUntilItIsDestroyed) {
    int ticks = 0;
    auto timer = std::make_unique<ui::Timer>("LateTimer", &form, 10, true);
    timer->OnTimer = [&] { ++ticks; };
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; })) << "ticked without being named to the binder";
    EXPECT_EQ(dispatcher.senders.front(), "LateTimer");

    // A second timer gets a window timer of its own.
    int otherTicks = 0;
    ui::Timer other("OtherTimer", &form, 10, true);
    other.OnTimer = [&] { ++otherTicks; };
    EXPECT_TRUE(PumpUntil([&] { return otherTicks >= 2; }));

    timer.reset();
    ticks = 0;
    otherTicks = 0;
    PumpUntil([] { return false; }, std::chrono::milliseconds(80));
    EXPECT_GT(otherTicks, 0);
    EXPECT_EQ(ticks, 0) << "a destroyed timer is no longer run (nor touched)";
}

TEST_F(BoundForm, ATimerBelowTheWindowTimersFloorTicksThroughOnePostedTickAtATime) {
    int ticks = 0, posted = 0, windowTimerTicks = 0;
    ui::Timer timer("FineTimer", &form, 2, true);
    timer.OnTimer = [&] { ++ticks; };
    window->SetMessageHook([&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == FormWindow::kFineTimerMessage) ++posted;
        if (message == WM_TIMER) ++windowTimerTicks;
        return std::nullopt;
    });
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 5; }));
    EXPECT_EQ(ticks, posted) << "every tick came as the posted message";
    EXPECT_EQ(windowTimerTicks, 0) << "not as a window timer held to its floor";

    // A thread that does not take its ticks finds one waiting, not one per period missed.
    MSG waiting{};
    ASSERT_TRUE(PumpUntil([&] {
        return ::PeekMessageW(&waiting, Hwnd(), FormWindow::kFineTimerMessage, FormWindow::kFineTimerMessage,
                              PM_NOREMOVE) != FALSE;
    }));
    // Ten more periods pass while nothing takes the tick.
    const FineTimer* fine = window->FineTimerOf(timer);
    ASSERT_NE(fine, nullptr);
    const unsigned seen = fine->Periods();
    ASSERT_TRUE(
        vitrex::testing::WaitUntil([&] { return fine->Periods() >= seen + 10; }, std::chrono::seconds(3)));
    int queued = 0;
    while (::PeekMessageW(&waiting, Hwnd(), FormWindow::kFineTimerMessage, FormWindow::kFineTimerMessage,
                          PM_REMOVE)) {
        ++queued;
        ::DispatchMessageW(&waiting);
    }
    EXPECT_EQ(queued, 1);
    const int before = ticks;
    EXPECT_TRUE(PumpUntil([&] { return ticks >= before + 3; })) << "the taken tick lets the next one come";

    // At the floor or above, it is a window timer again.
    timer.SetIntervalMs(20);
    windowTimerTicks = 0;
    posted = 0;
    ASSERT_TRUE(PumpUntil([&] { return windowTimerTicks >= 2; }));

    timer.SetIntervalMs(2);
    const int again = ticks;
    ASSERT_TRUE(PumpUntil([&] { return posted > 0 && ticks >= again + 3; }));
    // The stop ends the timer's callbacks before it returns: a mark posted after it is taken after
    // every tick that was posted before it.
    timer.SetEnabled(false);
    ticks = 0;
    constexpr WPARAM kMark = 0x7e57;
    bool marked = false;
    window->SetMessageHook([&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_NULL && wParam == kMark) marked = true;
        return std::nullopt;
    });
    ASSERT_TRUE(::PostMessageW(Hwnd(), WM_NULL, kMark, 0));
    ASSERT_TRUE(PumpUntil([&] { return marked; }));
    EXPECT_EQ(ticks, 0) << "a tick posted before the stop is dropped with the timer";
}

TEST_F(BoundForm, TheWindowMenuEntryRunsItsClickOnceWhenItsCommandIsTakenFromTheQueue) {
    std::vector<std::string> order;
    ui::MenuItem& exit = form.SystemMenu().AppendItem(1025, "WindowMenu_Exit", "Exit");
    exit.OnClick = [&] { order.push_back("exit"); };
    constexpr UINT kAfter = WM_APP + 9;
    window->SetMessageHook([&](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SYSCOMMAND && wParam == 1025) order.push_back("dispatched");
        if (message == kAfter) ::PostQuitMessage(0);
        return std::nullopt;
    });

    ::PostMessageW(Hwnd(), WM_SYSCOMMAND, 1026, 0);  // no entry of the program
    ::PostMessageW(Hwnd(), WM_SYSCOMMAND, 1025, 0);
    ::PostMessageW(Hwnd(), kAfter, 0, 0);
    RunMessageLoop(*window);

    EXPECT_EQ(order, (std::vector<std::string>{"exit", "dispatched"}))
        << "seen before dispatch, and not a second time by the window";
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"WindowMenu_Exit"});
}

TEST_F(BoundForm, HotKeysAndTheEndOfTheSessionReachTheFormAsItsEvents) {
    std::vector<int> pressed;
    form.OnHotKeyPressed = [&](int id) { pressed.push_back(id); };
    ::SendMessageW(Hwnd(), WM_HOTKEY, 260, MAKELPARAM(MOD_CONTROL, '5'));
    EXPECT_EQ(pressed, std::vector<int>{260});

    EXPECT_EQ(::SendMessageW(Hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE) << "no handler: the session may end";
    form.OnQueryEndSession = [] { return false; };
    EXPECT_EQ(::SendMessageW(Hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
}

TEST_F(BoundForm, TrayIconsOfTheFormGoToTheNotificationAreaWithTheirBinder) {
    auto tray = std::make_unique<ui::TrayIcon>("Tray", &form, "Vitrex");
    tray->SetProgramIcon();
    const TrayIconBinder* binder = window->TrayBinderOf(*tray);
    ASSERT_NE(binder, nullptr);
    const HWND callback = binder->CallbackWindow();
    tray->SetIconVisible(true);
    EXPECT_TRUE(ShellHasIcon(callback));

    tray.reset();
    EXPECT_FALSE(ShellHasIcon(callback)) << "a destroyed icon leaves the notification area";
    EXPECT_FALSE(::IsWindow(callback));
}

TEST_F(BoundForm, APopupMenuOfTheFormOpensWhereTheProgramAsks) {
    form.SetVisible(true);
    ui::PopupMenu menu("Menu", &form);
    ui::MenuItem& first = menu.Add("First", "First");
    int clicks = 0;
    first.OnClick = [&] { ++clicks; };
    // The menu's own loop reads the keys: highlight the first entry, choose it.
    ::PostMessageW(Hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(Hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    RECT place{};
    ::GetWindowRect(Hwnd(), &place);
    menu.Popup(place.left + 20, place.top + 20);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vitrex::win32
