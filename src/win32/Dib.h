#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "core/imaging/Bitmap.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// A 32-bit top-down DIB section whose memory is read and written directly. Its pixels are the
// program's 0xAARRGGBB, rows top to bottom: in little-endian memory that is the DIB's B, G, R, A
// byte order, so pixels are copied as they are.
class DibSection {
public:
    // Empty (false) when the size is not positive or the system refuses; GetLastError tells why.
    DibSection(int width, int height);

    explicit operator bool() const { return bitmap_ && bits_ != nullptr; }
    HBITMAP Get() const { return bitmap_.Get(); }

    // The pixels as they are now: drawing that GDI still holds back is flushed first.
    imaging::Bitmap Read() const;
    // Overwrites every pixel; a picture of another size is ignored.
    void Write(const imaging::Bitmap& picture);
    // The bitmap handle, which stays valid without the section.
    UniqueBitmap Release() { return std::move(bitmap_); }

private:
    int width_;
    int height_;
    UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
};

// A DIB section holding the picture's pixels as they are; throws SystemError when the system
// refuses, and gives no bitmap for an empty picture or one that holds fewer pixels than its size.
UniqueBitmap DibFromBitmap(const imaging::Bitmap& picture);

// The pixels of any bitmap, converted by the system into the program's 32-bit form; nothing
// when it cannot be read (the bitmap must not be selected into a device context).
std::optional<imaging::Bitmap> ReadBitmapPixels(HBITMAP bitmap);

}  // namespace vitrex::win32
