# Helpers for one end-to-end test file; sourced by each tests/e2e/test_*.sh. The runner gives:
#   VTX_E2E_EXE   the program under test (dist/Vitrex/Vitrex.exe unless told otherwise)
#   VTX_PROBE     vtxprobe.exe, which looks at and pokes windows from outside
#   VTX_LOGDIR    this test's folder for logs
#   DISPLAY, WINEPREFIX   a display shared by the tests and a fresh prefix for this test alone
# Checks print "ok - ..." or "not ok - ..."; `finish` ends the test, failing if any check failed.
# Everything a test starts in the prefix is stopped by the runner afterwards.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine/lib.sh"
vtx_wine_defaults

vtx_failures=0
APP_PID=

# The window-menu command that quits the program, read from the program's own source.
VTX_EXIT_COMMAND=$(sed -n 's/.*kExitCommand = \([0-9]*\);.*/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../../src/core/app/MainForm.h" | head -n 1)
[ -n "$VTX_EXIT_COMMAND" ] || { echo "not ok - the exit command's identifier is found in the source"; exit 1; }

# vtxprobe with its output on stdout (LF line ends); its exit code is passed on. Every command
# prints a line when it has run, so a run that printed nothing and whose loader reported itself
# inconsistent never reached the command: it is run again, at most twice more.
probe() {
    local err out rc try
    err=$(mktemp)
    for try in 1 2 3; do
        out=$(vtx_wine_run 60 "$VTX_PROBE" "$@" 2>"$err")
        rc=$?
        if [ -z "$out" ] && [ "$try" -lt 3 ] && grep -q '^Inconsistency detected by ld\.so' "$err"; then
            echo "# the probe died in the loader before its command ran; once more" >&2
            continue
        fi
        break
    done
    cat "$err" >&2
    rm -f "$err"
    [ -z "$out" ] || printf '%s\n' "$out"
    return "$rc"
}

# The value of KEY in probe output: field KEY "$text"
field() { sed -n "s/^$1=//p" <<<"$2" | head -n 1; }

# Starts the program in the background from its own folder; its output goes to app.log.
start_app() {
    [ -f "$VTX_E2E_EXE" ] || { fail "the program $VTX_E2E_EXE exists"; finish; }
    (cd "$(dirname "$VTX_E2E_EXE")" && exec wine "$VTX_E2E_EXE" "$@") \
        </dev/null >>"$VTX_LOGDIR/app.log" 2>&1 &
    APP_PID=$!
    echo "# started $(basename "$VTX_E2E_EXE") $* (pid $APP_PID)"
}

app_running() { vtx_alive "$APP_PID"; }

# wait_window PROBE-WAIT-ARGS... [--timeout MS]: like `probe wait`, but gives up as soon as
# the program has ended instead of waiting out the time.
wait_window() {
    local args=() limit=10000 waited=0
    while [ $# -gt 0 ]; do
        case $1 in
            --timeout) limit=$2; shift 2 ;;
            *) args+=("$1"); shift ;;
        esac
    done
    while :; do
        probe wait "${args[@]}" --timeout 1000 2>/dev/null && return 0
        waited=$((waited + 1000))
        if [ -n "$APP_PID" ] && ! app_running; then
            wait "$APP_PID" 2>/dev/null
            echo "# the program ended (exit code $?) while waiting"
            return 1
        fi
        [ $waited -lt "$limit" ] || { probe wait "${args[@]}" --timeout 0; return; }
    done
}

# Waits up to 10 s for the program to end.
wait_app_gone() {
    local i
    for i in $(seq 1 50); do
        app_running || return 0
        sleep 0.2
    done
    return 1
}

# until_eq EXPECTED CMD...: waits up to 5 s for CMD to print EXPECTED.
until_eq() {
    local want=$1 i
    shift
    for i in $(seq 1 25); do
        [ "$("$@")" = "$want" ] && return 0
        sleep 0.2
    done
    return 1
}

# Quits the program as a user does, through the exit entry of its window menu.
quit_by_window_menu() { probe syscmd --class TVTXForm --id "$VTX_EXIT_COMMAND" >/dev/null; }

