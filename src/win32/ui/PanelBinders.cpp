#include "win32/ui/PanelBinders.h"

#include <uxtheme.h>

#include "core/imaging/Resample.h"
#include "win32/platform/TextConvert.h"
#include "win32/ui/BitmapGdi.h"

namespace vitrex::win32 {

void PanelBinder::Create() {
    window_ = std::make_unique<ContainerWindow>(&binding_);
    window_->SetCaption(Widen(panel_.Caption()));
    window_->SetBordered(panel_.Bordered());
    window_->SetWarning(panel_.Style() == ui::TextStyle::Warning);
    window_->SetFont(binding_.Fonts().Normal());
    window_->CreateChild(binding_.Instance(), binding_.ParentHandleFor(panel_), binding_.DeviceBounds(panel_),
                         ChildStyle(), binding_.NextControlId());
    SetHandle(window_->Handle());
}

void PanelBinder::Finish() {
    // A panel laid over controls created before it (a help text over its group) must cover
    // them: raise it above every sibling it overlaps. Frames are below everything anyway.
    RECT mine{};
    ::GetWindowRect(Handle(), &mine);
    for (HWND sibling = ::GetWindow(Handle(), GW_HWNDPREV); sibling != nullptr;
         sibling = ::GetWindow(sibling, GW_HWNDPREV)) {
        RECT theirs{};
        RECT overlap{};
        ::GetWindowRect(sibling, &theirs);
        const bool frame = (::GetWindowLongPtrW(sibling, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                           binding_.BinderForHandle(sibling) != nullptr &&
                           binding_.BinderForHandle(sibling)->Model().Kind() == ui::WidgetKind::GroupBox;
        if (!frame && ::IntersectRect(&overlap, &mine, &theirs)) {
            ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return;
        }
    }
}

void PanelBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::Caption:
            window_->SetCaption(Widen(panel_.Caption()));
            break;
        case ui::Change::Style:
            window_->SetBordered(panel_.Bordered());
            window_->SetWarning(panel_.Style() == ui::TextStyle::Warning);
            break;
        default:
            ControlBinder::Apply(change);
            break;
    }
}

void PanelBinder::ApplyFont() {
    window_->SetFont(binding_.Fonts().Normal());
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void ImageBinder::Create() {
    CreateControl(L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0, {});
}

void ImageBinder::Apply(ui::Change change) {
    if (change == ui::Change::Picture) {
        scaled_ = {};
        ::InvalidateRect(Handle(), nullptr, TRUE);
        return;
    }
    ControlBinder::Apply(change);
}

void ImageBinder::OnCommand(HWND, UINT code) {
    if (code == STN_CLICKED) image_.UserClick();
}

void ImageBinder::OnDrawItem(const DRAWITEMSTRUCT& item) {
    RECT area = item.rcItem;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    ::DrawThemeParentBackground(Handle(), item.hDC, &area);
    if (scaled_.width != width || scaled_.height != height) {
        scaled_ = imaging::Resample(image_.Picture(), width, height);
    }
    DrawBitmap(item.hDC, area, scaled_);
}

bool ImageBinder::OnSetCursor() {
    if (!image_.OnClick) return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

}  // namespace vitrex::win32
