# A downloaded update whose digest is not the one the server offered is neither started nor left
# beside the program, and the user is asked about the manual update instead.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

key='Software\Vitrex'

open_update_page

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
