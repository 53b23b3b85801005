#pragma once

#include <cstdint>
#include <optional>

#include "core/imaging/Bitmap.h"
#include "core/imaging/Color.h"

namespace vitrex::imaging {

// A pixel with its colour multiplied by its alpha, as alpha blending takes it.
std::uint32_t Premultiplied(std::uint32_t argb);

// The picture laid over an opaque background: every pixel opaque, for surfaces that draw no
// alpha (menus).
Bitmap OverBackground(Bitmap picture, Rgb background);

// A picture recovered from two drawings of it, one over black and one over white (the alpha of
// the drawings' pixels is ignored): where the two differ the picture lets the background
// through, which gives the alpha of any kind of icon (alpha channel, mask, or both), and over
// black the colour arrived premultiplied by that alpha. Nothing when the two differ in size.
std::optional<Bitmap> FromBlackAndWhiteDrawings(const Bitmap& overBlack, const Bitmap& overWhite);

}  // namespace vitrex::imaging
