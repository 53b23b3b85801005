#include "core/views/exceptions/ListFile.h"

namespace vitrex::views::exceptions {

std::vector<std::string> ParseListText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            entries.emplace_back(text.substr(start));
            break;
        }
        entries.emplace_back(text.substr(start, end - start));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return entries;
}

std::string FormatListText(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

std::string ExportTarget(std::string_view chosenPath, int filterIndex) {
    const char* extension = filterIndex == 1 ? ".lst" : filterIndex == 2 ? ".txt" : nullptr;
    if (extension == nullptr) return std::string(chosenPath);
    // The extension is the last dot of the file name itself, never one in a folder's name.
    const std::size_t nameStart = chosenPath.find_last_of("\\/:");
    const std::size_t dot = chosenPath.rfind('.');
    const bool hasExtension =
        dot != std::string_view::npos && (nameStart == std::string_view::npos || dot > nameStart);
    return std::string(chosenPath.substr(0, hasExtension ? dot : chosenPath.size())) + extension;
}

std::vector<std::string> ReadListFile(Files& files, const std::string& path) {
    std::string bytes = files.ReadWholeFile(path);
    // Cut before conversion: the zero byte ends the list whatever follows it.
    if (const std::size_t zero = bytes.find('\0'); zero != std::string::npos) bytes.resize(zero);
    return ParseListText(files.AnsiToUtf8(bytes));
}

void WriteListFile(Files& files, const std::string& path, const std::vector<std::string>& entries) {
    files.WriteAnsiText(path, FormatListText(entries));
}

}  // namespace vitrex::views::exceptions
