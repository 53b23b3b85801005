#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Files.h"

namespace vitrex::i18n {

// A language file read the way the system's profile functions read an INI file: "[section]"
// lines, then "key=value" lines; section and key names compare without regard to letter case;
// blanks around a name or a value are removed, and so is one pair of double or single quotes
// around a value; a value is cut to kMaxValueLength characters; the first of two equal keys
// counts. A missing file, section or key reads as the caller's default. The file is only read.
//
// Language files are ANSI text (the system's code page, converted to UTF-8 here); a file that
// starts with a UTF-8 byte-order mark, as translators' editors write it, is read as UTF-8.
class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    // A file without entries: every read gives the default.
    IniFile() = default;
    // Reads the file through the port. Anything that cannot be read as a file (a missing path, a
    // directory) is an empty file; bytes that are no INI text simply hold no entries.
    static IniFile Load(Files& files, const std::string& path);
    // Parses the file's bytes; ANSI text is converted with the port's code page.
    static IniFile Parse(std::string_view bytes, Files& codePage);

    std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const;
    bool HasSection(std::string_view section) const;

private:
    struct Entry {
        std::string section;  // lower case, for comparing
        std::string key;      // lower case, for comparing
        std::string value;    // UTF-8
    };
    std::vector<Entry> entries_;
};

}  // namespace vitrex::i18n
