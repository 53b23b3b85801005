#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "core/sysinfo/cpu/GaugeImages.h"
#include "core/ui/ListControls.h"
#include "core/ui/TrayIcon.h"
#include "win32/Dib.h"
#include "win32/UniqueHandle.h"
#include "win32/tray/TrayIconPictures.h"

namespace vitrex::win32 {
namespace {

struct IconPixels {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;  // top-down 0xAARRGGBB
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

IconPixels Read(HICON icon) {
    IconPixels result;
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return result;
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectW(colour.Get(), sizeof bitmap, &bitmap);
    result.width = bitmap.bmWidth;
    result.height = bitmap.bmHeight;
    result.bitsPerPixel = bitmap.bmBitsPixel;
    // Zeros when unreadable, so that the checks fail rather than read past the end.
    auto pixels = ReadBitmapPixels(colour.Get());
    result.pixels = pixels
                        ? std::move(pixels->pixels)
                        : std::vector<std::uint32_t>(static_cast<std::size_t>(result.width) * result.height);
    return result;
}

TEST(TrayIconPictures, GaugeIconsHaveTheSmallIconSizeAndKeepTheirAlpha) {
    ui::ImageList images{16, 16};
    for (const imaging::Bitmap& image : sysinfo::cpu::GaugeImages())
        images.Add(image);
    ui::TrayIcon tray{"Tray", nullptr};
    tray.SetIconList(&images, [](int index, int size) { return sysinfo::cpu::GaugeImage(index, size); });
    TrayIconPictures pictures(::GetModuleHandleW(nullptr));

    const int size = SmallIconSize();
    const IconPixels empty = Read(pictures.For(tray));
    ASSERT_EQ(empty.width, size);
    ASSERT_EQ(empty.height, size);
    EXPECT_EQ(empty.bitsPerPixel, 32);
    EXPECT_EQ(empty.At(size / 2, size / 2) >> 24, 0x40u) << "the translucent inside of the empty gauge";

    tray.SetIconIndex(14);
    const HICON full = pictures.For(tray);
    const IconPixels fullPixels = Read(full);
    EXPECT_EQ(fullPixels.At(size / 2, size - 1) >> 24, 0xFFu);
    EXPECT_EQ(fullPixels.At(size / 2, size - 1), sysinfo::cpu::GaugeImage(14, size).At(size / 2, size - 1));
    EXPECT_EQ(pictures.For(tray), full) << "made once per image";
}

TEST(TrayIconPictures, ProgramIconAndFixedPicturesAreMadeAtTheSmallIconSize) {
    ui::TrayIcon tray{"Tray2", nullptr};
    TrayIconPictures pictures(::GetModuleHandleW(nullptr));
    EXPECT_EQ(pictures.For(tray), nullptr) << "no picture yet";

    tray.SetProgramIcon();
    pictures.Forget();
    const IconPixels logo = Read(pictures.For(tray));
    EXPECT_EQ(logo.width, SmallIconSize());

    tray.SetIcon(sysinfo::cpu::GaugeImage(7, 32));
    pictures.Forget();
    const IconPixels scaled = Read(pictures.For(tray));
    EXPECT_EQ(scaled.width, SmallIconSize()) << "a picture of another size is scaled";
}

}  // namespace
}  // namespace vitrex::win32
