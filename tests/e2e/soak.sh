# The soak run (scripts/soak; not one of the end-to-end tests): Vitrex active for SOAK_MINUTES
# while windows open and close every second, the foreground moves and second starts send
# commands. Every ~10 s the program's private memory, handle count and GDI objects are sampled;
# at the end they must be flat after the warm-up, and no window may be left layered once Vitrex
# has quit. The figures go to standard output and to $VTX_LOGDIR/samples.csv.
#
# What the system reports of another process (GetProcessMemoryInfo, GetProcessHandleCount,
# GetGuiResources, through `vtxprobe process`) is sampled as it is; Wine 8 answers 0 for all of
# them. So the process's own figures from Linux stand beside them: its private anonymous memory
# (smaps_rollup), its open file descriptors (where Wine keeps the handles that are files,
# sockets, events and sections) and the windows it owns.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

minutes=${SOAK_MINUTES:-30}
# The first samples are the warm-up: caches, the language, the first list of every window.
warmup_seconds=${SOAK_WARMUP_SECONDS:-60}
memory_slack=$((1024 * 1024))
count_slack=${SOAK_COUNT_SLACK:-4}
target=(--class TVTXForm)
tools=$(dirname "$VTX_PROBE")
samples_csv="$VTX_LOGDIR/samples.csv"

# A first start writes the settings; then "Active at Startup".
start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone
wine reg add 'HKCU\Software\Vitrex' /v StartActive /t REG_DWORD /d 1 /f >/dev/null 2>&1

cp "$tools/vtxsample.exe" "$VTX_LOGDIR/vtxsample.exe"
# Two steady windows whose foreground the run moves between, and a program whose windows come
# and go every second.
wine "$VTX_LOGDIR/vtxsample.exe" --count 2 --title Steady </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
wine "$VTX_LOGDIR/vtxsample.exe" --count 3 --title Churn --churn 1000 </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
require "the steady windows open" probe wait --title "Steady 2" --visible --timeout 20000

# The foreground moved without waiting long for it: the windows churn meanwhile.
move_foreground() {
    local window
    window=$(xdotool search --name "^$1\$" | head -n 1)
    [ -n "$window" ] && timeout 3 xdotool windowactivate --sync "$window" >/dev/null 2>&1
}
steady_layered() { field layered "$(probe alpha --title 'Steady 1')"; }

start_app
require "Vitrex starts" wait_window "${target[@]}" --timeout 30000
require "Vitrex is active" until_eq 1 steady_layered

# Second starts in turn: a command to the running instance every few seconds. CHANGESTATUS
# twice leaves it active again; CONFIG and DEBUG show the window, which the next cycle hides.
commands=(CHANGESTATUS CHANGESTATUS CONFIG DEBUG)
# The Linux process of this prefix's Vitrex (other prefixes may run one too).
linux_pid() {
    local pid
    for pid in $(pgrep -x Vitrex.exe); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return 0; }
    done
    return 1
}
sample() {
    local out pid anon fds windows
    out=$(probe process "${target[@]}") || return 1
    pid=$(linux_pid) || return 1
    anon=$(awk '/^Anonymous:/ { print $2 * 1024 }' "/proc/$pid/smaps_rollup")
    fds=$(ls "/proc/$pid/fd" | wc -l)
    windows=$(probe windows | awk -F '\t' -v p="$(field pid "$out")" '$3 == p' | wc -l)
    printf '%s,%s,%s,%s,%s,%s,%s,%s\n' "$(($(date +%s) - started))" "$anon" "$fds" "$windows" \
        "$(field private "$out")" "$(field handles "$out")" "$(field gdi "$out")" "$(field user "$out")" \
        >>"$samples_csv"
}
echo "seconds,anon,fds,windows,private,handles,gdi,user" >"$samples_csv"
started=$(date +%s)
end=$((started + minutes * 60))
next_sample=$started
turn=0
while [ "$(date +%s)" -lt "$end" ]; do
    now=$(date +%s)
    if [ "$now" -ge "$next_sample" ]; then
        sample || echo "# a sample failed at $((now - started)) s"
        next_sample=$((next_sample + 10))
    fi
    # The foreground moves every second between the steady windows and the newest churned one.
    case $((turn % 3)) in
        0) move_foreground "Steady 1" ;;
        1) move_foreground "Steady 2" ;;
        2) probe close --class TVTXForm >/dev/null 2>&1 ;;  # hides a window CONFIG showed
    esac
    if [ $((turn % 4)) -eq 0 ]; then
        command=${commands[$(((turn / 4) % ${#commands[@]}))]}
        [ "$(second_start "$command")" = 0 ] || echo "# the second start with $command failed"
    fi
    turn=$((turn + 1))
    sleep 1
done
sample

# Active at the end, whatever the last command was, so that the quit has windows to restore.
[ "$(steady_layered)" = 1 ] || second_start CHANGESTATUS >/dev/null
check "Vitrex is active before it quits" until_eq 1 steady_layered
check_eq "a second start with CLOSE is accepted" "$(second_start CLOSE)" 0
check "Vitrex quits" wait_app_gone

# The figures: every sample, then the growth from the first sample after the warm-up to the last.
echo "# samples (seconds; Linux: anonymous private bytes, file descriptors, top-level windows;"
echo "#   the system's answer: private bytes, handles, GDI objects, USER objects):"
sed 's/^/#   /' "$samples_csv"
column() { awk -F, -v w="$warmup_seconds" -v c="$1" -v which="$2" 'NR > 1 && $1 >= w {
    if (first == "") first = $c; last = $c; if (max == "" || $c > max) max = $c }
    END { print (which == "first" ? first : which == "last" ? last : max) }' "$samples_csv"; }
growth() { echo $(($(column "$1" last) - $(column "$1" first))); }
require "samples were taken after the warm-up" test -n "$(column 2 first)"
echo "# after the warm-up: anonymous private memory $(column 2 first) -> $(column 2 last) bytes" \
    "(peak $(column 2 max)), file descriptors $(column 3 first) -> $(column 3 last)," \
    "windows $(column 4 first) -> $(column 4 last); the system's figures: private" \
    "$(column 5 first) -> $(column 5 last), handles $(column 6 first) -> $(column 6 last)," \
    "GDI $(column 7 first) -> $(column 7 last), USER $(column 8 first) -> $(column 8 last)"
check "private memory stays within 1 MB after the warm-up" test "$(growth 2)" -le $memory_slack
check "the system's private bytes stay within 1 MB" test "$(growth 5)" -le $memory_slack
check "the file descriptors (handles) stay flat" test "$(growth 3)" -le "$count_slack"
check "the handle count stays flat" test "$(growth 6)" -le "$count_slack"
check "the GDI object count stays flat" test "$(growth 7)" -le "$count_slack"
check "the USER object count stays flat" test "$(growth 8)" -le "$count_slack"
check "the program's windows stay as many" test "$(growth 4)" -le 0

# No window left layered: every window of the samples, churned ones included.
layered=0
windows=0
while read -r hwnd _; do
    [ -n "$hwnd" ] || continue
    windows=$((windows + 1))
    [ "$(field layered "$(probe alpha --hwnd "$hwnd")")" = 1 ] && layered=$((layered + 1))
done < <(probe windows --class VtxSample)
echo "# after the quit: $windows sample windows, $layered layered"
check "windows are still there to look at" test "$windows" -ge 2
check_eq "no window is left layered after Vitrex has quit" "$layered" 0
finish
