#include "win32/ui/Theme.h"

#include <uxtheme.h>

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
