#include <gtest/gtest.h>

#include <windows.h>

#include "UiTestSupport.h"
#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "core/ui/PageControl.h"
#include "win32/ui/FormWindow.h"
#include "win32/ui/MessageLoop.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

struct NavigationForm : ui::Form {
    NavigationForm() : ui::Form("NavigationForm", "TVitrexNavigationForm", 400, 260) {}
    ui::Edit name{"Name", this, {8, 8, 150, 21}};
    ui::GroupBox group{"Group", this, {8, 36, 180, 80}, "Mode"};
    ui::RadioButton one{"One", &group, {10, 18, 150, 17}, "One"};
    ui::RadioButton two{"Two", &group, {10, 38, 150, 17}, "Two"};
    ui::CheckBox check{"Check", this, {8, 124, 150, 17}, "Option"};
    ui::PageControl pages{"Pages", this, {200, 8, 190, 200}};
    ui::TabSheet sheet{"Sheet", &pages, "Page"};
    ui::Edit onSheet{"OnSheet", &sheet, {8, 8, 120, 21}};
    ui::Button ok{"Ok", this, {8, 220, 80, 25}, "OK"};
};

struct KeyboardNavigationTest : ::testing::Test {
    KeyboardNavigationTest() {
        form.SetDispatcher(&dispatcher);
        form.one.SetChecked(true);
        form.pages.SetActivePage(0);
        form.ok.SetDefault(true);
        form.one.OnClick = [] {};
        form.two.OnClick = [] {};
        form.ok.OnClick = [] {};
        window = Bind(form, ::GetModuleHandleW(nullptr));
        form.BringToFront();
        PumpUntil([&] { return ::GetForegroundWindow() == window->Handle(); });
    }
    HWND H(const ui::Widget& widget) const { return window->HandleOf(widget); }
    // Presses a key on the focused control and lets the form's message loop handle it.
    void Press(UINT key) {
        const HWND focus = ::GetFocus();
        ::PostMessageW(focus, WM_KEYDOWN, key, 1);
        ::PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
        ::PostQuitMessage(0);
        RunMessageLoop(*window);
    }

    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    NavigationForm form;
    std::unique_ptr<FormWindow> window;
};

TEST_F(KeyboardNavigationTest, TabFollowsTheModelOrderIntoPagesAndBack) {
    ::SetFocus(H(form.name));
    ASSERT_EQ(::GetFocus(), H(form.name));
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), H(form.one)) << "into the radio group at its chosen button";
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), H(form.check));
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), H(form.onSheet)) << "into the page on display";
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), H(form.ok));
    EXPECT_TRUE(dispatcher.senders.empty()) << "moving the focus chose nothing";
}

TEST_F(KeyboardNavigationTest, ArrowKeysChooseWithinARadioGroup) {
    ::SetFocus(H(form.one));
    Press(VK_DOWN);
    EXPECT_EQ(::GetFocus(), H(form.two));
    EXPECT_TRUE(form.two.Checked());
    EXPECT_FALSE(form.one.Checked());
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"Two"});
    Press(VK_DOWN);
    EXPECT_EQ(::GetFocus(), H(form.one)) << "the group wraps; the check box is another group";
}

TEST_F(KeyboardNavigationTest, FocusDoesNotStayInAPageThatIsHidden) {
    ::SetFocus(H(form.onSheet));
    ASSERT_EQ(::GetFocus(), H(form.onSheet));
    form.sheet.SetVisible(false);
    EXPECT_EQ(::GetFocus(), H(form.name));
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), H(form.one)) << "the keyboard still works";
}

TEST_F(KeyboardNavigationTest, EnterPressesTheDefaultButton) {
    ::SetFocus(H(form.name));
    Press(VK_RETURN);
    EXPECT_EQ(dispatcher.senders, std::vector<std::string>{"Ok"});
}

}  // namespace
}  // namespace vitrex::win32
