# Shell functions to start the project's server for scripts and end-to-end tests; source this file.
#   vtx_server_up BUILD-DIR LOG-DIR [SERVER-OPTIONS...]
#       builds build/host's vitrex_server when needed, starts it on a free port of 127.0.0.1 with the
#       sample data (unless the options name --data), reports in LOG-DIR/reports.sqlite (unless
#       --database is given), and exports VITREX_SERVER_URL=http://127.0.0.1:PORT/ ; its requests
#       are logged to LOG-DIR/server.log. Sets vtx_server_pid.
#   vtx_server_down
#       ends it (SIGTERM) and waits for it.
vtx_server_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
vtx_server_pid=

vtx_server_up() {
    local builddir=$1 logdir=$2 host port i
    shift 2
    host=$builddir/host
    if [ ! -f "$host/build.ninja" ]; then
        cmake -S "$vtx_server_repo" -B "$host" -G Ninja >"$logdir/server-build.log" 2>&1 || return 1
    fi
    cmake --build "$host" -j "${VITREX_JOBS:-2}" --target vitrex_server >>"$logdir/server-build.log" 2>&1 || return 1
    local options=("$@")
    [[ " ${options[*]} " == *" --data "* ]] || options+=(--data "$vtx_server_repo/server/data-sample")
    [[ " ${options[*]} " == *" --database "* ]] || options+=(--database "$logdir/reports.sqlite")
    : >"$logdir/server.port"
    "$host/server/vitrex_server" --port 0 "${options[@]}" >"$logdir/server.port" 2>>"$logdir/server.log" &
    vtx_server_pid=$!
    for ((i = 0; i < 100; i++)); do
        port=$(grep -m1 -x '[0-9]\+' "$logdir/server.port" 2>/dev/null)
        [ -n "$port" ] && break
        kill -0 "$vtx_server_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$port" ]; then
        vtx_server_down
        return 1
    fi
    export VITREX_SERVER_URL=http://127.0.0.1:$port/
}

vtx_server_down() {
    [ -n "$vtx_server_pid" ] || return 0
    kill -TERM "$vtx_server_pid" 2>/dev/null
    wait "$vtx_server_pid" 2>/dev/null
    vtx_server_pid=
}
