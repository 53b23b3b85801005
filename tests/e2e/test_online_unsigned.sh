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
refused_download_asks_and_stays "the unsigned installer is refused with the question about the manual update"

finish
