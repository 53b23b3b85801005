#include "win32/ui/PageControlBinder.h"

#include <commctrl.h>

#include "core/ui/TextFit.h"
#include "win32/UniqueHandle.h"
#include "win32/platform/TextConvert.h"
#include "win32/ui/Theme.h"

namespace vitrex::win32 {
namespace {

// A tab's text has the control's padding on both sides (6 px at 96 DPI), and the selected tab is
// drawn 2 px wider on each side; a few pixels more keep the strip's edge clear.
constexpr int kTabTextMargin = 2 * 6 + 2 * 2 + 4;

}  // namespace

// A caption too wide for the strip is shortened with an ellipsis: the control would otherwise
// draw a tab wider than itself, whose text is not shown at all.
std::string PageControlBinder::FittingCaption(const std::string& caption) const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int available = (client.right - client.left) - binding_.Scale(kTabTextMargin);
    const WindowDcScope dc(Handle());
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(Handle(), WM_GETFONT, 0, 0));
    SelectObjectScope select(dc.Dc(), font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    return ui::FitWithEllipsis(caption, available, [&dc](std::string_view text) {
        const std::wstring wide = Widen(text);
        SIZE size{};
        ::GetTextExtentPoint32W(dc.Dc(), wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    });
}

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
        std::wstring caption = Widen(FittingCaption(pages_.Page(index).Caption()));
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
    // The captions are fitted to the new width; this lays the pages out as well.
    ApplyTabs();
}

void PageControlBinder::ApplyFont() {
    ControlBinder::ApplyFont();
    if (Handle() != nullptr) ApplyTabs();
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
