#pragma once

#include <cstdint>
#include <vector>

namespace vitrex::imaging {

// A picture in memory: 32-bit pixels 0xAARRGGBB, rows top to bottom.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool Empty() const { return width <= 0 || height <= 0; }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace vitrex::imaging
