#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Files.h"

namespace vitrex::views::exceptions {

// A program list file: one entry per line in the ANSI code page, every entry followed by CR LF.
// Read back, a line ends at CR, LF or CR LF; every line is an entry, empty ones too; a final line
// break adds none; a zero byte ends the text.
std::vector<std::string> ParseListText(std::string_view text);
std::string FormatListText(const std::vector<std::string>& entries);

// The file an export writes, by the filter left selected in the save dialog (1-based): program
// lists get ".lst" and text files ".txt" in place of the chosen name's extension (added when it
// has none); any other filter takes the name as chosen.
std::string ExportTarget(std::string_view chosenPath, int filterIndex);

// Throw FileError.
std::vector<std::string> ReadListFile(Files& files, const std::string& path);
void WriteListFile(Files& files, const std::string& path, const std::vector<std::string>& entries);

}  // namespace vitrex::views::exceptions
