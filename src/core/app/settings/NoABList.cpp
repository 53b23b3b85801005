#include "core/app/settings/NoABList.h"

#include "core/views/exceptions/ListFile.h"

namespace vitrex::settings {

// The stored list is the list file's text, read and written by the same rules.

std::string JoinNoABList(const std::vector<std::string>& entries) {
    return views::exceptions::FormatListText(entries);
}

std::vector<std::string> SplitNoABList(std::string_view text) {
    return views::exceptions::ParseListText(text);
}

}  // namespace vitrex::settings
