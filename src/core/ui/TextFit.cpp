#include "core/ui/TextFit.h"

#include <vector>

namespace vitrex::ui {
namespace {

// The offsets where a character of UTF-8 text starts, and the text's end.
std::vector<std::size_t> CharacterEnds(std::string_view utf8) {
    std::vector<std::size_t> ends;
    for (std::size_t i = 1; i <= utf8.size(); ++i) {
        if (i == utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) ends.push_back(i);
    }
    return ends;
}

}  // namespace

std::string FitWithEllipsis(std::string_view utf8, int maxWidthPx, const TextWidth& width) {
    if (width(utf8) <= maxWidthPx) return std::string(utf8);
    const std::vector<std::size_t> ends = CharacterEnds(utf8);
    const auto shortened = [&](std::size_t characters) {
        return std::string(utf8.substr(0, characters == 0 ? 0 : ends[characters - 1])) +
               std::string(kEllipsis);
    };
    // The widest beginning that fits, found by halving: widths grow with the length.
    std::size_t fits = 0, tooLong = ends.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (width(shortened(middle)) <= maxWidthPx) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return shortened(fits);
}

}  // namespace vitrex::ui
