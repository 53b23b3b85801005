#include <gtest/gtest.h>

#include <windows.h>

#include "UiTestSupport.h"
#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "win32/UniqueHandle.h"
#include "win32/ui/FormWindow.h"
#include "win32/ui/MessageLoop.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;
using namespace std::chrono_literals;

struct TwoFieldForm : ui::Form {
    TwoFieldForm() : ui::Form("TwoFieldForm", "TVitrexTwoFieldForm", 300, 120) {}
    ui::Edit first{"First", this, {8, 8, 150, 21}};
    ui::Edit second{"Second", this, {8, 40, 150, 21}};
};

struct NestedPumpTest : ::testing::Test {
    NestedPumpTest() {
        form.SetDispatcher(&dispatcher);
        window = Bind(form, ::GetModuleHandleW(nullptr));
        form.BringToFront();
        PumpUntil([&] { return ::GetForegroundWindow() == window->Handle(); });
    }

    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    TwoFieldForm form;
    std::unique_ptr<FormWindow> window;
    UniqueHandle wake{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
};

TEST_F(NestedPumpTest, TheFormsKeyboardNavigationWorksWhileWaiting) {
    ::SetFocus(window->HandleOf(form.first));
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    ::PostMessageW(::GetFocus(), WM_KEYUP, VK_TAB, 0xC0000001);
    NestedPump pump(window.get());
    EXPECT_EQ(pump.WaitFor(wake.Get(), 300ms), PumpWait::TimedOut);
    EXPECT_EQ(::GetFocus(), window->HandleOf(form.second));
}

TEST_F(NestedPumpTest, AMessageThatSignalsEndsTheWaitAndAQuitIsHandedBack) {
    // A posted message whose handling signals: the wait ends although its time is far from up.
    const HANDLE event = wake.Get();
    window->SetMessageHook([event](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_APP + 7) return std::nullopt;
        ::SetEvent(event);
        return 0;
    });
    ::PostMessageW(window->Handle(), WM_APP + 7, 0, 0);
    NestedPump pump(window.get());
    EXPECT_EQ(pump.WaitFor(wake.Get(), 60s), PumpWait::Signalled);

    ::PostQuitMessage(9);
    EXPECT_EQ(pump.WaitFor(wake.Get(), 60s), PumpWait::Quit);
    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "posted again for the outer loop";
    EXPECT_EQ(message.wParam, 9u);
    window->SetMessageHook({});
}

}  // namespace
}  // namespace vitrex::win32
