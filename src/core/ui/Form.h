#pragma once

#include <functional>
#include <string>

#include "core/ui/Menu.h"
#include "core/ui/OwnedComponents.h"
#include "core/ui/Widget.h"

namespace vitrex::ui {

// What the binder must do to the real window beyond following the form's state.
enum class FormRequest {
    BringToFront,  // restore if minimised, show, and put in front of the other windows
    Close,         // ask the window to close; OnCloseQuery decides
    Terminate,     // end the message loop after the current message
};

// A top-level window with a fixed border. The client size is in 96-DPI pixels.
class Form : public Widget {
public:
    Form(std::string name, std::string className, int clientWidth, int clientHeight);

    int ClientWidth() const { return Bounds().width; }
    int ClientHeight() const { return Bounds().height; }
    WindowMenu& SystemMenu() { return systemMenu_; }

    // The timers, tray icons and popup menus made with this form as their owner (or with one of
    // its controls), which the binder binds with the window.
    OwnedComponents& Components() { return owned_; }

    // Answers whether the window may close; when it may not, the form decides what happens
    // instead (the main window hides itself).
    std::function<bool()> OnCloseQuery;
    Handler OnClose;
    // A hot key registered for this window was pressed; `id` is the identifier it was
    // registered with.
    std::function<void(int id)> OnHotKeyPressed;
    // The system asks whether the session may end. Without a handler, or when it fails, the
    // answer is yes: a program must not hold up a log-off by accident.
    std::function<bool()> OnQueryEndSession;

    // User events, reported by the binder.
    void UserHotKey(int id);
    bool UserQueryEndSession();

    // Show the window and bring it to the front.
    void BringToFront() {
        SetVisible(true);
        Request(FormRequest::BringToFront);
    }
    // Close as the close button would: runs the close query, then OnClose.
    void Close();
    // End the program's message loop.
    void Terminate() { Request(FormRequest::Terminate); }
    bool Terminated() const { return terminated_; }
    bool Closed() const { return closed_; }

    void SetRequestHandler(std::function<void(FormRequest)> handler) { requestHandler_ = std::move(handler); }

private:
    void Request(FormRequest request);
    OwnedComponents owned_;
    WindowMenu systemMenu_;
    std::function<void(FormRequest)> requestHandler_;
    bool terminated_ = false;
    bool closed_ = false;
};

}  // namespace vitrex::ui
