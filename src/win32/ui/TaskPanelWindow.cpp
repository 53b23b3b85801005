#include "win32/ui/TaskPanelWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "core/imaging/Resample.h"
#include "win32/platform/TextConvert.h"
#include "win32/ui/BitmapGdi.h"
#include "win32/ui/Theme.h"

namespace vitrex::win32 {

namespace {

constexpr wchar_t kClassName[] = L"VitrexTaskPanel";
// In 96-DPI pixels.
constexpr int kIconSize = 16;
constexpr int kTextIndent = 12;

COLORREF PanelColor() {
    return BlendColor(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT), 12);
}
COLORREF HeaderColor() {
    return BlendColor(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT), 30);
}

RECT ToRect(const ui::Edges& edges) {
    return RECT{edges.left, edges.top, edges.right, edges.bottom};
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    ::SetBkColor(dc, colour);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

}  // namespace

void TaskPanelWindow::Create(HWND parent, const RECT& bounds, DWORD style, UINT id) {
    RegisterClassOnce(binding_.Instance(), kClassName, CS_DBLCLKS, nullptr);
    CreateNative(binding_.Instance(), kClassName, 0, L"", style, bounds, parent, id);
    Refresh();
}

void TaskPanelWindow::Refresh() {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    entries_ = LayOutTaskPanel(panel_, client.right, binding_.Dpi());
    const int iconSize = binding_.Scale(kIconSize);
    icons_.clear();
    for (int g = 0; g < panel_.GroupCount(); ++g) {
        icons_.push_back(imaging::Resample(panel_.Group(g).Icon(), iconSize, iconSize));
    }
    const auto visible = ui::VisibleTaskItems(entries_);
    const auto keep = [&](ItemRef item) {
        return std::find(visible.begin(), visible.end(), item) != visible.end() ? item : kNoItem;
    };
    hot_ = keep(hot_);
    pressed_ = keep(pressed_);
    focus_ = keep(focus_);
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT TaskPanelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_SIZE:
            Refresh();
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(point);
            return 0;
        case WM_MOUSELEAVE:
            OnMouseLeave();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnButtonDown(point);
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(point);
            return 0;
        case WM_CAPTURECHANGED:
            pressed_ = kNoItem;
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(wParam);
            return 0;
        case WM_SETFOCUS:
            OnSetFocus();
            [[fallthrough]];
        case WM_KILLFOCUS:
            ::InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_UPDATEUISTATE:
            // The keyboard was used in the window (Tab, Alt): focus rectangles show from now on.
            if (LOWORD(wParam) == UIS_CLEAR && (HIWORD(wParam) & UISF_HIDEFOCUS) != 0) keyboardFocus_ = true;
            ::InvalidateRect(Handle(), nullptr, FALSE);
            return DefaultProc(message, wParam, lParam);
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
            return DefaultProc(message, wParam, lParam);
        case WM_GETDLGCODE:
            return OnGetDialogCode(reinterpret_cast<const MSG*>(lParam));
        default:
            return DefaultProc(message, wParam, lParam);
    }
}

LRESULT TaskPanelWindow::OnGetDialogCode(const MSG* message) const {
    LRESULT code = DLGC_WANTARROWS;
    // Enter clicks the focused item rather than the form's default button.
    if (message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
        code |= DLGC_WANTMESSAGE;
    }
    return code;
}

