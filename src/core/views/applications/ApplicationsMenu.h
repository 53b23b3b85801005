#pragma once

#include <array>
#include <utility>

#include "core/ui/Menu.h"

namespace vitrex::views::applications {

// The applications list's context menu, item by item, under the names the program's design
// gives them. The items live in the popup menu; this only names them.
struct ApplicationsMenu {
    ui::MenuItem& PMReload;
    ui::MenuItem& PMS1;
    ui::MenuItem& PMRestore;
    ui::MenuItem& PMMinimize;
    ui::MenuItem& PMMaximize;
    ui::MenuItem& PMClose;
    ui::MenuItem& PMS2;
    ui::MenuItem& PMAusnahme;
    ui::MenuItem& PMFenstertransparent;
    ui::MenuItem& PMNo;
    ui::MenuItem& PM0;
    ui::MenuItem& PM5;
    ui::MenuItem& PM10;
    ui::MenuItem& PM15;
    ui::MenuItem& PM20;
    ui::MenuItem& PM30;
    ui::MenuItem& PM40;
    ui::MenuItem& PM50;
    ui::MenuItem& PM60;
    ui::MenuItem& PM70;
    ui::MenuItem& PM80;
    ui::MenuItem& PM90;
    ui::MenuItem& PMFensterumbennen;
    ui::MenuItem& PMAlwaysOnTop;
    ui::MenuItem& PM_AOT_True;
    ui::MenuItem& PM_AOT_False;
    // At the end of the transparency submenu: "Remember for <program>.exe", checked while the
    // chosen row's program is remembered.
    ui::MenuItem& PMS3;
    ui::MenuItem& PMRemember;
    // After "Always on Top": "Click Through", checked while the chosen row's window lets every
    // click pass to the windows beneath it.
    ui::MenuItem& PMClickThrough;

    // The transparency submenu's percentage items with their percentages, in menu order.
    std::array<std::pair<ui::MenuItem*, int>, 12> Levels() const {
        return {{{&PM0, 0},
                 {&PM5, 5},
                 {&PM10, 10},
                 {&PM15, 15},
                 {&PM20, 20},
                 {&PM30, 30},
                 {&PM40, 40},
                 {&PM50, 50},
                 {&PM60, 60},
                 {&PM70, 70},
                 {&PM80, 80},
                 {&PM90, 90}}};
    }
};

// Adds the items, in their order, to an empty popup menu; the captions from the language files
// are the main window's to put on (the list of texts in core/i18n/Texts.def).
ApplicationsMenu BuildApplicationsMenu(ui::PopupMenu& menu);

}  // namespace vitrex::views::applications
