#include "win32/ui/ContainerWindow.h"

#include <uxtheme.h>

namespace vitrex::win32 {

namespace {
constexpr wchar_t kContainerClass[] = L"VitrexContainer";
}  // namespace

void ContainerWindow::CreateChild(HINSTANCE instance, HWND parent, const RECT& bounds, DWORD style, UINT id) {
    RegisterClassOnce(instance, kContainerClass, CS_HREDRAW | CS_VREDRAW, nullptr);
    // WS_EX_CONTROLPARENT: the dialog keyboard navigation walks into the container's controls.
    CreateNative(instance, kContainerClass, WS_EX_CONTROLPARENT, L"", style | WS_CHILD, bounds, parent, id);
}

void ContainerWindow::SetCaption(const std::wstring& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void ContainerWindow::SetBordered(bool bordered) {
    if (bordered_ == bordered) return;
    bordered_ = bordered;
    if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void ContainerWindow::SetWarning(bool warning) {
    if (warning_ == warning) return;
    warning_ = warning;
    if (Handle() != nullptr) ::InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT ContainerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (binding_ != nullptr && binding_->Reflect(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return TRUE;
        case WM_PRINTCLIENT:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            PaintContent(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        default:
            return DefaultProc(message, wParam, lParam);
    }
}

void ContainerWindow::PaintBackground(HDC dc) {
    ::DrawThemeParentBackground(Handle(), dc, nullptr);
}

void ContainerWindow::PaintContent(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    if (bordered_) ::DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
    if (caption_.empty()) return;
    SelectObjectScope font(dc, font_ != nullptr ? font_ : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, warning_ ? RGB(0xC0, 0x00, 0x00) : ::GetSysColor(COLOR_BTNTEXT));
    ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &client,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void ContainerWindow::OnPaint() {
    PaintScope paint(Handle());
    PaintContent(paint.Dc());
}

}  // namespace vitrex::win32
