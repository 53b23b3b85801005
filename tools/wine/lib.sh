# Shell functions that bring up a private Wine environment and take it down again.
# Source this file from bash. Everything started here is recorded by PID and stopped by PID;
# nothing is ever stopped by name, so other people's X servers and Wine prefixes are safe.
#
#   vtx_template_ensure DIR      a ready Wine prefix at DIR, made once with wineboot
#   vtx_display_up LOGDIR [--compositor]   private Xvfb + keyboard options + openbox; sets DISPLAY
#   vtx_display_down
#   vtx_prefix_up TEMPLATE LOGDIR   fresh copy of the template with a persistent wineserver
#   vtx_prefix_down
#   vtx_wine_run SECONDS PROGRAM [ARGS]   run under wine; CR LF -> LF; killed after SECONDS
#   vtx_with_env TEMPLATE CMD...  run CMD in the outer environment if one is marked, else in a
#                                 private one that is brought up and taken down around it
#
# An environment made here is marked with VITREX_WINE_ENV=1 next to DISPLAY and WINEPREFIX; a
# nested call (the ctest emulator under scripts/test) reuses it instead of starting another.

vtx_wine_defaults() {
    export WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all}
    # No prompts to install the .NET and HTML engines: they would block a headless run.
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
}

vtx_log() { echo "wine-env: $*" >&2; }

# Stops one process we started: TERM, up to 5 s, then KILL; reaps it when it is our child.
vtx_stop_pid() {
    local pid=$1 i state
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
    for ((i = 0; i < 50; i++)); do
        state=$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null) || break
        [ "$state" = Z ] && break
        sleep 0.1
    done
    if [ -n "$state" ] && [ "$state" != Z ] && [ -e "/proc/$pid" ]; then kill -KILL "$pid" 2>/dev/null; fi
    wait "$pid" 2>/dev/null
    return 0
}

# True while PID runs (a zombie that nobody reaped yet counts as ended).
vtx_alive() {
    local state
    [ -n "${1:-}" ] || return 1
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [ "$state" != Z ]
}

