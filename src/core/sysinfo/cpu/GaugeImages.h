#pragma once

#include <vector>

#include "core/imaging/Bitmap.h"

namespace vitrex::sysinfo::cpu {

// The notification-area load gauge: image 0 is an empty gauge, images 1 to 14 a bar rising from
// the bottom edge one step per image until image 14 fills the icon. The bar is green, and its
// upper part turns orange, then red, the higher it reaches. The empty part is a faint square
// with a border, so that the icon can still be found and clicked on an idle machine.
inline constexpr int kGaugeSteps = 14;
inline constexpr int kGaugeImageSize = 16;

// Rows of image `index` (held to 0..14) that the bar covers at `sizePx`.
int GaugeBarHeight(int index, int sizePx);

// Image `index` (held to 0..14) drawn at sizePx x sizePx (at least 1), so the icon stays crisp
// at the system's small-icon size on high-DPI monitors (20, 24, 32 pixels ...). Bar pixels are
// opaque; the empty part is translucent.
imaging::Bitmap GaugeImage(int index, int sizePx = kGaugeImageSize);

// All 15 images at one size, index order.
std::vector<imaging::Bitmap> GaugeImages(int sizePx = kGaugeImageSize);

}  // namespace vitrex::sysinfo::cpu
