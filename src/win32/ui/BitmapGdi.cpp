#include "win32/ui/BitmapGdi.h"

#include "core/imaging/Compositing.h"
#include "core/imaging/Resample.h"
#include "win32/Dib.h"
#include "win32/ui/Theme.h"

namespace vitrex::win32 {

UniqueIcon CreateIconFromBitmap(const imaging::Bitmap& bitmap, int size) {
    const imaging::Bitmap scaled = imaging::Resample(bitmap, size, size);
    if (scaled.Empty()) return {};
    UniqueBitmap colour = DibFromBitmap(scaled);
    // With a 32-bit colour bitmap the alpha channel decides; the mask is all "opaque".
    UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, nullptr));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.Get();
    info.hbmMask = mask.Get();
    return UniqueIcon(::CreateIconIndirect(&info));
}

UniqueBitmap CreateOpaqueBitmap(const imaging::Bitmap& bitmap, int width, int height, COLORREF background) {
    return DibFromBitmap(
        imaging::OverBackground(imaging::Resample(bitmap, width, height), ToRgb(background)));
}

void DrawBitmap(HDC dc, const RECT& target, const imaging::Bitmap& scaled) {
    if (scaled.Empty()) return;
    imaging::Bitmap premultiplied = scaled;
    for (std::uint32_t& pixel : premultiplied.pixels)
        pixel = imaging::Premultiplied(pixel);
    UniqueBitmap dib = DibFromBitmap(premultiplied);
    UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    if (!dib || !memory) return;
    SelectObjectScope select(memory.Get(), dib.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::GdiAlphaBlend(dc, target.left, target.top, scaled.width, scaled.height, memory.Get(), 0, 0,
                    scaled.width, scaled.height, blend);
}

}  // namespace vitrex::win32
