#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdint>
#include <memory>

#include "UiTestSupport.h"
#include "core/app/MainForm.h"
#include "core/sysinfo/cpu/CpuSampler.h"
#include "win32/platform/Win32Clock.h"
#include "win32/platform/Win32Dialogs.h"
#include "win32/platform/Win32Files.h"
#include "win32/platform/Win32HotKeys.h"
#include "win32/platform/Win32OperatingSystem.h"
#include "win32/platform/Win32Processes.h"
#include "win32/platform/Win32Registry.h"
#include "win32/platform/Win32TextCollation.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/ui/FormWindow.h"
#include "win32/ui/HotKeyValue.h"

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
    int TextEnd(const ui::HotKeyEdit& field, std::uint16_t shortcut) const {
        const HWND control = H(field);
        ::SetFocus(control);
        ::SendMessageW(control, HKM_SETHOTKEY, HotKeyFromShortcut(shortcut), 0);
        POINT caret{};
        ::GetCaretPos(&caret);
        return caret.x;
    }

    CommonControls6Scope controls6;
    Win32Registry registry;
    Win32WindowSystem windows;
    Win32Files files;
    Win32Clock clock;
    Win32Dialogs dialogs{::GetModuleHandleW(nullptr)};
    Win32OperatingSystem system;
    Win32HotKeys hotKeys;
    Win32Processes processes;
    Win32TextCollation collation;
    sysinfo::cpu::CpuMeter cpu;
    app::Platform platform{registry, windows, files,     clock,     dialogs,
                           system,   hotKeys, processes, collation, cpu};
    app::MainForm form{platform};
    std::unique_ptr<FormWindow> window;
};

TEST_F(MainWindowFixture, KeyFieldsShowTheLongestCombinationTheyHoldWhole) {
    constexpr std::uint16_t kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;
    struct Case {
        const ui::HotKeyEdit& field;
        std::uint16_t modifiers;  // the most the field holds
    };
    const Case cases[] = {
        {form.GB_ShortCuts_AoTOn, kCtrl | kShift},
        {form.GB_ShortCuts_AoTOff, kCtrl | kShift},
        {form.DebugHotKey, kCtrl | kShift | kAlt},
    };
    for (int dpi : {96, 144}) {
        if (dpi != 96) ChangeDpi(dpi);
        for (const Case& c : cases) {
            for (std::uint16_t key : {VK_F12, VK_NEXT, VK_DELETE, 'W'}) {
                const std::uint16_t shortcut = c.modifiers | key;
                EXPECT_LE(TextEnd(c.field, shortcut), ClientRectOf(H(c.field)).right)
                    << c.field.Name() << " at " << dpi << " DPI, key " << key;
            }
        }
        // The three modifiers also fit the always-on-top fields, should a field ever show them.
        EXPECT_LE(TextEnd(form.GB_ShortCuts_AoTOn, kCtrl | kShift | kAlt | VK_F12),
                  ClientRectOf(H(form.GB_ShortCuts_AoTOn)).right)
            << dpi;
    }
}

}  // namespace
}  // namespace vitrex::win32
