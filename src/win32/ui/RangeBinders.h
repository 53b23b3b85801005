#pragma once

#include "core/ui/Controls.h"
#include "win32/ui/ControlBinder.h"

namespace vitrex::win32 {

class ProgressBarBinder : public ControlBinder {
public:
    ProgressBarBinder(Binding& binding, ui::ProgressBar& bar) : ControlBinder(binding, bar), bar_(bar) {}
    void Create() override;
    void Apply(ui::Change change) override;

private:
    ui::ProgressBar& bar_;
};

// A horizontal slider with tick marks; every scroll notification reports the position.
class TrackBarBinder : public ControlBinder {
public:
    TrackBarBinder(Binding& binding, ui::TrackBar& bar) : ControlBinder(binding, bar), bar_(bar) {}
    void Create() override;
    void Apply(ui::Change change) override;
    void OnScroll(UINT code) override;
    HBRUSH OnCtlColor(HWND control, UINT message, HDC dc) override;

private:
    void ApplyRange();
    ui::TrackBar& bar_;
};

}  // namespace vitrex::win32
