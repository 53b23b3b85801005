// The context menu of the applications list: its preparation and its commands.

#include <algorithm>
#include <charconv>

#include "core/i18n/CatalogueKeys.h"
#include "core/transparency/Alpha.h"
#include "core/views/applications/ApplicationsPage.h"
#include "core/views/exceptions/ExceptionsList.h"

namespace vitrex::views::applications {

void ApplicationsPage::AttachHandlers() {
    popup_.OnPopup = [this] { PMenu_AW_ListPopup(); };
    menu_.PMReload.OnClick = [this] { PMReloadClick(); };
    menu_.PMRestore.OnClick = [this] { PMRestoreClick(); };
    menu_.PMMinimize.OnClick = [this] { PMMinimizeClick(); };
    menu_.PMMaximize.OnClick = [this] { PMMaximizeClick(); };
    menu_.PMClose.OnClick = [this] { PMCloseClick(); };
    menu_.PMAusnahme.OnClick = [this] { PMAusnahmeClick(); };
    menu_.PMNo.OnClick = [this] { PMNoClick(); };
    for (const auto& [item, percent] : menu_.Levels()) {
        item->OnClick = [this, percent = percent] { PMLevelClick(percent); };
    }
    menu_.PMFensterumbennen.OnClick = [this] { PMFensterumbennenClick(); };
    menu_.PM_AOT_True.OnClick = [this] { PM_AOT_TrueClick(); };
    menu_.PM_AOT_False.OnClick = [this] { PM_AOT_FalseClick(); };
    menu_.PMRemember.OnClick = [this] { PMRememberClick(); };
    menu_.PMClickThrough.OnClick = [this] { PMClickThroughClick(); };
}

std::optional<ApplicationsPage::Target> ApplicationsPage::Chosen() const {
    const int index = list_.ItemIndex();
    if (index < 0 || index >= static_cast<int>(list_.Rows().size())) return std::nullopt;
    const ui::ListRow& row = list_.Rows()[index];
    if (row.cells.size() <= kColumnProcess) return std::nullopt;
    Target target;
    const std::string& handle = row.cells[kColumnHandle];
    // The list wrote the cell itself; a handle that does not read back names no window.
    std::from_chars(handle.data(), handle.data() + handle.size(), target.window);
    target.title = row.cells[kColumnWindow];
    target.exeName = row.cells[kColumnProcess];
    // Only the exception mark: a refused program's cell carries a picture of its own.
    target.excepted = exceptionMark_ >= 0 && row.CellImage(kColumnProcess) == exceptionMark_;
    return target;
}

void ApplicationsPage::PMenu_AW_ListPopup() {
    const std::optional<Target> target = Chosen();
    for (ui::MenuItem* item :
         {&menu_.PMS1, &menu_.PMRestore, &menu_.PMMinimize, &menu_.PMMaximize, &menu_.PMClose, &menu_.PMS2,
          &menu_.PMAusnahme, &menu_.PMFenstertransparent, &menu_.PMFensterumbennen, &menu_.PMAlwaysOnTop}) {
        item->SetVisible(target.has_value());
    }
    menu_.PMClickThrough.SetVisible(target.has_value());
    if (target) menu_.PMClickThrough.SetChecked(overlays_.Holds(target->window));
    menu_.PMReload.SetVisible(true);
    if (!target) return;
    menu_.PMAusnahme.SetChecked(target->excepted);
    // A window whose program was not found has no name to put on the exceptions list.
    menu_.PMAusnahme.SetEnabled(!target->exeName.empty());
    menu_.PMMaximize.SetEnabled(!windows_.IsZoomed(target->window));
    // A window whose program was not found has no name to remember it by.
    const bool canRemember = !target->exeName.empty();
    menu_.PMS3.SetVisible(canRemember);
    menu_.PMRemember.SetVisible(canRemember);
    if (!canRemember) return;
    std::string program;
    // An ampersand of the name is shown, not taken for the item's access key.
    for (char c : target->exeName)
        program += c == '&' ? std::string("&&") : std::string(1, c);
    menu_.PMRemember.SetCaption(texts_.Text(i18n::kOwnSection, "RememberFor") + " " + program);
    menu_.PMRemember.SetChecked(remembered_.Find(target->exeName).has_value());
}

void ApplicationsPage::PMReloadClick() {
    ReloadApplicationList();
}

void ApplicationsPage::PostToChosen(SystemCommand command) {
    if (const std::optional<Target> target = Chosen()) windows_.PostSystemCommand(target->window, command);
}

void ApplicationsPage::PMRestoreClick() {
    PostToChosen(SystemCommand::Restore);
}

void ApplicationsPage::PMMinimizeClick() {
    PostToChosen(SystemCommand::Minimize);
}

void ApplicationsPage::PMMaximizeClick() {
    PostToChosen(SystemCommand::Maximize);
}

void ApplicationsPage::PMCloseClick() {
    if (!Chosen()) return;
    PostToChosen(SystemCommand::Close);
    // At once: a window that takes its time to close, or asks its user first, is still listed.
    ReloadApplicationList();
}

void ApplicationsPage::PMAusnahmeClick() {
    const std::optional<Target> target = Chosen();
    if (!target || target->exeName.empty()) return;
    // The engine goes off (every window it changed goes back) and on again, so that every
    // window is judged afresh against the changed list.
    const bool wasActive = engine_.isActive && engine_.isActive();
    if (wasActive && engine_.setActive) engine_.setActive(false);
    if (target->excepted) {
        exceptions::RemoveName(exceptions_, target->exeName, collation_);
    } else {
        exceptions::AddNames(exceptions_, {target->exeName}, collation_);
    }
    if (wasActive && engine_.setActive) engine_.setActive(true);
    ReloadApplicationList();
}

void ApplicationsPage::PMNoClick() {
    const std::optional<Target> target = Chosen();
    if (!target) return;
    transparency::ClearWindowTransparency(windows_, target->window);
    remembered_.Follow(target->exeName, 0, std::nullopt);
}

void ApplicationsPage::PMLevelClick(int percent) {
    const std::optional<Target> target = Chosen();
    if (!target) return;
    if (transparency::ApplyTransparency(windows_, target->window, percent) == WindowChange::Refused) {
        refused_.Note(target->window, windows_.ThreadProcessOf(target->window));
    }
    remembered_.Follow(target->exeName, percent, std::nullopt);
}

void ApplicationsPage::PMFensterumbennenClick() {
    const std::optional<Target> target = Chosen();
    if (!target) return;
    const std::optional<std::string> title = dialogs_.InputQuery(
        texts_.Text("TabApplications", "RenameWindowTitle"),
        texts_.Text("TabApplications", "RenameWindowText"), target->title,
        {texts_.Text(i18n::kOwnSection, "InputOK"), texts_.Text(i18n::kOwnSection, "InputCancel")});
    if (!title) return;
    // An empty title is applied as well; the window then drops out of the list.
    windows_.SetText(target->window, *title);
    ReloadApplicationList();
}

void ApplicationsPage::SetChosenOnTop(bool onTop) {
    const std::optional<Target> target = Chosen();
    if (!target) return;
    windows_.SetTopmost(target->window, onTop);
    remembered_.Follow(target->exeName, std::nullopt, onTop);
}

void ApplicationsPage::PM_AOT_TrueClick() {
    SetChosenOnTop(true);
}

void ApplicationsPage::PM_AOT_FalseClick() {
    SetChosenOnTop(false);
}

void ApplicationsPage::PMRememberClick() {
    const std::optional<Target> target = Chosen();
    if (!target || target->exeName.empty()) return;
    if (remembered_.Find(target->exeName)) {
        remembered_.Forget(target->exeName);
        return;
    }
    // What the window shows now: the level it carries (opaque when it is not layered) and
    // whether it stays on top.
    const WindowStyle style = windows_.StyleOf(target->window);
    std::optional<std::uint8_t> alpha;
    if (style.layered) alpha = windows_.GetLayeredAlpha(target->window);
    transparency::Remembered remembered;
    remembered.level = std::min(alpha ? transparency::AlphaToTransparency(*alpha) : 0, 90);
    remembered.onTop = style.topmost;
    remembered_.Remember(target->exeName, remembered);
}

void ApplicationsPage::PMClickThroughClick() {
    const std::optional<Target> target = Chosen();
    if (!target) return;
    if (overlays_.Release(target->window)) return;
    // A refused window is shown with its mark and tip at once.
    if (overlays_.Make(target->window) == transparency::OverlayChange::Refused) ReloadApplicationList();
}

}  // namespace vitrex::views::applications
