#pragma once

#include <windows.h>

#include <string>

namespace vitrex::probe {

// Names of the set bits, space-separated, for logs that a person reads when a check fails.
std::string StyleNames(DWORD style);
std::string ExStyleNames(DWORD exStyle);

}  // namespace vitrex::probe
