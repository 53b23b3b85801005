#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "core/platform/TextCollation.h"

namespace vitrex::fakes {

// Orders by bytes with ASCII letters folded to lower case; enough for the names tests use.
class FakeTextCollation : public TextCollation {
public:
    int CompareIgnoringCase(std::string_view a, std::string_view b) override {
        ++comparisons;
        const auto lower = [](char c) {
            return static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
        };
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]) ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    std::string DecimalSeparator() override { return decimalSeparator; }
    int comparisons = 0;
    std::string decimalSeparator = ".";
};

}  // namespace vitrex::fakes
