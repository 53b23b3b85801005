#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"
#include "core/ui/ListControls.h"

namespace vitrex::views::general {

// The two language boxes (the general page's, and the welcome page's with its "Select Language"
// first) showing what the language folder offers.
class LanguageBoxes {
public:
    LanguageBoxes(Files& files, Dialogs& dialogs, ui::ComboBox& languageBox, ui::ComboBox& welcomeBox,
                  std::function<void()> terminate)
        : files_(files),
          dialogs_(dialogs),
          languageBox_(languageBox),
          welcomeBox_(welcomeBox),
          terminate_(std::move(terminate)) {}

    // Refills the general page's box with the files made for this build, fills the welcome box
    // once, selects the wanted choice (i18n::ScanLanguageFiles says which), else the first file,
    // and returns the selected file's name without extension. With no file at all it shows the
    // fatal message, asks the program to end and returns "en.ini" as it is.
    std::string Find(std::string_view wanted);

private:
    Files& files_;
    Dialogs& dialogs_;
    ui::ComboBox& languageBox_;
    ui::ComboBox& welcomeBox_;
    std::function<void()> terminate_;
};

}  // namespace vitrex::views::general
