#include "DataFolder.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vitrex::server {
namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Many editors start a UTF-8 file with a byte-order mark; it is no part of the text.
std::optional<std::string> ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    return text;
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

std::optional<Release> ParseRelease(std::string_view line) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = line.find('|', start);
        parts.push_back(Trim(line.substr(start, bar - start)));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    if (parts.size() != 4 || !ParseBuild(parts[0]) || parts[1].empty() || !IsPlainFileName(parts[3])) {
        return std::nullopt;
    }
    return Release{std::string(parts[0]), std::string(parts[1]), std::string(parts[2]),
                   std::string(parts[3])};
}

}  // namespace

std::optional<long> ParseBuild(std::string_view text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    return value;
}

std::string SafeLanguage(std::string_view language) {
    const bool safe = !language.empty() && language.size() <= 16 &&
                      std::all_of(language.begin(), language.end(), [](char c) {
                          return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                                 c == '_' || c == '-';
                      });
    return safe ? std::string(language) : std::string("en");
}

DataFolder DataFolder::Open(const std::filesystem::path& root, std::string& error) {
    DataFolder folder;
    folder.root_ = root;
    error.clear();
    const auto text = ReadText(root / "releases.txt");
    if (!text) {
        error = "cannot read " + (root / "releases.txt").string();
        return folder;
    }
    std::istringstream lines(*text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string_view content = Trim(line);
        if (content.empty() || content.front() == '#') continue;
        auto release = ParseRelease(content);
        if (!release) {
            error = "releases.txt line " + std::to_string(number) +
                    ": expected \"build | version | date | file\", got \"" + std::string(content) + "\"";
            return folder;
        }
        if (folder.Find(release->build)) {
            error = "releases.txt line " + std::to_string(number) + ": build " + release->build + " twice";
            return folder;
        }
        folder.releases_.push_back(std::move(*release));
    }
    return folder;
}

const Release* DataFolder::Newest() const {
    const Release* newest = nullptr;
    for (const Release& release : releases_) {
        if (!newest || *ParseBuild(release.build) > *ParseBuild(newest->build)) newest = &release;
    }
    return newest;
}

const Release* DataFolder::Find(std::string_view build) const {
    for (const Release& release : releases_) {
        if (release.build == build) return &release;
    }
    return nullptr;
}

std::vector<Release> DataFolder::NewerThan(long build) const {
    std::vector<Release> newer;
    for (const Release& release : releases_) {
        if (*ParseBuild(release.build) > build) newer.push_back(release);
    }
    std::sort(newer.begin(), newer.end(),
              [](const Release& a, const Release& b) { return *ParseBuild(a.build) > *ParseBuild(b.build); });
    return newer;
}

std::optional<std::string> DataFolder::Localised(const std::filesystem::path& folder, std::string_view stem,
                                                 std::string_view language,
                                                 std::string_view extension) const {
    const std::string safe = SafeLanguage(language);
    for (const std::string& candidate : {safe, std::string("en")}) {
        auto text = ReadText(folder / (std::string(stem) + "." + candidate + std::string(extension)));
        if (text) return text;
    }
    return std::nullopt;
}

std::optional<std::string> DataFolder::ChangeLog(std::string_view build, std::string_view language) const {
    if (!ParseBuild(build)) return std::nullopt;
    return Localised(root_ / "changelog", build, language, ".txt");
}

std::optional<std::string> DataFolder::SignatureOf(const Release& release) const {
    // An ECDSA P-256 signature in DER is at most 72 bytes.
    constexpr std::size_t kLargest = 160;
    std::ifstream file(FileOf(release).string() + ".sig", std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes(kLargest + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (bytes.empty() || bytes.size() > kLargest) return std::nullopt;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

std::optional<std::string> DataFolder::Page(std::string_view name, std::string_view language) const {
    if (!IsPlainFileName(name)) return std::nullopt;
    return Localised(root_ / "pages", name, language, ".html");
}

}  // namespace vitrex::server
