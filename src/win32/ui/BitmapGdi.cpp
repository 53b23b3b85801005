#include "win32/ui/BitmapGdi.h"

#include <algorithm>
#include <cstdint>

#include "win32/platform/SystemMessage.h"

namespace vitrex::win32 {

namespace {

std::uint32_t Premultiplied(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    const auto channel = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (channel((argb >> 16) & 0xFF) << 16) | (channel((argb >> 8) & 0xFF) << 8) |
           channel(argb & 0xFF);
}

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

imaging::Bitmap ResampleBitmap(const imaging::Bitmap& source, int width, int height) {
    imaging::Bitmap target;
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

UniqueBitmap CreateDibSection(const imaging::Bitmap& bitmap, bool premultiply) {
    if (bitmap.Empty()) return {};
    BITMAPINFO info = TopDownInfo(bitmap.width, bitmap.height);
    void* bits = nullptr;
    UniqueBitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || bits == nullptr) {
        ThrowLastError("CreateDIBSection");
    }
    // 0xAARRGGBB in little-endian memory is the DIB's B, G, R, A byte order.
    auto* out = static_cast<std::uint32_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(bitmap.width) * bitmap.height;
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = premultiply ? Premultiplied(bitmap.pixels[i]) : bitmap.pixels[i];
    }
    return dib;
}

UniqueIcon CreateIconFromBitmap(const imaging::Bitmap& bitmap, int size) {
    const imaging::Bitmap scaled = ResampleBitmap(bitmap, size, size);
    if (scaled.Empty()) return {};
    UniqueBitmap colour = CreateDibSection(scaled, false);
    // With a 32-bit colour bitmap the alpha channel decides; the mask is all "opaque".
    UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, nullptr));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.Get();
    info.hbmMask = mask.Get();
    return UniqueIcon(::CreateIconIndirect(&info));
}

UniqueBitmap CreateOpaqueBitmap(const imaging::Bitmap& bitmap, int width, int height, COLORREF background) {
    imaging::Bitmap scaled = ResampleBitmap(bitmap, width, height);
    if (scaled.Empty()) return {};
    const std::uint32_t bg[3] = {GetRValue(background), GetGValue(background), GetBValue(background)};
    for (std::uint32_t& p : scaled.pixels) {
        const std::uint32_t a = p >> 24;
        const auto over = [a](std::uint32_t c, std::uint32_t b) {
            return (c * a + b * (255 - a) + 127) / 255;
        };
        p = 0xFF000000u | (over((p >> 16) & 0xFF, bg[0]) << 16) | (over((p >> 8) & 0xFF, bg[1]) << 8) |
            over(p & 0xFF, bg[2]);
    }
    return CreateDibSection(scaled, false);
}

void DrawBitmap(HDC dc, const RECT& target, const imaging::Bitmap& scaled) {
    if (scaled.Empty()) return;
    UniqueBitmap dib = CreateDibSection(scaled, true);
    UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    if (!memory) return;
    SelectObjectScope select(memory.Get(), dib.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiAlphaBlend(dc, target.left, target.top, scaled.width, scaled.height, memory.Get(), 0, 0,
                    scaled.width, scaled.height, blend);
}

}  // namespace vitrex::win32
