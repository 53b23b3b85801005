# The online half tells the truth from outside: a start-up check answered with filler is a failed
# check (one crash-log entry, no notice); the German change log, which the server sends in
# Windows-1252, reads "Prüfsumme" on the update page; a download the server cuts half-way ends in
# the page's error text with the Update button back and no update.exe left.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

key='HKCU\Software\Vitrex'
notice_shown() { probe windows | grep -qE 'Update is available|Update ist verf'; }
log_has() { [ -n "$(crash_log_list)" ] && probe listbox --hwnd "$(crash_log_list)" | grep -qF "$1"; }

# A reply of 64 filler bytes where a build number belongs.
require "the server starts" server_up --fault 'huge:64@/update.php?check'
own_program
start_app
require "Vitrex starts" wait_window "${target[@]}" --visible --timeout 30000
check "the unreadable check is one crash-log entry" vtx_wait_until 20 log_has 'no build number'
check "and no notice of an update is shown" eval '! notice_shown'
check_eq "nor any message" "$(message_boxes | wc -l)" 0
quit_by_window_menu
require "the first run ends" wait_app_gone

# German from now on; the page loads the German change log.
wine reg add "$key" /v Language /t REG_SZ /d Deutsch /f >/dev/null 2>&1
start_app
require "Vitrex starts in German" wait_window "${target[@]}" --timeout 30000
second_start config >/dev/null
require "the window shows" wait_window "${target[@]}" --visible --timeout 20000
go_to_item "$UPDATE_ITEM"
newer_shown() { controls | awk -F'\t' '$5 == 1' | grep -q '99.0 Test'; }
require "the update page loads" vtx_wait_until 15 newer_shown
changelog=$(controls | awk -F'\t' '$3 == "Edit" && $5 == 1 { print $NF }' | grep -F 'SHA-256' | head -n 1)
echo "# the change log: $changelog"
check "the change log reads Prüfsumme" grep -qF 'SHA-256-Prüfsumme' <<<"$changelog"
check "and vollständig, with its quotation marks" grep -qF 'vollständig beim Server an, auch mit „&“' <<<"$changelog"
import -window root "$VTX_LOGDIR/update-page-de.png" 2>/dev/null

# The server cuts the download half-way: the failure shows as such, at once.
update_button=$(control_by Button Update)
require "the Update button is found" test -n "$update_button"
installer=$(dirname "$VTX_E2E_EXE")/update.exe
control "fault=cut@/download.php"
probe click --hwnd "$update_button" >/dev/null
error_text='Die Update-Daten konnten nicht geladen werden!'
error_shown() { controls | awk -F'\t' '$5 == 1' | grep -qF "$error_text"; }
# Well within the transfer's own limits (15 s to connect, 30 s for each piece).
check "the cut download shows the error text" vtx_wait_until 45 error_shown
import -window root "$VTX_LOGDIR/download-failed-de.png" 2>/dev/null
check "the Update button is back" shown "$update_button"
check "the cancel button is gone" eval 'hidden "$(sibling_by "$update_button" Button Abbrechen)"'
check "no update.exe is left" test ! -e "$installer"
check "the failure is in the crash log" log_has 'HttpError'
check "the window answers" probe ping "${target[@]}" --timeout 2000
finish
