# Second starts hand their first argument to the running instance through the settings key: it
# shows the window on "config", toggles the engine on "changestatus", quits on "Close". A "close"
# with no instance running ends at once and leaves no settings behind; "config" with none running
# starts the program with its window shown. "debug" shows the debug page, and after a page change
# exactly one tab is visible. A word that is no command, "--help" and "/?" print the commands to
# the starter and fail, with no window and nothing handed over.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
key='Software\Vitrex'

visible() { field visible "$(probe find "${target[@]}")"; }
# While the engine runs, every visible allowed window gets a level: the main window too.
layered() { field layered "$(probe alpha "${target[@]}")"; }

check_eq "close with no instance running ends at once with code 0" "$(second_start close)" 0
check "and creates no settings key" bash -c "! wine reg query 'HKCU\\Software\\Vitrex' >/dev/null 2>&1"

# Prints the start's output and then its exit code on a line of its own.
start_output() {
    (cd "$(dirname "$VTX_E2E_EXE")" && timeout 20 wine "$VTX_E2E_EXE" "$@" </dev/null 2>&1)
    echo "exit=$?"
}
for word in confgi --help /?; do
    output=$(start_output "$word")
    echo "$output" | sed 's/^/# /'
    check "\"$word\" with none running fails" grep -qx 'exit=[1-9][0-9]*' <<<"$output"
    check "and prints the accepted commands" grep -q 'changestatus' <<<"$output"
done
no_window() { ! probe find "${target[@]}" >/dev/null 2>&1; }
check "no window came up" no_window
check "and no settings were written" bash -c "! wine reg query 'HKCU\\Software\\Vitrex' >/dev/null 2>&1"
tabs_shown() {
    local tabs
    tabs=$(probe children "${target[@]}" | awk -F'\t' '$3 == "SysTabControl32" { print $1 }' | head -n 1)
    field count "$(probe tabs --hwnd "$tabs")"
}
panel_item() {
    local item
    item=$(probe point "${target[@]}" --client "70,$1")
    xdotool mousemove "$(field x "$item")" "$(field y "$item")" click 1
}

start_app
require "the first instance shows its welcome page" wait_window "${target[@]}" --visible --timeout 30000
check "closing hides it" probe close "${target[@]}"
check "the window is hidden" wait_window "${target[@]}" --hidden --timeout 5000

check_eq "a second start without an argument ends with code 0" "$(second_start)" 0
check "a later command is polled" command_polled
check_eq "and the start without an argument changed nothing" "$(visible)" 0

check_eq "a second start with config ends with code 0" "$(second_start config)" 0
check "config shows the main window within about a second" until_eq 1 visible
check_eq "the slot is cleared after the poll" "$(field data "$(probe reg "$key" ApplicationCommand)")" ""

check_eq "the window is opaque while inactive" "$(layered)" 0
check_eq "changestatus ends with code 0" "$(second_start changestatus)" 0
check "changestatus activates: the visible main window gets a level" until_eq 1 layered
probe alpha "${target[@]}" | sed 's/^/# /'
check_eq "changestatus again ends with code 0" "$(second_start CHANGESTATUS)" 0
check "and deactivates: the level is taken off again" until_eq 0 layered

output=$(start_output --help)
check "--help with an instance running fails too" grep -qx 'exit=[1-9][0-9]*' <<<"$output"
check "and hands nothing over" command_polled

check "closing hides it again" probe close "${target[@]}"
check "the window is hidden" wait_window "${target[@]}" --hidden --timeout 5000
check_eq "debug ends with code 0" "$(second_start debug)" 0
check "debug shows the window" until_eq 1 visible
check_eq "with the debug page's tab alone" "$(tabs_shown)" 1
xdotool windowactivate --sync "$(xdotool search --name '^Vitrex( \(CPU|$)' | head -n 1)" >/dev/null 2>&1
panel_item 88
# The page has changed once the debug page's crash-log list is hidden again.
debug_page_gone() {
    local list
    for list in $(probe children "${target[@]}" | awk -F'\t' '$3 == "ListBox" && $5 == 1 { print $1 }'); do
        probe listbox --hwnd "$list" | grep -qx 'item=Vitrex v0.21 PreBuild Log' && return 1
    done
    return 0
}
check "the exceptions page replaces the debug page" vtx_wait_until 10 debug_page_gone
check_eq "after a page change exactly one tab is visible" "$(tabs_shown)" 1
import -window root "$VTX_LOGDIR/after-debug.png" 2>/dev/null

check_eq "Close in mixed case ends the second start with code 0" "$(second_start Close)" 0
check "the running instance quits" wait_app_gone
check_eq "and saved its settings" "$(probe reg "$key" Language >/dev/null 2>&1; echo $?)" 0

# None running: "config" starts the program with its window shown, although it starts hidden.
check_eq "the stored settings hide the program at start" "$(field data "$(probe reg "$key" HideProgram)")" 1
start_app config
check "config with none running shows the window" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
check "Vitrex quits" wait_app_gone
finish
