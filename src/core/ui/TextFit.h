#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vitrex::ui {

// The width of a text in pixels, as the control that shows it draws it.
using TextWidth = std::function<int(std::string_view utf8)>;

// The horizontal ellipsis a shortened text ends with.
inline constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

// The text as it fits into `maxWidthPx`: unchanged when it fits, else the longest beginning of it
// (cut between whole characters) followed by an ellipsis that fits, or the ellipsis alone when
// not even one character does. A caption too long for its place is shortened instead of being
// left out.
std::string FitWithEllipsis(std::string_view utf8, int maxWidthPx, const TextWidth& width);

}  // namespace vitrex::ui
