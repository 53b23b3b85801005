#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "UiTestSupport.h"
#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "core/ui/ListControls.h"
#include "win32/ui/Dpi.h"
#include "win32/ui/FormWindow.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

// One widget of each simple kind, some inside a group box.
struct SimpleForm : ui::Form {
    SimpleForm() : ui::Form("SimpleForm", "TVitrexSimpleForm", 400, 300) {}
    ui::Label label{"Label", this, {8, 8, 120, 16}, "Plain text"};
    ui::Button button{"Button", this, {8, 30, 80, 25}, "Press"};
    ui::CheckBox check{"Check", this, {8, 60, 120, 17}, "Tick me"};
    ui::GroupBox group{"Group", this, {150, 8, 200, 100}, "Choice"};
    ui::RadioButton radio1{"Radio1", &group, {10, 20, 150, 17}, "First"};
    ui::RadioButton radio2{"Radio2", &group, {10, 40, 150, 17}, "Second"};
    ui::Edit edit{"Edit", this, {8, 120, 150, 21}};
    ui::LabeledEdit labeled{"Labeled", this, {8, 170, 150, 21}};
    ui::Memo memo{"Memo", this, {170, 120, 200, 60}};
    ui::HotKeyEdit hotKey{"HotKey", this, {8, 200, 150, 21}};
    ui::ProgressBar progress{"Progress", this, {8, 230, 150, 16}};
    ui::TrackBar track{"Track", this, {170, 190, 200, 26}};
    ui::Panel panel{"Panel", this, {170, 230, 200, 60}, "Please wait"};
    ui::Label onPanel{"OnPanel", &panel, {4, 4, 100, 16}, "inside"};
    ui::Image image{"Image", this, {8, 260, 40, 30}};
};

struct SimpleBinderTest : ::testing::Test {
    SimpleBinderTest() {
        form.SetDispatcher(&dispatcher);
        form.track.SetRange(0, 90);
        form.track.SetFrequency(10);
        form.track.SetPageSize(10);
        form.radio1.SetChecked(true);
        // The dispatcher sees the events that have handlers.
        for (ui::CheckControl* c :
             {static_cast<ui::CheckControl*>(&form.check), static_cast<ui::CheckControl*>(&form.radio1),
              static_cast<ui::CheckControl*>(&form.radio2)}) {
            c->OnClick = [] {};
        }
        form.edit.OnChange = [] {};
        form.hotKey.OnChange = [] {};
        form.track.OnChange = [] {};
        window = Bind(form, ::GetModuleHandleW(nullptr));
        form.SetVisible(true);
    }
    HWND H(const ui::Widget& widget) const { return window->HandleOf(widget); }
    int Events(const std::string& name) const {
        return static_cast<int>(std::count(dispatcher.senders.begin(), dispatcher.senders.end(), name));
    }

    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    SimpleForm form;
    std::unique_ptr<FormWindow> window;
};

