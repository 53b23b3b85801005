#include "core/ui/TrayIcon.h"

#include <algorithm>

namespace vitrex::ui {

void TrayIcon::SetIconVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Notify(TrayChange::Visible);
}

void TrayIcon::SetHint(const std::string& hint) {
    if (hint_ == hint) return;
    hint_ = hint;
    Notify(TrayChange::Hint);
}

void TrayIcon::SetIcon(imaging::Bitmap picture) {
    picture_ = std::move(picture);
    programIcon_ = false;
    Notify(TrayChange::Picture);
}

void TrayIcon::SetProgramIcon() {
    picture_ = {};
    programIcon_ = true;
    Notify(TrayChange::Picture);
}

void TrayIcon::SetIconList(const ImageList* list, ImagePainter painter) {
    list_ = list;
    painter_ = std::move(painter);
    Notify(TrayChange::Picture);
}

void TrayIcon::SetIconIndex(int index) {
    if (iconIndex_ == index) return;
    const std::optional<int> before = ShownIndex();
    iconIndex_ = index;
    // An index beyond the list that is held to the same image changes nothing on screen.
    if (ShownIndex() != before) Notify(TrayChange::IconIndex);
}

std::optional<int> TrayIcon::ShownIndex() const {
    if (list_ == nullptr || list_->Images().empty()) return std::nullopt;
    return std::clamp(iconIndex_, 0, static_cast<int>(list_->Images().size()) - 1);
}

std::optional<imaging::Bitmap> TrayIcon::Picture(int sizePx) const {
    if (list_ != nullptr) {
        const std::optional<int> index = ShownIndex();
        if (!index) return std::nullopt;
        const imaging::Bitmap& own = list_->Images()[static_cast<std::size_t>(*index)];
        if (painter_ && (own.width != sizePx || own.height != sizePx)) {
            imaging::Bitmap drawn = painter_(*index, sizePx);
            if (!drawn.Empty()) return drawn;
        }
        if (own.Empty()) return std::nullopt;
        return own;
    }
    if (programIcon_ || picture_.Empty()) return std::nullopt;
    return picture_;
}

bool TrayIcon::ShowBalloon(const Balloon& balloon) {
    if (!visible_) return false;
    balloon_ = balloon;
    Notify(TrayChange::Balloon);
    return true;
}

}  // namespace vitrex::ui
