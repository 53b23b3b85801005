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
activate() { xdotool windowactivate --sync "$(xdotool search --name "^$1\$" | head -n 1)" >/dev/null 2>&1; }
journal() { field data "$(probe reg 'Software\Vitrex\Journal' Windows 2>/dev/null)"; }
journal_written() { [ -n "$(journal)" ] && echo 1; }
samples_layered() { echo "$(layered_of "Sample 1") $(layered_of "Sample 2")"; }
taskbar_alpha() { field alpha "$(probe alpha --class Shell_TrayWnd)"; }
now_ms() { date +%s%3N; }
own_layered() { field layered "$(probe alpha "${target[@]}")"; }
click_at() { xdotool mousemove "${1%,*}" "${1#*,}" click 1; }
# A second start that hands its command to the running Vitrex.
command_app() { (cd "$(dirname "$VTX_E2E_EXE")" && wine "$VTX_E2E_EXE" "$1") </dev/null >>"$VTX_LOGDIR/app.log" 2>&1; }

# Settings of an earlier run, then "Active at Startup" and the taskbar option.
start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
probe syscmd "${target[@]}" --id 1025 >/dev/null
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
activate "Sample 1"

start_app
require "Vitrex starts active" wait_window "${target[@]}" --timeout 30000
check "the tray icon comes up" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
sleep 0.5
activate "Sample 1"
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
started=$(now_ms)
start_app
require "Vitrex starts again" wait_window "${target[@]}" --timeout 30000
window_up=$(now_ms)
check "every window the killed run changed is opaque again" until_eq "0 0" samples_layered
restored=$(now_ms)
echo "# measured: $((restored - started)) ms from the start, $((restored - window_up)) ms after its window appeared"
check "and no later than a second after the window appeared" test $((restored - window_up)) -le 1000
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
sleep 0.5
# The active level's track bar is the topmost one on the page; a click on its channel moves it.
bar=$(probe children "${target[@]}" | awk -F'\t' '$3 == "msctls_trackbar32" && $5 == "1" {print $6}' |
    sort -t, -k2,2n | head -n 1)
IFS=, read -r bx by bw bh <<<"$bar"
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
check "the window-menu exit command is delivered" probe syscmd "${target[@]}" --id 1025
check "Vitrex quits" wait_app_gone
taskbar=$(probe alpha --class Shell_TrayWnd)
check_eq "after the quit the taskbar is layered" "$(field layered "$taskbar")" 1
check_eq "at alpha 255" "$(field alpha "$taskbar")" 255
finish
