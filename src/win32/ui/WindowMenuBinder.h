#pragma once

#include <windows.h>

#include <vector>

#include "core/ui/Menu.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// Makes the changes of a form's WindowMenu model on the window's real system menu.
class WindowMenuBinder {
public:
    WindowMenuBinder(ui::WindowMenu& menu, HWND window, int dpi);
    ~WindowMenuBinder();
    WindowMenuBinder(const WindowMenuBinder&) = delete;
    WindowMenuBinder& operator=(const WindowMenuBinder&) = delete;

    void SetDpi(int dpi) { dpi_ = dpi; }

private:
    void Apply(ui::WindowMenu::Op op, int position, const ui::WindowMenuEntry& entry);
    int RealPosition(int modelPosition) const;

    ui::WindowMenu& menu_;
    HWND window_;
    int dpi_;
    // Some systems add entries of their own after the standard ones (Wine: a separator and
    // "About Wine"); model positions from there on are shifted past them.
    int extraAt_ = 0;
    int extraCount_ = 0;
    // Check-mark bitmaps must live as long as the entries that show them; one per entry.
    std::vector<UniqueBitmap> bitmaps_;
};

}  // namespace vitrex::win32
