#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/sysinfo/SystemInspector.h"
#include "core/transparency/Eligibility.h"
#include "core/transparency/Overlays.h"
#include "core/transparency/OwnAlphas.h"
#include "core/transparency/RefusedWindows.h"
#include "core/ui/Controls.h"
#include "core/ui/ListControls.h"
#include "core/ui/Menu.h"
#include "core/views/applications/ApplicationsMenu.h"
#include "core/views/applications/ApplicationsPage.h"
#include "core/views/exceptions/ExceptionsList.h"
#include "testing/FakeDesktop.h"
#include "testing/FakeDialogs.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeRegistry.h"
#include "testing/FakeTextCollation.h"
#include "testing/FakeWindowSystem.h"

namespace vitrex::views::applications::testing {

// A one-pixel picture of one colour, to tell icons apart.
inline imaging::Bitmap Dot(std::uint32_t colour) {
    return imaging::Bitmap{1, 1, {colour}};
}

// The applications page with its controls on a fake desktop, wired as the main window wires it.
struct ApplicationsDesktop : ::testing::Test {
    fakes::FakeWindowSystem desktop;
    fakes::FakeProcesses processes;
    fakes::FakeRegistry registry;
    fakes::FakeDialogs dialogs;
    fakes::FakeTextCollation collation;

    ui::ListBox exceptionsList{"TAB_Ausnahmen_List", nullptr, {}};
    ui::LabeledEdit classException{"DebugClassException", nullptr, {}};
    exceptions::ControlsExceptionsSource source{exceptionsList, classException, collation};
    sysinfo::SystemInspector inspector{processes, registry, desktop};
    transparency::Eligibility eligibility{desktop, inspector, source};
    transparency::RememberedPrograms remembered{registry, "Software\\VitrexTest\\Remembered"};
    transparency::RefusedWindows refused;
    transparency::OwnAlphas ownAlphas{desktop};
    transparency::Overlays overlays{ownAlphas, refused, nullptr, [this] { page.ShowOverlayMarks(); }};
    // The engine as the page sees it: off, until a test gives it a switch.
    EngineSwitch engineSwitch;
    // The program's own main window, never listed.
    WindowHandle ownWindow = 0;
    i18n::Catalogue texts;

    ui::ListView list{"TAB_AW_List", nullptr, {}};
    ui::ImageList images{16, 16};
    ui::PopupMenu popup{"PMenu_AW_List", nullptr};
    ApplicationsMenu menu = BuildApplicationsMenu(popup);
    ApplicationsPage page{{.TAB_AW_List = list,
                           .ImageList_AW = images,
                           .PMenu_AW_List = popup,
                           .menu = menu,
                           .TAB_Ausnahmen_List = exceptionsList},
                          {.windows = desktop,
                           .dialogs = dialogs,
                           .collation = collation,
                           .eligibility = eligibility,
                           .remembered = remembered,
                           .refused = refused,
                           .overlays = overlays},
                          {[this] { return engineSwitch.isActive && engineSwitch.isActive(); },
                           [this](bool active) {
                               if (engineSwitch.setActive) engineSwitch.setActive(active);
                           }},
                          ownWindow,
                          texts};

    ApplicationsDesktop() {
        exceptionsList.SetSorted(exceptions::LocaleCollation(collation));
        page.SetUpList();
        page.AttachHandlers();
    }

    // A visible window in front of the others, of a process that is listed under `exe` unless
    // `exe` is empty.
    WindowHandle Open(const std::string& title, const std::string& exe, std::uint32_t pid,
                      std::uint32_t tid = 0) {
        return fakes::Open(desktop, processes, {.title = title, .exe = exe, .pid = pid, .tid = tid});
    }
    bool Listed(std::uint32_t pid) const {
        for (const ProcessRecord& process : processes.processes) {
            if (process.processId == pid) return true;
        }
        return false;
    }
    fakes::FakeWindow& W(WindowHandle window) { return desktop.Window(window); }

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const ui::ListRow& row : list.Rows())
            titles.push_back(row.cells.at(kColumnWindow));
        return titles;
    }
    // The row that lists the window, or -1.
    int RowOf(WindowHandle window) const {
        for (std::size_t i = 0; i < list.Rows().size(); ++i) {
            if (list.Rows()[i].cells.at(kColumnHandle) == std::to_string(window)) return static_cast<int>(i);
        }
        return -1;
    }
    bool Marked(WindowHandle window) const {
        const int row = RowOf(window);
        return row >= 0 && list.Rows()[row].CellImage(kColumnProcess) >= 0;
    }
    // Fills the list and chooses the window's row, as a click on it would.
    void Choose(WindowHandle window) {
        page.ReloadApplicationList();
        const int row = RowOf(window);
        ASSERT_GE(row, 0) << "window " << window << " is not listed";
        list.UserSelect(row);
    }
    // What the user sees when the menu opens.
    std::vector<std::string> ShownItems() {
        popup.UserPopup();
        std::vector<std::string> shown;
        for (const auto& item : popup.Items()) {
            if (item->Visible()) shown.push_back(item->Name());
        }
        return shown;
    }
};

}  // namespace vitrex::views::applications::testing
