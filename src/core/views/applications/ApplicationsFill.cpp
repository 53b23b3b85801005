// Filling the applications list from the desktop.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "core/i18n/CatalogueKeys.h"
#include "core/views/applications/ApplicationsPage.h"
#include "core/views/exceptions/ExceptionsList.h"

namespace vitrex::views::applications {

std::vector<ui::ListColumn> ApplicationColumns() {
    return {{"Windows", 150}, {"Handle", 60}, {"PID", 38, ui::ColumnAlignment::Center}, {"Process", 100}};
}

bool IsBlankTitle(const std::string& title) {
    return std::all_of(title.begin(), title.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

namespace {

// A round badge of `colour`, white where `symbol` holds for a pixel's centre (x across, y down,
// both as fractions of the size). Edge pixels partly covered get a partial alpha, so the disc
// looks round.
template <typename Symbol>
imaging::Bitmap DiscMark(int size, std::uint32_t colour, Symbol symbol) {
    imaging::Bitmap mark{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, 0)};
    const double centre = size / 2.0;
    const double radius = size / 2.0 - 0.5;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double distance = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            const double coverage = std::clamp(radius - distance + 0.5, 0.0, 1.0);
            if (coverage <= 0.0) continue;
            const bool white = symbol((x + 0.5) / size, (y + 0.5) / size);
            const auto alpha = static_cast<std::uint32_t>(std::lround(coverage * 255.0));
            mark.pixels[static_cast<std::size_t>(y) * size + x] =
                (alpha << 24) | (white ? 0xFFFFFFu : colour);
        }
    }
    return mark;
}

}  // namespace

imaging::Bitmap ExceptionMarkPicture(int size) {
    // A red disc with a white bar: "no translucency here".
    return DiscMark(size, 0xD42A2Au,
                    [](double x, double y) { return std::abs(y - 0.5) < 0.14 && std::abs(x - 0.5) < 0.3; });
}

imaging::Bitmap RefusedMarkPicture(int size) {
    // An amber disc with a white exclamation mark: "this one will not let us".
    return DiscMark(size, 0xE09000u, [](double x, double y) {
        const bool across = std::abs(x - 0.5) < 0.1;
        return across && ((y > 0.2 && y < 0.6) || (y > 0.68 && y < 0.8));
    });
}

imaging::Bitmap OverlayMarkPicture(int size) {
    // A blue disc with a white window frame: "a window you see through and click through".
    return DiscMark(size, 0x2A6FD4u, [](double x, double y) {
        const double edge = std::max(std::abs(x - 0.5), std::abs(y - 0.5));
        return edge > 0.17 && edge < 0.28;
    });
}

void ApplicationsPage::SetUpList() {
    list_.SetColumns(ApplicationColumns());
    list_.SetColumnsMovable(true);
    list_.SetSmallImages(&images_);
    list_.SetContextMenu(&popup_);
}

