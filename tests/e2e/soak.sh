# The soak run (scripts/soak; not one of the end-to-end tests): Vitrex active for SOAK_MINUTES
# while windows open and close every second, the foreground moves and second starts send
# commands. Every ~10 s the program's private memory, handle count and GDI objects are sampled;
# at the end they must be flat after the warm-up, and no window may be left layered once Vitrex
# has quit. The figures go to standard output and to $VTX_LOGDIR/samples.csv.
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
sample() {
    local out
    out=$(probe process "${target[@]}") || return 1
    printf '%s,%s,%s,%s,%s\n' "$(($(date +%s) - started))" "$(field private "$out")" \
        "$(field handles "$out")" "$(field gdi "$out")" "$(field user "$out")" >>"$samples_csv"
}
echo "seconds,private,handles,gdi,user" >"$samples_csv"
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
echo "# samples (seconds, private bytes, handles, GDI objects, USER objects):"
sed 's/^/#   /' "$samples_csv"
read -r first_private first_handles first_gdi first_user < <(awk -F, -v w="$warmup_seconds" \
    'NR > 1 && $1 >= w { print $2, $3, $4, $5; exit }' "$samples_csv")
read -r last_private last_handles last_gdi last_user < <(tail -n 1 "$samples_csv" | awk -F, '{ print $2, $3, $4, $5 }')
read -r max_private < <(awk -F, -v w="$warmup_seconds" 'NR > 1 && $1 >= w && $2 > m { m = $2 } END { print m }' "$samples_csv")
echo "# after the warm-up: private $first_private -> $last_private bytes (peak $max_private)," \
    "handles $first_handles -> $last_handles, GDI $first_gdi -> $last_gdi, USER $first_user -> $last_user"
require "samples were taken after the warm-up" test -n "$first_private"
check "private memory stays within 1 MB after the warm-up" test $((last_private - first_private)) -le $memory_slack
check "the handle count stays flat" test $((last_handles - first_handles)) -le "$count_slack"
check "the GDI object count stays flat" test $((last_gdi - first_gdi)) -le "$count_slack"
check "the USER object count stays flat" test $((last_user - first_user)) -le "$count_slack"

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
