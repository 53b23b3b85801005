#include "win32/ui/WindowMenuBinder.h"

#include <algorithm>

#include "win32/platform/TextConvert.h"
#include "win32/ui/BitmapGdi.h"
#include "win32/ui/Dpi.h"

namespace vitrex::win32 {

WindowMenuBinder::WindowMenuBinder(ui::WindowMenu& menu, HWND window, int dpi)
    : menu_(menu), window_(window), dpi_(dpi) {
    const HMENU real = ::GetSystemMenu(window_, FALSE);
    const auto& entries = menu_.Entries();
    const int modelCount = static_cast<int>(entries.size());
    const int realCount = real == nullptr ? 0 : ::GetMenuItemCount(real);
    int matched = 0;
    while (matched < modelCount && matched < realCount &&
           ::GetMenuItemID(real, matched) == static_cast<UINT>(entries[matched].id)) {
        ++matched;
    }
    extraAt_ = matched;
    extraCount_ = std::max(0, realCount - modelCount);
    bitmaps_.resize(entries.size());
    menu_.SetObserver([this](ui::WindowMenu::Op op, int position, const ui::WindowMenuEntry& entry) {
        Apply(op, position, entry);
    });
}

WindowMenuBinder::~WindowMenuBinder() {
    menu_.SetObserver(nullptr);
}

int WindowMenuBinder::RealPosition(int modelPosition) const {
    return modelPosition < extraAt_ ? modelPosition : modelPosition + extraCount_;
}

void WindowMenuBinder::Apply(ui::WindowMenu::Op op, int position, const ui::WindowMenuEntry& entry) {
    const HMENU real = ::GetSystemMenu(window_, FALSE);
    if (real == nullptr) return;
    switch (op) {
        case ui::WindowMenu::Op::AppendSeparator:
            ::AppendMenuW(real, MF_SEPARATOR, 0, nullptr);
            bitmaps_.emplace_back();
            break;
        case ui::WindowMenu::Op::AppendItem:
            ::AppendMenuW(real, MF_STRING, entry.id, Widen(entry.caption).c_str());
            bitmaps_.emplace_back();
            break;
        case ui::WindowMenu::Op::DeleteAt:
            ::DeleteMenu(real, static_cast<UINT>(RealPosition(position)), MF_BYPOSITION);
            if (position < extraAt_) --extraAt_;
            if (position < static_cast<int>(bitmaps_.size())) bitmaps_.erase(bitmaps_.begin() + position);
            break;
        case ui::WindowMenu::Op::SetBitmapAt: {
            if (position >= static_cast<int>(bitmaps_.size())) bitmaps_.resize(position + 1);
            UniqueBitmap bitmap =
                CreateOpaqueBitmap(entry.bitmap, SystemMetricForDpi(SM_CXMENUCHECK, dpi_),
                                   SystemMetricForDpi(SM_CYMENUCHECK, dpi_), ::GetSysColor(COLOR_MENU));
            ::SetMenuItemBitmaps(real, static_cast<UINT>(RealPosition(position)), MF_BYPOSITION, bitmap.Get(),
                                 bitmap.Get());
            bitmaps_[position] = std::move(bitmap);
            break;
        }
    }
}

}  // namespace vitrex::win32
