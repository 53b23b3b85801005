#include "win32/ui/Theme.h"

#include <uxtheme.h>

#include <algorithm>
#include <cmath>

#include "win32/ui/SystemFunction.h"

namespace vitrex::win32 {

void EnableTabPageTexture(HWND page) {
    using EnableFn = HRESULT(WINAPI*)(HWND, DWORD);
    static const auto enable = LoadSystemFunction<EnableFn>(L"uxtheme.dll", "EnableThemeDialogTexture");
    if (enable != nullptr) enable(page, ETDT_ENABLETAB);
}

HBRUSH ParentBackgroundBrush(HWND control, HDC dc) {
    ::DrawThemeParentBackground(control, dc, nullptr);
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

COLORREF BlendColor(COLORREF from, COLORREF to, int percent) {
    const auto mix = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

}  // namespace vitrex::win32

namespace vitrex::win32 {

namespace {

double RelativeLuminance(COLORREF colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

constexpr double kReadableContrast = 4.5;

}  // namespace

double ContrastRatio(COLORREF a, COLORREF b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

COLORREF LinkTextColor() {
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF hot = ::GetSysColor(COLOR_HOTLIGHT);
    if (ContrastRatio(hot, window) >= kReadableContrast) return hot;
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    for (int percent = 30; percent < 100; percent += 10) {
        const COLORREF shade = BlendColor(::GetSysColor(COLOR_HIGHLIGHT), text, percent);
        if (ContrastRatio(shade, window) >= kReadableContrast) return shade;
    }
    return text;
}

}  // namespace vitrex::win32
