#pragma once

#include <string>
#include <string_view>

namespace vitrex {

// The user's locale: how sorted lists order texts, and how numbers are written.
class TextCollation {
public:
    virtual ~TextCollation() = default;
    // Negative, zero or positive as `a` sorts before, with or after `b`, letter case ignored.
    // Texts are UTF-8.
    virtual int CompareIgnoringCase(std::string_view a, std::string_view b) = 0;
    // The character(s) between a number's whole part and its fraction (".", ","), UTF-8.
    virtual std::string DecimalSeparator() = 0;
};

}  // namespace vitrex
