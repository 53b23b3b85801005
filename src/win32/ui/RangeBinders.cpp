#include "win32/ui/RangeBinders.h"

#include <commctrl.h>

#include "win32/ui/Theme.h"

namespace vitrex::win32 {

void ProgressBarBinder::Create() {
    CreateControl(PROGRESS_CLASSW, 0, 0, {});
    Apply(ui::Change::Range);
}

void ProgressBarBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::Range:
            ::SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(bar_.Min()),
                           static_cast<LPARAM>(bar_.Max()));
            [[fallthrough]];
        case ui::Change::Position:
            ::SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0);
            break;
        default:
            ControlBinder::Apply(change);
            break;
    }
}

void TrackBarBinder::Create() {
    CreateControl(TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS, 0, {});
    ApplyRange();
}

void TrackBarBinder::ApplyRange() {
    ApplyScope scope(*this);
    ::SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, bar_.Min());
    ::SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, bar_.Max());
    ::SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(bar_.Frequency() > 0 ? bar_.Frequency() : 1),
                   0);
    ::SendMessageW(Handle(), TBM_SETPAGESIZE, 0, bar_.PageSize());
    ::SendMessageW(Handle(), TBM_SETPOS, TRUE, bar_.Position());
}

void TrackBarBinder::Apply(ui::Change change) {
    switch (change) {
        case ui::Change::Range:
            ApplyRange();
            break;
        case ui::Change::Position: {
            ApplyScope scope(*this);
            ::SendMessageW(Handle(), TBM_SETPOS, TRUE, bar_.Position());
            break;
        }
        default:
            ControlBinder::Apply(change);
            break;
    }
}

void TrackBarBinder::OnScroll(UINT) {
    if (Applying()) return;
    bar_.UserSetPosition(static_cast<int>(::SendMessageW(Handle(), TBM_GETPOS, 0, 0)));
}

HBRUSH TrackBarBinder::OnCtlColor(HWND control, UINT, HDC dc) {
    return ParentBackgroundBrush(control, dc);
}

}  // namespace vitrex::win32
