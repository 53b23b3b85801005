#pragma once

#include <windows.h>

#include <string>

#include "win32/ui/Binding.h"
#include "win32/ui/Window.h"

namespace vitrex::win32 {

// A window that holds controls: the form's client area, a panel, a tab page. It hands the
// notifications of its controls to their binders and paints the background they stand on.
class ContainerWindow : public Window {
public:
    explicit ContainerWindow(Binding* binding) : binding_(binding) {}

    // A child container of the program's own class ("VitrexContainer").
    void CreateChild(HINSTANCE instance, HWND parent, const RECT& bounds, DWORD style, UINT id);

    // A caption drawn in the middle (a "please wait" panel) and a raised border.
    void SetCaption(const std::wstring& caption);
    void SetBordered(bool bordered);
    // The caption in the warning colour (red) instead of the button text's.
    void SetWarning(bool warning);
    void SetFont(HFONT font) { font_ = font; }

protected:
    void SetBinding(Binding* binding) { binding_ = binding; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // By default a container shows what is behind it: the tab page texture, the form's colour.
    virtual void PaintBackground(HDC dc);
    void PaintContent(HDC dc);

private:
    void OnPaint();
    Binding* binding_;
    std::wstring caption_;
    bool bordered_ = false;
    bool warning_ = false;
    HFONT font_ = nullptr;
};

}  // namespace vitrex::win32