# A start of the program whose first argument is $1, from the program's folder; prints its exit
# code. A second start hands its argument to the running instance and ends at once.
second_start() {
    (cd "$(dirname "$VTX_E2E_EXE")" && timeout 20 wine "$VTX_E2E_EXE" "$@") </dev/null >>"$VTX_LOGDIR/second-start.log" 2>&1
    echo $?
}

# A positive marker that the running instance has polled its command slot since now: a word that
# is no command is put into the slot (a second start refuses such a word) and waited for until the
# poll clears it. Whatever the program was to do before the marker (start-up, a command sent
# earlier) has happened when this returns 0.
command_polled() {
    wine reg add 'HKCU\Software\Vitrex' /v ApplicationCommand /t REG_SZ /d VTX-MARKER /f >/dev/null 2>&1 || return 1
    local i
    for i in $(seq 1 50); do
        [ -z "$(field data "$(probe reg 'Software\Vitrex' ApplicationCommand)")" ] && return 0
        sleep 0.1
    done
    return 1
}

# The number of popup menus open now, and whether at least (or exactly) N are.
open_menus() { field count "$(probe menus)"; }
menus_at_least() { [ "$(open_menus)" -ge "$1" ]; }
menus_closed() { [ "$(open_menus)" -eq 0 ]; }

# menu_choose CAPTION...: in the popup menu that was just opened, takes the entry with each caption
# in turn (a submenu's entry, then an entry of the submenu) by the mnemonic its caption marks with
# "&", each time waiting for its menu to be open first; then waits for every menu to close.
menu_choose() {
    local depth=1 caption key
    for caption in "$@"; do
        key=${caption#*&}
        key=${key:0:1}
        [ "$caption" != "$key" ] && [ -n "$key" ] || { echo "# no mnemonic in '$caption'"; return 1; }
        vtx_wait_until 5 menus_at_least "$depth" || { echo "# menu $depth did not open"; return 1; }
        xdotool key "${key,,}"
        depth=$((depth + 1))
    done
    vtx_wait_until 5 menus_closed
}

# Makes the window titled $1 the foreground window, as the user would by clicking it. The window
# manager may hand the foreground back to a window that took it just before, so the foreground is
# read back from Wine and the activation repeated until it holds.
activate_title() {
    local i window
    window=$(xdotool search --name "^$1\$" | head -n 1)
    [ -n "$window" ] || return 1
    for i in $(seq 1 20); do
        xdotool windowactivate --sync "$window" >/dev/null 2>&1
        # Read twice, a moment apart: a late hand-back shows up on the second read.
        if [ "$(field title "$(probe foreground)")" = "$1" ]; then
            sleep 0.3
            [ "$(field title "$(probe foreground)")" = "$1" ] && return 0
        fi
    done
    return 1
}

stop_app() {
    vtx_stop_pid "$APP_PID"
    APP_PID=
}

pass() { echo "ok - $1"; }
fail() {
    echo "not ok - $1"
    vtx_failures=$((vtx_failures + 1))
}

# check DESCRIPTION CMD...: CMD's success is the check.
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# check_eq DESCRIPTION ACTUAL EXPECTED
check_eq() {
    if [ "$2" = "$3" ]; then
        pass "$1"
    else
        fail "$1: got '$2', want '$3'"
    fi
}

# check_ge DESCRIPTION ACTUAL MINIMUM
check_ge() {
    if [ -n "$2" ] && [ "$2" -ge "$3" ]; then
        pass "$1"
    else
        fail "$1: got '$2', want at least $3"
    fi
}

# A check that the rest of the test depends on: on failure the test ends here.
require() {
    local before=$vtx_failures
    check "$@"
    if [ "$vtx_failures" -ne "$before" ]; then
        echo "# giving up: later checks depend on this one"
        finish
    fi
}

# has_bits VALUE MASK: all bits of MASK are set in VALUE (both may be 0x... hex).
has_bits() { (((($1) & ($2)) == ($2))); }
lacks_bits() { (((($1) & ($2)) == 0)); }

finish() {
    stop_app
    if [ "$vtx_failures" -eq 0 ]; then exit 0; fi
    echo "# $vtx_failures check(s) failed"
    exit 1
}
