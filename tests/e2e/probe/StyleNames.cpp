#include "StyleNames.h"

#include <utility>

namespace vitrex::probe {
namespace {

template <size_t N>
std::string Names(DWORD bits, const std::pair<DWORD, const char*> (&table)[N]) {
    std::string text;
    for (const auto& [bit, name] : table) {
        if ((bits & bit) == bit) {
            if (!text.empty()) text += ' ';
            text += name;
        }
    }
    return text;
}

// Top-level meanings: WS_MINIMIZEBOX and WS_MAXIMIZEBOX share their bits with WS_GROUP and
// WS_TABSTOP, which only mean something on child windows.
const std::pair<DWORD, const char*> kStyles[] = {
    {WS_POPUP, "WS_POPUP"},
    {WS_CHILD, "WS_CHILD"},
    {WS_MINIMIZE, "WS_MINIMIZE"},
    {WS_VISIBLE, "WS_VISIBLE"},
    {WS_DISABLED, "WS_DISABLED"},
    {WS_CLIPSIBLINGS, "WS_CLIPSIBLINGS"},
    {WS_CLIPCHILDREN, "WS_CLIPCHILDREN"},
    {WS_MAXIMIZE, "WS_MAXIMIZE"},
    {WS_BORDER, "WS_BORDER"},
    {WS_DLGFRAME, "WS_DLGFRAME"},
    {WS_VSCROLL, "WS_VSCROLL"},
    {WS_HSCROLL, "WS_HSCROLL"},
    {WS_SYSMENU, "WS_SYSMENU"},
    {WS_THICKFRAME, "WS_THICKFRAME"},
    {WS_MINIMIZEBOX, "WS_MINIMIZEBOX"},
    {WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"},
};

const std::pair<DWORD, const char*> kExStyles[] = {
    {WS_EX_DLGMODALFRAME, "WS_EX_DLGMODALFRAME"},
    {WS_EX_TOPMOST, "WS_EX_TOPMOST"},
    {WS_EX_ACCEPTFILES, "WS_EX_ACCEPTFILES"},
    {WS_EX_TRANSPARENT, "WS_EX_TRANSPARENT"},
    {WS_EX_TOOLWINDOW, "WS_EX_TOOLWINDOW"},
    {WS_EX_WINDOWEDGE, "WS_EX_WINDOWEDGE"},
    {WS_EX_CLIENTEDGE, "WS_EX_CLIENTEDGE"},
    {WS_EX_CONTROLPARENT, "WS_EX_CONTROLPARENT"},
    {WS_EX_STATICEDGE, "WS_EX_STATICEDGE"},
    {WS_EX_APPWINDOW, "WS_EX_APPWINDOW"},
    {WS_EX_LAYERED, "WS_EX_LAYERED"},
    {WS_EX_NOACTIVATE, "WS_EX_NOACTIVATE"},
};

}  // namespace

std::string StyleNames(DWORD style) {
    return Names(style, kStyles);
}
std::string ExStyleNames(DWORD exStyle) {
    return Names(exStyle, kExStyles);
}

}  // namespace vitrex::probe
