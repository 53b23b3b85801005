#include "core/views/debug/DebugTools.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "core/platform/Errors.h"

namespace vitrex::views::debug {
namespace {

[[noreturn]] void NotAnInteger(std::string_view text) {
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

void ShowWindowInfo(WindowSystem& windows, WindowHandle window, const WindowInfoLabels& labels) {
    labels.title.SetCaption("Title: " + windows.FullTextOf(window));
    labels.className.SetCaption("Class: " + windows.ClassOf(window));
    labels.handle.SetCaption("HWnd: " + std::to_string(window));
    labels.style.SetCaption("Style: " + std::to_string(windows.StyleOf(window).word));
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

}  // namespace vitrex::views::debug