void TaskPanelWindow::OnPaint() {
    PaintScope paint(Handle());
    RECT client{};
    ::GetClientRect(Handle(), &client);
    // Painted off screen first: hovering repaints often and must not flicker.
    UniqueMemoryDc memory(::CreateCompatibleDC(paint.Dc()));
    UniqueBitmap buffer(
        ::CreateCompatibleBitmap(paint.Dc(), std::max(1L, client.right), std::max(1L, client.bottom)));
    if (!memory || !buffer) {
        Paint(paint.Dc());
        return;
    }
    SelectObjectScope select(memory.Get(), buffer.Get());
    Paint(memory.Get());
    ::BitBlt(paint.Dc(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void TaskPanelWindow::Paint(HDC dc) const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    Fill(dc, client, PanelColor());
    ::SetBkMode(dc, TRANSPARENT);
    for (const ui::TaskPanelEntry& entry : entries_) {
        if (entry.item < 0) {
            PaintGroupHeader(dc, entry);
        } else {
            PaintItem(dc, entry);
        }
    }
}

void TaskPanelWindow::PaintGroupHeader(HDC dc, const ui::TaskPanelEntry& entry) const {
    const COLORREF border = HeaderColor();
    const RECT bounds = ToRect(entry.bounds);
    RECT frame = ToRect(entry.body);
    frame.top = bounds.top;
    if (entry.body.bottom > entry.body.top) {
        Fill(dc, frame, border);
        RECT inside{frame.left + 1, entry.body.top, frame.right - 1, frame.bottom - 1};
        Fill(dc, inside, ::GetSysColor(COLOR_WINDOW));
    }
    Fill(dc, bounds, border);
    ::SetBkMode(dc, TRANSPARENT);

    RECT text = bounds;
    text.left += binding_.Scale(6);
    const imaging::Bitmap& icon = icons_[static_cast<std::size_t>(entry.group)];
    if (!icon.Empty()) {
        const int top = entry.bounds.top + (entry.bounds.bottom - entry.bounds.top - icon.height) / 2;
        DrawBitmap(dc, RECT{text.left, top, text.left + icon.width, top + icon.height}, icon);
        text.left += icon.width + binding_.Scale(6);
    }
    const std::wstring caption = Widen(panel_.Group(entry.group).Caption());
    SelectObjectScope font(dc, binding_.Fonts().Bold());
    ::SetTextColor(dc, BlendColor(::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_WINDOWTEXT), 50));
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TaskPanelWindow::PaintItem(HDC dc, const ui::TaskPanelEntry& entry) const {
    const ItemRef ref{entry.group, entry.item};
    const bool hot = ref == hot_;
    const RECT bounds = ToRect(entry.bounds);
    if (hot) Fill(dc, bounds, BlendColor(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT), 10));
    RECT text = bounds;
    text.left += binding_.Scale(kTextIndent);
    text.right -= binding_.Scale(4);
    const std::wstring caption = Widen(panel_.Group(entry.group).Item(entry.item).Caption());
    SelectObjectScope font(dc, hot ? binding_.Fonts().For(ui::TextStyle::Link) : binding_.Fonts().Normal());
    ::SetTextColor(dc, LinkTextColor());
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    const bool focusHidden = (::SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    if (ref == focus_ && keyboardFocus_ && ::GetFocus() == Handle() && !focusHidden) {
        RECT focus = bounds;
        ::InflateRect(&focus, -1, -1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
        ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
        ::DrawFocusRect(dc, &focus);
    }
}

void TaskPanelWindow::SetHot(ItemRef item) {
    if (hot_ == item) return;
    hot_ = item;
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TaskPanelWindow::OnMouseMove(POINT point) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    SetHot(HitTest(point));
}

void TaskPanelWindow::OnMouseLeave() {
    trackingLeave_ = false;
    SetHot(kNoItem);
}

void TaskPanelWindow::OnSetFocus() {
    // Only a focus that came with the keyboard gets the rectangle. The panel is the first
    // control of the window, so it also gets the focus whenever the window is shown or
    // activated: an item framed then would look chosen while another page is on display.
    keyboardFocus_ = ::GetKeyState(VK_TAB) < 0;
    if (focus_ == kNoItem) focus_ = ui::StepTaskItem(entries_, kNoItem, 1);
}

void TaskPanelWindow::OnButtonDown(POINT point) {
    ::SetFocus(Handle());
    keyboardFocus_ = false;
    pressed_ = HitTest(point);
    if (pressed_ != kNoItem) ::SetCapture(Handle());
}

void TaskPanelWindow::OnButtonUp(POINT point) {
    const ItemRef pressed = pressed_;
    if (::GetCapture() == Handle()) ::ReleaseCapture();
    pressed_ = kNoItem;
    // A click is a press and a release on the same item.
    if (pressed != kNoItem && HitTest(point) == pressed) Click(pressed);
}

void TaskPanelWindow::OnKeyDown(WPARAM key) {
    if (key == VK_UP || key == VK_DOWN) keyboardFocus_ = true;
    switch (key) {
        case VK_UP:
            MoveFocus(-1);
            break;
        case VK_DOWN:
            MoveFocus(1);
            break;
        case VK_RETURN:
        case VK_SPACE:
            // Only the item the user can see framed.
            if (focus_ != kNoItem && keyboardFocus_) Click(focus_);
            break;
        default:
            break;
    }
}

void TaskPanelWindow::MoveFocus(int step) {
    focus_ = ui::StepTaskItem(entries_, focus_, step);
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TaskPanelWindow::Click(ItemRef item) {
    focus_ = item;
    ::InvalidateRect(Handle(), nullptr, FALSE);
    // The handler may change the panel (hide items): nothing of the layout is used after it.
    panel_.Group(item.group).Item(item.item).UserClick();
}

bool TaskPanelWindow::OnSetCursor() {
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(Handle(), &point);
    if (HitTest(point) == kNoItem) return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

}  // namespace vitrex::win32
