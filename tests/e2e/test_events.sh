# The levels follow the user between the policy ticks: with Vitrex active, a foreground switch
# between two windows of another program and a window that program opens (taking the foreground
# or not) get their levels well before the next tick would give them (timed from outside by
# vtxlatency, which switches at random moments of the tick's period). The bound is loose (a median under 60 ms, where the
# tick alone gives about 50 ms for a switch and 100 ms for a new window at worst), so a slow
# machine does not make it fail; bench/wine/run measures the real figures.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
latency=$(dirname "$VTX_PROBE")/../../bench/wine/vtxlatency.exe
[ -f "$latency" ] || { fail "vtxlatency.exe is built"; finish; }

start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone
wine reg add 'HKCU\Software\Vitrex' /v StartActive /t REG_DWORD /d 1 /f >/dev/null 2>&1

start_app
require "Vitrex starts active (hidden)" wait_window "${target[@]}" --timeout 30000
check "the tray icon comes up" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"

figures=$(vtx_wine_run 120 "$latency" --switches 15 --creates 15 --warmup 3 --timeout 1000)
echo "$figures" | sed 's/^/# /'
switch=$(grep '^switch ' <<<"$figures")
create=$(grep '^create ' <<<"$figures")
# From the end of ShowWindow: under load Wine's own creation of a window takes tens of ms.
shown=$(grep '^shown ' <<<"$figures")
# Shown without activation (a notification, a program started in the background): Wine raises no
# event for it, and it keeps the inactive level.
quiet_create=$(grep '^create-noactivate ' <<<"$figures")
quiet_shown=$(grep '^shown-noactivate ' <<<"$figures")
median_below() { awk -v m="$(sed -n 's/.* median=\([0-9.]*\).*/\1/p' <<<"$1")" -v b="$2" 'BEGIN { exit !(m != "" && m < b) }'; }
check_eq "every switch was followed within a second" "$(field timeouts "$(tr ' ' '\n' <<<"$switch")")" 0
check_eq "every new window was layered within a second" "$(field timeouts "$(tr ' ' '\n' <<<"$create")")" 0
check "a switch is followed within 60 ms (median)" median_below "$switch" 60
check "a new window is layered within 60 ms of being shown (median)" median_below "$shown" 60
check_eq "every window shown without activation got the inactive level within a second" \
    "$(field timeouts "$(tr ' ' '\n' <<<"$quiet_create")")" 0
check "a window shown without activation gets it within 60 ms (median)" median_below "$quiet_shown" 60

check "the window-menu exit command is delivered" quit_by_window_menu
check "Vitrex quits" wait_app_gone
finish
