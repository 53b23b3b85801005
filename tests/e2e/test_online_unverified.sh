# A downloaded update whose digest is not the one the server offered is neither started nor left
# beside the program, and the user is asked about the manual update instead.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

UPDATE_ITEM=${UPDATE_ITEM:-5}
key='Software\Vitrex'

require "the server starts" server_up
own_program
installer=$(dirname "$VTX_E2E_EXE")/update.exe
marker=$(dirname "$VTX_E2E_EXE")/installer-ran.txt
start_app
require "Vitrex starts" wait_window "${target[@]}" --visible --timeout 30000

newer_shown() { controls | awk -F'\t' '$5 == 1' | grep -q '99.0 Test'; }
load_page() {
    go_to_item "$UPDATE_ITEM"
    vtx_wait_until 15 newer_shown
}
require "the update page loads" load_page
update_button=$(control_by Button Update)
cancel_button=$(sibling_by "$update_button" Button Cancel)
manual_button=$(control_by Button 'Manual Update')
progress=$(controls | awk -F'\t' '$3 == "msctls_progress32" { print $1; exit }')
require "the page's buttons and progress bar are found" test -n "$update_button" -a -n "$cancel_button" -a -n "$progress"
shown() { [ "$(visible_of "$1")" = 1 ]; }
hidden() { [ "$(visible_of "$1")" = 0 ]; }
# The speed label: the page's visible static whose text ends in a rate ("... /s").
speed_shown() { controls | awk -F'\t' '$3 == "Static" && $5 == 1' | grep -q '/s'; }

# A file that is not the offered one: the page was loaded with the digest of the stand-in, the
# server then sends another file under the same name.
offered=$SERVER_DATA/files/update-$NEWER_BUILD.exe
cp "$offered" "$VTX_LOGDIR/offered.exe"
cp "$VTX_PROBE" "$offered"
probe click --hwnd "$update_button" >/dev/null
# The question is the text of a message box's static, not its title.
question() {
    local box
    for box in $(message_boxes | cut -f1); do
        probe children --hwnd "$box" | grep -q 'could not be verified' && return 0
    done
    return 1
}
check "a download with the wrong digest asks about the manual update" vtx_wait_until 20 question
check "and was not started" test ! -e "$marker"
check "nor left beside the program" test ! -e "$installer"
box=$(message_boxes | cut -f1 | head -n 1)
no=$(probe children --hwnd "$box" | awk -F'\t' '$3 == "Button" && $NF ~ /No/ { print $1; exit }')
[ -n "$no" ] && probe click --hwnd "$no" >/dev/null
check "the question goes with No" vtx_wait_until 5 eval 'test -z "$(message_boxes)"'
check "Vitrex still runs" app_running
cp "$VTX_LOGDIR/offered.exe" "$offered"

finish
