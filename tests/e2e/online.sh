# Helpers of the end-to-end tests of the online services, sourced after lib.sh: the project's
# server with a release newer than the program, a copy of the program of the test's own (the
# update is downloaded beside the executable), and the update and bug report pages' controls.
#
# The shipped program trusts only the release key, which the tests do not have. The build tree
# makes a key of its own (build/win64/test-key/private.pem) and a program that trusts it
# (test-key/Vitrex.exe, the same sources); the tests run that program wherever an update is
# started, and sign what they offer with that key.
e2e_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$e2e_repo/server/server.sh"

target=(--class TVTXForm)
NEWER_BUILD=9999
SERVER_DATA=$VTX_LOGDIR/data
DATABASE=$VTX_LOGDIR/reports.sqlite

TEST_KEY_DIR=$(dirname "$(dirname "$(dirname "$VTX_PROBE")")")/test-key
# sign FILE: FILE.sig, the test key's signature, as scripts/package signs a release.
sign() { openssl dgst -sha256 -sign "$TEST_KEY_DIR/private.pem" -out "$1.sig" "$1"; }

# A data folder whose newest release is NEWER_BUILD, its update file the stand-in installer,
# signed with the test key.
make_server_data() {
    cp -r "$e2e_repo/server/data-sample" "$SERVER_DATA"
    echo "$NEWER_BUILD | 99.0 Test | 1. Januar 2030 | update-$NEWER_BUILD.exe" >>"$SERVER_DATA/releases.txt"
    cp "$SERVER_DATA/changelog/0022.en.txt" "$SERVER_DATA/changelog/$NEWER_BUILD.en.txt"
    cp "$SERVER_DATA/changelog/0022.de.txt" "$SERVER_DATA/changelog/$NEWER_BUILD.de.txt"
    cp "$(dirname "$VTX_PROBE")/vtxinstaller.exe" "$SERVER_DATA/files/update-$NEWER_BUILD.exe"
    sign "$SERVER_DATA/files/update-$NEWER_BUILD.exe"
}

# The control route answers only a local client that gives this test's own token.
CONTROL_TOKEN=e2e-$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')

# server_up [SERVER-OPTIONS...]: the server on a free port, VITREX_SERVER_URL exported for the
# program; it is ended when the test ends.
server_up() {
    [ -d "$SERVER_DATA" ] || make_server_data
    vtx_server_up "$e2e_repo/build" "$VTX_LOGDIR" --data "$SERVER_DATA" --database "$DATABASE" \
        --test-control "$CONTROL_TOKEN" "$@"
}
trap vtx_server_down EXIT

# control QUERY: changes the running server's behaviour (clear=1, throttle=N, fault=MODE@PATH).
control() { curl -fsS "${VITREX_SERVER_URL}test-control?token=$CONTROL_TOKEN&$1" >/dev/null; }

# tests_program DIR: the program's folder copied to DIR, with the program that trusts the test key
# (stripped, as the shipped one is) in place of the shipped one.
tests_program() {
    rm -rf "$1"
    mkdir -p "$(dirname "$1")"
    cp -r "$(dirname "$VTX_E2E_EXE")" "$1"
    x86_64-w64-mingw32-strip --strip-all -o "$1/$(basename "$VTX_E2E_EXE")" "$TEST_KEY_DIR/Vitrex.exe"
}

# The tests' program copied into the test's folder, so that its download lands there.
own_program() {
    local copy=$VTX_LOGDIR/program
    tests_program "$copy"
    VTX_E2E_EXE=$copy/$(basename "$VTX_E2E_EXE")
}

# The main window's controls, one tab-separated row each (see vtxprobe children).
controls() { probe children "${target[@]}"; }
# control_by CLASS TEXT: the handle of the shown control of that class with that text.
control_by() { controls | awk -F'\t' -v c="$1" -v t="$2" '$3 == c && $5 == 1 && $NF == t { print $1; exit }'; }
# visible_of HWND: 1 when the control is shown.
# sibling_by HWND CLASS TEXT: the control of that class and text beside HWND, shown or not.
sibling_by() {
    local rows parent
    rows=$(controls)
    parent=$(awk -F'\t' -v h="$1" '$1 == h { print $2; exit }' <<<"$rows")
    awk -F'\t' -v p="$parent" -v c="$2" -v t="$3" '$2 == p && $3 == c && $NF == t { print $1; exit }' <<<"$rows"
}
visible_of() { probe children "${target[@]}" | awk -F'\t' -v h="$1" '$1 == h { print $5; exit }'; }
text_of() { probe children "${target[@]}" | awk -F'\t' -v h="$1" '$1 == h { print $NF; exit }'; }

