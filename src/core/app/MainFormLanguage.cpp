#include <algorithm>

#include "core/app/MainForm.h"
#include "core/i18n/IniFile.h"
#include "core/i18n/LanguageFiles.h"
#include "core/i18n/StoredTexts.h"
#include "core/views/general/LanguageBoxes.h"
#include "core/views/web/PageAddress.h"

namespace vitrex::app {
std::string MainForm::FindLanguageFiles(const std::string& wanted) {
    views::general::LanguageBoxes boxes(platform_.files, platform_.dialogs, GB_Language_CB, WelcomeLangCB,
                                        [this] { Terminate(); });
    return boxes.Find(wanted);
}

// Reads the file whole, then puts every text on its target; a missing file leaves the English
// defaults everywhere.
void MainForm::LoadLanguage(const std::string& fileBase) {
    languageFileBase_ = fileBase;
    texts_.Load(
        i18n::IniFile::Load(platform_.files, i18n::LanguageFolder(platform_.files) + fileBase + ".ini"));
    ApplyCaptions();
    web_.ShowTexts();
}

void MainForm::ChangeLanguage(const std::string& wanted) {
    const std::string fileBase = FindLanguageFiles(wanted);
    languageChoice_ = GB_Language_CB.Text();
    LoadLanguage(fileBase);
}

// The last item offers further languages on the project's pages; the language stays as it was.
void MainForm::GB_Language_CBChange() {
    const auto& items = GB_Language_CB.Items();
    if (!items.empty() && GB_Language_CB.ItemIndex() == static_cast<int>(items.size()) - 1) {
        ShowPage(kPageHomepage);
        web_.ShowProjectPage(views::web::LanguagesPage(languageFileBase_));
        // The entry of the file in use: two files may carry the same display name.
        const auto found = std::find(items.begin(), items.end() - 1, languageChoice_);
        GB_Language_CB.SetItemIndex(found == items.end() - 1 ? -1 : static_cast<int>(found - items.begin()));
        return;
    }
    ChangeLanguage(GB_Language_CB.Text());
}

// The first real choice removes the placeholder item.
void MainForm::WelcomeLangCBChange() {
    if (WelcomeLangCB.Text() == i18n::kSelectLanguage) return;
    ChangeLanguage(WelcomeLangCB.Text());
    if (!WelcomeLangCB.Items().empty() && WelcomeLangCB.Items().front() == i18n::kSelectLanguage) {
        WelcomeLangCB.DeleteItem(0);
    }
}

}  // namespace vitrex::app
