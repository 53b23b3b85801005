#pragma once

#include <windows.h>

#include <vector>

#include "core/ui/TaskPanel.h"
#include "core/ui/TaskPanelLayout.h"
#include "win32/ui/Binding.h"
#include "win32/ui/Window.h"

namespace vitrex::win32 {

// The owner-drawn navigation panel: group headers with icon and bold caption, the visible
// items as link-like lines below them. Items react to the mouse (hover, hand cursor, click)
// and to the keyboard (Up/Down move the focus rectangle, Enter or Space click the framed item).
class TaskPanelWindow : public Window {
public:
    TaskPanelWindow(ui::TaskPanel& panel, const Binding& binding) : panel_(panel), binding_(binding) {}

    void Create(HWND parent, const RECT& bounds, DWORD style, UINT id);
    // The groups or items changed, or the DPI or the size: lay out and paint anew.
    void Refresh();
    const std::vector<ui::TaskPanelEntry>& Entries() const { return entries_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    using ItemRef = ui::TaskItemRef;
    static constexpr ItemRef kNoItem = ui::kNoTaskItem;

    void OnPaint();
    void Paint(HDC dc) const;
    void PaintGroupHeader(HDC dc, const ui::TaskPanelEntry& entry) const;
    void PaintItem(HDC dc, const ui::TaskPanelEntry& entry) const;
    void OnSetFocus();
    void OnMouseMove(POINT point);
    void OnMouseLeave();
    void OnButtonDown(POINT point);
    void OnButtonUp(POINT point);
    void OnKeyDown(WPARAM key);
    bool OnSetCursor();
    LRESULT OnGetDialogCode(const MSG* message) const;

    ItemRef HitTest(POINT point) const { return ui::TaskItemAt(entries_, point.x, point.y); }
    void MoveFocus(int step);
    void Click(ItemRef item);
    void SetHot(ItemRef item);

    ui::TaskPanel& panel_;
    const Binding& binding_;
    std::vector<ui::TaskPanelEntry> entries_;
    // The pictures of the group headers at the size they are drawn.
    std::vector<imaging::Bitmap> icons_;
    ItemRef hot_ = kNoItem;
    ItemRef pressed_ = kNoItem;
    ItemRef focus_ = kNoItem;
    // Whether the focus rectangle shows: the keyboard brought the focus or moved it here.
    bool keyboardFocus_ = false;
    bool trackingLeave_ = false;
};

}  // namespace vitrex::win32
