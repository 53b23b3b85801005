#pragma once

namespace vitrex::ui {

// Layouts are given in pixels of a 96-DPI screen.
inline constexpr int kDefaultDpi = 96;

// A length in 96-DPI pixels at `dpi`, rounded half away from zero, so that offsets above a
// control mirror those below it.
constexpr int ScaleForDpi(int value, int dpi) {
    const long long scaled = static_cast<long long>(value) * dpi;
    const long long half = kDefaultDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDefaultDpi : -((-scaled + half) / kDefaultDpi));
}

}  // namespace vitrex::ui