void ApplicationsPage::ReloadApplicationList() {
    // One process list names every row of this fill.
    eligibility_.GetWindowProcessName(0, true);
    // A click-through window that has closed is not marked on a window that took its handle.
    overlays_.ForgetClosed();
    images_.Clear();
    overlayMark_ = -1;

    // The desktop is taken as it is at the start of the fill.
    const WindowHandle programManager = windows_.FindTopLevel("ProgMan", "Program Manager");
    const WindowHandle taskbar = windows_.FindTopLevel("Shell_TrayWnd", std::nullopt);
    const WindowHandle own = ownWindow_;

    std::vector<ui::ListRow> rows;
    std::vector<std::size_t> exceptedRows;
    std::vector<std::size_t> refusedRows;
    // Threads that did not answer the icon question in time: their other windows are not asked,
    // so one hung program costs one wait, however many windows it has.
    std::unordered_set<std::uint32_t> silentThreads;
    windows_.EnumerateTopLevel([&](WindowHandle window) {
        if (window == programManager || window == taskbar) return true;
        if (own != 0 && window == own) return true;
        if (!windows_.IsVisible(window)) return true;
        std::string title = windows_.FullTextOf(window);
        if (IsBlankTitle(title)) return true;

        const WindowThreadProcess owner = windows_.ThreadProcessOf(window);
        ui::ListRow row;
        if (!silentThreads.contains(owner.threadId)) {
            WindowIcon icon = windows_.SmallIconOf(window, kIconWaitMs);
            if (icon.timedOut) silentThreads.insert(owner.threadId);
            if (icon.picture) row.imageIndex = images_.Add(std::move(*icon.picture));
        }
        std::string exeName = eligibility_.GetWindowProcessName(window, false);
        const bool refused = refused_.Holds(window, owner);
        if (exceptions::ListContains(exceptions_.Items(), exeName, collation_)) {
            exceptedRows.push_back(rows.size());
        } else if (refused) {
            refusedRows.push_back(rows.size());
        }
        if (refused) row.tip = texts_.Text(i18n::kOwnSection, "HigherRights");
        row.cells = {std::move(title), std::to_string(window), std::to_string(owner.processId),
                     std::move(exeName)};
        rows.push_back(std::move(row));
        return true;
    });

    // Each mark has a picture of its own after the icons, so it never looks like a window's icon.
    // An excepted program's mark wins: the engine never tries its windows.
    const auto markRows = [this, &rows](const std::vector<std::size_t>& marked, imaging::Bitmap picture) {
        if (marked.empty()) return -1;
        const int mark = images_.Add(std::move(picture));
        for (std::size_t index : marked) {
            rows[index].cellImages.assign(kColumnProcess + 1, -1);
            rows[index].cellImages[kColumnProcess] = mark;
        }
        return mark;
    };
    exceptionMark_ = markRows(exceptedRows, ExceptionMarkPicture(images_.Width()));
    markRows(refusedRows, RefusedMarkPicture(images_.Width()));
    MarkOverlays(rows);
    list_.ImagesChanged();
    list_.SetRows(std::move(rows));
}

bool ApplicationsPage::MarkOverlays(std::vector<ui::ListRow>& rows) {
    const std::string tip = texts_.Text(i18n::kOwnSection, "ClickThroughWindow");
    bool changed = false;
    for (ui::ListRow& row : rows) {
        if (row.cells.size() <= kColumnHandle) continue;
        WindowHandle window = 0;
        const std::string& handle = row.cells[kColumnHandle];
        std::from_chars(handle.data(), handle.data() + handle.size(), window);
        const bool overlay = window != 0 && overlays_.Holds(window);
        const bool marked = overlayMark_ >= 0 && row.CellImage(kColumnHandle) == overlayMark_;
        if (overlay == marked) continue;
        if (overlay) {
            if (overlayMark_ < 0) {
                overlayMark_ = images_.Add(OverlayMarkPicture(images_.Width()));
                list_.ImagesChanged();
            }
            if (row.cellImages.size() <= kColumnHandle) row.cellImages.resize(kColumnHandle + 1, -1);
            row.cellImages[kColumnHandle] = overlayMark_;
            // A refused window cannot be one; its tip stays.
            if (row.tip.empty()) row.tip = tip;
        } else {
            row.cellImages[kColumnHandle] = -1;
            // Also a tip put on in an earlier language; a refused window's tip stays.
            if (row.tip != texts_.Text(i18n::kOwnSection, "HigherRights")) row.tip.clear();
        }
        changed = true;
    }
    return changed;
}

void ApplicationsPage::ShowOverlayMarks() {
    std::vector<ui::ListRow> rows = list_.Rows();
    if (!MarkOverlays(rows)) return;
    // The same rows with other marks: the chosen one stays chosen.
    const int chosen = list_.ItemIndex();
    list_.SetRows(std::move(rows));
    list_.SetItemIndex(chosen);
}

}  // namespace vitrex::views::applications
