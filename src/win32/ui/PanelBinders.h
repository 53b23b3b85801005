#pragma once

#include <memory>

#include "core/ui/Controls.h"
#include "win32/ui/ContainerWindow.h"
#include "win32/ui/ControlBinder.h"

namespace vitrex::win32 {

// A real child container; its children are created inside it.
class PanelBinder : public ControlBinder {
public:
    PanelBinder(Binding& binding, ui::Panel& panel) : ControlBinder(binding, panel), panel_(panel) {}
    HWND ContainerHandle() const override { return Handle(); }
    void Create() override;
    void Finish() override;
    void Apply(ui::Change change) override;
    void ApplyFont() override;

private:
    ui::Panel& panel_;
    std::unique_ptr<ContainerWindow> window_;
};

// A picture drawn scaled to the control's size (an owner-drawn static); it can be clicked.
class ImageBinder : public ControlBinder {
public:
    ImageBinder(Binding& binding, ui::Image& image) : ControlBinder(binding, image), image_(image) {}
    void Create() override;
    void Apply(ui::Change change) override;
    void OnCommand(HWND control, UINT code) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnSetCursor() override;

private:
    ui::Image& image_;
    // The picture at the size last drawn; scaling is done once per size, not per paint.
    imaging::Bitmap scaled_;
};

}  // namespace vitrex::win32