TEST_F(SimpleBinderTest, EachWidgetGetsARealControlOfItsKindInModelOrder) {
    struct Expected {
        const ui::Widget* widget;
        const wchar_t* className;
    };
    for (const Expected& e :
         {Expected{&form.label, L"Static"}, Expected{&form.button, L"Button"},
          Expected{&form.check, L"Button"}, Expected{&form.radio1, L"Button"}, Expected{&form.edit, L"Edit"},
          Expected{&form.memo, L"Edit"}, Expected{&form.hotKey, L"msctls_hotkey32"},
          Expected{&form.progress, L"msctls_progress32"}, Expected{&form.track, L"msctls_trackbar32"},
          Expected{&form.panel, L"VitrexContainer"}, Expected{&form.image, L"Static"}}) {
        ASSERT_NE(H(*e.widget), nullptr) << e.widget->Name();
        EXPECT_EQ(_wcsicmp(ClassOf(H(*e.widget)).c_str(), e.className), 0) << e.widget->Name();
        EXPECT_TRUE(::GetWindowLongPtrW(H(*e.widget), GWL_EXSTYLE) >= 0);
    }
    EXPECT_EQ(StyleOf(H(form.check)) & BS_TYPEMASK, BS_CHECKBOX);
    EXPECT_EQ(StyleOf(H(form.radio1)) & BS_TYPEMASK, BS_RADIOBUTTON);
    EXPECT_EQ(StyleOf(H(form.group)) & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_EQ(StyleOf(H(form.image)) & SS_TYPEMASK, SS_OWNERDRAW);
    EXPECT_TRUE(StyleOf(H(form.memo)) & ES_MULTILINE);
    EXPECT_TRUE(StyleOf(H(form.memo)) & WS_VSCROLL);
    EXPECT_TRUE(StyleOf(H(form.button)) & WS_TABSTOP);
    EXPECT_FALSE(StyleOf(H(form.label)) & WS_TABSTOP);

    // The tab order is the model's order: the focusable controls follow each other in z-order
    // (the group box, a frame only, is moved below them all).
    std::vector<HWND> order;
    for (HWND child = ::GetWindow(window->Handle(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (StyleOf(child) & WS_TABSTOP) order.push_back(child);
    }
    const std::vector<HWND> expected{H(form.button),  H(form.check), H(form.radio1), H(form.edit),
                                     H(form.labeled), H(form.memo),  H(form.hotKey), H(form.track)};
    EXPECT_EQ(order, expected) << "the second radio button is no tab stop while the first is chosen";
}

TEST_F(SimpleBinderTest, GroupBoxChildrenLiveInTheRealContainerOffsetByTheGroup) {
    EXPECT_EQ(::GetParent(H(form.radio1)), window->Handle());
    const RECT place = RectInParent(H(form.radio1));
    const int dpi = window->Dpi();
    EXPECT_EQ(place.left, ScaleForDpi(160, dpi));
    EXPECT_EQ(place.top, ScaleForDpi(28, dpi));

    form.group.SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(H(form.group)));
    EXPECT_FALSE(::IsWindowVisible(H(form.radio1))) << "hidden with its group";
    form.radio2.SetVisible(false);
    form.group.SetVisible(true);
    EXPECT_TRUE(::IsWindowVisible(H(form.radio1)));
    EXPECT_FALSE(::IsWindowVisible(H(form.radio2))) << "still hidden itself";

    form.group.SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(H(form.radio1)));
    form.group.SetBounds({100, 8, 200, 100});
    EXPECT_EQ(RectInParent(H(form.radio1)).left, ScaleForDpi(110, dpi)) << "moves with its group";
}

TEST_F(SimpleBinderTest, PanelIsARealContainerWithItsCaption) {
    EXPECT_EQ(::GetParent(H(form.onPanel)), H(form.panel));
    EXPECT_TRUE(::GetWindowLongPtrW(H(form.panel), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    form.panel.SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(H(form.onPanel)));
}

TEST_F(SimpleBinderTest, ButtonsReportClicksOnceAndTheModelDecidesCheckStates) {
    int clicks = 0;
    form.button.OnClick = [&] { ++clicks; };
    ::SendMessageW(H(form.button), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);

    ::SendMessageW(H(form.check), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.check.Checked());
    EXPECT_EQ(::SendMessageW(H(form.check), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Events("Check"), 1);
    form.check.SetChecked(false);
    EXPECT_EQ(::SendMessageW(H(form.check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Events("Check"), 1) << "a programmatic change runs no handler";

    ::SendMessageW(H(form.radio2), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.radio2.Checked());
    EXPECT_FALSE(form.radio1.Checked());
    EXPECT_EQ(::SendMessageW(H(form.radio1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::SendMessageW(H(form.radio2), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(StyleOf(H(form.radio2)) & WS_TABSTOP);
    EXPECT_FALSE(StyleOf(H(form.radio1)) & WS_TABSTOP);
    EXPECT_TRUE(StyleOf(H(form.radio1)) & WS_GROUP);
    EXPECT_EQ(Events("Radio2"), 1);

    form.button.SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(H(form.button)));
    form.button.SetDefault(true);
    EXPECT_EQ(StyleOf(H(form.button)) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(SimpleBinderTest, AFailingHandlerStopsAtTheWindowProcedure) {
    // The program's dispatcher catches handler failures; without one nothing may unwind
    // through the system's code either.
    int calls = 0;
    form.button.OnClick = [&] {
        ++calls;
        throw std::runtime_error("handler failed");
    };
    ::SendMessageW(H(form.button), BM_CLICK, 0, 0);
    ::SendMessageW(H(form.button), BM_CLICK, 0, 0);
    EXPECT_EQ(calls, 2) << "the window keeps working";
}

TEST_F(SimpleBinderTest, LabelsFollowTheirTextAndStyleAndLinksTakeClicks) {
    form.label.SetCaption("Other text");
    EXPECT_EQ(TextOf(H(form.label)), L"Other text");
    form.label.SetStyle(ui::TextStyle::Bold);
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(H(form.label), WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    form.label.SetWordWrap(true);
    EXPECT_EQ(StyleOf(H(form.label)) & SS_TYPEMASK, SS_LEFT);

    int clicks = 0;
    form.label.SetStyle(ui::TextStyle::Link);
    form.label.OnClick = [&] { ++clicks; };
    ::SendMessageW(H(form.label), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(H(form.label), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 1);

    form.image.OnClick = [&] { ++clicks; };
    ::SendMessageW(H(form.image), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageW(H(form.image), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(clicks, 2);
}

TEST_F(SimpleBinderTest, EditsCarryTextBothWaysAndOnlyTypingRunsTheHandler) {
    form.edit.SetText("from the program");
    EXPECT_EQ(TextOf(H(form.edit)), L"from the program");
    EXPECT_EQ(Events("Edit"), 0);

    ::SendMessageW(H(form.edit), EM_SETSEL, 0, -1);
    ::SendMessageW(H(form.edit), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"typed \u00E9"));
    EXPECT_EQ(form.edit.Text(), "typed \xC3\xA9");
    EXPECT_EQ(Events("Edit"), 1);

    form.memo.SetText("line 1\r\nline 2");
    EXPECT_EQ(::SendMessageW(H(form.memo), EM_GETLINECOUNT, 0, 0), 2);
    form.memo.SetReadOnly(true);
    EXPECT_TRUE(StyleOf(H(form.memo)) & ES_READONLY);
}

TEST_F(SimpleBinderTest, LabeledEditShowsItsCaptionJustAboveTheField) {
    form.labeled.SetCaption("Description:");
    const HWND field = H(form.labeled);
    const HWND label = ::GetWindow(field, GW_HWNDPREV);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(_wcsicmp(ClassOf(label).c_str(), L"Static"), 0);
    EXPECT_EQ(TextOf(label), L"Description:");
    const RECT labelRect = RectInParent(label);
    const RECT fieldRect = RectInParent(field);
    EXPECT_LE(labelRect.bottom, fieldRect.top);
    EXPECT_GE(labelRect.bottom, fieldRect.top - ScaleForDpi(6, window->Dpi()));
    EXPECT_EQ(labelRect.left, fieldRect.left);
    form.labeled.SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(label));
}

TEST_F(SimpleBinderTest, HotKeyFieldSpeaksTheModelsShortcutValues) {
    form.hotKey.SetValue(0x4000 | 0x8000 | VK_F1);
    EXPECT_EQ(::SendMessageW(H(form.hotKey), HKM_GETHOTKEY, 0, 0), 0x0670);
    EXPECT_EQ(Events("HotKey"), 0);

    // The user presses F5 in the field.
    ::SendMessageW(H(form.hotKey), WM_KEYDOWN, VK_F5, 0);
    ::SendMessageW(H(form.hotKey), WM_KEYUP, VK_F5, 0xC0000000);
    EXPECT_EQ(form.hotKey.Value(), VK_F5);
    EXPECT_EQ(Events("HotKey"), 1);
}

TEST(HotKeyFieldTest, RefusedCombinationsAreReplacedAndLeavingTheFieldIsReported) {
    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    SimpleForm form;
    form.SetDispatcher(&dispatcher);
    form.hotKey.SetRules(ui::HotKeyEdit::kCombNone | ui::HotKeyEdit::kCombAlt, 0x4000);
    form.hotKey.OnExit = [] {};
    auto window = Bind(form, ::GetModuleHandleW(nullptr));
    form.SetVisible(true);
    HWND field = window->HandleOf(form.hotKey);

    // A key without a modifier gets the replacement, Ctrl.
    ::SetFocus(field);
    ::SendMessageW(field, WM_KEYDOWN, 'Q', 0);
    ::SendMessageW(field, WM_KEYUP, 'Q', 0xC0000000);
    EXPECT_EQ(form.hotKey.Value(), 0x4000 | 'Q');

    ::SetFocus(window->HandleOf(form.edit));
    EXPECT_TRUE(PumpUntil(
        [&] { return std::count(dispatcher.senders.begin(), dispatcher.senders.end(), "HotKey") >= 1; }));
    Pump();
    EXPECT_EQ(std::count(dispatcher.senders.begin(), dispatcher.senders.end(), "HotKey"), 1) << "one exit";
}

TEST_F(SimpleBinderTest, RangesAndPositionsReachProgressAndTrackBars) {
    form.progress.SetRange(10, 50);
    form.progress.SetPosition(30);
    EXPECT_EQ(::SendMessageW(H(form.progress), PBM_GETRANGE, TRUE, 0), 10);
    EXPECT_EQ(::SendMessageW(H(form.progress), PBM_GETRANGE, FALSE, 0), 50);
    EXPECT_EQ(::SendMessageW(H(form.progress), PBM_GETPOS, 0, 0), 30);

    form.track.SetPosition(40);
    EXPECT_EQ(::SendMessageW(H(form.track), TBM_GETRANGEMAX, 0, 0), 90);
    EXPECT_EQ(::SendMessageW(H(form.track), TBM_GETPAGESIZE, 0, 0), 10);
    EXPECT_EQ(::SendMessageW(H(form.track), TBM_GETPOS, 0, 0), 40);
    EXPECT_EQ(::SendMessageW(H(form.track), TBM_GETNUMTICS, 0, 0), 10);
    EXPECT_EQ(Events("Track"), 0);

    ::SendMessageW(H(form.track), TBM_SETPOS, TRUE, 70);
    ::SendMessageW(window->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 70),
                   reinterpret_cast<LPARAM>(H(form.track)));
    ::SendMessageW(window->Handle(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                   reinterpret_cast<LPARAM>(H(form.track)));
    EXPECT_EQ(form.track.Position(), 70);
    EXPECT_EQ(Events("Track"), 1) << "the end of the drag is no second change";
}

}  // namespace
}  // namespace vitrex::win32
