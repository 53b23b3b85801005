#pragma once

#include "core/imaging/Bitmap.h"

namespace vitrex::imaging {

// The picture scaled to width x height by averaging the source area under each target pixel,
// alpha-weighted so that transparent pixels lend no colour to the edges. No picture when the
// source is empty or holds fewer pixels than its size says, or the target size is not positive.
Bitmap Resample(const Bitmap& source, int width, int height);

}  // namespace vitrex::imaging
