#include "core/app/settings/NoABList.h"

namespace vitrex::settings {

std::string JoinNoABList(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> SplitNoABList(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            entries.emplace_back(text.substr(start));
            break;
        }
        entries.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return entries;
}

}  // namespace vitrex::settings
