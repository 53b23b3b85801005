#include "win32/ui/FormWindow.h"

#include <commctrl.h>

#include "core/ui/Controls.h"
#include "win32/platform/TextConvert.h"
#include "win32/ui/ControlBinder.h"
#include "win32/ui/Dpi.h"
#include "win32/ui/PopupMenus.h"

namespace vitrex::win32 {

namespace {

// The only place the common control classes are registered: every control is made by a form's
// binder, and the first form of the process registers them for all.
void InitCommonControlClasses() {
    [[maybe_unused]] static const bool registered = [] {
        INITCOMMONCONTROLSEX classes{};
        classes.dwSize = sizeof classes;
        classes.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                        ICC_TAB_CLASSES | ICC_HOTKEY_CLASS | ICC_PROGRESS_CLASS;
        return ::InitCommonControlsEx(&classes) != FALSE;
    }();
}

bool IsPushButton(HWND control) {
    return control != nullptr &&
           (::SendMessageW(control, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

FormWindow::FormWindow(ui::Form& form, HINSTANCE instance) : ContainerWindow(nullptr), form_(form) {
    InitCommonControlClasses();
    const std::wstring className = Widen(form_.ClassName());
    RegisterClassOnce(instance, className, CS_DBLCLKS, nullptr);
    CreateNative(instance, className, WS_EX_CONTROLPARENT, Widen(form_.Caption()).c_str(), kStyle,
                 RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT}, nullptr);
    binding_ = std::make_unique<Binding>(instance, Handle(), DpiForWindow(Handle()));
    SetBinding(binding_.get());
    SetFont(binding_->Fonts().Normal());
    PlaceWindow(nullptr);
    binding_->BindTree(form_);
    systemMenu_ = std::make_unique<WindowMenuBinder>(form_.SystemMenu(), Handle(), Dpi());
    form_.SetObserver([this](ui::Widget&, ui::Change change) { OnFormChange(change); });
    form_.SetRequestHandler([this](ui::FormRequest request) { OnRequest(request); });
    BindComponents(instance);
    if (!form_.Enabled()) ::EnableWindow(Handle(), FALSE);
    if (form_.Visible()) ::ShowWindow(Handle(), SW_SHOW);
}

FormWindow::~FormWindow() {
    form_.SetObserver(nullptr);
    form_.SetRequestHandler(nullptr);
    UnbindComponents();
    systemMenu_.reset();
    SetBinding(nullptr);
    binding_.reset();
    DestroyNative();
}

void FormWindow::BindComponents(HINSTANCE instance) {
    ui::OwnedComponents& owned = form_.Components();
    for (ui::Timer* timer : owned.timers.Items())
        BindTimer(*timer);
    const auto bindTray = [this, instance](ui::TrayIcon& icon) {
        trayBinders_[&icon] = BindTrayIcon(icon, instance);
    };
    for (ui::TrayIcon* icon : owned.trayIcons.Items())
        bindTray(*icon);
    const auto bindPopup = [this](ui::PopupMenu& menu) {
        menu.SetOpener([this](ui::PopupMenu& opened, int x, int y) {
            ShowPopupMenu(opened, Handle(), POINT{x, y});
        });
    };
    for (ui::PopupMenu* menu : owned.popupMenus.Items())
        bindPopup(*menu);

    owned.timers.SetObservers([this](ui::Timer& timer) { BindTimer(timer); },
                              [this](ui::Timer& timer) { UnbindTimer(timer); });
    owned.trayIcons.SetObservers(bindTray, [this](ui::TrayIcon& icon) { trayBinders_.erase(&icon); });
    owned.popupMenus.SetObservers(bindPopup, [](ui::PopupMenu& menu) { menu.SetOpener(nullptr); });
}

void FormWindow::UnbindComponents() {
    ui::OwnedComponents& owned = form_.Components();
    owned.timers.SetObservers(nullptr, nullptr);
    owned.trayIcons.SetObservers(nullptr, nullptr);
    owned.popupMenus.SetObservers(nullptr, nullptr);
    for (ui::PopupMenu* menu : owned.popupMenus.Items())
        menu->SetOpener(nullptr);
    // The icons leave the notification area with their binders.
    trayBinders_.clear();
    while (!timers_.empty())
        UnbindTimer(*timers_.begin()->second);
}

void FormWindow::BindTimer(ui::Timer& timer) {
    const UINT_PTR id = nextTimerId_++;
    timers_[id] = &timer;
    timer.SetObserver([this, id](ui::Timer& changed) { ApplyTimer(changed, id); });
    ApplyTimer(timer, id);
}

void FormWindow::UnbindTimer(ui::Timer& timer) {
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second != &timer) continue;
        ::KillTimer(Handle(), it->first);
        fineTimers_.erase(it->first);
        timers_.erase(it);
        timer.SetObserver(nullptr);
        return;
    }
}

const FineTimer* FormWindow::FineTimerOf(const ui::Timer& timer) const {
    for (const auto& [id, bound] : timers_) {
        if (bound != &timer) continue;
        const auto fine = fineTimers_.find(id);
        return fine == fineTimers_.end() ? nullptr : fine->second.get();
    }
    return nullptr;
}

const TrayIconBinder* FormWindow::TrayBinderOf(const ui::TrayIcon& icon) const {
    const auto found = trayBinders_.find(&icon);
    return found == trayBinders_.end() ? nullptr : found->second.get();
}

void FormWindow::ApplyTimer(const ui::Timer& timer, UINT_PTR id) {
    const bool running = timer.Enabled() && timer.IntervalMs() > 0;
    const auto period = static_cast<UINT>(timer.IntervalMs());
    if (running && period < USER_TIMER_MINIMUM) {
        ::KillTimer(Handle(), id);
        // Made anew, so that a changed period starts afresh as SetTimer's would.
        fineTimers_.erase(id);
        auto fine = std::make_unique<FineTimer>(Handle(), kFineTimerMessage, id, period);
        if (fine->Running()) {
            fineTimers_[id] = std::move(fine);
            return;
        }
    } else {
        fineTimers_.erase(id);
    }
    // SetTimer on a running id restarts it with the new interval (raised to the floor).
    if (running) {
        ::SetTimer(Handle(), id, period, nullptr);
    } else {
        ::KillTimer(Handle(), id);
    }
}

bool FormWindow::OnTimer(UINT_PTR id) {
    const auto found = timers_.find(id);
    // A tick of a timer unbound since may still have been queued.
    if (found == timers_.end()) return id >= kFirstTimerId && id < nextTimerId_;
    found->second->Tick();
    return true;
}

void FormWindow::SeeQueuedMessage(const MSG& message) {
    if (message.message != WM_SYSCOMMAND || message.hwnd != Handle() || Handle() == nullptr) return;
    form_.SystemMenu().UserCommand(static_cast<unsigned>(message.wParam));
}

bool FormWindow::TranslateDialogMessage(MSG& message) {
    if (Handle() == nullptr) return false;
    if (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd)) return false;
    return ::IsDialogMessageW(Handle(), &message) != FALSE;
}

void FormWindow::PlaceWindow(const POINT* topLeft) {
    const SIZE client{binding_->Scale(form_.ClientWidth()), binding_->Scale(form_.ClientHeight())};
    const SIZE size = WindowSizeForClient(client, kStyle, WS_EX_CONTROLPARENT, Dpi());
    POINT position{};
    if (topLeft != nullptr) {
        position = *topLeft;
    } else {
        const RECT work = WorkAreaFor(Handle());
        position.x = work.left + (work.right - work.left - size.cx) / 2;
        position.y = work.top + (work.bottom - work.top - size.cy) / 2;
    }
    ::SetWindowPos(Handle(), nullptr, position.x, position.y, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame the system really draws may differ from the computed one (a window not yet
    // on the monitor whose DPI it was told, a window manager's border): correct by what is
    // missing, so that the client area is exactly the form's.
    RECT actual{};
    ::GetClientRect(Handle(), &actual);
    const int dx = client.cx - actual.right;
    const int dy = client.cy - actual.bottom;
    if (dx != 0 || dy != 0) {
        ::SetWindowPos(Handle(), nullptr, position.x - (topLeft == nullptr ? dx / 2 : 0),
                       position.y - (topLeft == nullptr ? dy / 2 : 0), size.cx + dx, size.cy + dy,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FormWindow::OnFormChange(ui::Change change) {
    switch (change) {
        case ui::Change::Caption:
            ::SetWindowTextW(Handle(), Widen(form_.Caption()).c_str());
            break;
        case ui::Change::Visible:
            ::ShowWindow(Handle(), form_.Visible() ? SW_SHOW : SW_HIDE);
            break;
        case ui::Change::Enabled:
            ::EnableWindow(Handle(), form_.Enabled() ? TRUE : FALSE);
            break;
        case ui::Change::Bounds: {
            RECT window{};
            ::GetWindowRect(Handle(), &window);
            const POINT topLeft{window.left, window.top};
            PlaceWindow(&topLeft);
            break;
        }
        default:
            break;
    }
}

void FormWindow::OnRequest(ui::FormRequest request) {
    switch (request) {
        case ui::FormRequest::BringToFront:
            if (::IsIconic(Handle())) ::ShowWindow(Handle(), SW_RESTORE);
            ::ShowWindow(Handle(), SW_SHOW);
            ::SetForegroundWindow(Handle());
            break;
        case ui::FormRequest::Close:
            ::SendMessageW(Handle(), WM_CLOSE, 0, 0);
            break;
        case ui::FormRequest::Terminate:
            ::PostQuitMessage(0);
            break;
    }
}

void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    binding_->SetDpi(dpi);
    SetFont(binding_->Fonts().Normal());
    systemMenu_->SetDpi(dpi);
    // The suggested rectangle scales the whole window; a fixed client size is computed anew.
    const POINT topLeft{suggested.left, suggested.top};
    PlaceWindow(&topLeft);
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void FormWindow::OnActivate(bool active) {
    if (!active) {
        const HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(Handle(), focus)) lastFocus_ = focus;
        return;
    }
    HWND target = lastFocus_;
    if (target == nullptr || !::IsWindow(target) || !::IsChild(Handle(), target) ||
        !::IsWindowVisible(target)) {
        target = ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
    }
    ::SetFocus(target != nullptr ? target : Handle());
}

void FormWindow::OnNextDialogControl(WPARAM wParam, bool isHandle) {
    const HWND target = isHandle ? reinterpret_cast<HWND>(wParam)
                                 : ::GetNextDlgTabItem(Handle(), ::GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (target == nullptr) return;
    // As in dialogs, an edit reached with the keyboard has its text selected.
    if (::SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        ::SendMessageW(target, EM_SETSEL, 0, -1);
    ::SetFocus(target);
}

LRESULT FormWindow::OnGetDefaultId() const {
    const HWND focus = ::GetFocus();
    if (IsPushButton(focus) && ::IsChild(Handle(), focus)) {
        return MAKELRESULT(::GetDlgCtrlID(focus), DC_HASDEFID);
    }
    for (const auto& binder : binding_->Binders()) {
        const ui::Widget& widget = binder->Model();
        if (widget.Kind() != ui::WidgetKind::Button || !static_cast<const ui::Button&>(widget).Default())
            continue;
        const HWND button = binder->Handle();
        if (::IsWindowVisible(button) && ::IsWindowEnabled(button)) {
            return MAKELRESULT(::GetDlgCtrlID(button), DC_HASDEFID);
        }
    }
    return 0;
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hook_) {
        if (const std::optional<LRESULT> result = hook_(Handle(), message, wParam, lParam)) return *result;
    }
    if (binding_ == nullptr) return DefaultProc(message, wParam, lParam);
    switch (message) {
        case WM_CLOSE:
            // The form decides: it may hide instead of closing, or close and end the program.
            form_.Close();
            return 0;
        case WM_TIMER:
            if (OnTimer(wParam)) return 0;
            return DefaultProc(message, wParam, lParam);
        case kFineTimerMessage: {
            // A tick posted before its timer stopped is dropped with the timer.
            const auto fine = fineTimers_.find(wParam);
            if (fine == fineTimers_.end()) return 0;
            fine->second->Delivered();
            OnTimer(wParam);
            return 0;
        }
        case WM_HOTKEY:
            // Acted on, then left to the default handling.
            form_.UserHotKey(static_cast<int>(wParam));
            return DefaultProc(message, wParam, lParam);
        case WM_QUERYENDSESSION:
            return form_.UserQueryEndSession() ? TRUE : FALSE;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            // A minimised window keeps no focus; it is restored when the window is.
            if (HIWORD(wParam) != 0 && LOWORD(wParam) != WA_INACTIVE) return 0;
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_SETFOCUS:
            OnActivate(true);
            return 0;
        case WM_NEXTDLGCTL:
            OnNextDialogControl(wParam, LOWORD(lParam) != 0);
            return 0;
        case DM_GETDEFID:
            return OnGetDefaultId();
        default:
            return ContainerWindow::HandleMessage(message, wParam, lParam);
    }
}

void FormWindow::PaintBackground(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
}

std::unique_ptr<FormWindow> Bind(ui::Form& form, HINSTANCE instance) {
    return std::make_unique<FormWindow>(form, instance);
}

}  // namespace vitrex::win32
