#pragma once

#include <cstdint>

namespace vitrex::imaging {

// An opaque colour; the system's colour values are turned into this at the adapter.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// A colour between two, `percent` of the way from `from` to `to`.
Rgb BlendColor(Rgb from, Rgb to, int percent);

// The contrast ratio of two colours as readability guidelines define it (1 to 21).
double ContrastRatio(Rgb a, Rgb b);

// The least contrast at which text stays readable on its background.
inline constexpr double kReadableContrast = 4.5;

// Text colour for links on the window colour: the hot-tracking colour where it is readable
// there, else the first shade from the selection colour towards the text colour that is (some
// colour schemes make the hot-tracking colour a pale background tint), else the text colour.
Rgb ReadableLinkColor(Rgb hotTracking, Rgb window, Rgb highlight, Rgb text);

}  // namespace vitrex::imaging
