#pragma once

#include <string_view>

#include "core/platform/WindowSystem.h"
#include "core/ui/Controls.h"

namespace vitrex::views::debug {

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

// A window handle as typed: decimal (as the applications list shows handles) or hexadecimal
// after "$" or "0x", from -2147483648 to 4294967295, leading blanks allowed. Anything else
// throws ConvertError, which the dispatch boundary records in the crash log.
WindowHandle ParseHandleText(std::string_view text);

}  // namespace vitrex::views::debug
