#include "core/transparency/DebugTools.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "core/platform/Errors.h"
#include "core/transparency/Alpha.h"
#include "core/transparency/ShortCuts.h"

namespace vitrex::transparency {
namespace {

constexpr int kDebugPercent = 60;

void ShowPrefixes(const WindowInfoLabels& labels) {
    labels.title.SetCaption("Title: ");
    labels.className.SetCaption("Class: ");
    labels.handle.SetCaption("HWnd: ");
    labels.style.SetCaption("Style: ");
}

[[noreturn]] void NotAnInteger(std::string_view text) {
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

void ShowWindowInfo(WindowSystem& windows, WindowHandle window, const WindowInfoLabels& labels) {
    labels.title.SetCaption("Title: " + windows.FullTextOf(window));
    labels.className.SetCaption("Class: " + windows.ClassOf(window));
    labels.handle.SetCaption("HWnd: " + std::to_string(window));
    labels.style.SetCaption("Style: " + std::to_string(windows.GetExStyle(window)));
}

void DebugWindowInformation(WindowSystem& windows, const ui::ListView& applications,
                            const std::function<void()>& reloadApplications, const WindowInfoLabels& firstRow,
                            const WindowInfoLabels& foreground) {
    if (reloadApplications) reloadApplications();
    const auto& rows = applications.Rows();
    if (rows.empty() || rows.front().cells.size() < 2) {
        ShowPrefixes(firstRow);
    } else {
        // The list wrote the cell itself, in full: read it back as it was written.
        const std::string& cell = rows.front().cells[1];
        WindowHandle window = 0;
        std::from_chars(cell.data(), cell.data() + cell.size(), window);
        ShowWindowInfo(windows, window, firstRow);
    }
    ShowWindowInfo(windows, windows.ForegroundWindow(), foreground);
}

WindowHandle ParseHandleText(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    if (!rest.empty() && rest.front() == '$') {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.size() > 1 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        rest.remove_prefix(2);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, base);
    if (rest.empty() || error != std::errc() || end != rest.data() + rest.size()) NotAnInteger(text);
    if (negative) {
        if (magnitude > 0x80000000u) NotAnInteger(text);
        // A negative number stands for the handle with those bits, as a signed handle would.
        return static_cast<WindowHandle>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > 0xFFFFFFFFu) NotAnInteger(text);
    return magnitude;
}

void DebugMakeHandleTransClick(WindowSystem& windows, const ui::Edit& handleField) {
    SetWindowTransparency(windows, ParseHandleText(handleField.Text()), kDebugPercent);
}

void DebugDeleteTransClick(WindowSystem& windows, const ui::Edit& handleField) {
    ClearWindowTransparency(windows, ParseHandleText(handleField.Text()));
}

bool TabDebugBTNClick(HotKeys& hotKeys, const ui::HotKeyEdit& shortcutField) {
    return RegisterShortCut(hotKeys, shortcutField.Value(), kHotKeyDebug, true);
}

}  // namespace vitrex::transparency
