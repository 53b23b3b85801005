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
refused_download_asks_and_stays "a download with the wrong digest asks about the manual update"
cp "$VTX_LOGDIR/offered.exe" "$offered"

finish
