#include "core/views/web/OutsideLinks.h"

#include <utility>

#include "core/i18n/StoredTexts.h"
#include "core/net/ProjectLinks.h"
#include "core/views/web/PageAddress.h"

namespace vitrex::views::web {

OutsideLinks::OutsideLinks(OutsideLinkControls controls, Shell& shell, std::string serverBase,
                           const std::string& languageFileBase, const i18n::Catalogue& texts)
    : controls_(controls),
      shell_(shell),
      serverBase_(std::move(serverBase)),
      languageFileBase_(languageFileBase),
      texts_(texts) {
    // The labels show what they open.
    controls_.TINFO_LabelHomepage.SetCaption(serverBase_);
    controls_.TINFO_LabelEmail.SetCaption(net::kContactMailbox);
    for (ui::Label* link :
         {&controls_.TINFO_LabelHomepage, &controls_.TINFO_LabelEmail, &controls_.TINFO_LabelTranslator}) {
        link->SetStyle(ui::TextStyle::Link);
    }
}

void OutsideLinks::TINFO_LabelHomepageClick() {
    shell_.Open(serverBase_);
}

void OutsideLinks::TINFO_LabelEmailClick() {
    shell_.Open(std::string("mailto:") + net::kContactMailbox);
}

void OutsideLinks::ShowTranslator() {
    controls_.TINFO_LabelTranslator.SetCaption(texts_.Text("Info", "writer") + " (" +
                                               texts_.Text("Info", "email", "No E-Mail") + ")");
}

void OutsideLinks::TINFO_LabelTranslatorClick() {
    shell_.Open("mailto:" + i18n::TranslatorEmail(texts_));
}

void OutsideLinks::WelcomePayPalClick() {
    shell_.Open(serverBase_ + DonationPage(languageFileBase_));
}

void OutsideLinks::AttachHandlers() {
    controls_.TINFO_LabelHomepage.OnClick = [this] { TINFO_LabelHomepageClick(); };
    controls_.TINFO_LabelEmail.OnClick = [this] { TINFO_LabelEmailClick(); };
    controls_.TINFO_LabelTranslator.OnClick = [this] { TINFO_LabelTranslatorClick(); };
    controls_.Image1.OnClick = [this] { WelcomePayPalClick(); };
    controls_.WelcomePayPal.OnClick = [this] { WelcomePayPalClick(); };
}
}  // namespace vitrex::views::web
