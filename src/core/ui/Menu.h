#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/imaging/Bitmap.h"
#include "core/ui/Component.h"
#include "core/ui/OwnedComponents.h"

namespace vitrex::ui {

// An entry of a popup menu; a caption of "-" makes a separator. Items may hold a submenu.
class MenuItem : public Component {
public:
    MenuItem(std::string name, Component* owner, std::string caption)
        : Component(std::move(name), "TMenuItem", owner), caption_(std::move(caption)) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool IsSeparator() const { return caption_ == "-"; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    // Drawn as the default entry (bold), the one a double click on a tray icon runs.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }

    MenuItem& Add(const std::string& name, const std::string& caption);
    MenuItem& AddSeparator();
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }

    Handler OnClick;
    void UserClick() {
        if (enabled_ && visible_ && !IsSeparator()) Fire(OnClick);
    }

private:
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
    bool checked_ = false;
    bool default_ = false;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

// A menu that opens at a point: a tray icon's menu, a list's context menu. Its OnPopup runs
// just before it opens so that it can prepare its items. A menu of a form registers with it;
// the form's binder opens it when the program asks with Popup.
class PopupMenu : public Component {
public:
    PopupMenu(std::string name, Component* owner)
        : Component(std::move(name), "TPopupMenu", owner), root_("", this, "") {
        if (Owned() != nullptr) Owned()->popupMenus.Add(*this);
    }
    ~PopupMenu() override {
        if (Owned() != nullptr) Owned()->popupMenus.Remove(*this);
    }
    MenuItem& Add(const std::string& name, const std::string& caption) { return root_.Add(name, caption); }
    MenuItem& AddSeparator() { return root_.AddSeparator(); }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return root_.Items(); }
    MenuItem& Root() { return root_; }

    Handler OnPopup;
    void UserPopup() { Fire(OnPopup); }

    // Opens the menu at a point of the screen (device pixels) and returns when it has closed;
    // the choice arrives as the item's OnClick. Nothing happens while no binder is attached.
    void Popup(int screenX, int screenY) {
        if (opener_) opener_(*this, screenX, screenY);
    }
    void SetOpener(std::function<void(PopupMenu&, int, int)> opener) { opener_ = std::move(opener); }

private:
    MenuItem root_;
    std::function<void(PopupMenu&, int, int)> opener_;
};

// The window menu (system menu) of a form, as a list of entries that starts as the system's
// standard menu of a fixed-border window. Each change is also reported to the binder, which
// makes the same change on the real menu. Entries the program appends are menu items with an
// OnClick; the system's own entries have none and keep their standard meaning.
struct WindowMenuEntry {
    unsigned id = 0;  // 0 for a separator
    std::string caption;
    imaging::Bitmap bitmap;
    MenuItem* item = nullptr;  // the program's entries only
    bool operator==(const WindowMenuEntry& other) const { return id == other.id && caption == other.caption; }
};

class WindowMenu {
public:
    enum class Op { AppendSeparator, AppendItem, DeleteAt, SetBitmapAt };
    using OpObserver = std::function<void(Op, int position, const WindowMenuEntry&)>;

    // Appended entries run their OnClick through the owner's dispatcher.
    explicit WindowMenu(Component* owner = nullptr);
    const std::vector<WindowMenuEntry>& Entries() const { return entries_; }
    void AppendSeparator();
    // The entry's item lives as long as the menu, also after its entry is deleted.
    MenuItem& AppendItem(unsigned id, const std::string& name, const std::string& caption);
    void DeleteAt(int position);
    void SetBitmapAt(int position, const imaging::Bitmap& bitmap);
    void SetObserver(OpObserver observer) { observer_ = std::move(observer); }

    // The user chose the entry with this command identifier; the binder reports it, tests call
    // it. Runs the entry's OnClick and answers true when the menu holds a program entry of that
    // identifier; the system's entries and unknown identifiers are left alone (false).
    bool UserCommand(unsigned id);

    static constexpr unsigned kRestore = 0xF120;
    static constexpr unsigned kMove = 0xF010;
    static constexpr unsigned kSize = 0xF000;
    static constexpr unsigned kMinimize = 0xF020;
    static constexpr unsigned kMaximize = 0xF030;
    static constexpr unsigned kClose = 0xF060;

private:
    Component* owner_;
    std::vector<WindowMenuEntry> entries_;
    std::vector<std::unique_ptr<MenuItem>> items_;
    OpObserver observer_;
};

}  // namespace vitrex::ui
