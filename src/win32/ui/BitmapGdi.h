#pragma once

#include <windows.h>

#include "core/imaging/Bitmap.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// An icon of the given size with the picture's alpha channel, for image lists.
UniqueIcon CreateIconFromBitmap(const imaging::Bitmap& bitmap, int size);

// An opaque bitmap: the picture scaled and laid over `background` (menus draw no alpha).
UniqueBitmap CreateOpaqueBitmap(const imaging::Bitmap& bitmap, int width, int height, COLORREF background);

// Draws a picture already scaled to the rectangle's size, blending its alpha channel.
void DrawBitmap(HDC dc, const RECT& target, const imaging::Bitmap& scaled);

}  // namespace vitrex::win32
