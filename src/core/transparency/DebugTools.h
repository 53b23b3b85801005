#pragma once

#include <functional>
#include <string_view>

#include "core/platform/HotKeys.h"
#include "core/platform/WindowSystem.h"
#include "core/ui/Controls.h"
#include "core/ui/ListControls.h"

namespace vitrex::transparency {

// The four labels that describe one window on the debug page.
struct WindowInfoLabels {
    ui::Label& title;
    ui::Label& className;
    ui::Label& handle;
    ui::Label& style;
};

// "Title: " and the whole title, "Class: " and the class name, "HWnd: " and the handle in
// decimal, "Style: " and the extended style word in decimal: the word that carries
// WS_EX_LAYERED (524288), which is what these tools are for.
void ShowWindowInfo(WindowSystem& windows, WindowHandle window, const WindowInfoLabels& labels);

// The debug hot key: refills the applications list, then describes the window of its first row
// and the foreground window. With no rows the first group shows only its prefixes.
void DebugWindowInformation(WindowSystem& windows, const ui::ListView& applications,
                            const std::function<void()>& reloadApplications, const WindowInfoLabels& firstRow,
                            const WindowInfoLabels& foreground);

// A window handle as typed: decimal (as the applications list shows handles) or hexadecimal
// after "$" or "0x", from -2147483648 to 4294967295, leading blanks allowed. Anything else
// throws ConvertError, which the dispatch boundary records in the crash log.
WindowHandle ParseHandleText(std::string_view text);

// "Make Trans.": 60 % for the typed handle, past the engine's rules and unknown to the engine.
void DebugMakeHandleTransClick(WindowSystem& windows, const ui::Edit& handleField);
// "Delete Trans.": the typed handle's window opaque again.
void DebugDeleteTransClick(WindowSystem& windows, const ui::Edit& handleField);
// "Register HotKey": the debug hot key with the field's shortcut; a refused one is silently
// not there. It is registered only here, never at start-up.
bool TabDebugBTNClick(HotKeys& hotKeys, const ui::HotKeyEdit& shortcutField);

}  // namespace vitrex::transparency
