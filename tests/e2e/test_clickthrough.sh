# A window of another program made click-through by the hot key (Ctrl+Alt+F3): it becomes layered,
# topmost and transparent to the mouse, so a click at its centre reaches the window beneath it;
# the same key gives it back exactly its earlier extended style. Neither a quit nor a killed run
# followed by a new start leaves a window click-through.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
tools=$(dirname "$VTX_PROBE")
samples="$VTX_LOGDIR/samples"
clicks="$samples/clicks.log"

# WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TRANSPARENT
overlay_bits=0x80028
exstyle_of() { field exstyle "$(probe find --title "$1")"; }
alpha_of() { field alpha "$(probe alpha --title "$1")"; }
is_overlay() { has_bits "$(exstyle_of "$1")" $overlay_bits; }
is_plain() { [ "$(exstyle_of "$1")" = "$2" ]; }
press_key() { xdotool key ctrl+alt+F3; }
clicks_on() { grep -c "^down $1" "$clicks" 2>/dev/null; }

start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone

# Two windows of another program; "Sample 2" was shown last, so it lies over "Sample 1".
mkdir -p "$samples"
cp "$tools/vtxsample.exe" "$samples/vtxsample.exe"
wine "$samples/vtxsample.exe" --count 2 --click-log "$(winepath -w "$clicks")" </dev/null \
    >>"$VTX_LOGDIR/samples.log" 2>&1 &
for title in "Sample 1" "Sample 2"; do
    require "the sample window $title opens" probe wait --title "$title" --visible --timeout 20000
done
before=$(exstyle_of "Sample 2")
echo "# Sample 2 before: $before"

start_app
require "Vitrex starts in the notification area" wait_window "${target[@]}" --timeout 30000
check "the tray icon comes up" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
require "Sample 2 takes the foreground" activate_title "Sample 2"

press_key
check "the key makes the foreground window click-through" vtx_wait_until 5 is_overlay "Sample 2"
echo "# Sample 2 as an overlay: $(probe find --title "Sample 2" | grep exstyle | tr '\n' ' ')"
check_eq "an opaque window gets 40 %" "$(alpha_of "Sample 2")" 153

# A click at the overlay's centre, where it covers Sample 1, reaches Sample 1.
IFS=, read -r l t r b <<<"$(field rect "$(probe find --title "Sample 2")")"
IFS=, read -r l1 t1 r1 b1 <<<"$(field rect "$(probe find --title "Sample 1")")"
x=$(((l + r) / 2))
y=$(((t + b) / 2))
require "Sample 1 lies beneath the centre" test "$x" -gt "$l1" -a "$x" -lt "$r1" -a "$y" -gt "$t1" -a "$y" -lt "$b1"
xdotool mousemove "$x" "$y" click 1
check "the click reaches the window beneath" until_eq 1 clicks_on "Sample 1"
check_eq "not the click-through window" "$(clicks_on "Sample 2")" 0
check "the overlay stays click-through and on top" is_overlay "Sample 2"

# The window beneath has the foreground now: the same key gives the overlay back.
press_key
check "the key gives the overlay back its exact earlier style" vtx_wait_until 5 is_plain "Sample 2" "$before"
check_eq "and it is not layered any more" "$(field layered "$(probe alpha --title "Sample 2")")" 0
xdotool mousemove "$x" "$y" click 1
check "a click at the same place now reaches it" until_eq 1 clicks_on "Sample 2"

# A quit gives every overlay back.
require "Sample 2 takes the foreground again" activate_title "Sample 2"
press_key
require "it is click-through again" vtx_wait_until 5 is_overlay "Sample 2"
quit_by_window_menu
check "Vitrex quits" wait_app_gone
check_eq "the quit left nothing click-through" "$(exstyle_of "Sample 2")" "$before"

# A killed run: the next start gives the window back.
start_app
require "Vitrex starts again" wait_window "${target[@]}" --timeout 30000
check "the tray icon comes up again" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
require "Sample 2 has the foreground" activate_title "Sample 2"
press_key
require "the key makes it click-through" vtx_wait_until 5 is_overlay "Sample 2"
echo "# journal: $(field data "$(probe reg 'Software\Vitrex\Journal' Windows 2>/dev/null)")"
kill -9 "$APP_PID"
require "the killed Vitrex is gone" wait_app_gone
APP_PID=
check "the killed run left it click-through" is_overlay "Sample 2"
start_app
require "Vitrex starts after the kill" wait_window "${target[@]}" --timeout 30000
check "the new start gives it its exact earlier style back" vtx_wait_until 5 is_plain "Sample 2" "$before"
check_eq "and it is not layered" "$(field layered "$(probe alpha --title "Sample 2")")" 0
quit_by_window_menu
check "Vitrex quits at the end" wait_app_gone
finish
