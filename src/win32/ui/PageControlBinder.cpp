#include "win32/ui/PageControlBinder.h"

#include <commctrl.h>

#include "win32/platform/TextConvert.h"
#include "win32/ui/Theme.h"

namespace vitrex::win32 {

void PageControlBinder::Create() {
    // WS_EX_CONTROLPARENT: Tab moves on into the controls of the page on display.
    CreateControl(WC_TABCONTROLW, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, {});
    ApplyTabs();
}

void PageControlBinder::ApplyTabs() {
    ApplyScope scope(*this);
    TabCtrl_DeleteAllItems(Handle());
    int position = 0;
    for (int index : pages_.VisibleTabs()) {
        std::wstring caption = Widen(pages_.Page(index).Caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        ::SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(position++),
                       reinterpret_cast<LPARAM>(&item));
    }
    ApplyActivePage();
    // The number of tab rows, and so the display area, may have changed.
    LayoutPages();
}

void PageControlBinder::ApplyActivePage() {
    ApplyScope scope(*this);
    const std::vector<int> tabs = pages_.VisibleTabs();
    int selected = -1;
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        if (tabs[i] == pages_.ActivePageIndex()) selected = static_cast<int>(i);
    }
    TabCtrl_SetCurSel(Handle(), selected);
    for (int i = 0; i < pages_.PageCount(); ++i) {
        if (ControlBinder* page = binding_.BinderFor(pages_.Page(i))) page->ApplyVisibility();
    }
}

void PageControlBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::TabVisible:
            ApplyTabs();
            break;
        case ui::Change::ActivePage:
            ApplyActivePage();
            break;
        default:
            ControlBinder::Apply(change);
            break;
    }
}

void PageControlBinder::Layout() {
    ControlBinder::Layout();
    LayoutPages();
}

void PageControlBinder::LayoutPages() const {
    for (int i = 0; i < pages_.PageCount(); ++i) {
        if (ControlBinder* page = binding_.BinderFor(pages_.Page(i))) page->Layout();
    }
}

RECT PageControlBinder::PageArea() const {
    RECT area{};
    ::GetClientRect(Handle(), &area);
    TabCtrl_AdjustRect(Handle(), FALSE, &area);
    return area;
}

LRESULT PageControlBinder::OnNotify(const NMHDR& header) {
    if (header.code == TCN_SELCHANGE && !Applying()) {
        pages_.UserSelectTab(TabCtrl_GetCurSel(Handle()));
        // The model may refuse (a tab that is already active): show what it holds.
        ApplyActivePage();
    }
    return FALSE;
}

PageControlBinder* TabSheetBinder::Pages() const {
    return static_cast<PageControlBinder*>(binding_.BinderFor(sheet_.Pages()));
}

void TabSheetBinder::Create() {
    window_ = std::make_unique<ContainerWindow>(&binding_);
    const DWORD style = ChildStyle() & ~static_cast<DWORD>(WS_VISIBLE | WS_TABSTOP);
    window_->CreateChild(binding_.Instance(), binding_.ParentHandleFor(sheet_), Pages()->PageArea(), style,
                         binding_.NextControlId());
    SetHandle(window_->Handle());
    EnableTabPageTexture(Handle());
    ApplyVisibility();
}

void TabSheetBinder::Apply(ui::Change change) {
    if (change == ui::Change::Caption) {
        Pages()->ApplyTabs();
        return;
    }
    ControlBinder::Apply(change);
}

void TabSheetBinder::Layout() {
    const RECT area = Pages()->PageArea();
    ::SetWindowPos(Handle(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void TabSheetBinder::ApplyVisibility() {
    if (Handle() == nullptr) return;
    ShowNative(Handle(), binding_.ShownInParent(sheet_) && sheet_.Pages().ActivePage() == &sheet_);
}

}  // namespace vitrex::win32
