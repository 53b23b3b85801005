#include "core/views/exceptions/ExceptionsList.h"

namespace vitrex::views::exceptions {

ui::Collation LocaleCollation(TextCollation& collation) {
    return [&collation](const std::string& a, const std::string& b) {
        return collation.CompareIgnoringCase(a, b);
    };
}

bool ListContains(const std::vector<std::string>& entries, std::string_view name, TextCollation& collation) {
    for (const std::string& entry : entries) {
        if (collation.CompareIgnoringCase(entry, name) == 0) return true;
    }
    return false;
}

std::string FileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

int AddNames(ui::ListBox& list, const std::vector<std::string>& names, TextCollation& collation) {
    int added = 0;
    for (const std::string& name : names) {
        if (ListContains(list.Items(), name, collation)) continue;
        list.AddItem(name);
        ++added;
    }
    return added;
}

bool RemoveName(ui::ListBox& list, std::string_view name, TextCollation& collation) {
    const std::vector<std::string>& entries = list.Items();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (collation.CompareIgnoringCase(entries[i], name) == 0) {
            list.DeleteItem(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

}  // namespace vitrex::views::exceptions
