#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/ui/Component.h"

namespace vitrex::ui {

// Rectangle in 96-DPI pixels, relative to the parent's client area.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

enum class WidgetKind {
    Form,
    Label,
    Button,
    CheckBox,
    RadioButton,
    GroupBox,
    Panel,
    Image,
    Edit,
    LabeledEdit,
    Memo,
    HotKey,
    ProgressBar,
    TrackBar,
    ComboBox,
    ListBox,
    ListView,
    PageControl,
    TabSheet,
    TaskPanel,
    WebBrowser,
};

// What changed on a widget; the binder of the real control listens for these.
enum class Change {
    Caption,
    Visible,
    Enabled,
    Bounds,
    Checked,
    Position,
    Range,
    Items,
    Selection,
    Text,
    Rows,
    Columns,
    Images,
    Picture,
    TabVisible,
    ActivePage,
    TaskItems,
    Value,
    Navigation,  // a web view was asked to load a page
    Style,       // how the control looks: text style, word wrap, default button, border, read-only
};

class Widget;
using Observer = std::function<void(Widget&, Change)>;

// A control of the form as plain state. Setters are programmatic changes: they notify the
// observer but never run the user-event handlers; the binder reports user actions through the
// `User...` members of each kind, which update the state first and then run the handler.
class Widget : public Component {
public:
    Widget(WidgetKind kind, std::string name, std::string className, Widget* parent, Rect bounds);
    ~Widget() override;

    WidgetKind Kind() const { return kind_; }
    Widget* Parent() const { return parent_; }
    const std::vector<Widget*>& Children() const { return children_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& bounds);

    // Tab order position among the siblings, and whether the control takes the keyboard focus.
    bool TabStop() const { return tabStop_; }

    void SetObserver(Observer observer) { observer_ = std::move(observer); }

    // Visible here and in every ancestor.
    bool Showing() const;

    // Rows of children, that is children that share their designed top, close up while every
    // child of the row is hidden: the rows below move up by the hidden row's share of the
    // height (down to the next row's top). The children's tops at the call are their designed
    // places; from then on this widget sets them.
    void SetCollapseHiddenRows(bool collapse);

protected:
    void Notify(Change change);
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

private:
    void LayOutRows();

private:
    WidgetKind kind_;
    Widget* parent_;
    std::vector<Widget*> children_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = false;
    Rect bounds_;
    Observer observer_;
    bool collapseHiddenRows_ = false;
    // Designed tops of the children, while hidden rows close up.
    std::vector<std::pair<Widget*, int>> designedTops_;
};

}  // namespace vitrex::ui
