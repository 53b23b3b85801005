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
    return ToColorRef(imaging::BlendColor(ToRgb(from), ToRgb(to), percent));
}

COLORREF LinkTextColor() {
    const auto system = [](int index) { return ToRgb(::GetSysColor(index)); };
    return ToColorRef(imaging::ReadableLinkColor(system(COLOR_HOTLIGHT), system(COLOR_WINDOW),
                                                 system(COLOR_HIGHLIGHT), system(COLOR_WINDOWTEXT)));
}

}  // namespace vitrex::win32
