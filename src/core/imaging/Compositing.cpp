#include "core/imaging/Compositing.h"

#include <algorithm>

namespace vitrex::imaging {

namespace {

int Channel(std::uint32_t pixel, int shift) {
    return static_cast<int>((pixel >> shift) & 0xFF);
}

constexpr int kColourShifts[] = {16, 8, 0};

}  // namespace

std::uint32_t Premultiplied(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    std::uint32_t pixel = a << 24;
    for (int shift : kColourShifts) {
        pixel |= ((static_cast<std::uint32_t>(Channel(argb, shift)) * a + 127) / 255) << shift;
    }
    return pixel;
}

Bitmap OverBackground(Bitmap picture, Rgb background) {
    const int behind[] = {background.r, background.g, background.b};
    for (std::uint32_t& p : picture.pixels) {
        const int a = static_cast<int>(p >> 24);
        std::uint32_t opaque = 0xFF000000u;
        for (int i = 0; i < 3; ++i) {
            const int shift = kColourShifts[i];
            opaque |= static_cast<std::uint32_t>((Channel(p, shift) * a + behind[i] * (255 - a) + 127) / 255)
                      << shift;
        }
        p = opaque;
    }
    return picture;
}

std::optional<Bitmap> FromBlackAndWhiteDrawings(const Bitmap& overBlack, const Bitmap& overWhite) {
    if (overBlack.width != overWhite.width || overBlack.height != overWhite.height ||
        overBlack.pixels.size() != overWhite.pixels.size()) {
        return std::nullopt;
    }
    Bitmap picture{overBlack.width, overBlack.height, std::vector<std::uint32_t>(overBlack.pixels.size())};
    for (std::size_t i = 0; i < overBlack.pixels.size(); ++i) {
        const std::uint32_t b = overBlack.pixels[i];
        const std::uint32_t w = overWhite.pixels[i];
        int alpha = 255;
        for (int shift : kColourShifts) {
            alpha = std::min(alpha, 255 - std::clamp(Channel(w, shift) - Channel(b, shift), 0, 255));
        }
        std::uint32_t pixel = static_cast<std::uint32_t>(alpha) << 24;
        if (alpha > 0) {
            for (int shift : kColourShifts) {
                pixel |= static_cast<std::uint32_t>(std::min(255, Channel(b, shift) * 255 / alpha)) << shift;
            }
        }
        picture.pixels[i] = pixel;
    }
    return picture;
}

}  // namespace vitrex::imaging
