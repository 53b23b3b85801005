#pragma once

#include "core/ui/Controls.h"
#include "win32/ui/ControlBinder.h"

namespace vitrex::win32 {

// Single-line edits, labelled edits (an EDIT with a STATIC just above it showing the widget's
// caption) and memos (multi-line, vertical scroll bar, CR LF between lines).
class EditBinder : public ControlBinder {
public:
    EditBinder(Binding& binding, ui::Edit& edit) : ControlBinder(binding, edit), edit_(edit) {}
    void Create() override;
    void Apply(ui::Change change) override;
    void Layout() override;
    void OnCommand(HWND control, UINT code) override;
    HBRUSH OnCtlColor(HWND control, UINT message, HDC dc) override;

private:
    bool Labeled() const { return edit_.Kind() == ui::WidgetKind::LabeledEdit; }
    ui::Edit& edit_;
    HWND label_ = nullptr;
};

// A field that takes a key combination.
class HotKeyBinder : public ControlBinder {
public:
    HotKeyBinder(Binding& binding, ui::HotKeyEdit& hotKey)
        : ControlBinder(binding, hotKey), hotKey_(hotKey) {}
    ~HotKeyBinder() override;
    void Create() override;
    void Apply(ui::Change change) override;
    void OnCommand(HWND control, UINT code) override;
    // The user left the field (reported after the focus has moved on).
    void OnDeferred() override { hotKey_.UserExit(); }

private:
    static LRESULT CALLBACK FieldProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self) noexcept;
    ui::HotKeyEdit& hotKey_;
};

}  // namespace vitrex::win32
