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

# vtxprobe with its output on stdout (LF line ends); its exit code is passed on.
probe() { vtx_wine_run 60 "$VTX_PROBE" "$@"; }

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
