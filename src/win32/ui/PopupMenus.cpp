#include "win32/ui/PopupMenus.h"

#include <vector>

#include "win32/platform/TextConvert.h"

namespace vitrex::win32 {

namespace {

void AppendItems(HMENU menu, const ui::MenuItem& parent, BuiltMenu& built, UINT& nextId) {
    std::vector<ui::MenuItem*> shown;
    for (const auto& item : parent.Items()) {
        if (!item->Visible()) continue;
        if (item->IsSeparator() && (shown.empty() || shown.back()->IsSeparator())) continue;
        shown.push_back(item.get());
    }
    while (!shown.empty() && shown.back()->IsSeparator())
        shown.pop_back();

    for (ui::MenuItem* item : shown) {
        if (item->IsSeparator()) {
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring caption = Widen(item->Caption());
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_ID;
        info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
        info.fState = (item->Enabled() ? MFS_ENABLED : MFS_DISABLED) | (item->Checked() ? MFS_CHECKED : 0) |
                      (item->Default() ? MFS_DEFAULT : 0);
        info.wID = nextId++;
        if (!item->Items().empty()) {
            UniqueMenu submenu(::CreatePopupMenu());
            AppendItems(submenu.Get(), *item, built, nextId);
            info.fMask |= MIIM_SUBMENU;
            // The parent menu destroys its submenus.
            info.hSubMenu = submenu.Release();
        } else {
            built.commands[info.wID] = item;
        }
        ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
    }
}

}  // namespace

BuiltMenu BuildPopupMenu(const ui::MenuItem& root) {
    BuiltMenu built;
    built.menu.Reset(::CreatePopupMenu());
    UINT nextId = 1;
    AppendItems(built.menu.Get(), root, built, nextId);
    return built;
}

ui::MenuItem* ShowPopupMenu(ui::PopupMenu& menu, HWND owner, POINT screen) {
    menu.UserPopup();
    BuiltMenu built = BuildPopupMenu(menu.Root());
    // Without the foreground the menu would not close when the user clicks elsewhere; the
    // WM_NULL afterwards lets the owner's queue run so a second opening works at once.
    ::SetForegroundWindow(owner);
    const auto command =
        static_cast<UINT>(::TrackPopupMenu(built.menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                           screen.x, screen.y, 0, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    const auto chosen = built.commands.find(command);
    if (chosen == built.commands.end()) return nullptr;
    chosen->second->UserClick();
    return chosen->second;
}

}  // namespace vitrex::win32