vtx_wait_until() {  # SECONDS CMD... : polls CMD every 0.1 s
    local limit=$(($1 * 10)) i
    shift
    for ((i = 0; i < limit; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Debian's wineserver keeps its socket in /tmp/wine-XXXXXX, named in the prefix's "wineserver"
# file. Each copy must make its own, so the template does not keep that file.
vtx_server_tmpdir() {
    local name
    name=$(cat "$1/wineserver" 2>/dev/null) || return 1
    case $name in wine-??????) echo "/tmp/$name" ;; *) return 1 ;; esac
}

vtx_template_ensure() {
    local dir want lock
    dir=$(realpath -m "$1")
    vtx_wine_defaults
    # Bump the number when the recipe below changes, so that old templates are made again.
    want="$(wine --version 2>/dev/null) recipe 3"
    [ "$(cat "$dir/.vitrex-template" 2>/dev/null)" = "$want" ] && return 0
    mkdir -p "$(dirname "$dir")"
    exec {lock}>"$dir.lock"
    flock "$lock"
    if [ "$(cat "$dir/.vitrex-template" 2>/dev/null)" != "$want" ]; then
        vtx_log "creating the template prefix $dir (once, ~15 s)"
        rm -rf "$dir" "$dir.new"
        if ! (
            export WINEPREFIX="$dir.new"
            unset DISPLAY
            wineboot -i && wineserver -w &&
                # A crash prints a backtrace instead of waiting on a dialog nobody can click.
                wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashNotification /t REG_DWORD /d 0 /f &&
                # and the process just ends: no debugger is found to attach (an empty value would
                # mean winedbg, which hangs on its output here).
                wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
                    /t REG_SZ /d no-debugger /f &&
                wineserver -w
        ) </dev/null >"$dir.log" 2>&1; then
            vtx_log "wineboot failed; see $dir.log"
            flock -u "$lock"
            exec {lock}>&-
            return 1
        fi
        local tmp
        tmp=$(vtx_server_tmpdir "$dir.new") && rm -rf "$tmp"
        rm -f "$dir.new/wineserver"
        echo "$want" >"$dir.new/.vitrex-template"
        mv "$dir.new" "$dir"
    fi
    flock -u "$lock"
    exec {lock}>&-
}

vtx_display_up() {
    local logdir=$1 compositor=${2:-} n try
    VTX_XVFB_PID= VTX_OPENBOX_PID= VTX_XCOMPMGR_PID=
    for ((try = 0; try < 20; try++)); do
        # A random number well above the ones people type by hand.
        n=$((RANDOM % 800 + 150))
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "${VITREX_SCREEN:-1280x800x24}" -nolisten tcp -noreset \
            </dev/null >"$logdir/xvfb.log" 2>&1 &
        VTX_XVFB_PID=$!
        if vtx_wait_until 10 xdpyinfo -display ":$n"; then break; fi
        vtx_stop_pid "$VTX_XVFB_PID"
        VTX_XVFB_PID=
    done
    [ -n "$VTX_XVFB_PID" ] || { vtx_log "could not start Xvfb; see $logdir/xvfb.log"; return 1; }
    export DISPLAY=":$n"
    # Else the X server treats Ctrl+Alt+F<n> as a terminal switch and the program never sees it.
    setxkbmap -display "$DISPLAY" -option srvrkeys:none
    openbox --sm-disable </dev/null >"$logdir/openbox.log" 2>&1 &
    VTX_OPENBOX_PID=$!
    vtx_wait_until 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' ||
        vtx_log "openbox did not announce itself; going on"
    if [ "$compositor" = --compositor ]; then
        xcompmgr </dev/null >"$logdir/xcompmgr.log" 2>&1 &
        VTX_XCOMPMGR_PID=$!
    fi
    return 0
}

vtx_display_down() {
    [ -n "${VTX_XVFB_PID:-}" ] || return 0
    vtx_stop_pid "${VTX_XCOMPMGR_PID:-}"
    vtx_stop_pid "${VTX_OPENBOX_PID:-}"
    vtx_stop_pid "${VTX_XVFB_PID:-}"
    VTX_XCOMPMGR_PID= VTX_OPENBOX_PID= VTX_XVFB_PID=
    unset DISPLAY
}

vtx_prefix_up() {
    local template=$1 logdir=$2 base
    vtx_wine_defaults
    base=$(mktemp -d "${TMPDIR:-/tmp}/vitrex-prefix.XXXXXX") || return 1
    VTX_PREFIX_BASE=$base
    cp -a "$template" "$base/prefix" || { vtx_log "could not copy $template"; return 1; }
    export WINEPREFIX="$base/prefix"
    # -f keeps the server in the foreground so that its PID is ours to stop.
    wineserver -f -p </dev/null >"$logdir/wineserver.log" 2>&1 &
    VTX_WINESERVER_PID=$!
    # A client that finds no socket starts a second server; wait for this one's socket first.
    vtx_wait_until 10 sh -c 'd=$(cat "$WINEPREFIX/wineserver") && ls /tmp/"$d"/server-*/socket' ||
        vtx_log "wineserver socket did not appear; going on"
    # Starts Wine's services now, with a log for their output, so the first test does not pay.
    timeout 60 wine cmd /c exit </dev/null >>"$logdir/wineserver.log" 2>&1
    return 0
}

vtx_prefix_down() {
    [ -n "${VTX_PREFIX_BASE:-}" ] || return 0
    local tmp
    WINEPREFIX="$VTX_PREFIX_BASE/prefix" timeout 20 wineserver -k >/dev/null 2>&1
    vtx_stop_pid "${VTX_WINESERVER_PID:-}"
    tmp=$(vtx_server_tmpdir "$VTX_PREFIX_BASE/prefix") && rm -rf "$tmp"
    rm -rf "$VTX_PREFIX_BASE"
    VTX_PREFIX_BASE= VTX_WINESERVER_PID=
    unset WINEPREFIX
}

# Runs a Windows program; its output loses the CR of CR LF. Returns its exit code, or 124 when
# it ran out of time and was killed. Output goes through files, never pipes: Wine's own helper
# processes (services, explorer) inherit the handles of the program that woke them and outlive
# it, and a pipe they hold would never reach end-of-file. Programs it started are left to
# `wineserver -k` of the prefix's owner.
vtx_wine_run() {
    local seconds=$1 dir rc
    shift
    dir=$(mktemp -d)
    # In the background so that a signal to us is handled at once, not after the program.
    timeout -k 5 "$seconds" wine "$@" >"$dir/out" 2>"$dir/err" &
    wait $!
    rc=$?
    sed 's/\r$//' "$dir/out"
    sed 's/\r$//' "$dir/err" >&2
    rm -rf "$dir"
    if [ "$rc" = 124 ] || [ "$rc" = 137 ]; then
        vtx_log "$1 did not finish within $seconds s and was killed"
        rc=124
    fi
    return "$rc"
}

vtx_env_marked() {
    [ "${VITREX_WINE_ENV:-}" = 1 ] && [ -n "${DISPLAY:-}" ] && [ -n "${WINEPREFIX:-}" ] &&
        xdpyinfo -display "$DISPLAY" >/dev/null 2>&1
}

vtx_with_env() {
    local template rc logdir
    template=$(realpath -m "$1")
    shift
    if vtx_env_marked; then
        vtx_wine_defaults
        "$@"
        return
    fi
    logdir=$(mktemp -d "${TMPDIR:-/tmp}/vitrex-env.XXXXXX")
    trap 'vtx_prefix_down; vtx_display_down; rm -rf "$logdir"; exit 130' INT TERM HUP
    if vtx_template_ensure "$template" && vtx_display_up "$logdir" && vtx_prefix_up "$template" "$logdir"; then
        export VITREX_WINE_ENV=1
        "$@"
        rc=$?
    else
        rc=1
        cat "$logdir"/*.log >&2 2>/dev/null
    fi
    vtx_prefix_down
    vtx_display_down
    rm -rf "$logdir"
    trap - INT TERM HUP
    return $rc
}
