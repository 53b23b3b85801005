#include "win32/Dib.h"

#include <algorithm>

#include "win32/platform/SystemMessage.h"

namespace vitrex::win32 {

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::size_t PixelCount(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

DibSection::DibSection(int width, int height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return;
    }
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    bitmap_.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap_) bits_ = static_cast<std::uint32_t*>(bits);
}

imaging::Bitmap DibSection::Read() const {
    if (!*this) return {};
    ::GdiFlush();
    const std::size_t count = PixelCount(width_, height_);
    return imaging::Bitmap{width_, height_, std::vector<std::uint32_t>(bits_, bits_ + count)};
}

void DibSection::Write(const imaging::Bitmap& picture) {
    const std::size_t count = PixelCount(width_, height_);
    if (!*this || picture.width != width_ || picture.height != height_ || picture.pixels.size() < count)
        return;
    ::GdiFlush();
    std::copy_n(picture.pixels.begin(), count, bits_);
}

UniqueBitmap DibFromBitmap(const imaging::Bitmap& picture) {
    if (picture.Empty() || picture.pixels.size() < PixelCount(picture.width, picture.height)) return {};
    DibSection dib(picture.width, picture.height);
    if (!dib) ThrowLastError("CreateDIBSection");
    dib.Write(picture);
    return dib.Release();
}

std::optional<imaging::Bitmap> ReadBitmapPixels(HBITMAP bitmap) {
    BITMAP shape{};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof shape, &shape) == 0 || shape.bmWidth <= 0 ||
        shape.bmHeight <= 0) {
        return std::nullopt;
    }
    const int height = shape.bmHeight;
    BITMAPINFO info = TopDown32(shape.bmWidth, height);
    imaging::Bitmap picture{shape.bmWidth, height,
                            std::vector<std::uint32_t>(PixelCount(shape.bmWidth, height))};
    const WindowDcScope screen(nullptr);
    if (::GetDIBits(screen.Dc(), bitmap, 0, static_cast<UINT>(height), picture.pixels.data(), &info,
                    DIB_RGB_COLORS) != height) {
        return std::nullopt;
    }
    return picture;
}

}  // namespace vitrex::win32
