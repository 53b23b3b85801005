#include "core/views/applications/ApplicationsMenu.h"

namespace vitrex::views::applications {

ApplicationsMenu BuildApplicationsMenu(ui::PopupMenu& menu) {
    ui::MenuItem& reload = menu.Add("PMReload", "");
    ui::MenuItem& separator1 = menu.Add("PMS1", "-");
    ui::MenuItem& restore = menu.Add("PMRestore", "");
    ui::MenuItem& minimize = menu.Add("PMMinimize", "");
    ui::MenuItem& maximize = menu.Add("PMMaximize", "");
    ui::MenuItem& close = menu.Add("PMClose", "");
    ui::MenuItem& separator2 = menu.Add("PMS2", "-");
    ui::MenuItem& exception = menu.Add("PMAusnahme", "");
    ui::MenuItem& transparency = menu.Add("PMFenstertransparent", "");
    ui::MenuItem& off = transparency.Add("PMNo", "");
    // The percentage items keep these captions in every language. Each is chosen by its first
    // digit, but 15 % and 50 % have none left to them (5 % and 10 % take 5 and 1), so they have
    // no key rather than one that only moves between two items.
    const auto level = [&transparency](int percent) -> ui::MenuItem& {
        const std::string number = std::to_string(percent);
        const bool keyed = percent != 15 && percent != 50;
        return transparency.Add("PM" + number, (keyed ? "&" : "") + number + "%");
    };
    ui::MenuItem& pm0 = level(0);
    ui::MenuItem& pm5 = level(5);
    ui::MenuItem& pm10 = level(10);
    ui::MenuItem& pm15 = level(15);
    ui::MenuItem& pm20 = level(20);
    ui::MenuItem& pm30 = level(30);
    ui::MenuItem& pm40 = level(40);
    ui::MenuItem& pm50 = level(50);
    ui::MenuItem& pm60 = level(60);
    ui::MenuItem& pm70 = level(70);
    ui::MenuItem& pm80 = level(80);
    ui::MenuItem& pm90 = level(90);
    ui::MenuItem& separator3 = transparency.Add("PMS3", "-");
    // The program's name is put on when the menu opens.
    ui::MenuItem& remember = transparency.Add("PMRemember", "Remember for");
    ui::MenuItem& rename = menu.Add("PMFensterumbennen", "");
    ui::MenuItem& onTop = menu.Add("PMAlwaysOnTop", "");
    ui::MenuItem& onTopOn = onTop.Add("PM_AOT_True", "");
    ui::MenuItem& onTopOff = onTop.Add("PM_AOT_False", "");
    ui::MenuItem& clickThrough = menu.Add("PMClickThrough", "");
    return {.PMReload = reload,
            .PMS1 = separator1,
            .PMRestore = restore,
            .PMMinimize = minimize,
            .PMMaximize = maximize,
            .PMClose = close,
            .PMS2 = separator2,
            .PMAusnahme = exception,
            .PMFenstertransparent = transparency,
            .PMNo = off,
            .PM0 = pm0,
            .PM5 = pm5,
            .PM10 = pm10,
            .PM15 = pm15,
            .PM20 = pm20,
            .PM30 = pm30,
            .PM40 = pm40,
            .PM50 = pm50,
            .PM60 = pm60,
            .PM70 = pm70,
            .PM80 = pm80,
            .PM90 = pm90,
            .PMFensterumbennen = rename,
            .PMAlwaysOnTop = onTop,
            .PM_AOT_True = onTopOn,
            .PM_AOT_False = onTopOff,
            .PMS3 = separator3,
            .PMRemember = remember,
            .PMClickThrough = clickThrough};
}

}  // namespace vitrex::views::applications
