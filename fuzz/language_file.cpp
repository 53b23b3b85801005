// A language file as a translator's editor may leave it: the INI reading, the catalogue taken from
// it, and the language folder's scan that offers it.
#include <cctype>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/i18n/Catalogue.h"
#include "core/i18n/CatalogueKeys.h"
#include "core/i18n/IniFile.h"
#include "core/i18n/LanguageFiles.h"
#include "core/ui/Form.h"
#include "core/views/general/LanguageBoxes.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeFiles.h"

using namespace vitrex;
using fuzz::Require;

namespace {

constexpr std::size_t kMaxValue = i18n::IniFile::kMaxValueLength;

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The names the input seems to hold, found roughly; the reader decides what they really are.
std::vector<std::pair<std::string, std::string>> NamesIn(std::string_view bytes, Files& files) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    for (std::size_t start = 0; start < bytes.size() && names.size() < 32;) {
        std::size_t end = bytes.find_first_of(std::string_view("\r\n\0", 3), start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.starts_with('[')) {
            section = files.AnsiToUtf8(line.substr(1, line.find(']') - 1));
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            names.emplace_back(section, files.AnsiToUtf8(line.substr(0, equals)));
        }
    }
    return names;
}

void CheckValue(const std::string& value, bool utf8File) {
    Require(fuzz::Utf8Length(value) <= kMaxValue || (!utf8File && value.size() <= 3 * kMaxValue),
            "a value is cut to its greatest length");
    // An ANSI file is converted, so whatever it holds reads as well-formed text.
    if (!utf8File) Require(fuzz::IsUtf8(value), "an ANSI file reads as well-formed UTF-8");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Text(data, size);
    const bool utf8File = bytes.starts_with("\xEF\xBB\xBF");
    fakes::FakeFiles files;

    const i18n::IniFile file = i18n::IniFile::Parse(bytes, files);
    for (const auto& [section, key] : NamesIn(bytes, files)) {
        const std::string value = file.Read(section, key, "");
        CheckValue(value, utf8File);
        Require(file.Read(Upper(section), Upper(key), "") == value, "names compare without regard to case");
    }
    Require(file.Read("no such\nsection", "key", "fallback") == "fallback",
            "a missing key reads as its default");

    i18n::Catalogue catalogue;
    catalogue.Load(file);
    for (const i18n::CatalogueKey& key : i18n::CatalogueKeys())
        CheckValue(catalogue.Text(key.section, key.key, ""), utf8File);

    const std::string compatible = file.Read("Compatible", i18n::kLanguageBuild, "0");
    if (const std::optional<long long> number = i18n::WholeNumber(compatible))
        Require(*number >= -0xFFFFFFFFLL && *number <= 0xFFFFFFFFLL, "a whole number has at most 32 bits");

    // The folder's scan: the file is offered exactly when it declares itself made for this build.
    const std::string folder = "C:\\Program Files\\Vitrex\\languages\\";
    files.Seed(folder + "xx.ini", std::string(bytes));
    fakes::FakeDialogs dialogs;
    ui::Form form{"VTXForm", "TVTXForm", 531, 333};
    ui::ComboBox languageBox{"GB_Language_CB", &form, {}};
    ui::ComboBox welcomeBox{"WelcomeLangCB", &form, {}};
    bool terminated = false;
    views::general::LanguageBoxes scan{files, dialogs, languageBox, welcomeBox, [&] { terminated = true; }};
    const std::string chosen = scan.Find("English");
    const bool offered = i18n::WholeNumber(compatible) == 1;
    Require(terminated != offered, "the scan ends the program exactly when no file is offered");
    Require(languageBox.Items().size() == (offered ? 1u : 0u), "one file gives at most one entry");
    // A display name of "English" in another case picks the English file's name, as for any folder.
    Require(offered ? chosen == "xx" || chosen == "en" : chosen == "en.ini",
            "the one file offered is chosen");
    return 0;
}
