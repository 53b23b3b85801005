# An installer the server offers with its correct digest but without the release key's signature
# (a server or data folder in other hands, or an old release) is neither started nor left beside
# the program, and the user is asked about the manual update instead.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

make_server_data
rm "$SERVER_DATA/files/update-$NEWER_BUILD.exe.sig"
open_update_page
lines=$(curl -fsS "${VITREX_SERVER_URL}update.php?infos=1&language=en" | tr -d '\r')
check_eq "the server sends the digest and no signature" "$(wc -l <<<"$lines")" 7
check_eq "the digest is the installer's" "$(tail -n 1 <<<"$lines")" \
    "$(sha256sum "$SERVER_DATA/files/update-$NEWER_BUILD.exe" | cut -d' ' -f1)"

probe click --hwnd "$update_button" >/dev/null
question() {
    local box
    for box in $(message_boxes | cut -f1); do
        probe children --hwnd "$box" | grep -q 'could not be verified' && return 0
    done
    return 1
}
check "the unsigned installer is refused with the question about the manual update" vtx_wait_until 20 question
check "and was not started" test ! -e "$marker"
check "nor left beside the program" test ! -e "$installer"
box=$(message_boxes | cut -f1 | head -n 1)
no=$(probe children --hwnd "$box" | awk -F'\t' '$3 == "Button" && $NF ~ /No/ { print $1; exit }')
[ -n "$no" ] && probe click --hwnd "$no" >/dev/null
check "the question goes with No" vtx_wait_until 5 eval 'test -z "$(message_boxes)"'
check "Vitrex still runs" app_running

finish
