#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vitrex::settings {

// The exceptions list as one stored text: every entry followed by CR LF, the last one too.
std::string JoinNoABList(const std::vector<std::string>& entries);

// Splits at CR LF, at a lone CR and at a lone LF. A final line break adds no entry; an empty
// line in the middle is an empty entry; the empty text is the empty list.
std::vector<std::string> SplitNoABList(std::string_view text);

}  // namespace vitrex::settings
