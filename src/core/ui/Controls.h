#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/imaging/Bitmap.h"
#include "core/ui/Widget.h"

namespace vitrex::ui {

// Warning is drawn in red; Link is blue and underlined with a hand cursor.
enum class TextStyle { Normal, Bold, Heading, Link, Warning };

class Label : public Widget {
public:
    Label(std::string name, Widget* parent, Rect bounds, std::string caption = {})
        : Widget(WidgetKind::Label, std::move(name), "TLabel", parent, bounds) {
        SetCaption(caption);
    }
    TextStyle Style() const { return style_; }
    // A link takes the keyboard focus, so that it can be reached and opened without the mouse.
    void SetStyle(TextStyle style) {
        if (style_ == style) return;
        style_ = style;
        SetTabStop(style == TextStyle::Link);
        Notify(Change::Style);
    }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap) {
        if (wordWrap_ == wrap) return;
        wordWrap_ = wrap;
        Notify(Change::Style);
    }

    Handler OnClick;
    void UserClick() { Fire(OnClick); }

private:
    TextStyle style_ = TextStyle::Normal;
    bool wordWrap_ = false;
};

class Button : public Widget {
public:
    Button(std::string name, Widget* parent, Rect bounds, std::string caption = {})
        : Widget(WidgetKind::Button, std::move(name), "TButton", parent, bounds) {
        SetCaption(caption);
        SetTabStop(true);
    }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) {
        if (default_ == isDefault) return;
        default_ = isDefault;
        Notify(Change::Style);
    }

    Handler OnClick;
    void UserClick() {
        if (Enabled()) Fire(OnClick);
    }

private:
    bool default_ = false;
};

// Check boxes and radio buttons share the checked state; a radio button that becomes checked
// unchecks the radio buttons of the same parent, as the system's groups do.
class CheckControl : public Widget {
public:
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    Handler OnClick;
    // The user toggled a check box or picked a radio button.
    void UserClick();

protected:
    CheckControl(WidgetKind kind, std::string name, std::string className, Widget* parent, Rect bounds,
                 std::string caption)
        : Widget(kind, std::move(name), std::move(className), parent, bounds) {
        SetCaption(caption);
        SetTabStop(true);
    }

private:
    bool checked_ = false;
};

class CheckBox : public CheckControl {
public:
    CheckBox(std::string name, Widget* parent, Rect bounds, std::string caption = {})
        : CheckControl(WidgetKind::CheckBox, std::move(name), "TCheckBox", parent, bounds,
                       std::move(caption)) {}
};

class RadioButton : public CheckControl {
public:
    RadioButton(std::string name, Widget* parent, Rect bounds, std::string caption = {})
        : CheckControl(WidgetKind::RadioButton, std::move(name), "TRadioButton", parent, bounds,
                       std::move(caption)) {}
};

// A frame with a caption; its children are positioned inside it.
class GroupBox : public Widget {
public:
    GroupBox(std::string name, Widget* parent, Rect bounds, std::string caption = {})
        : Widget(WidgetKind::GroupBox, std::move(name), "TGroupBox", parent, bounds) {
        SetCaption(caption);
    }
};

// A plain container, optionally with a centred caption (a "please wait" panel) and a border.
class Panel : public Widget {
public:
    Panel(std::string name, Widget* parent, Rect bounds, std::string caption = {})
        : Widget(WidgetKind::Panel, std::move(name), "TPanel", parent, bounds) {
        SetCaption(caption);
    }
    bool Bordered() const { return bordered_; }
    void SetBordered(bool bordered) {
        if (bordered_ == bordered) return;
        bordered_ = bordered;
        Notify(Change::Style);
    }
    // Normal, or Warning for a caption in red.
    TextStyle Style() const { return style_; }
    void SetStyle(TextStyle style) {
        if (style_ == style) return;
        style_ = style;
        Notify(Change::Style);
    }

private:
    bool bordered_ = false;
    TextStyle style_ = TextStyle::Normal;
};

class Image : public Widget {
public:
    Image(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::Image, std::move(name), "TImage", parent, bounds) {}
    const imaging::Bitmap& Picture() const { return picture_; }
    void SetPicture(imaging::Bitmap picture) {
        picture_ = std::move(picture);
        Notify(Change::Picture);
    }

    Handler OnClick;
    void UserClick() { Fire(OnClick); }

private:
    imaging::Bitmap picture_;
};

