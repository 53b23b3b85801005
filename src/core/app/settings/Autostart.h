#pragma once

#include <string_view>

#include "core/platform/Registry.h"

namespace vitrex::settings {

inline constexpr std::string_view kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kAutostartValue = "Vitrex";

// Whether the program starts with the user's session: only the value's existence counts, its
// data is never read.
bool AutostartExists(Registry& registry);
// Stores the executable's path bare, without quotes or arguments, as the system reported it.
void WriteAutostart(Registry& registry, std::string_view executablePath);
void DeleteAutostart(Registry& registry);

}  // namespace vitrex::settings
