# A server that answers without end: the start-up check and the update page's information stop
# at their bound with a crash-log entry saying so, the program's memory stays small and its
# window answers all the while.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

# 300 MB of filler for both requests of the update information.
require "the server starts" server_up --fault 'huge:300000000@/update.php?check' \
    --fault 'huge:300000000@/update.php?infos'
start_app
require "Vitrex starts" wait_window "${target[@]}" --visible --timeout 30000

# The Linux process of this prefix's Vitrex, for its memory.
anonymous_kb() {
    local pid
    for pid in $(pgrep -x Vitrex.exe); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            awk '/^Anonymous:/ { print $2 }' "/proc/$pid/smaps_rollup"
            return 0
        fi
    done
    return 1
}
logged() {
    [ -n "$(crash_log_list)" ] && probe listbox --hwnd "$(crash_log_list)" | grep -q 'larger than 4096 bytes'
}
check "the start-up check's overflow is in the crash log" vtx_wait_until 20 logged
check "the program's memory stays under 64 MB" test "$(anonymous_kb)" -lt 65536

go_to_item "$UPDATE_ITEM"
check "the page asks the server" vtx_wait_until 10 grep -q 'update.php?infos' "$VTX_LOGDIR/server.log"
error_shown() { controls | awk -F'\t' '$5 == 1' | grep -qF "Could'nt download update data!"; }
check "the overflow ends the load with the error on the page" vtx_wait_until 20 error_shown
check "the window answers" probe ping "${target[@]}" --timeout 2000
echo "# anonymous memory after both requests: $(anonymous_kb) KB"
check "the program's memory still stays under 64 MB" test "$(anonymous_kb)" -lt 65536
finish
