#pragma once

#include <windows.h>

#include <map>

#include "core/ui/TrayIcon.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// The system's small-icon size in pixels (16 at 96 DPI, 20, 24, 32 ... above): the size the
// notification area shows. The system DPI decides it, so it stays the same for a session.
int SmallIconSize();

// The program's icon (icon resource 1 of the executable) at the given size; the logo drawn by
// the program when the executable has no such resource (a test program).
UniqueIcon LoadProgramIcon(HINSTANCE instance, int sizePx);

// The icons of one tray icon at the small-icon size, made from the model's pictures with their
// alpha channel. Images of a list are made once per index; the notification area copies an
// icon, so a handle handed over may be freed once another one has replaced it.
class TrayIconPictures {
public:
    explicit TrayIconPictures(HINSTANCE instance) : instance_(instance) {}

    // The icon for what the model shows now; null when it shows no picture.
    HICON For(const ui::TrayIcon& model);
    // The model's picture source changed, or the small-icon size may have: make them anew.
    void Forget();

private:
    HINSTANCE instance_;
    int sizePx_ = 0;
    std::map<int, UniqueIcon> listIcons_;
    UniqueIcon fixedIcon_;
    bool fixedMade_ = false;
};

}  // namespace vitrex::win32
