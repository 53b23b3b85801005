#include "core/imaging/Color.h"

#include <algorithm>
#include <cmath>

namespace vitrex::imaging {

namespace {

double RelativeLuminance(Rgb colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

}  // namespace

Rgb BlendColor(Rgb from, Rgb to, int percent) {
    const auto mix = [percent](int a, int b) {
        return static_cast<std::uint8_t>(a + (b - a) * percent / 100);
    };
    return {mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)};
}

double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ReadableLinkColor(Rgb hotTracking, Rgb window, Rgb highlight, Rgb text) {
    if (ContrastRatio(hotTracking, window) >= kReadableContrast) return hotTracking;
    for (int percent = 30; percent < 100; percent += 10) {
        const Rgb shade = BlendColor(highlight, text, percent);
        if (ContrastRatio(shade, window) >= kReadableContrast) return shade;
    }
    return text;
}

}  // namespace vitrex::imaging
