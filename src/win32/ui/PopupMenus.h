#pragma once

#include <windows.h>

#include <map>

#include "core/ui/Menu.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {

// A real menu made from a model menu, with the command identifier of each item.
struct BuiltMenu {
    UniqueMenu menu;
    std::map<UINT, ui::MenuItem*> commands;
};

// Visible items only, with their enabled, checked and default states and their submenus.
// Separators that would stand first, last or next to another separator once hidden items
// are left out are dropped.
BuiltMenu BuildPopupMenu(const ui::MenuItem& root);

// Shows the menu at a point on the screen: runs its OnPopup first (so it can prepare its items),
// waits for the choice and reports it with MenuItem::UserClick. Returns the chosen item, if any.
ui::MenuItem* ShowPopupMenu(ui::PopupMenu& menu, HWND owner, POINT screen);

}  // namespace vitrex::win32
