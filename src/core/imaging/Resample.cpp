#include "core/imaging/Resample.h"

#include <algorithm>
#include <cstdint>

namespace vitrex::imaging {

Bitmap Resample(const Bitmap& source, int width, int height) {
    Bitmap target;
    if (source.Empty() || width <= 0 || height <= 0 ||
        source.pixels.size() < static_cast<std::size_t>(source.width) * source.height) {
        return target;
    }
    target.width = width;
    target.height = height;
    target.pixels.resize(static_cast<std::size_t>(width) * height);
    if (width == source.width && height == source.height) {
        target.pixels.assign(source.pixels.begin(), source.pixels.begin() + target.pixels.size());
        return target;
    }
    // Coordinates in units of 1/(target size) source pixels keep the arithmetic exact.
    for (int ty = 0; ty < height; ++ty) {
        const long long y0 = static_cast<long long>(ty) * source.height;
        const long long y1 = y0 + source.height;
        for (int tx = 0; tx < width; ++tx) {
            const long long x0 = static_cast<long long>(tx) * source.width;
            const long long x1 = x0 + source.width;
            double sum[4] = {0, 0, 0, 0};
            double area = 0;
            for (long long sy = y0 / height; sy * height < y1 && sy < source.height; ++sy) {
                const long long coverY = std::min(y1, (sy + 1) * height) - std::max(y0, sy * height);
                for (long long sx = x0 / width; sx * width < x1 && sx < source.width; ++sx) {
                    const long long coverX = std::min(x1, (sx + 1) * width) - std::max(x0, sx * width);
                    const double weight = static_cast<double>(coverX) * static_cast<double>(coverY);
                    const std::uint32_t p = source.At(static_cast<int>(sx), static_cast<int>(sy));
                    const double alpha = (p >> 24) / 255.0;
                    sum[0] += weight * (p >> 24);
                    sum[1] += weight * alpha * ((p >> 16) & 0xFF);
                    sum[2] += weight * alpha * ((p >> 8) & 0xFF);
                    sum[3] += weight * alpha * (p & 0xFF);
                    area += weight;
                }
            }
            const double a = area > 0 ? sum[0] / area : 0;
            const auto colour = [&](double premultipliedSum) {
                if (a <= 0) return 0u;
                return static_cast<std::uint32_t>(
                    std::clamp(premultipliedSum / area * 255.0 / a + 0.5, 0.0, 255.0));
            };
            target.pixels[static_cast<std::size_t>(ty) * width + tx] =
                (static_cast<std::uint32_t>(a + 0.5) << 24) | (colour(sum[1]) << 16) | (colour(sum[2]) << 8) |
                colour(sum[3]);
        }
    }
    return target;
}

}  // namespace vitrex::imaging
