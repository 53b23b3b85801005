#include "core/transparency/Alpha.h"

#include <algorithm>
#include <cstdlib>

namespace vitrex::transparency {

std::uint8_t TransparencyToAlpha(int percent) {
    // Integer arithmetic on purpose: (100 - percent) * 2.55 in double precision gives 254 at 0 %.
    const int clamped = std::clamp(percent, 0, 100);
    return static_cast<std::uint8_t>((100 - clamped) * 255 / 100);
}

bool SetWindowTransparency(WindowSystem& windows, WindowHandle window, int percent) {
    return ApplyTransparency(windows, window, percent) != WindowChange::Unavailable;
}

WindowChange ApplyTransparency(WindowSystem& windows, WindowHandle window, int percent) {
    return windows.MakeLayered(window, TransparencyToAlpha(percent));
}

int AlphaToTransparency(std::uint8_t alpha) {
    int best = 0;
    for (int percent = 1; percent <= 100; ++percent) {
        if (std::abs(TransparencyToAlpha(percent) - alpha) < std::abs(TransparencyToAlpha(best) - alpha))
            best = percent;
    }
    return best;
}

bool ClearWindowTransparency(WindowSystem& windows, WindowHandle window) {
    windows.ClearLayered(window);
    return true;
}

}  // namespace vitrex::transparency
