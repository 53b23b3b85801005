#pragma once

#include "core/platform/TextCollation.h"

namespace vitrex::win32 {

// The user's locale: CompareStringW, as the system's sorted list boxes order their items, and
// the locale's number format.
class Win32TextCollation : public TextCollation {
public:
    int CompareIgnoringCase(std::string_view a, std::string_view b) override;
    std::string DecimalSeparator() override;
};

}  // namespace vitrex::win32