// Single-line edit. The label of a labelled edit is its caption, drawn above the field.
class Edit : public Widget {
public:
    Edit(std::string name, Widget* parent, Rect bounds)
        : Edit(WidgetKind::Edit, std::move(name), "TEdit", parent, bounds) {}

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) {
        if (readOnly_ == readOnly) return;
        readOnly_ = readOnly;
        Notify(Change::Style);
    }
    // How many characters (UTF-16 units, as the system counts them) the field takes; 0 for the
    // system's own limit. Text set or typed is held to it.
    std::size_t MaxLength() const { return maxLength_; }
    void SetMaxLength(std::size_t units);

    Handler OnChange;
    // The field got the keyboard focus (a click into it, or the tab key), and lost it.
    Handler OnEnter;
    Handler OnExit;
    void UserSetText(const std::string& text);
    void UserEnter() { Fire(OnEnter); }
    void UserExit() { Fire(OnExit); }

protected:
    Edit(WidgetKind kind, std::string name, std::string className, Widget* parent, Rect bounds)
        : Widget(kind, std::move(name), std::move(className), parent, bounds) {
        SetTabStop(true);
    }

private:
    std::string HeldToMaxLength(const std::string& text) const;

    std::string text_;
    bool readOnly_ = false;
    std::size_t maxLength_ = 0;
};

class LabeledEdit : public Edit {
public:
    LabeledEdit(std::string name, Widget* parent, Rect bounds)
        : Edit(WidgetKind::LabeledEdit, std::move(name), "TLabeledEdit", parent, bounds) {}
};

// Multi-line text; lines are joined with CR LF in Text().
class Memo : public Edit {
public:
    Memo(std::string name, Widget* parent, Rect bounds)
        : Edit(WidgetKind::Memo, std::move(name), "TMemo", parent, bounds) {}
};

// A field that takes a key combination; its value is a shortcut (the encoding of ui::ShortCut;
// 0 is empty).
class HotKeyEdit : public Widget {
public:
    HotKeyEdit(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::HotKey, std::move(name), "THotKey", parent, bounds) {
        SetTabStop(true);
    }
    std::uint16_t Value() const { return value_; }
    // A refused combination is replaced here too, so a stored value shows as what the field
    // would have let the user type.
    void SetValue(std::uint16_t value);

    // Modifier sets the field refuses, as flags: none, Shift, Ctrl, Alt, Shift+Ctrl, Shift+Alt,
    // Ctrl+Alt, Shift+Ctrl+Alt. A refused set is replaced by the replacement modifiers (shortcut
    // bits), so the key alone stays when the replacement is 0.
    enum Combination : std::uint16_t {
        kCombNone = 0x01,
        kCombShift = 0x02,
        kCombCtrl = 0x04,
        kCombAlt = 0x08,
        kCombShiftCtrl = 0x10,
        kCombShiftAlt = 0x20,
        kCombCtrlAlt = 0x40,
        kCombShiftCtrlAlt = 0x80,
    };
    // The value held is not changed: rules are set before the field gets one.
    void SetRules(std::uint16_t refused, std::uint16_t replacement) {
        refused_ = refused;
        replacement_ = replacement;
    }
    std::uint16_t RefusedCombinations() const { return refused_; }
    std::uint16_t ReplacementModifiers() const { return replacement_; }
    // The value with a refused modifier set replaced, as the field itself would show it.
    std::uint16_t Normalized(std::uint16_t value) const;

    Handler OnChange;
    // The user left the field.
    Handler OnExit;
    void UserSetValue(std::uint16_t value);
    void UserExit() { Fire(OnExit); }

private:
    std::uint16_t value_ = 0;
    std::uint16_t refused_ = 0;
    std::uint16_t replacement_ = 0;
};

class ProgressBar : public Widget {
public:
    ProgressBar(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::ProgressBar, std::move(name), "TProgressBar", parent, bounds) {}
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetPosition(int position);

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

// A slider. Positions are held to [Min, Max].
class TrackBar : public Widget {
public:
    TrackBar(std::string name, Widget* parent, Rect bounds)
        : Widget(WidgetKind::TrackBar, std::move(name), "TTrackBar", parent, bounds) {
        SetTabStop(true);
    }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int Frequency() const { return frequency_; }
    int PageSize() const { return pageSize_; }
    void SetRange(int min, int max);
    void SetPosition(int position);
    // Tick marks and the page step belong to the range as the binder shows it.
    void SetFrequency(int frequency) {
        if (frequency_ == frequency) return;
        frequency_ = frequency;
        Notify(Change::Range);
    }
    void SetPageSize(int pageSize) {
        if (pageSize_ == pageSize) return;
        pageSize_ = pageSize;
        Notify(Change::Range);
    }

    Handler OnChange;
    void UserSetPosition(int position);

private:
    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    int pageSize_ = 2;
};

}  // namespace vitrex::ui
