#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "core/ui/TrayIcon.h"
#include "win32/tray/NotifyIcon.h"
#include "win32/tray/TrayCallback.h"
#include "win32/tray/TrayIconPictures.h"
#include "win32/ui/Window.h"

namespace vitrex::win32 {

// A ui::TrayIcon in the notification area. Its callbacks go to a hidden top-level window of its
// own: a message-only window would never see the "TaskbarCreated" broadcast, after which every
// icon must be added again. The icon is in the notification area exactly while the model's
// IconVisible holds; hint, picture and balloons follow the model.
//
// What the user does comes back as model events: a double click, and Enter or Space on the icon
// chosen with the keyboard, run OnDblClick; a right click, and the menu key, open the model's
// popup menu at the icon. A single left click does nothing, so that a double click is not
// interrupted by a menu.
class TrayIconBinder : public Window {
public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;

    TrayIconBinder(ui::TrayIcon& model, HINSTANCE instance);
    ~TrayIconBinder() override;

    // The hidden window that receives the icon's callbacks.
    HWND CallbackWindow() const { return Handle(); }
    // Whether the notification area holds the icon now.
    bool InNotificationArea() const { return icon_.has_value() && icon_->Added(); }
    // The registered message the shell broadcasts when the taskbar is made anew.
    static UINT TaskbarCreatedMessage();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    const ui::Component* FailureSender() const override { return &model_; }

private:
    void OnModelChange(ui::TrayChange change);
    void OnNotification(const TrayNotification& notification);
    void OnTaskbarCreated();
    void ShowMenu(std::optional<POINT> anchor);
    void ShowBalloon();
    void Show(bool visible);

    ui::TrayIcon& model_;
    TrayIconPictures pictures_;
    std::optional<NotifyIcon> icon_;
    bool menuOpen_ = false;
};

// Binds the icon now: from here on it follows the model until the binder is destroyed.
std::unique_ptr<TrayIconBinder> BindTrayIcon(ui::TrayIcon& model, HINSTANCE instance);

}  // namespace vitrex::win32
