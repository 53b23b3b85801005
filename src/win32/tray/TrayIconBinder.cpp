#include "win32/tray/TrayIconBinder.h"

#include <shellapi.h>

#include "win32/platform/TextConvert.h"
#include "win32/ui/PopupMenus.h"

namespace vitrex::win32 {

namespace {

constexpr wchar_t kClassName[] = L"Vitrex.TrayIconWindow";

DWORD InfoFlags(ui::BalloonIcon icon) {
    switch (icon) {
        case ui::BalloonIcon::Info:
            return NIIF_INFO;
        case ui::BalloonIcon::Warning:
            return NIIF_WARNING;
        case ui::BalloonIcon::Error:
            return NIIF_ERROR;
        case ui::BalloonIcon::None:
            break;
    }
    return NIIF_NONE;
}

}  // namespace

UINT TrayIconBinder::TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

TrayIconBinder::TrayIconBinder(ui::TrayIcon& model, HINSTANCE instance) : model_(model), pictures_(instance) {
    RegisterClassOnce(instance, kClassName, 0, nullptr);
    // Top-level and never shown; a tool window, so it could not reach the taskbar even if it were.
    CreateNative(instance, kClassName, WS_EX_TOOLWINDOW, L"", WS_POPUP, RECT{0, 0, 0, 0}, nullptr);
    // An elevated program would otherwise not hear the broadcast of a shell running as the user.
    if (TaskbarCreatedMessage() != 0)
        ::ChangeWindowMessageFilterEx(Handle(), TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
    model_.SetObserver([this](ui::TrayIcon&, ui::TrayChange change) { OnModelChange(change); });
    Show(model_.IconVisible());
}

TrayIconBinder::~TrayIconBinder() {
    model_.SetObserver({});
    icon_.reset();
}

void TrayIconBinder::Show(bool visible) {
    if (!visible) {
        icon_.reset();
        return;
    }
    if (!icon_) icon_.emplace(Handle(), kCallbackMessage, pictures_.For(model_), Widen(model_.Hint()));
}

void TrayIconBinder::OnModelChange(ui::TrayChange change) {
    switch (change) {
        case ui::TrayChange::Visible:
            Show(model_.IconVisible());
            return;
        case ui::TrayChange::Hint:
            if (icon_) icon_->SetTip(Widen(model_.Hint()));
            return;
        case ui::TrayChange::Picture:
            pictures_.Forget();
            if (icon_) icon_->SetIcon(pictures_.For(model_));
            return;
        case ui::TrayChange::IconIndex:
            if (icon_) icon_->SetIcon(pictures_.For(model_));
            return;
        case ui::TrayChange::Balloon:
            ShowBalloon();
            return;
    }
}

void TrayIconBinder::ShowBalloon() {
    if (!icon_) return;
    const ui::Balloon& balloon = model_.LastBalloon();
    const UINT timeoutMs =
        balloon.timeoutSeconds > 0 ? static_cast<UINT>(balloon.timeoutSeconds) * 1000u : 0u;
    icon_->ShowBalloon(Widen(balloon.title), Widen(balloon.text), timeoutMs, InfoFlags(balloon.icon));
}

void TrayIconBinder::OnTaskbarCreated() {
    // The new shell may also have a new small-icon size (the system DPI changed).
    pictures_.Forget();
    if (icon_) icon_->Readd(pictures_.For(model_));
}

void TrayIconBinder::OnNotification(const TrayNotification& notification) {
    if (notification.iconId != NotifyIcon::kId) return;
    switch (notification.event) {
        case TrayEvent::DoubleClick:
        case TrayEvent::KeySelect:
            model_.UserDblClick();
            return;
        case TrayEvent::ContextMenu:
            ShowMenu(notification.anchor);
            return;
        case TrayEvent::BalloonClick:
            model_.UserBalloonClick();
            return;
        case TrayEvent::BalloonHide:
            model_.UserBalloonClose();
            return;
        case TrayEvent::BalloonTimeout:
            model_.UserBalloonTimeout();
            return;
        case TrayEvent::Select:
            model_.UserClick();
            return;
        case TrayEvent::None:
            return;
    }
}

void TrayIconBinder::ShowMenu(std::optional<POINT> anchor) {
    ui::PopupMenu* menu = model_.UserContextMenu();
    // A second request while the menu is open (its modal loop still dispatches) opens no other.
    if (menu == nullptr || menuOpen_) return;
    POINT at{};
    if (anchor) {
        at = *anchor;
    } else {
        ::GetCursorPos(&at);
    }
    struct OpenScope {
        bool& open;
        explicit OpenScope(bool& flag) : open(flag) { open = true; }
        ~OpenScope() { open = false; }
    } scope(menuOpen_);
    ShowPopupMenu(*menu, Handle(), at);
}

LRESULT TrayIconBinder::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCallbackMessage) {
        OnNotification(DecodeTrayCallback(wParam, lParam, icon_ && icon_->Version4()));
        return 0;
    }
    if (message == TaskbarCreatedMessage() && message != 0) {
        OnTaskbarCreated();
        return 0;
    }
    return DefaultProc(message, wParam, lParam);
}

std::unique_ptr<TrayIconBinder> BindTrayIcon(ui::TrayIcon& model, HINSTANCE instance) {
    return std::make_unique<TrayIconBinder>(model, instance);
}

}  // namespace vitrex::win32
