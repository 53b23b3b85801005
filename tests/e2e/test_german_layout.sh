# The German captions on the real controls: the exceptions page (its remembered list's headers)
# and the applications list's menu with its level submenu, kept as screenshots in the log folder
# for a person to look at; the menu's entries are chosen by their German keys.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
key='HKCU\Software\Vitrex'

rows() { probe listview "${target[@]}" --index 1 | tail -n +3; }
click_at() { xdotool mousemove "${1%,*}" "${1#*,}" click "$2"; }
# Clicks the item of the left panel's first group at client height $1.
panel_item() {
    local item
    item=$(probe point "${target[@]}" --client "70,$1")
    click_at "$(field x "$item"),$(field y "$item")" 1
}
has_rows() { [ -n "$(rows)" ]; }
# The exceptions page is up once its remembered list (a list view) shows.
list_view_shown() { probe children "${target[@]}" | awk -F'\t' '$3 == "SysListView32" && $5 == 1' | grep -q .; }

start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone
# "close" returns once no instance runs any more, so the quit's saving is over before the values
# below are written (else it could write its own language over them).
second_start close >/dev/null
wine reg add "$key" /v Language /t REG_SZ /d Deutsch /f >/dev/null 2>&1
wine reg add "$key" /v HideProgram /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add "$key" /v UpdateCheck /t REG_DWORD /d 0 /f >/dev/null 2>&1

start_app
require "Vitrex starts with its window" wait_window "${target[@]}" --visible --timeout 30000
speaks_german() { probe children "${target[@]}" | awk -F'\t' '{ print $NF }' | grep -qx 'Sprache'; }
require "in German" vtx_wait_until 10 speaks_german
xdotool windowactivate --sync "$(xdotool search --name '^Vitrex( \(CPU|$)' | head -n 1)" >/dev/null 2>&1
panel_item 88
require "the exceptions page shows" vtx_wait_until 10 list_view_shown
import -window root "$VTX_LOGDIR/german-exceptions.png" 2>/dev/null
check "the exceptions page's picture is kept" test -s "$VTX_LOGDIR/german-exceptions.png"

panel_item 108
require "the applications list is filled" vtx_wait_until 10 has_rows
place=$(cut -f 2 <<<"$(rows | head -n 1)")
click_at "$place" 1
click_at "$place" 3
check "the applications menu opens" vtx_wait_until 5 menus_at_least 1
import -window root "$VTX_LOGDIR/german-menu.png" 2>/dev/null
xdotool key t
check "T opens the level submenu (\"&Transparenz ändern\")" vtx_wait_until 5 menus_at_least 2
import -window root "$VTX_LOGDIR/german-levels.png" 2>/dev/null
xdotool key Escape
xdotool key Escape
check "the menus close" vtx_wait_until 5 menus_closed

quit_by_window_menu
check "Vitrex quits" wait_app_gone
finish
