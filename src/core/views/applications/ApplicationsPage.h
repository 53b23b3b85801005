#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include "core/i18n/Catalogue.h"

#include "core/platform/Dialogs.h"
#include "core/platform/TextCollation.h"
#include "core/platform/WindowSystem.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Overlays.h"
#include "core/transparency/RefusedWindows.h"
#include "core/transparency/RememberedPrograms.h"
#include "core/ui/ListControls.h"
#include "core/ui/Menu.h"
#include "core/views/applications/ApplicationsMenu.h"

namespace vitrex::views::applications {

// Columns of the list, by index.
enum Column : int { kColumnWindow = 0, kColumnHandle = 1, kColumnPid = 2, kColumnProcess = 3 };

// How long the icon query waits for a window's thread before the row goes without an icon.
inline constexpr std::uint32_t kIconWaitMs = 200;

// The columns with their English captions and widths; the process id is centred.
std::vector<ui::ListColumn> ApplicationColumns();

// The transparency engine as the Exception command sees it: whether it runs, and switching it.
struct EngineSwitch {
    std::function<bool()> isActive;
    std::function<void(bool active)> setActive;
};

// The controls the page works on: the list with its pictures and context menu, and the exceptions
// list that the Exception command adds to.
struct ApplicationsControls {
    ui::ListView& TAB_AW_List;
    ui::ImageList& ImageList_AW;
    ui::PopupMenu& PMenu_AW_List;
    ApplicationsMenu menu;
    ui::ListBox& TAB_Ausnahmen_List;
};

// What the page reaches beyond its controls; everything here must outlive the page.
struct ApplicationsPorts {
    WindowSystem& windows;
    Dialogs& dialogs;
    TextCollation& collation;
    transparency::Eligibility& eligibility;
    // The remembered programs the menu remembers and forgets, and the windows known to refuse
    // changes, which the list marks.
    transparency::RememberedPrograms& remembered;
    transparency::RefusedWindows& refused;
    // The click-through windows the menu makes and gives back, which the list marks.
    transparency::Overlays& overlays;
};

// The applications page: a snapshot of the desktop's top-level windows in the list view, and the
// window commands of its context menu. The list is filled on request only; the commands act on
// the chosen row's window (its Handle cell) and program (its Process cell), whether or not that
// window still exists.
class ApplicationsPage {
public:
    // `ownWindow` is where the program's own main window will be, which is never listed: the real
    // window exists only once it is bound, so it is read at each fill. `texts` are the current
    // language's. Both must outlive the page.
    ApplicationsPage(ApplicationsControls controls, ApplicationsPorts ports, EngineSwitch engine,
                     const WindowHandle& ownWindow, const i18n::Catalogue& texts)
        : list_(controls.TAB_AW_List),
          images_(controls.ImageList_AW),
          popup_(controls.PMenu_AW_List),
          menu_(controls.menu),
          exceptions_(controls.TAB_Ausnahmen_List),
          windows_(ports.windows),
          dialogs_(ports.dialogs),
          collation_(ports.collation),
          eligibility_(ports.eligibility),
          remembered_(ports.remembered),
          refused_(ports.refused),
          overlays_(ports.overlays),
          engine_(std::move(engine)),
          ownWindow_(ownWindow),
          texts_(texts) {}
    ApplicationsPage(const ApplicationsPage&) = delete;
    ApplicationsPage& operator=(const ApplicationsPage&) = delete;

    // Columns, pictures and menu of the list view.
    void SetUpList();
    // Runs the handlers below on the menu's events.
    void AttachHandlers();

    // Refills the rows and pictures from the desktop as it is now.
    void ReloadApplicationList();
    // Marks the rows of click-through windows, and only those, without refilling the list.
    void ShowOverlayMarks();
    void PMenu_AW_ListPopup();

    void PMReloadClick();
    void PMRestoreClick();
    void PMMinimizeClick();
    void PMMaximizeClick();
    void PMCloseClick();
    void PMAusnahmeClick();
    void PMNoClick();
    // PM0Click to PM90Click.
    void PMLevelClick(int percent);
    void PMFensterumbennenClick();
    void PM_AOT_TrueClick();
    void PM_AOT_FalseClick();
    // Remembers the chosen row's program with its window's level and always-on-top as they are
    // now, or forgets it when it is remembered.
    void PMRememberClick();
    // Makes the chosen row's window click-through, or gives it back when it is.
    void PMClickThroughClick();

private:
    struct Target {
        WindowHandle window = 0;
        std::string title;
        std::string exeName;
        bool excepted = false;
    };
    // The chosen row, read back from its cells; nothing without one.
    std::optional<Target> Chosen() const;
    void PostToChosen(SystemCommand command);
    void SetChosenOnTop(bool onTop);

    ui::ListView& list_;
    ui::ImageList& images_;
    ui::PopupMenu& popup_;
    ApplicationsMenu menu_;
    ui::ListBox& exceptions_;
    WindowSystem& windows_;
    Dialogs& dialogs_;
    TextCollation& collation_;
    transparency::Eligibility& eligibility_;
    transparency::RememberedPrograms& remembered_;
    transparency::RefusedWindows& refused_;
    transparency::Overlays& overlays_;
    EngineSwitch engine_;
    const WindowHandle& ownWindow_;
    const i18n::Catalogue& texts_;
    // The picture of the exception mark in the last fill; -1 when no row had it.
    int exceptionMark_ = -1;
    // The picture of the click-through mark since the last fill; -1 until a row needs it.
    int overlayMark_ = -1;
    // Puts the click-through mark and tip on the rows of overlays and takes them off the others;
    // whether any row changed.
    bool MarkOverlays(std::vector<ui::ListRow>& rows);
};

// The picture on the Process cell of a program in the exceptions list.
imaging::Bitmap ExceptionMarkPicture(int size);

// The picture on the Process cell of a window whose program runs with higher rights.
imaging::Bitmap RefusedMarkPicture(int size);

// The picture on the Handle cell of a window that lets every click pass to the windows beneath.
imaging::Bitmap OverlayMarkPicture(int size);

// Whether the title holds nothing but blanks and control characters.
bool IsBlankTitle(const std::string& title);

}  // namespace vitrex::views::applications
