#include "win32/platform/Win32TextCollation.h"

#include <windows.h>

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

int Win32TextCollation::CompareIgnoringCase(std::string_view a, std::string_view b) {
    const std::wstring wideA = Widen(a);
    const std::wstring wideB = Widen(b);
    const int result =
        CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(), static_cast<int>(wideA.size()),
                       wideB.data(), static_cast<int>(wideB.size()));
    // CSTR_LESS_THAN, CSTR_EQUAL, CSTR_GREATER_THAN are 1, 2, 3; 0 is a failure, which only
    // texts of over 2 GB could cause: then the plain order of the characters decides.
    if (result != 0) return result - CSTR_EQUAL;
    return wideA.compare(wideB) < 0 ? -1 : (wideA == wideB ? 0 : 1);
}

std::string Win32TextCollation::DecimalSeparator() {
    // At most four characters and the terminating zero, as the locale data allows.
    wchar_t separator[5] = {};
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 5) <= 1) return ".";
    return Narrow(separator);
}

}  // namespace vitrex::win32
