#include "core/i18n/LanguageFiles.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "core/i18n/AsciiCase.h"
#include "core/i18n/IniFile.h"

namespace vitrex::i18n {
namespace {

std::string WithoutExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

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

std::string LanguageFiles::Find(std::string_view wanted) {
    const std::string folder = LanguageFolder(files_);
    std::vector<std::string> names;
    std::string result;
    std::string firstCompatible;
    int selected = -1;
    for (const FolderEntry& entry : files_.ListFolder(folder)) {
        if (entry.name == "." || entry.name == "..") continue;
        const IniFile file = IniFile::Load(files_, folder + entry.name);
        if (WholeNumber(file.Read("Compatible", kLanguageBuild, "0")) != 1) continue;
        names.push_back(file.Read("Info", "language", ""));
        if (firstCompatible.empty()) firstCompatible = entry.name;
        // A later file with the same name replaces an earlier match.
        if (names.back() == wanted) {
            result = entry.name;
            selected = static_cast<int>(names.size()) - 1;
        }
    }
    languageBox_.SetItems(names);
    languageBox_.SetItemIndex(selected);

    if (welcomeBox_.Items().empty()) {
        std::vector<std::string> welcome = names;
        welcome.insert(welcome.begin(), std::string(kSelectLanguage));
        welcomeBox_.SetItems(std::move(welcome));
        welcomeBox_.SetItemIndex(0);
    }

    if (result.empty()) {
        const auto english = std::find_if(
            names.begin(), names.end(), [](const std::string& n) { return EqualIgnoringCase(n, "English"); });
        languageBox_.SetItemIndex(english == names.end() ? -1 : static_cast<int>(english - names.begin()));
        // The English file's name, whichever file carries the display name.
        result = "en.ini";
    }
    if (names.empty()) {
        dialogs_.ShowMessage(std::string(kNoLanguageFile));
        terminate_();
        return result;
    }
    if (languageBox_.ItemIndex() < 0) {
        languageBox_.SetItemIndex(0);
        result = firstCompatible;
    }
    return WithoutExtension(result);
}

}  // namespace vitrex::i18n
