# Windows left translucent by a run that could not switch the engine off. Vitrex is killed while
# active; the next start gives every window the killed run changed back at once, while windows
# whose own program made them layered (a faded window, a per-pixel window) keep what their program
# gave them. A quit with the taskbar option on leaves the taskbar layered and opaque.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
tools=$(dirname "$VTX_PROBE")
samples="$VTX_LOGDIR/samples"
key='HKCU\Software\Vitrex'

alpha_of() { field alpha "$(probe alpha --title "$1")"; }
layered_of() { field layered "$(probe alpha --title "$1")"; }
x_opacity_of() {
    xprop -id "$(xdotool search --name "^$1\$" | head -n 1)" _NET_WM_WINDOW_OPACITY 2>/dev/null | sed -n 's/.* = //p'
}
journal() { field data "$(probe reg 'Software\Vitrex\Journal' Windows 2>/dev/null)"; }
journal_written() { [ -n "$(journal)" ] && echo 1; }
samples_layered() { echo "$(layered_of "Sample 1") $(layered_of "Sample 2")"; }
taskbar_alpha() { field alpha "$(probe alpha --class Shell_TrayWnd)"; }
samples_opaque() { [ "$(samples_layered)" = "0 0" ]; }
own_layered() { field layered "$(probe alpha "${target[@]}")"; }
click_at() { xdotool mousemove "${1%,*}" "${1#*,}" click 1; }
command_app() { second_start "$1" >/dev/null; }
# The active level's track bar: the topmost visible one on the page.
active_bar() {
    probe children "${target[@]}" | awk -F'\t' '$3 == "msctls_trackbar32" && $5 == "1" {print $6}' |
        sort -t, -k2,2n | head -n 1
}
bar_shown() { [ -n "$(active_bar)" ]; }

# Settings of an earlier run, then "Active at Startup" and the taskbar option.
start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone
wine reg add "$key" /v StartActive /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$key" /v AB_TaskbarActive /t REG_DWORD /d 1 /f >/dev/null 2>&1

mkdir -p "$samples"
cp "$tools/vtxsample.exe" "$samples/vtxsample.exe"
wine "$samples/vtxsample.exe" --count 2 </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
wine "$samples/vtxsample.exe" --count 1 --title Faded --own-alpha 200 </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
wine "$samples/vtxsample.exe" --count 1 --title Drawn --per-pixel 1 </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
for title in "Sample 1" "Sample 2" "Faded 1" "Drawn 1"; do
    require "the sample window $title opens" probe wait --title "$title" --visible --timeout 20000
done
check_eq "the faded window is its program's at alpha 200" "$(alpha_of "Faded 1")" 200
check_eq "the per-pixel window has no attributes to read" "$(alpha_of "Drawn 1")" ""
activate_title "Sample 1"

start_app
require "Vitrex starts active" wait_window "${target[@]}" --timeout 30000
check "the tray icon comes up" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
check "the foreground is given back to Sample 1" activate_title "Sample 1"
check "the foreground window gets the active level" until_eq 229 alpha_of "Sample 1"
check_eq "another window gets the inactive level" "$(alpha_of "Sample 2")" 191
check_eq "the X server sees it" "$(x_opacity_of "Sample 2")" 3217014719
check "the faded window gets the inactive level too" until_eq 191 alpha_of "Faded 1"
check_eq "the per-pixel window is left to its program" "$(alpha_of "Drawn 1")" ""
check "the journal holds the windows" until_eq 1 journal_written
echo "# journal: $(journal)"

kill -9 "$APP_PID"
require "the killed Vitrex is gone" wait_app_gone
APP_PID=
check_eq "the killed run left a window translucent" "$(alpha_of "Sample 2")" 191

# The next start must not switch the engine on again, or its levels would hide the giving back.
wine reg add "$key" /v StartActive /t REG_DWORD /d 0 /f >/dev/null 2>&1
start_app
require "Vitrex starts again" wait_window "${target[@]}" --timeout 30000
# A wait bounded to one second from the moment the new run's window exists.
check "every window the killed run changed is opaque again within a second" vtx_wait_until 1 samples_opaque
check_eq "the X server sees Sample 1 opaque" "$(x_opacity_of "Sample 1")" ""
check_eq "the X server sees Sample 2 opaque" "$(x_opacity_of "Sample 2")" ""
check_eq "the faded window has its program's alpha back" "$(alpha_of "Faded 1")" 200
check_eq "and stays layered" "$(layered_of "Faded 1")" 1
check_eq "the X server sees its program's opacity" "$(x_opacity_of "Faded 1")" 3368601800
check_eq "the per-pixel window is still its program's" "$(alpha_of "Drawn 1")" ""
check_eq "the journal is empty" "$(journal)" ""

# A level preview on the main window while inactive, then the engine on and off again.
command_app config
require "the main window shows" wait_window "${target[@]}" --visible --timeout 10000
xdotool windowactivate --sync "$(xdotool search --name '^Vitrex( \(CPU|$)' | head -n 1)" >/dev/null 2>&1
# "Transparency" is the second item of the panel's first group.
item=$(probe point "${target[@]}" --client 70,68)
click_at "$(field x "$item"),$(field y "$item")"
check "the transparency page shows its track bars" vtx_wait_until 5 bar_shown
# A click on the channel of the active level's track bar moves it.
IFS=, read -r bx by bw bh <<<"$(active_bar)"
spot=$(probe point "${target[@]}" --client "$((bx + bw - 10)),$((by + bh / 2))")
click_at "$(field x "$spot"),$(field y "$spot")"
check "the preview makes the main window translucent" until_eq 1 own_layered
echo "# preview: $(probe alpha "${target[@]}" | tr '\n' ' ')"
command_app changestatus
check "the engine runs" until_eq 191 alpha_of "Sample 2"
command_app changestatus
check "after the switch-off the main window is not layered" until_eq 0 own_layered
check_eq "nor is any sample window" "$(samples_layered)" "0 0"
check_eq "the faded window has its program's alpha" "$(alpha_of "Faded 1")" 200

# A quit with the taskbar option on: the taskbar stays layered, fully opaque.
check "the taskbar has its level" until_eq 191 taskbar_alpha
check "the window-menu exit command is delivered" quit_by_window_menu
check "Vitrex quits" wait_app_gone
taskbar=$(probe alpha --class Shell_TrayWnd)
check_eq "after the quit the taskbar is layered" "$(field layered "$taskbar")" 1
check_eq "at alpha 255" "$(field alpha "$taskbar")" 255
finish
