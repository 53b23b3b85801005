# The transparency engine on another program's windows: started active, Vitrex gives the
# foreground window the active level (10 %: alpha 229) and the others the inactive level (25 %:
# alpha 191), moves the levels with the foreground, leaves a program on the exceptions list
# opaque, and quitting leaves no window layered.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
tools=$(dirname "$VTX_PROBE")
samples="$VTX_LOGDIR/samples"

alpha_of() { field alpha "$(probe alpha --title "$1")"; }
layered_of() { field layered "$(probe alpha --title "$1")"; }
x_opacity_of() {
    xprop -id "$(xdotool search --name "^$1\$" | head -n 1)" _NET_WM_WINDOW_OPACITY 2>/dev/null | sed -n 's/.* = //p'
}

# Settings of an earlier run, then "Active at Startup" and a program on the exceptions list.
start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone
wine reg add 'HKCU\Software\Vitrex' /v StartActive /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Vitrex' /v NoABList /t REG_SZ /d 'Opaque.EXE' /f >/dev/null 2>&1

mkdir -p "$samples"
cp "$tools/vtxsample.exe" "$samples/vtxsample.exe"
cp "$tools/vtxsample.exe" "$samples/opaque.exe"
wine "$samples/opaque.exe" --count 1 --title Excepted </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
wine "$samples/vtxsample.exe" --count 3 </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
for title in "Sample 1" "Sample 2" "Sample 3" "Excepted 1"; do
    require "the sample window $title opens" probe wait --title "$title" --visible --timeout 20000
done
activate_title "Sample 1"

start_app
require "Vitrex starts (hidden)" wait_window "${target[@]}" --timeout 30000
# The tray window takes the foreground when the first icon appears: give it back.
check "the tray icon comes up" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
check "the foreground is given back to Sample 1" activate_title "Sample 1"
check "the foreground window gets the active level" until_eq 229 alpha_of "Sample 1"
check_eq "another window gets the inactive level" "$(alpha_of "Sample 2")" 191
check_eq "and the third as well" "$(alpha_of "Sample 3")" 191
check_eq "the X server sees the foreground window's opacity" "$(x_opacity_of "Sample 1")" 3857049061
check_eq "a program on the exceptions list stays opaque" "$(layered_of "Excepted 1")" 0

check "Sample 3 is brought to the front" activate_title "Sample 3"
check "the new foreground window gets the active level" until_eq 229 alpha_of "Sample 3"
check_eq "the old one goes back to the inactive level" "$(alpha_of "Sample 1")" 191

check "the window-menu exit command is delivered" quit_by_window_menu
check "Vitrex quits" wait_app_gone
for title in "Sample 1" "Sample 2" "Sample 3" "Excepted 1"; do
    check_eq "after the quit $title is not layered" "$(layered_of "$title")" 0
done
finish
