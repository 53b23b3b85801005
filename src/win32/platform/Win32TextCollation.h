#pragma once

#include "core/platform/TextCollation.h"

namespace vitrex::win32 {

// The user's locale through CompareStringW, as the system's sorted list boxes order their items.
class Win32TextCollation : public TextCollation {
public:
    int CompareIgnoringCase(std::string_view a, std::string_view b) override;
};

}  // namespace vitrex::win32
