#include "win32/ui/FormWindow.h"

#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "core/ui/Controls.h"
#include "win32/ui/Dpi.h"
#include "win32/ui/MessageLoop.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

struct TestForm : ui::Form {
    TestForm() : ui::Form("TestForm", "TVitrexTestForm", 400, 300) { SetCaption("Binder test"); }
};

struct FormWindowTest : ::testing::Test {
    FormWindowTest() {
        form.SetDispatcher(&dispatcher);
        window = Bind(form, ::GetModuleHandleW(nullptr));
    }
    HWND Hwnd() const { return window->Handle(); }

    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    TestForm form;
    ui::Label label{"Label", &form, {10, 10, 100, 20}, "Hello"};
    ui::Timer timer{"TestTimer", &form, 10, false};
    std::unique_ptr<FormWindow> window;
};

TEST_F(FormWindowTest, IsAFixedTopLevelWindowOfTheFormsClassWithTheScaledClientAreaCentred) {
    EXPECT_EQ(ClassOf(Hwnd()), L"TVitrexTestForm");
    EXPECT_EQ(TextOf(Hwnd()), L"Binder test");
    const LONG_PTR style = StyleOf(Hwnd());
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD), 0);

    const int dpi = window->Dpi();
    const RECT client = ClientRectOf(Hwnd());
    EXPECT_EQ(client.right, ScaleForDpi(400, dpi));
    EXPECT_EQ(client.bottom, ScaleForDpi(300, dpi));

    RECT outer{};
    ::GetWindowRect(Hwnd(), &outer);
    const RECT work = WorkAreaFor(Hwnd());
    EXPECT_NEAR(outer.left - work.left, work.right - outer.right, 1);
    EXPECT_NEAR(outer.top - work.top, work.bottom - outer.bottom, 1);
}

TEST_F(FormWindowTest, ShowsAndHidesAsTheFormsVisibilityAndTitleChange) {
    EXPECT_FALSE(::IsWindowVisible(Hwnd())) << "a form starts hidden";
    form.SetVisible(true);
    EXPECT_TRUE(::IsWindowVisible(Hwnd()));
    form.SetCaption("Renamed \xC3\xBC");
    EXPECT_EQ(TextOf(Hwnd()), L"Renamed \u00FC");
    form.SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(Hwnd()));
}

TEST_F(FormWindowTest, ClosingThatTheFormRefusesOnlyHidesTheWindow) {
    bool allow = false;
    int closes = 0;
    form.OnCloseQuery = [&] {
        if (!allow) form.SetVisible(false);
        return allow;
    };
    form.OnClose = [&] { ++closes; };
    form.SetVisible(true);

    ::SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(Hwnd()));
    EXPECT_FALSE(::IsWindowVisible(Hwnd()));
    EXPECT_FALSE(form.Closed());
    EXPECT_EQ(closes, 0);

    allow = true;
    form.SetVisible(true);
    ::SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(::IsWindowVisible(Hwnd()));
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "the message loop is told to end";
}

TEST_F(FormWindowTest, BringingToFrontRestoresAMinimisedWindow) {
    form.SetVisible(true);
    ::ShowWindow(Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(Hwnd()));
    form.BringToFront();
    EXPECT_FALSE(::IsIconic(Hwnd()));
    EXPECT_TRUE(::IsWindowVisible(Hwnd()));
}

TEST_F(FormWindowTest, TimersTickOnTheWindowOnlyWhileEnabled) {
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };

    PumpUntil([] { return false; }, std::chrono::milliseconds(80));
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    EXPECT_EQ(dispatcher.senders.front(), "TestTimer");

    timer.SetEnabled(false);
    ticks = 0;
    PumpUntil([] { return false; }, std::chrono::milliseconds(80));
    EXPECT_EQ(ticks, 0);
    timer.SetIntervalMs(20);
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
}

