#!/usr/bin/env bash
# Load on the project's web server as its operator runs it: builds build/host's vitrex_server,
# starts it on a free port with the sample data and a scratch database, and prints
#   - update.php?check=1 over one kept-alive connection, and over 50,
#   - the bug-report POST over 4 connections (and how many reports were stored),
#   - a normal request's time while 200 connections sit idle and 20 send a byte a second.
# Needs Debian's wrk and curl. Usage: bench/server/load.sh [SECONDS-PER-RUN]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-5}
build=$here/build/host
work=$(mktemp -d)
server_pid=
slow_pids=()
cleanup() {
    for pid in "${slow_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

command -v wrk >/dev/null || { echo "bench/server/load.sh: needs wrk (apt-get install wrk)" >&2; exit 1; }
[ -f "$build/build.ninja" ] || cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j "${VITREX_JOBS:-2}" --target vitrex_server >/dev/null

"$build/server/vitrex_server" --port 0 --data "$here/server/data-sample" --database "$work/reports.sqlite" \
    >"$work/port" 2>"$work/server.log" &
server_pid=$!
for _ in $(seq 100); do
    port=$(grep -m1 -x '[0-9]\+' "$work/port" 2>/dev/null || true)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the server did not start:" >&2; cat "$work/server.log" >&2; exit 1; }
base=http://127.0.0.1:$port

summary() {  # the figures of one wrk run on one line
    awk '/Requests\/sec/ {rps=$2} /^ +99%/ {p99=$2} /^ +50%/ {p50=$2} /Non-2xx|Socket errors/ {err=err" "$0}
         END {printf "%10s req/s   p50 %-9s p99 %-9s%s\n", rps, p50, p99, err}'
}

echo "vitrex_server on port $port, ${seconds}s a run, $(nproc) cores"
printf '%-44s' "check, 1 kept-alive connection:"
wrk -t1 -c1 -d"${seconds}s" --latency "$base/update.php?check=1" | summary
printf '%-44s' "check, 50 kept-alive connections:"
wrk -t2 -c50 -d"${seconds}s" --latency "$base/update.php?check=1" | summary

cat >"$work/report.lua" <<'LUA'
wrk.method = "POST"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
wrk.body = "sendbug=1&language=en&title=Load&mail=a%40b.example&os=Windows+XP&" ..
           "text=" .. string.rep("Tray+icon+%26+menu%0D%0A", 40) ..
           "&version=0.22+PreBuild&datum=1.+Dezember+2005&buildnumber=0022&"
LUA
printf '%-44s' "bug report POST, 4 connections:"
wrk -t1 -c4 -d"${seconds}s" --latency -s "$work/report.lua" "$base/sendbug.php" | summary
stored=$(sqlite3 -cmd '.timeout 5000' "$work/reports.sqlite" 'SELECT count(*) FROM reports' 2>&1 || true)
echo "    reports stored: $stored"

# 200 connections that send nothing, 50 that send a request a byte a second.
for i in $(seq 200); do exec {fd}<>"/dev/tcp/127.0.0.1/$port"; done
for i in $(seq 50); do
    ( exec 3<>"/dev/tcp/127.0.0.1/$port"
      for c in G E T ' ' / ' ' H T T P / 1 . 1; do printf '%s' "$c" >&3 2>/dev/null || exit 0; sleep 1; done ) &
    slow_pids+=($!)
done
for round in 1 2 3 4 5; do
    printf '%-44s' "check beside 200 idle + 50 slow, ${round}:"
    curl -s -o /dev/null -m 30 -w '%{time_total} s\n' "$base/update.php?check=1" || echo "failed"
    sleep 1
done
