#pragma once

#include "core/ui/Controls.h"
#include "win32/ui/ControlBinder.h"

namespace vitrex::win32 {

// A plain text; the link style is underlined, coloured and shows the hand cursor.
class LabelBinder : public ControlBinder {
public:
    LabelBinder(Binding& binding, ui::Label& label) : ControlBinder(binding, label), label_(label) {}
    ~LabelBinder() override;
    void Create() override;
    void Apply(ui::Change change) override;
    void ApplyFont() override;
    void OnCommand(HWND control, UINT code) override;
    HBRUSH OnCtlColor(HWND control, UINT message, HDC dc) override;
    bool OnSetCursor() override;

private:
    DWORD StaticStyle() const;
    bool IsLink() const { return label_.Style() == ui::TextStyle::Link; }
    // A link with the focus opens on Enter and Space, and shows the focus around its text.
    static LRESULT CALLBACK LinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self) noexcept;
    void PaintFocus() const;
    ui::Label& label_;
};

class ButtonBinder : public ControlBinder {
public:
    ButtonBinder(Binding& binding, ui::Button& button) : ControlBinder(binding, button), button_(button) {}
    void Create() override;
    void Apply(ui::Change change) override;
    void OnCommand(HWND control, UINT code) override;

private:
    ui::Button& button_;
};

// Check boxes and radio buttons. The system never toggles them by itself (BS_CHECKBOX,
// BS_RADIOBUTTON): a click is reported to the model, which decides the state and the
// exclusion among radio buttons, and the binder shows what the model holds.
class CheckBinder : public ControlBinder {
public:
    CheckBinder(Binding& binding, ui::CheckControl& check) : ControlBinder(binding, check), check_(check) {}
    void Create() override;
    void Finish() override;
    void Apply(ui::Change change) override;
    void OnCommand(HWND control, UINT code) override;
    HBRUSH OnCtlColor(HWND control, UINT message, HDC dc) override;

private:
    bool IsRadio() const { return check_.Kind() == ui::WidgetKind::RadioButton; }
    // In a radio group only the chosen button (or the first) is a tab stop, so that Tab
    // enters the group without choosing another button.
    void UpdateRadioTabStops() const;
    ui::CheckControl& check_;
};

// A frame with a caption. Not a real parent: the controls of its model children are created in
// the nearest real container, offset by the frame's position.
class GroupBoxBinder : public ControlBinder {
public:
    GroupBoxBinder(Binding& binding, ui::GroupBox& box) : ControlBinder(binding, box) {}
    void Create() override;
    void Finish() override;
    HBRUSH OnCtlColor(HWND control, UINT message, HDC dc) override;
};

}  // namespace vitrex::win32
