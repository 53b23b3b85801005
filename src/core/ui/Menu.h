#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ui/Bitmap.h"
#include "core/ui/Component.h"

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
// just before it opens so that it can prepare its items.
class PopupMenu : public Component {
public:
    PopupMenu(std::string name, Component* owner)
        : Component(std::move(name), "TPopupMenu", owner), root_("", this, "") {}
    MenuItem& Add(const std::string& name, const std::string& caption) { return root_.Add(name, caption); }
    MenuItem& AddSeparator() { return root_.AddSeparator(); }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return root_.Items(); }
    MenuItem& Root() { return root_; }

    Handler OnPopup;
    void UserPopup() { Fire(OnPopup); }

private:
    MenuItem root_;
};

// The window menu (system menu) of a form, as a list of entries that starts as the system's
// standard menu of a fixed-border window. Each change is also reported to the binder, which
// makes the same change on the real menu.
struct WindowMenuEntry {
    unsigned id = 0;  // 0 for a separator
    std::string caption;
    Bitmap bitmap;
    bool operator==(const WindowMenuEntry& other) const { return id == other.id && caption == other.caption; }
};

class WindowMenu {
public:
    enum class Op { AppendSeparator, AppendItem, DeleteAt, SetBitmapAt };
    using OpObserver = std::function<void(Op, int position, const WindowMenuEntry&)>;

    WindowMenu();
    const std::vector<WindowMenuEntry>& Entries() const { return entries_; }
    void AppendSeparator();
    void AppendItem(unsigned id, const std::string& caption);
    void DeleteAt(int position);
    void SetBitmapAt(int position, const Bitmap& bitmap);
    void SetObserver(OpObserver observer) { observer_ = std::move(observer); }

    static constexpr unsigned kRestore = 0xF120;
    static constexpr unsigned kMove = 0xF010;
    static constexpr unsigned kSize = 0xF000;
    static constexpr unsigned kMinimize = 0xF020;
    static constexpr unsigned kMaximize = 0xF030;
    static constexpr unsigned kClose = 0xF060;

private:
    std::vector<WindowMenuEntry> entries_;
    OpObserver observer_;
};

}  // namespace vitrex::ui
