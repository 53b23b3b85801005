#include "win32/tray/TrayIconPictures.h"

#include "core/imaging/Resources.h"
#include "win32/ui/BitmapGdi.h"

namespace vitrex::win32 {

namespace {

constexpr int kProgramIconId = 1;

}  // namespace

int SmallIconSize() {
    const int size = ::GetSystemMetrics(SM_CXSMICON);
    return size > 0 ? size : 16;
}

UniqueIcon LoadProgramIcon(HINSTANCE instance, int sizePx) {
    // Not LR_SHARED: the icon is ours to destroy. LoadImage picks the closest size of the .ico.
    UniqueIcon icon(static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, sizePx, sizePx, 0)));
    if (icon) return icon;
    return CreateIconFromBitmap(resources::PanelIconBitmap(resources::PanelIcon::Logo, sizePx), sizePx);
}

void TrayIconPictures::Forget() {
    listIcons_.clear();
    fixedIcon_.Reset();
    fixedMade_ = false;
    sizePx_ = 0;
}

HICON TrayIconPictures::For(const ui::TrayIcon& model) {
    if (sizePx_ == 0) sizePx_ = SmallIconSize();
    if (const std::optional<int> index = model.ShownIndex()) {
        UniqueIcon& icon = listIcons_[*index];
        if (!icon) {
            if (const auto picture = model.Picture(sizePx_)) icon = CreateIconFromBitmap(*picture, sizePx_);
        }
        return icon.Get();
    }
    if (!fixedMade_) {
        fixedMade_ = true;
        if (model.ShowsProgramIcon()) {
            fixedIcon_ = LoadProgramIcon(instance_, sizePx_);
        } else if (const auto picture = model.Picture(sizePx_)) {
            fixedIcon_ = CreateIconFromBitmap(*picture, sizePx_);
        }
    }
    return fixedIcon_.Get();
}

}  // namespace vitrex::win32
