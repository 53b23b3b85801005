#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdint>
#include <memory>

#include "RealPlatform.h"
#include "UiTestSupport.h"
#include "core/app/MainForm.h"
#include "core/ui/HotKeyWord.h"
#include "win32/ui/FormWindow.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

// The program's main window with its real controls; nothing of the start-up runs.
struct MainWindowFixture : ::testing::Test {
    MainWindowFixture() {
        window = Bind(form, ::GetModuleHandleW(nullptr));
        form.SetVisible(true);
    }
    HWND H(const ui::Widget& widget) const { return window->HandleOf(widget); }
    void ChangeDpi(int dpi) const {
        RECT place{};
        ::GetWindowRect(H(form), &place);
        ::SendMessageW(H(form), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
    }
    // Where the field's caret stands after its text: the control's own measure of what it shows.
    int TextEnd(const ui::HotKeyEdit& field, std::uint16_t shortcut) {
        // Only a field on display draws.
        for (int page = 0; page < form.Pages.PageCount(); ++page) {
            for (const ui::Widget* w = &field; w != nullptr; w = w->Parent()) {
                if (w == &form.Pages.Page(page)) form.ShowPage(page);
            }
        }
        const HWND control = H(field);
        ::SetFocus(control);
        ::SendMessageW(control, HKM_SETHOTKEY, ui::HotKeyFromShortcut(shortcut), 0);
        // The control places its caret when it draws the text.
        ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        POINT caret{};
        if (!::GetCaretPos(&caret) || caret.x <= 1)
            ADD_FAILURE() << field.Name() << ": the caret did not move";
        return caret.x;
    }

    CommonControls6Scope controls6;
    RealPlatform<> real;
    app::MainForm form{real.NewRun()};
    std::unique_ptr<FormWindow> window;
};

// The keys people give hot keys: letters, digits, function keys, the keys of the editing and
// arrow blocks, Backspace, Tab, Enter, Escape, Pause. (Wine names some of them after the number
// pad: "KP_Delete".)
constexpr int kUsualKeys[] = {'W',     '0',     VK_F1,    VK_F12,    VK_F24,    VK_INSERT, VK_DELETE,
                              VK_HOME, VK_END,  VK_PRIOR, VK_NEXT,   VK_LEFT,   VK_RIGHT,  VK_UP,
                              VK_DOWN, VK_BACK, VK_TAB,   VK_RETURN, VK_ESCAPE, VK_PAUSE,  VK_OEM_PLUS};

TEST_F(MainWindowFixture, KeyFieldsShowTheLongestCombinationTheyHoldWhole) {
    constexpr std::uint16_t kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;
    for (int dpi : {96, 144}) {
        if (dpi != 96) ChangeDpi(dpi);
        // Two modifiers are the most the always-on-top and click-through fields hold.
        for (const ui::HotKeyEdit* field :
             {&form.GB_ShortCuts_AoTOn, &form.GB_ShortCuts_AoTOff, &form.GB_ShortCuts_ClickThrough}) {
            for (int key : kUsualKeys) {
                EXPECT_LE(TextEnd(*field, static_cast<std::uint16_t>(kCtrl | kShift | key)),
                          ClientRectOf(H(*field)).right)
                    << field->Name() << " at " << dpi << " DPI, key " << key;
            }
        }
        // The debug field takes all three.
        for (int key : {VK_F12, VK_F24, int{'W'}}) {
            EXPECT_LE(TextEnd(form.DebugHotKey, static_cast<std::uint16_t>(kCtrl | kShift | kAlt | key)),
                      ClientRectOf(H(form.DebugHotKey)).right)
                << dpi << " DPI, key " << key;
        }
    }
}

}  // namespace
}  // namespace vitrex::win32
