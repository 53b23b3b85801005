# Second starts hand their first argument to the running instance through the settings key: it
# shows the window on "config", toggles the engine on "changestatus", quits on "Close". A "close"
# with no instance running ends at once and leaves no settings behind.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
key='Software\Vitrex'

visible() { field visible "$(probe find "${target[@]}")"; }
# While the engine runs, every visible allowed window gets a level: the main window too.
layered() { field layered "$(probe alpha "${target[@]}")"; }

check_eq "close with no instance running ends at once with code 0" "$(second_start close)" 0
check "and creates no settings key" bash -c "! wine reg query 'HKCU\\Software\\Vitrex' >/dev/null 2>&1"

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

check_eq "Close in mixed case ends the second start with code 0" "$(second_start Close)" 0
check "the running instance quits" wait_app_gone
check_eq "and saved its settings" "$(probe reg "$key" Language >/dev/null 2>&1; echo $?)" 0
finish
