# Levels remembered per program: 40 % remembered from the applications menu for a sample program
# survives a restart and reaches a window of that program opened afterwards, in front or behind,
# while another program's windows keep the normal levels; the exceptions page lists the
# remembered programs. Screenshots of the menu and of that page are kept in the log folder.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
tools=$(dirname "$VTX_PROBE")
samples="$VTX_LOGDIR/samples"

# The list views in the order they were made: the exceptions page's remembered programs (0), the
# applications list (1).
rows() { probe listview "${target[@]}" --index 1 | tail -n +3; }
remembered_rows() { probe listview "${target[@]}" --index 0 | tail -n +3 | cut -f 5-; }
row_of() { awk -F '\t' -v t="$1" '$5 == t' <<<"$2" | head -n 1; }
column() { cut -f "$1" <<<"$2"; }
click_at() { xdotool mousemove "${1%,*}" "${1#*,}" click "$2"; }
listed() { row_of "$1" "$(rows)" | wc -l; }
selected() { column 3 "$(row_of "$1" "$(rows)")"; }
alpha_of() { field alpha "$(probe alpha --title "$1")"; }
remembered_value() { field data "$(probe reg 'Software\Vitrex\Remembered' "$1")"; }
# Clicks the item of the left panel's first group at client height $1.
panel_item() {
    local item
    item=$(probe point "${target[@]}" --client "70,$1")
    click_at "$(field x "$item"),$(field y "$item")" 1
}
# Right-clicks the row of the window titled $1 after choosing it.
open_menu_on() {
    local row place
    row=$(row_of "$1" "$(rows)")
    [ -n "$row" ] || { echo "# no row for $1"; return 1; }
    place=$(column 2 "$row")
    click_at "$place" 1
    until_eq 1 selected "$1" || { echo "# the row of $1 was not selected"; return 1; }
    click_at "$place" 3
}
# Opens the menu on the row of the window titled $1 and takes the entries whose captions follow.
menu_on() {
    open_menu_on "$1" || return 1
    shift
    menu_choose "$@"
}
show_applications() {
    [ "$(second_start config)" = 0 ] || return 1
    wait_window "${target[@]}" --visible --timeout 10000 || return 1
    xdotool windowactivate --sync "$(xdotool search --name '^Vitrex( \(CPU|$)' | head -n 1)" >/dev/null 2>&1
    panel_item 108
    until_eq 1 listed "$1"
}

# Settings of an earlier run with "Active at Startup" on.
start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone
wine reg add 'HKCU\Software\Vitrex' /v StartActive /t REG_DWORD /d 1 /f >/dev/null 2>&1

mkdir -p "$samples"
cp "$tools/vtxsample.exe" "$samples/vtxsample.exe"
cp "$tools/vtxsample.exe" "$samples/kept.exe"
wine "$samples/kept.exe" --count 1 --title Kept </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
wine "$samples/vtxsample.exe" --count 2 --title Other </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
for title in "Kept 1" "Other 1" "Other 2"; do
    require "the sample window $title opens" probe wait --title "$title" --visible --timeout 20000
done

start_app
require "Vitrex starts" wait_window "${target[@]}" --timeout 30000
check "the tray icon comes up" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
require "the applications page lists the sample" show_applications "Kept 1"
check "40% is given from the menu" menu_on "Kept 1" "Change &Transparency" "&40%"
check "40 % gives alpha 153" until_eq 153 alpha_of "Kept 1"
# The submenu open, with its entry for the program: the picture of the menu.
open_menu_on "Kept 1"
xdotool key t
check "the transparency submenu opens" vtx_wait_until 5 menus_at_least 2
sleep 0.5
import -window root "$VTX_LOGDIR/remember-menu.png" 2>/dev/null
xdotool key r
check "the menu closes after Remember" vtx_wait_until 5 menus_closed
check_eq "the program is remembered under its own subkey" "$(remembered_value kept.exe)" "level=40;ontop=0"

check "the window-menu exit command is delivered" quit_by_window_menu
check "Vitrex quits" wait_app_gone

start_app
require "Vitrex starts again" wait_window "${target[@]}" --timeout 30000
check "the tray icon comes back" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
wine "$samples/kept.exe" --count 1 --title Fresh </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
require "a new window of the remembered program opens" probe wait --title "Fresh 1" --visible --timeout 20000
check "it is brought to the front" activate_title "Fresh 1"
check "in front it gets the remembered 40 % (alpha 153)" until_eq 153 alpha_of "Fresh 1"
check "another program's window is brought to the front" activate_title "Other 1"
check "that one gets the active level" until_eq 229 alpha_of "Other 1"
check_eq "behind, the new window keeps 40 %" "$(alpha_of "Fresh 1")" 153
check_eq "the older window of the program has 40 % too" "$(alpha_of "Kept 1")" 153
check_eq "the other program's second window has the inactive level" "$(alpha_of "Other 2")" 191

# A second program remembered, then the exceptions page shows both.
require "the applications page opens again" show_applications "Other 2"
check "20% is given to the other program" menu_on "Other 2" "Change &Transparency" "&20%"
check "Remember is taken for the other program" menu_on "Other 2" "Change &Transparency" "&Remember for vtxsample.exe"
check_eq "the other program is remembered with its level" "$(remembered_value vtxsample.exe)" "level=20;ontop=0"
check "its windows take the level at once" until_eq 204 alpha_of "Other 1"
panel_item 88
sleep 1
import -window root "$VTX_LOGDIR/remembered-page.png" 2>/dev/null
remembered_list=$(remembered_rows)
echo "$remembered_list" | sed 's/^/# remembered: /'
check_eq "the exceptions page lists both programs with their levels" \
    "$(tr '\t' ' ' <<<"$remembered_list")" "$(printf 'kept.exe 40%% \nvtxsample.exe 20%% ')"

check "the window-menu exit command is delivered" quit_by_window_menu
check "Vitrex quits" wait_app_gone
finish
