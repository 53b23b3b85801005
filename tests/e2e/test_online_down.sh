# The online services when the server fails: with no server the start-up check leaves one
# crash-log entry and shows no message; a server that takes the request and never answers ends in
# the time-out with the update page's error shown, and the window answers all the while.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"


# Nothing listens on port 9 of this machine: the connection is refused at once.
export VITREX_SERVER_URL=http://127.0.0.1:9/
start_app
require "Vitrex starts" wait_window "${target[@]}" --visible --timeout 30000
logged() { [ -n "$(crash_log_list)" ] && probe listbox --hwnd "$(crash_log_list)" | grep -q 'HttpError'; }
check "the failed start-up check is in the crash log" vtx_wait_until 10 logged
check_eq "and no message was shown" "$(message_boxes | wc -l)" 0
quit_by_window_menu
require "the first run ends" wait_app_gone

require "the server starts" server_up --fault 'stall@/update.php?infos'
start_app
require "Vitrex starts again" wait_window "${target[@]}" --timeout 30000
# A later start stays in the notification area; "config" shows the window as the tray would.
second_start config >/dev/null
require "the window shows" wait_window "${target[@]}" --visible --timeout 20000
go_to_item "$UPDATE_ITEM"
check "the page asks the server" vtx_wait_until 10 grep -q 'update.php?infos' "$VTX_LOGDIR/server.log"
check "the window answers while the request waits" probe ping "${target[@]}" --timeout 2000
error_shown() { controls | awk -F'\t' '$5 == 1' | grep -qF "Could'nt download update data!"; }
# The client's limit: 30 s for the reply's headers, and its wait gives up after the connect and
# receive limits together (45 s) at the latest; the check waits that out, with room for a loaded
# machine, and passes as soon as the error shows.
check "the time-out ends the wait with the error on the page" vtx_wait_until 75 error_shown
controls >"$VTX_LOGDIR/controls-after.txt"
check "with the manual update button beside it" test -n "$(control_by Button 'Manual Update')"
check "the window still answers" probe ping "${target[@]}" --timeout 2000
finish
