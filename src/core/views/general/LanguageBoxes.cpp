#include "core/views/general/LanguageBoxes.h"

#include <vector>

#include "core/i18n/LanguageFiles.h"

namespace vitrex::views::general {
namespace {

std::string WithoutExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

std::string LanguageBoxes::Find(std::string_view wanted) {
    const i18n::LanguageScan scan = i18n::ScanLanguageFiles(files_, wanted);
    languageBox_.SetItems(scan.names);
    languageBox_.SetItemIndex(scan.selected);

    if (welcomeBox_.Items().empty()) {
        std::vector<std::string> welcome = scan.names;
        welcome.insert(welcome.begin(), std::string(i18n::kSelectLanguage));
        welcomeBox_.SetItems(std::move(welcome));
        welcomeBox_.SetItemIndex(0);
    }

    if (scan.files.empty()) {
        dialogs_.ShowMessage(std::string(i18n::kNoLanguageFile));
        terminate_();
        return "en.ini";
    }
    int selected = scan.selected;
    if (selected < 0) {
        selected = 0;
        languageBox_.SetItemIndex(0);
    }
    return WithoutExtension(scan.files[static_cast<std::size_t>(selected)]);
}

}  // namespace vitrex::views::general
