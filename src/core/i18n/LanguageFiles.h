#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <vector>

#include "core/platform/Files.h"

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

// What the language folder offers: every file made for this build, in the folder's order, each
// under the name the boxes show for it (its display name; the file's name where it has none, both
// where two files share one).
struct LanguageScan {
    std::vector<std::string> names;
    std::vector<std::string> files;  // the file of each name, "de.ini"
    // The wanted choice: a name as the box showed it (exact case), else a display name (the
    // shipped en.ini or de.ini among the files carrying it, else the first), else the file en.ini,
    // else a file called "English" (any case); -1 when none of them is there.
    int selected = -1;
};

LanguageScan ScanLanguageFiles(Files& files, std::string_view wanted);

}  // namespace vitrex::i18n
