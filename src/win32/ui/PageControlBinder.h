#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/ui/PageControl.h"
#include "win32/ui/ContainerWindow.h"
#include "win32/ui/ControlBinder.h"

namespace vitrex::win32 {

// A tab control that shows the tabs of the pages whose TabVisible is set; the pages are
// container windows inside it, placed in its display area, the active one shown.
class PageControlBinder : public ControlBinder {
public:
    PageControlBinder(Binding& binding, ui::PageControl& pages)
        : ControlBinder(binding, pages), pages_(pages) {}
    HWND ContainerHandle() const override { return Handle(); }
    void Create() override;
    void Apply(ui::Change change) override;
    void Layout() override;
    void ApplyFont() override;
    LRESULT OnNotify(const NMHDR& header) override;

    // The display area, in the tab control's client coordinates.
    RECT PageArea() const;
    // A page's tab text changed.
    void ApplyTabs();

private:
    void ApplyActivePage();
    void LayoutPages() const;
    std::string FittingCaption(const std::string& caption) const;
    ui::PageControl& pages_;
};

class TabSheetBinder : public ControlBinder {
public:
    TabSheetBinder(Binding& binding, ui::TabSheet& sheet) : ControlBinder(binding, sheet), sheet_(sheet) {}
    HWND ContainerHandle() const override { return Handle(); }
    void Create() override;
    void Apply(ui::Change change) override;
    void Layout() override;
    void ApplyVisibility() override;

private:
    PageControlBinder* Pages() const;
    ui::TabSheet& sheet_;
    std::unique_ptr<ContainerWindow> window_;
};

}  // namespace vitrex::win32
