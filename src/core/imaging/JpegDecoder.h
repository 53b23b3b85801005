#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/imaging/Bitmap.h"

namespace vitrex::imaging {

// Checked against the header before any pixel memory is taken, so a hostile or damaged header
// cannot make us allocate gigabytes.
struct JpegLimits {
    int maxSide = 16384;
    std::size_t maxPixels = std::size_t{16} * 1024 * 1024;  // 64 MiB of 32-bit pixels
};

// Decodes a JPEG held in memory (baseline or progressive; colour, grayscale or CMYK) into opaque
// 0xFFRRGGBB pixels. Empty, corrupt, truncated or over-large input gives no picture: libjpeg's
// warnings about damaged data count as failures, since it would otherwise pad the picture with grey.
std::optional<imaging::Bitmap> DecodeJpeg(std::span<const std::uint8_t> bytes, const JpegLimits& limits = {});

}  // namespace vitrex::imaging
