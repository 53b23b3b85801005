#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"
#include "core/ui/ListControls.h"

namespace vitrex::i18n {

// The build number a language file must declare itself compatible with.
inline constexpr std::string_view kLanguageBuild = "0021";
inline constexpr std::string_view kSelectLanguage = "Select Language";
inline constexpr std::string_view kNoLanguageFile =
    "Fatal Error: No language file found. Please reinstall the program.";

// The language folder: the program's folder followed by "/languages/".
std::string LanguageFolder(Files& files);

// A [Compatible] value as a whole number, as the profile's readers convert it ("01" is 1, "$10"
// and "0x10" are 16); nothing when it is no whole number, which counts as incompatible.
std::optional<long long> WholeNumber(std::string_view text);

// Finds the language files made for this build and offers them in the two language boxes.
class LanguageFiles {
public:
    LanguageFiles(Files& files, Dialogs& dialogs, ui::ComboBox& languageBox, ui::ComboBox& welcomeBox,
                  std::function<void()> terminate)
        : files_(files),
          dialogs_(dialogs),
          languageBox_(languageBox),
          welcomeBox_(welcomeBox),
          terminate_(std::move(terminate)) {}

    // Refills the settings page's box with every compatible file in the folder's order, each under
    // its display name (the file's name where it has none, both where two files share one), fills
    // the welcome box once, selects the wanted name (exact case: a name as the box showed it, else
    // a display name: the shipped en.ini or de.ini among the files carrying it, else the first), else the
    // file en.ini, else a file called "English" (any case), else the first compatible file, and returns the
    // selected file's name without extension. With no compatible file at all it shows the fatal message, asks
    // the program to end and returns "en.ini" as it is.
    std::string Find(std::string_view wanted);

private:
    Files& files_;
    Dialogs& dialogs_;
    ui::ComboBox& languageBox_;
    ui::ComboBox& welcomeBox_;
    std::function<void()> terminate_;
};

}  // namespace vitrex::i18n
