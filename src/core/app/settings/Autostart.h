#pragma once

#include <string_view>

#include "core/platform/Registry.h"

namespace vitrex::settings {

inline constexpr std::string_view kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kAutostartValue = "Vitrex";

// Whether the program starts with the user's session: only the value's existence counts, its
// data is never read.
bool AutostartExists(Registry& registry);
// Stores the executable's path in double quotes, without arguments. Unquoted, the system would try
// "D:\My.exe" first for "D:\My Tools\Vitrex.exe", a file another user could plant. Values written
// bare by earlier versions still count as existing, and the next quit writes them quoted.
void WriteAutostart(Registry& registry, std::string_view executablePath);
void DeleteAutostart(Registry& registry);

}  // namespace vitrex::settings
