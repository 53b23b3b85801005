#include "core/i18n/IniFile.h"

#include <algorithm>

#include "core/text/AsciiCase.h"

namespace vitrex::i18n {

using text::LowerAscii;
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The first `count` characters: bytes in an ANSI file, whole UTF-8 sequences in a UTF-8 one.
std::string_view Cut(std::string_view value, std::size_t count, bool utf8) {
    if (!utf8) return value.substr(0, count);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(value[i]) & 0xC0) == 0x80;
        if (!continuation && characters++ == count) return value.substr(0, i);
    }
    return value;
}

}  // namespace

IniFile IniFile::Load(Files& files, const std::string& path) {
    std::string bytes;
    try {
        bytes = files.ReadWholeFile(path);
    } catch (...) {
        // Whatever cannot be read as a file gives every caller its default.
        return {};
    }
    return Parse(bytes, files);
}

IniFile IniFile::Parse(std::string_view bytes, Files& codePage) {
    const bool utf8 = bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark;
    if (utf8) bytes.remove_prefix(kUtf8Mark.size());
    const auto text = [&](std::string_view raw) {
        return utf8 ? std::string(raw) : codePage.AnsiToUtf8(raw);
    };

    IniFile file;
    std::string section;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        // Lines end at LF, CR or a zero byte (binary junk ends a line rather than the file).
        std::size_t end = bytes.find_first_of(std::string_view("\n\r\0", 3), start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = Trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            const std::string_view name =
                line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1);
            section = LowerAscii(text(Trimmed(name)));
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = Trimmed(line.substr(0, equals));
        std::string_view value =
            equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
        value = Cut(Unquoted(Trimmed(value)), kMaxValueLength, utf8);
        file.entries_.push_back({section, LowerAscii(text(key)), text(value)});
    }
    return file;
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view fallback) const {
    const std::string wantedSection = LowerAscii(section);
    const std::string wantedKey = LowerAscii(key);
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.section == wantedSection && entry.key == wantedKey;
    });
    return found == entries_.end() ? std::string(fallback) : found->value;
}

bool IniFile::HasSection(std::string_view section) const {
    const std::string wanted = LowerAscii(section);
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& entry) { return entry.section == wanted; });
}

}  // namespace vitrex::i18n