# go_to_item N: takes the task panel's item N (0 the first shown) with the keyboard, as a user
# does: to the top, N steps down, Enter.
go_to_item() {
    local panel i
    panel=$(controls | awk -F'\t' '$3 == "VitrexTaskPanel" { print $1; exit }')
    [ -n "$panel" ] || { echo "# no task panel"; return 1; }
    for i in $(seq 1 16); do probe key --hwnd "$panel" --vk 0x26 >/dev/null; done
    for ((i = 0; i < $1; i++)); do probe key --hwnd "$panel" --vk 0x28 >/dev/null; done
    probe key --hwnd "$panel" --vk 0x0D >/dev/null
}

# The message boxes open now (Wine's dialog class), one row each (see vtxprobe windows).
message_boxes() { probe windows --class '#32770' | awk -F'\t' '$4 == 1'; }

# The debug page's list box: the one whose first line is the log's title.
crash_log_list() {
    local hwnd
    for hwnd in $(controls | awk -F'\t' '$3 == "ListBox" { print $1 }'); do
        if probe listbox --hwnd "$hwnd" | grep -q '^item=Vitrex v0.21 PreBuild Log$'; then
            echo "$hwnd"
            return 0
        fi
    done
    return 1
}

shown() { [ "$(visible_of "$1")" = 1 ]; }
hidden() { [ "$(visible_of "$1")" = 0 ]; }
# The speed label: the page's visible static whose text ends in a rate ("... /s").
speed_shown() { controls | awk -F'\t' '$3 == "Static" && $5 == 1' | grep -q '/s'; }

# The server and a program of the test's own started, the update page loaded with the newer
# release; its controls in update_button, cancel_button, manual_button and progress, and where
# the download lands and the stand-in installer leaves its mark in installer and marker.
UPDATE_ITEM=${UPDATE_ITEM:-5}
open_update_page() {
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
    require "the page's buttons and progress bar are found" \
        test -n "$update_button" -a -n "$cancel_button" -a -n "$progress"
}

# The bug report page shown from the task panel; its edit fields from top to bottom (the headline,
# the mail field, the report's text) in `edits`, the operating-system box in os_box.
REPORT_ITEM=${REPORT_ITEM:-6}
open_report_page() {
    go_to_item "$REPORT_ITEM"
    send_shown() { [ -n "$(control_by Button Send)" ]; }
    require "the bug report page shows" vtx_wait_until 10 send_shown
    edits=($(controls | awk -F'\t' '$3 == "Edit" && $5 == 1 { split($6, r, ","); print r[2] "\t" $1 }' | sort -n | cut -f2))
    require "the three fields are found" test "${#edits[@]}" -eq 3
    os_box=$(controls | awk -F'\t' '$3 == "ComboBox" && $5 == 1 { print $1; exit }')
    require "the operating system box is found" test -n "$os_box"
}

# refused_download_asks_and_stays: after a click on Update, the refused installer's question comes
# up, nothing was started or left beside the program, No closes it, and Vitrex still runs.
refused_download_asks_and_stays() {
    question() {
        local box
        for box in $(message_boxes | cut -f1); do
            probe children --hwnd "$box" | grep -q 'could not be verified' && return 0
        done
        return 1
    }
    check "$1" vtx_wait_until 20 question
    check "and was not started" test ! -e "$marker"
    check "nor left beside the program" test ! -e "$installer"
    local box no
    box=$(message_boxes | cut -f1 | head -n 1)
    no=$(probe children --hwnd "$box" | awk -F'\t' '$3 == "Button" && $NF ~ /No/ { print $1; exit }')
    [ -n "$no" ] && probe click --hwnd "$no" >/dev/null
    check "the question goes with No" vtx_wait_until 5 eval 'test -z "$(message_boxes)"'
    check "Vitrex still runs" app_running
}
