#include "core/i18n/LanguageFiles.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>
#include <vector>

#include "core/i18n/IniFile.h"
#include "core/text/AsciiCase.h"

namespace vitrex::i18n {

using text::EqualIgnoringCase;
std::string LanguageFolder(Files& files) {
    std::string folder = files.ExecutableDirectory();
    if (!folder.empty()) folder.pop_back();
    return folder + "/languages/";
}

std::optional<long long> WholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    unsigned long long value = 0;  // unsigned: a second sign is no digit
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    // Beyond 32 bits the conversion fails, as the system's does.
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > 0xFFFFFFFFULL)
        return std::nullopt;
    const auto number = static_cast<long long>(value);
    return negative ? -number : number;
}

namespace {

// A compatible file and the name the boxes show for it.
struct Candidate {
    std::string file;
    std::string displayName;
    std::string shown;
};

// Its display name; the file's name for a file without one, and both where two files carry the
// same display name (in any letter case), so that no entry is blank and none appears twice.
void NameForTheBoxes(std::vector<Candidate>& candidates) {
    for (Candidate& candidate : candidates) {
        const auto alike = std::count_if(candidates.begin(), candidates.end(), [&](const Candidate& other) {
            return EqualIgnoringCase(other.displayName, candidate.displayName);
        });
        if (candidate.displayName.empty()) {
            candidate.shown = candidate.file;
        } else if (alike > 1) {
            candidate.shown = candidate.displayName + " (" + candidate.file + ")";
        } else {
            candidate.shown = candidate.displayName;
        }
    }
}

bool IsShipped(const std::string& file) {
    return EqualIgnoringCase(file, "en.ini") || EqualIgnoringCase(file, "de.ini");
}

int IndexWhere(const std::vector<Candidate>& candidates, const std::function<bool(const Candidate&)>& test) {
    const auto found = std::find_if(candidates.begin(), candidates.end(), test);
    return found == candidates.end() ? -1 : static_cast<int>(found - candidates.begin());
}

}  // namespace

LanguageScan ScanLanguageFiles(Files& files, std::string_view wanted) {
    const std::string folder = LanguageFolder(files);
    std::vector<Candidate> candidates;
    for (const FolderEntry& entry : files.ListFolder(folder)) {
        if (entry.name == "." || entry.name == "..") continue;
        const IniFile file = IniFile::Load(files, folder + entry.name);
        if (WholeNumber(file.Read("Compatible", kLanguageBuild, "0")) != 1) continue;
        candidates.push_back({entry.name, file.Read("Info", "language", ""), {}});
    }
    NameForTheBoxes(candidates);
    LanguageScan scan;
    for (const Candidate& candidate : candidates) {
        scan.names.push_back(candidate.shown);
        scan.files.push_back(candidate.file);
    }

    // The name as the box showed it when it was stored; else a display name stored before two
    // files carried it: the file the program ships with under that name (another file that came
    // later claims it), else the first of them.
    int selected = IndexWhere(candidates, [&](const Candidate& c) { return c.shown == wanted; });
    if (selected < 0) {
        selected = IndexWhere(
            candidates, [&](const Candidate& c) { return c.displayName == wanted && IsShipped(c.file); });
    }
    if (selected < 0)
        selected = IndexWhere(candidates, [&](const Candidate& c) { return c.displayName == wanted; });
    // The English file, when no choice matches: by its file name first, so that another file that
    // calls itself English does not stand in for it.
    if (selected < 0)
        selected =
            IndexWhere(candidates, [](const Candidate& c) { return EqualIgnoringCase(c.file, "en.ini"); });
    if (selected < 0) {
        selected = IndexWhere(candidates,
                              [](const Candidate& c) { return EqualIgnoringCase(c.displayName, "English"); });
    }
    scan.selected = selected;
    return scan;
}

}  // namespace vitrex::i18n
