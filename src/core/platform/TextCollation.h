#pragma once

#include <string_view>

namespace vitrex {

// The user's locale's way of ordering texts, as sorted lists show them.
class TextCollation {
public:
    virtual ~TextCollation() = default;
    // Negative, zero or positive as `a` sorts before, with or after `b`, letter case ignored.
    // Texts are UTF-8.
    virtual int CompareIgnoringCase(std::string_view a, std::string_view b) = 0;
};

}  // namespace vitrex
