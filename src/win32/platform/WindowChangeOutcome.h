#pragma once

#include <cstdint>

#include "core/platform/WindowSystem.h"

namespace vitrex::win32 {

// How a style or attribute call on another program's window ended, from its success and the
// thread's last error. Only access denied is told apart: the system gives it for the windows of a
// program that runs with higher rights, and it stays so for the life of that window. Any other
// failure (the window closed meanwhile) is as harmless as it always was.
inline WindowChange WindowChangeOf(bool succeeded, std::uint32_t lastError) {
    constexpr std::uint32_t kErrorAccessDenied = 5;
    return !succeeded && lastError == kErrorAccessDenied ? WindowChange::Refused : WindowChange::Done;
}

}  // namespace vitrex::win32
