#pragma once

#include <windows.h>

#include "core/imaging/Bitmap.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// The picture scaled to the given size by averaging the source area under each target pixel
// (alpha-weighted, so transparent pixels lend no colour to the edges).
imaging::Bitmap ResampleBitmap(const imaging::Bitmap& source, int width, int height);

// A 32-bit top-down DIB section holding the pixels; premultiplied for AlphaBlend when asked.
UniqueBitmap CreateDibSection(const imaging::Bitmap& bitmap, bool premultiply);

// An icon of the given size with the picture's alpha channel, for image lists.
UniqueIcon CreateIconFromBitmap(const imaging::Bitmap& bitmap, int size);

// An opaque bitmap: the picture scaled and laid over `background` (menus draw no alpha).
UniqueBitmap CreateOpaqueBitmap(const imaging::Bitmap& bitmap, int width, int height, COLORREF background);

// Draws a picture already scaled to the rectangle's size, blending its alpha channel.
void DrawBitmap(HDC dc, const RECT& target, const imaging::Bitmap& scaled);

}  // namespace vitrex::win32
