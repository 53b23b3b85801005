#include "core/app/MainForm.h"
#include "core/i18n/StoredTexts.h"
#include "core/views/captions/CaptionTable.h"

namespace vitrex::app {

// Every caption of the window from the catalogue: each page's texts of the list, then what the
// pages compose from their own state. Texts outside the catalogue (scale marks, the debug page,
// the operating-system names, the product's name in headings) stay as built.
void MainForm::ApplyCaptions() {
    for (views::captions::Page page : views::captions::kPages)
        views::captions::ShowCaptions(page, *this, texts_);
    GB_Language_CB.AddItem(i18n::MoreLanguagesEntry(texts_));
    transparency_.ShowLevelCaptions();
    rememberedView_.ShowColumns();
    rememberedView_.Show();
    links_.ShowTranslator();
    bugReport_.ShowCaptions();

    // The build date shows only with the German captions; the note that bug reports are read in
    // English only with a language other than English and German.
    const bool german = i18n::LanguageDisplayName(texts_) == "Deutsch";
    TINFO_Label3.SetVisible(german);
    TINFO_LabelDatum.SetVisible(german);
    Bug_Label3.SetVisible(languageFileBase_ != "de" && languageFileBase_ != "en");
}

}  // namespace vitrex::app
