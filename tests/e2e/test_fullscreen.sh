# Full-screen windows are left opaque: a borderless popup the size of the screen stays unlayered
# while the engine runs, in front and behind, and gets its level as soon as it is made smaller.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
tools=$(dirname "$VTX_PROBE")

alpha_of() { field alpha "$(probe alpha --title "$1")"; }
layered_of() { field layered "$(probe alpha --title "$1")"; }

# Settings of an earlier run without the option's value (as an older version leaves them), then
# "Active at Startup".
start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone
wine reg delete 'HKCU\Software\Vitrex' /v AB_FullScreenOpaque /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Vitrex' /v StartActive /t REG_DWORD /d 1 /f >/dev/null 2>&1

wine "$tools/vtxsample.exe" --count 1 </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
wine "$tools/vtxsample.exe" --count 1 --title Full --full-screen 1 </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
for title in "Sample 1" "Full 1"; do
    require "the sample window $title opens" probe wait --title "$title" --visible --timeout 20000
done
screen=$(field rect "$(probe find --title "Full 1")")
check_eq "the popup covers the screen" "$screen" "0,0,$(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\) pixels.*/\1,\2/p')"
activate_title "Full 1"

start_app
require "Vitrex starts (hidden)" wait_window "${target[@]}" --timeout 30000
check "the tray icon comes up" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
check "the foreground is given back to the full-screen window" activate_title "Full 1"
check "the window behind gets the inactive level" until_eq 191 alpha_of "Sample 1"
check_eq "the full-screen window in front is not layered" "$(layered_of "Full 1")" 0

check "Sample 1 is brought to the front" activate_title "Sample 1"
check "it gets the active level" until_eq 229 alpha_of "Sample 1"
check_eq "the full-screen window behind is still not layered" "$(layered_of "Full 1")" 0

check "the full-screen window is made smaller" probe move --title "Full 1" --rect 100,100,600,500
check "then it gets the inactive level" until_eq 191 alpha_of "Full 1"
check "it is brought to the front" activate_title "Full 1"
check "and gets the active level" until_eq 229 alpha_of "Full 1"
check "it is made full screen again" probe move --title "Full 1" --rect "0,0,${screen#0,0,}"
check "its level is taken away" until_eq 0 layered_of "Full 1"

check "the window-menu exit command is delivered" quit_by_window_menu
check "Vitrex quits" wait_app_gone
check_eq "the option was stored as on" "$(field data "$(probe reg 'Software\Vitrex' AB_FullScreenOpaque)")" 1
for title in "Sample 1" "Full 1"; do
    check_eq "after the quit $title is not layered" "$(layered_of "$title")" 0
done
probe close --title "Sample 1" >/dev/null
probe close --title "Full 1" >/dev/null
finish
