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

// The applications page: a snapshot of the desktop's top-level windows in the list view, and the
// window commands of its context menu. The list is filled on request only; the commands act on
// the chosen row's window (its Handle cell) and program (its Process cell), whether or not that
// window still exists.
class ApplicationsPage {
public:
    ApplicationsPage(ui::ListView& list, ui::ImageList& images, ui::PopupMenu& popup, ApplicationsMenu menu,
                     ui::ListBox& exceptions, WindowSystem& windows, Dialogs& dialogs,
                     TextCollation& collation, transparency::Eligibility& eligibility)
        : list_(list),
          images_(images),
          popup_(popup),
          menu_(menu),
          exceptions_(exceptions),
          windows_(windows),
          dialogs_(dialogs),
          collation_(collation),
          eligibility_(eligibility) {}
    ApplicationsPage(const ApplicationsPage&) = delete;
    ApplicationsPage& operator=(const ApplicationsPage&) = delete;

    // Columns, pictures and menu of the list view.
    void SetUpList();
    // Runs the handlers below on the menu's events.
    void AttachHandlers();
    // The program's own main window, which is never listed; asked at each fill.
    void SetOwnWindow(std::function<WindowHandle()> ownWindow) { ownWindow_ = std::move(ownWindow); }
    void SetEngineSwitch(EngineSwitch engine) { engine_ = std::move(engine); }
    // The remembered programs the menu remembers and forgets, and the windows known to refuse
    // changes, which the list marks. Both must outlive the page.
    void SetProgramMemory(transparency::RememberedPrograms& remembered,
                          transparency::RefusedWindows& refused) {
        remembered_ = &remembered;
        refused_ = &refused;
    }

    // The click-through windows the menu makes and gives back, which the list marks. They must
    // outlive the page.
    void SetOverlays(transparency::Overlays& overlays) { overlays_ = &overlays; }

    // The texts of the current language; the English ones until a language is set. The catalogue
    // must outlive the page.
    void SetTexts(const i18n::Catalogue& texts) { texts_ = &texts; }

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
    std::function<WindowHandle()> ownWindow_;
    EngineSwitch engine_;
    const i18n::Catalogue* texts_ = &i18n::Catalogue::English();
    transparency::RememberedPrograms* remembered_ = nullptr;
    transparency::RefusedWindows* refused_ = nullptr;
    transparency::Overlays* overlays_ = nullptr;
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
