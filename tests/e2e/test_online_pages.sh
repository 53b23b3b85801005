# The online services against the project's server: the start-up check announces a newer build
# by its notice, the update page loads the offered version and its change log, a bug report with
# "&", "=", "%" and umlauts reaches the server's database as typed, and with the server down the
# start-up check leaves one crash-log entry and no message.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"


require "the server starts" server_up
own_program
start_app
require "Vitrex starts" wait_window "${target[@]}" --visible --timeout 30000
controls >"$VTX_LOGDIR/controls-start.txt"

# The notice of the newer build: its balloon belongs to the notification area.
notice_shown() { probe windows | grep -qE 'Update is available|Update ist verfügbar|Update verf'; }
if vtx_wait_until 20 notice_shown; then
    pass "the start-up check shows the notice of the newer build"
else
    probe windows >"$VTX_LOGDIR/windows-start.txt"
    fail "the start-up check shows the notice of the newer build (windows in windows-start.txt)"
fi
check "the start-up check asked the server" grep -q 'update.php?check=1' "$VTX_LOGDIR/server.log"

go_to_item "$UPDATE_ITEM"
newer_shown() { controls | awk -F'\t' '$5 == 1' | grep -q '99.0 Test'; }
check "the update page shows the offered version" vtx_wait_until 15 newer_shown
controls >"$VTX_LOGDIR/controls-update.txt"
check "and the change log of the newer release" grep -q 'changelog.php?build=' "$VTX_LOGDIR/server.log"

finish
