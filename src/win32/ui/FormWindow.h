#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "core/ui/Form.h"
#include "core/ui/Timer.h"
#include "core/ui/TrayIcon.h"
#include "win32/tray/TrayIconBinder.h"
#include "win32/ui/Binding.h"
#include "win32/ui/ContainerWindow.h"
#include "win32/ui/FineTimer.h"
#include "win32/ui/WindowMenuBinder.h"

namespace vitrex::win32 {

// Sees every message sent or posted to the form window before the binder does; a value
// returned is the message's result and ends its handling.
using MessageHook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

// A ui::Form as a real top-level window with all its controls: fixed single border, window
// menu and minimise button, client area of the form's size scaled for the monitor's DPI,
// centred on the work area; shown while the form is Visible.
//
// The form's components are bound with it, and so is each one made while the window exists:
// timers run as window timers of this window (periods below their floor through a FineTimer),
// tray icons each get their tray binder, popup menus open owned by this window. Hot keys and the
// system's question at the end of the session reach the form as its user events; the window
// menu's entries as their items' clicks.
class FormWindow : public ContainerWindow {
public:
    static constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    // The form's timers use identifiers from here on; others are free for the program.
    static constexpr UINT_PTR kFirstTimerId = 0x5600;
    // A tick of a timer whose period is below a window timer's floor (wParam: the timer's id).
    static constexpr UINT kFineTimerMessage = WM_APP + 0x57;

    FormWindow(ui::Form& form, HINSTANCE instance);
    ~FormWindow() override;

    ui::Form& Model() const { return form_; }
    int Dpi() const { return binding_->Dpi(); }
    Binding& Controls() const { return *binding_; }
    // The window of a widget of the form (the form itself included).
    HWND HandleOf(const ui::Widget& widget) const { return binding_->HandleOf(widget); }

    // A message taken from the queue, before it is dispatched: the command of a window-menu
    // entry of the program runs the entry's OnClick here, because the taskbar button's menu
    // posts it and it must be seen whatever happens to it afterwards. Never consumes a message.
    void SeeQueuedMessage(const MSG& message);
    // Whether the icon's binder exists now (tests).
    const TrayIconBinder* TrayBinderOf(const ui::TrayIcon& icon) const;
    // The timer's FineTimer while it runs as one (tests).
    const FineTimer* FineTimerOf(const ui::Timer& timer) const;

    void SetMessageHook(MessageHook hook) { hook_ = std::move(hook); }

    // Keyboard navigation between the controls (Tab, arrows in radio groups, Enter on the
    // default button) for a message taken from the queue; true when it was handled.
    bool TranslateDialogMessage(MSG& message);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBackground(HDC dc) override;
    const ui::Component* FailureSender() const override { return &form_; }

private:
    void OnFormChange(ui::Change change);
    void OnRequest(ui::FormRequest request);
    void BindComponents(HINSTANCE instance);
    void UnbindComponents();
    void BindTimer(ui::Timer& timer);
    void UnbindTimer(ui::Timer& timer);
    void ApplyTimer(const ui::Timer& timer, UINT_PTR id);
    bool OnTimer(UINT_PTR id);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnActivate(bool active);
    void OnNextDialogControl(WPARAM wParam, bool isHandle);
    LRESULT OnGetDefaultId() const;
    void PlaceWindow(const POINT* topLeft);

    ui::Form& form_;
    std::unique_ptr<Binding> binding_;
    std::unique_ptr<WindowMenuBinder> systemMenu_;
    std::map<UINT_PTR, ui::Timer*> timers_;
    // The running timers whose period is below USER_TIMER_MINIMUM, by id.
    std::map<UINT_PTR, std::unique_ptr<FineTimer>> fineTimers_;
    UINT_PTR nextTimerId_ = kFirstTimerId;
    std::map<const ui::TrayIcon*, std::unique_ptr<TrayIconBinder>> trayBinders_;
    MessageHook hook_;
    HWND lastFocus_ = nullptr;
};

// Creates the form's window and every control of its widget tree, kept in step from then on.
std::unique_ptr<FormWindow> Bind(ui::Form& form, HINSTANCE instance);

}  // namespace vitrex::win32
