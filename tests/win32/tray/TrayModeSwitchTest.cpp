#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

#include "../ui/UiTestSupport.h"
#include "TrayTestSupport.h"
#include "core/sysinfo/cpu/GaugeImages.h"
#include "core/ui/Form.h"
#include "core/ui/ListControls.h"
#include "core/ui/TrayIcon.h"
#include "win32/Dib.h"
#include "win32/UniqueHandle.h"
#include "win32/tray/TrayIconBinder.h"

namespace vitrex::win32 {
namespace {

using testing::PumpUntil;

std::vector<HWND> WineTrayIcons() {
    std::vector<HWND> icons;
    for (HWND child = ::GetWindow(testing::WineSystemTray(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child)) icons.push_back(child);
    }
    return icons;
}

// The number of different colours on screen in a window's rectangle: an icon window that shows
// nothing but the tray's background has one.
std::size_t ColoursShownIn(HWND window) {
    RECT place{};
    ::GetWindowRect(window, &place);
    const int width = place.right - place.left, height = place.bottom - place.top;
    if (width <= 0 || height <= 0) return 0;
    const WindowDcScope screen(nullptr);
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.Dc()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.Dc(), width, height));
    {
        SelectObjectScope select(memory.Get(), bitmap.Get());
        ::BitBlt(memory.Get(), 0, 0, width, height, screen.Dc(), place.left, place.top, SRCCOPY);
    }
    const auto shown = ReadBitmapPixels(bitmap.Get());
    if (!shown) return 0;
    std::set<std::uint32_t> colours;
    for (std::uint32_t pixel : shown->pixels)
        colours.insert(pixel & 0xFFFFFF);
    return colours.size();
}

// The two icons of the tray-mode group: the gauge and the logo, each with its own binder as in
// the program.
struct TrayModeFixture : ::testing::Test {
    TrayModeFixture() {
        for (const imaging::Bitmap& image : sysinfo::cpu::GaugeImages())
            images.Add(image);
        gauge.SetIconList(&images, [](int index, int size) { return sysinfo::cpu::GaugeImage(index, size); });
        logo.SetProgramIcon();
        gaugeBinder = BindTrayIcon(gauge, ::GetModuleHandleW(nullptr));
        logoBinder = BindTrayIcon(logo, ::GetModuleHandleW(nullptr));
    }
    ~TrayModeFixture() override {
        gaugeBinder.reset();
        logoBinder.reset();
        testing::Pump();
    }

    // The tray's window of the one icon that shows now, once Wine has drawn it.
    HWND ShownIcon(const std::vector<HWND>& others) const {
        HWND shown = nullptr;
        PumpUntil([&] {
            for (HWND icon : WineTrayIcons()) {
                if (std::find(others.begin(), others.end(), icon) == others.end()) shown = icon;
            }
            return shown != nullptr;
        });
        // Let the tray paint.
        PumpUntil([] { return false; }, std::chrono::milliseconds(400));
        return shown;
    }

    ui::Form form{"TestForm", "TTestForm", 200, 100};
    ui::ImageList images{16, 16};
    ui::TrayIcon gauge{"Tray", &form, "Vitrex"};
    ui::TrayIcon logo{"Tray2", &form, "Vitrex"};
    std::unique_ptr<TrayIconBinder> gaugeBinder;
    std::unique_ptr<TrayIconBinder> logoBinder;
};

TEST_F(TrayModeFixture, TheLogoShowsWhetherItComesAfterTheGaugeOrAlone) {
    if (!testing::UnderWine()) GTEST_SKIP() << "Wine's tray window";
    const std::vector<HWND> before = WineTrayIcons();

    logo.SetIconVisible(true);
    const HWND alone = ShownIcon(before);
    ASSERT_NE(alone, nullptr);
    const std::size_t aloneColours = ColoursShownIn(alone);
    EXPECT_GT(aloneColours, 2u) << "the logo drawn when it is the only icon";
    logo.SetIconVisible(false);
    ASSERT_TRUE(PumpUntil([&] { return WineTrayIcons().size() == before.size(); }));

    // From the gauge to the logo, in the order the mode switch takes.
    gauge.SetIconIndex(7);
    gauge.SetIconVisible(true);
    ASSERT_NE(ShownIcon(before), nullptr);
    gauge.SetIconVisible(false);
    logo.SetIconVisible(true);
    const HWND after = ShownIcon(before);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(WineTrayIcons().size(), before.size() + 1);
    EXPECT_GT(ColoursShownIn(after), 2u) << "the logo, not an empty square, after the gauge went";
}

}  // namespace
}  // namespace vitrex::win32
