#include "core/sysinfo/cpu/GaugeImages.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vitrex::sysinfo::cpu {

namespace {

constexpr std::uint32_t kEmptyFill = 0x40000000;    // a quarter-opaque black
constexpr std::uint32_t kEmptyBorder = 0xA0707070;  // visible on light and dark taskbars

struct ColourStop {
    double height;  // 0 at the bottom edge, 1 at the top
    int r, g, b;
};

// Green up to the middle, orange at seven tenths, red at the top.
constexpr std::array<ColourStop, 4> kStops{{
    {0.0, 0x2E, 0xC0, 0x2E},
    {0.45, 0x2E, 0xC0, 0x2E},
    {0.70, 0xFF, 0x98, 0x00},
    {0.95, 0xE8, 0x18, 0x18},
}};

std::uint32_t BarColour(double height) {
    const ColourStop* lower = &kStops.front();
    const ColourStop* upper = &kStops.back();
    for (std::size_t i = 1; i < kStops.size(); ++i) {
        if (height <= kStops[i].height) {
            lower = &kStops[i - 1];
            upper = &kStops[i];
            break;
        }
        lower = upper = &kStops[i];
    }
    const double span = upper->height - lower->height;
    const double t = span > 0 ? std::clamp((height - lower->height) / span, 0.0, 1.0) : 0.0;
    const auto mix = [t](int a, int b) { return static_cast<std::uint32_t>(a + (b - a) * t + 0.5); };
    return 0xFF000000u | mix(lower->r, upper->r) << 16 | mix(lower->g, upper->g) << 8 |
           mix(lower->b, upper->b);
}

}  // namespace

int GaugeBarHeight(int index, int sizePx) {
    index = std::clamp(index, 0, kGaugeSteps);
    // Rounded to the nearest row; at 14 pixels and more every step adds at least one row.
    return (index * sizePx + kGaugeSteps / 2) / kGaugeSteps;
}

imaging::Bitmap GaugeImage(int index, int sizePx) {
    sizePx = std::max(sizePx, 1);
    imaging::Bitmap image;
    image.width = sizePx;
    image.height = sizePx;
    image.pixels.resize(static_cast<std::size_t>(sizePx) * sizePx);
    const int barTop = sizePx - GaugeBarHeight(index, sizePx);
    for (int y = 0; y < sizePx; ++y) {
        // The colour belongs to the row's place, not to the bar's length: a short bar is all
        // green, a tall one shows the orange and red of the upper rows.
        const std::uint32_t bar = BarColour((sizePx - y - 0.5) / sizePx);
        for (int x = 0; x < sizePx; ++x) {
            const bool border = x == 0 || y == 0 || x == sizePx - 1 || y == sizePx - 1;
            image.pixels[static_cast<std::size_t>(y) * sizePx + x] =
                y >= barTop ? bar : (border ? kEmptyBorder : kEmptyFill);
        }
    }
    return image;
}

std::vector<imaging::Bitmap> GaugeImages(int sizePx) {
    std::vector<imaging::Bitmap> images;
    images.reserve(kGaugeSteps + 1);
    for (int index = 0; index <= kGaugeSteps; ++index)
        images.push_back(GaugeImage(index, sizePx));
    return images;
}

}  // namespace vitrex::sysinfo::cpu
