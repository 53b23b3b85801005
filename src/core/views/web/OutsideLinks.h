#pragma once

#include <string>

#include "core/i18n/Catalogue.h"
#include "core/platform/Shell.h"
#include "core/ui/Controls.h"

namespace vitrex::views::web {

// The labels and pictures that open a project page or a mail in the user's own programs.
struct OutsideLinkControls {
    ui::Label& TINFO_LabelHomepage;
    ui::Label& TINFO_LabelEmail;
    ui::Label& TINFO_LabelTranslator;
    ui::Image& Image1;
    ui::Image& WelcomePayPal;
};

class OutsideLinks {
public:
    // `serverBase` is the project's web server, whose root is the homepage; `languageFileBase`
    // is the current language's code, read at each click, and `texts` its texts; both must outlive
    // the links.
    OutsideLinks(OutsideLinkControls controls, Shell& shell, std::string serverBase,
                 const std::string& languageFileBase, const i18n::Catalogue& texts);
    OutsideLinks(const OutsideLinks&) = delete;
    OutsideLinks& operator=(const OutsideLinks&) = delete;
    // Runs the handlers below on the labels' and pictures' clicks.
    void AttachHandlers();
    // The translator's name and mail address from the language file.
    void ShowTranslator();

    void TINFO_LabelHomepageClick();
    void TINFO_LabelEmailClick();
    // A language file without the translator's address opens an empty mail.
    void TINFO_LabelTranslatorClick();
    // Both donation pictures.
    void WelcomePayPalClick();

private:
    OutsideLinkControls controls_;
    Shell& shell_;
    std::string serverBase_;
    const std::string& languageFileBase_;
    const i18n::Catalogue& texts_;
};

}  // namespace vitrex::views::web
