#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/imaging/Bitmap.h"
#include "core/ui/Component.h"
#include "core/ui/ListControls.h"
#include "core/ui/Menu.h"
#include "core/ui/OwnedComponents.h"

namespace vitrex::ui {

// What changed on a tray icon; the binder makes the same change on the notification area.
enum class TrayChange {
    Visible,
    Hint,
    Picture,    // the source of the picture: a fixed picture, the program icon or an image list
    IconIndex,  // the image of the list that is shown
    Balloon,    // a balloon message is to be shown now
};

enum class BalloonIcon { None, Info, Warning, Error };

struct Balloon {
    std::string title;
    std::string text;
    int timeoutSeconds = 10;  // a wish: recent systems keep a balloon as long as their settings say
    BalloonIcon icon = BalloonIcon::None;
};

// Draws image `index` of an image list at sizePx x sizePx, for small-icon sizes other than the
// list's own.
using ImagePainter = std::function<imaging::Bitmap(int index, int sizePx)>;

// An icon in the notification area: shown while IconVisible, with a hint, a fixed picture (or
// the program's icon) or one image of an image list, a context menu, a double-click event and
// balloon messages. Setters notify the observer and never run handlers; the binder reports
// what the user does through the User... members. An icon of a form registers with it, and the
// form's binder puts it in the notification area.
class TrayIcon : public Component {
public:
    TrayIcon(std::string name, Component* owner, std::string hint = {})
        : Component(std::move(name), "TTrayIcon", owner), hint_(std::move(hint)) {
        if (Owned() != nullptr) Owned()->trayIcons.Add(*this);
    }
    ~TrayIcon() override {
        if (Owned() != nullptr) Owned()->trayIcons.Remove(*this);
    }

    bool IconVisible() const { return visible_; }
    void SetIconVisible(bool visible);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    // A fixed picture; used when no image list is set.
    void SetIcon(imaging::Bitmap picture);
    // The program's own icon (the executable's icon resource) as the fixed picture.
    void SetProgramIcon();

    // An image list wins over the fixed picture. The list is not owned; its images must not
    // change while it is set. With a painter, the binder draws the images at the system's
    // small-icon size instead of scaling the list's pictures.
    void SetIconList(const ImageList* list, ImagePainter painter = {});
    const ImageList* IconList() const { return list_; }
    // Stored as given; the picture shown is that of the index held to the list.
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);

    // Whether the binder shows the program's icon (and Picture gives nothing).
    bool ShowsProgramIcon() const { return list_ == nullptr && programIcon_; }
    // The index of the list image shown; nothing without a list or with an empty one.
    std::optional<int> ShownIndex() const;
    // The picture shown, drawn at sizePx when a painter can do it, else at its own size for
    // the binder to scale. Nothing for the program icon or when there is no picture.
    std::optional<imaging::Bitmap> Picture(int sizePx) const;

    PopupMenu* Popup() const { return popup_; }
    void SetPopupMenu(PopupMenu* menu) { popup_ = menu; }

    // Shows a balloon message at the icon. Only a visible icon can show one: returns false, and
    // nothing happens, while the icon is hidden.
    bool ShowBalloon(const Balloon& balloon);
    const Balloon& LastBalloon() const { return balloon_; }

    Handler OnClick;
    Handler OnDblClick;
    Handler OnBalloonClick;
    Handler OnBalloonClose;
    Handler OnBalloonTimeout;

    // User actions, reported by the binder. A hidden icon takes none (a click the shell queued
    // before the icon went away is dropped).
    void UserClick() { FireIfVisible(OnClick); }
    void UserDblClick() { FireIfVisible(OnDblClick); }
    void UserBalloonClick() { FireIfVisible(OnBalloonClick); }
    void UserBalloonClose() { FireIfVisible(OnBalloonClose); }
    void UserBalloonTimeout() { FireIfVisible(OnBalloonTimeout); }
    // The menu to open for the context-menu request (right button, menu key): nothing while
    // the icon is hidden or has no menu.
    PopupMenu* UserContextMenu() const { return visible_ ? popup_ : nullptr; }

    void SetObserver(std::function<void(TrayIcon&, TrayChange)> observer) { observer_ = std::move(observer); }

private:
    void Notify(TrayChange change) {
        if (observer_) observer_(*this, change);
    }
    void FireIfVisible(const Handler& handler) const {
        if (visible_) Fire(handler);
    }

    bool visible_ = false;
    std::string hint_;
    imaging::Bitmap picture_;
    bool programIcon_ = false;
    const ImageList* list_ = nullptr;
    ImagePainter painter_;
    int iconIndex_ = 0;
    PopupMenu* popup_ = nullptr;
    Balloon balloon_;
    std::function<void(TrayIcon&, TrayChange)> observer_;
};

}  // namespace vitrex::ui