std::vector<UINT> MenuIds(HMENU menu) {
    std::vector<UINT> ids;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        ids.push_back(::GetMenuItemID(menu, i));
    return ids;
}

TEST_F(FormWindowTest, WindowMenuChangesAreMadeOnTheRealSystemMenu) {
    const HMENU menu = ::GetSystemMenu(Hwnd(), FALSE);
    const std::vector<UINT> before = MenuIds(menu);
    ui::WindowMenu& model = form.SystemMenu();

    model.AppendSeparator();
    model.AppendItem(1025, "Exit", "Exit");
    std::vector<UINT> ids = MenuIds(menu);
    ASSERT_EQ(ids.size(), before.size() + 2);
    EXPECT_EQ(ids[ids.size() - 2], 0u) << "separator";
    EXPECT_EQ(ids.back(), 1025u);
    wchar_t text[32] = {};
    ::GetMenuStringW(menu, 1025, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Exit");

    // Delete "Maximize" by its place in the model; whatever the system added stays.
    model.DeleteAt(4);
    ids = MenuIds(menu);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), static_cast<UINT>(SC_MAXIMIZE)), 0);
    EXPECT_EQ(ids.size(), before.size() + 1);
    EXPECT_EQ(ids.back(), 1025u);

    const int exitAt = static_cast<int>(model.Entries().size()) - 1;
    model.SetBitmapAt(exitAt, imaging::Bitmap{2, 2, {0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu, 0xFF0000FFu}});
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    ASSERT_TRUE(::GetMenuItemInfoW(menu, 1025, FALSE, &info));
    EXPECT_NE(info.hbmpUnchecked, nullptr);
}

TEST_F(FormWindowTest, TheMessageHookAnswersBeforeTheBinder) {
    std::vector<UINT> seen;
    window->SetMessageHook([&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        seen.push_back(message);
        if (message == WM_QUERYENDSESSION) return FALSE;
        if (message == WM_CLOSE) return 0;  // swallowed: the form is not asked
        return std::nullopt;
    });
    bool asked = false;
    form.OnCloseQuery = [&] { return asked = true; };
    EXPECT_EQ(::SendMessageW(Hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    ::SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(asked);
    EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_QUERYENDSESSION)), seen.end());
}

TEST_F(FormWindowTest, MessageLoopShowsEveryQueuedMessageToTheFilterFirst) {
    constexpr UINT kPrivate = WM_APP + 7;
    int filtered = 0;
    int dispatched = 0;
    window->SetMessageHook([&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == kPrivate) ++dispatched;
        return std::nullopt;
    });
    ::PostMessageW(Hwnd(), kPrivate, 0, 0);
    ::PostMessageW(Hwnd(), kPrivate, 1, 0);
    ::PostQuitMessage(7);
    const int exitCode = RunMessageLoop(*window, [&](MSG& message) {
        if (message.message != kPrivate) return false;
        ++filtered;
        return message.wParam == 0;  // the first is handled here, the second goes on
    });
    EXPECT_EQ(exitCode, 7);
    EXPECT_EQ(filtered, 2);
    EXPECT_EQ(dispatched, 1);
}

TEST_F(FormWindowTest, MovingToAnotherDpiRescalesTheWindowItsControlsAndFonts) {
    const HWND control = window->HandleOf(label);
    LOGFONTW before{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof before, &before);

    RECT suggested{10, 10, 900, 700};
    ::SendMessageW(Hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(window->Dpi(), 192);
    const RECT client = ClientRectOf(Hwnd());
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);
    const RECT place = RectInParent(control);
    EXPECT_EQ(place.left, 20);
    EXPECT_EQ(place.right, 220);
    EXPECT_EQ(place.bottom, 60);
    LOGFONTW after{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof after, &after);
    EXPECT_GT(std::abs(after.lfHeight), std::abs(before.lfHeight));
}

}  // namespace
}  // namespace vitrex::win32
