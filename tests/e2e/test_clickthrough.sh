# A window of another program made click-through by the hot key (Ctrl+Alt+F3): it becomes layered,
# topmost and transparent to the mouse, so a click at its centre reaches the window beneath it;
# the same key gives it back exactly its earlier extended style. The applications list's menu
# makes another one, marked on its row. Neither a quit nor a killed run followed by a new start
# leaves a window click-through.
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
click_at() { xdotool mousemove "${1%,*}" "${1#*,}" click "$2"; }
# The applications list's rows: index, x,y, selected, images, texts (see vtxprobe listview).
rows() { probe listview "${target[@]}" --index 1 | tail -n +3; }
row_of() { awk -F '\t' -v t="$1" '$5 == t' <<<"$(rows)" | head -n 1; }
listed() { row_of "$1" | wc -l; }
selected() { cut -f 3 <<<"$(row_of "$1")"; }
handle_marked() { [ "$(cut -f 4 <<<"$(row_of "$1")" | cut -d, -f2)" -ge 0 ] && echo 1; }
# Opens the list's menu on the row of the window titled $1 and takes the entries that follow.
menu_on() {
    local place
    place=$(cut -f 2 <<<"$(row_of "$1")")
    [ -n "$place" ] || { echo "# no row for $1"; return 1; }
    click_at "$place" 1
    until_eq 1 selected "$1" || { echo "# the row of $1 was not selected"; return 1; }
    click_at "$place" 3
    shift
    menu_choose "$@"
}

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

# The applications list's menu makes a second overlay, marked on its row.
before1=$(exstyle_of "Sample 1")
second_start config >/dev/null
require "the main window shows" wait_window "${target[@]}" --visible --timeout 10000
xdotool windowactivate --sync "$(xdotool search --name '^Vitrex( \(CPU|$)' | head -n 1)" >/dev/null 2>&1
# "Applications" is the fourth item of the panel's first group.
item=$(probe point "${target[@]}" --client 70,108)
click_at "$(field x "$item"),$(field y "$item")" 1
check "the list shows the samples" until_eq 1 listed "Sample 1"
check "Click Through is taken from the list's menu" menu_on "Sample 1" "Cl&ick Through"
check "the menu makes the row's window click-through" vtx_wait_until 5 is_overlay "Sample 1"
check "its row carries the mark on the Handle cell" until_eq 1 handle_marked "Sample 1"

# With an overlay about, the key gives that one back rather than making the foreground one.
require "Sample 2 takes the foreground again" activate_title "Sample 2"
press_key
check "the key gives back the overlay made from the menu" vtx_wait_until 5 is_plain "Sample 1" "$before1"
check_eq "and leaves the foreground window as it was" "$(exstyle_of "Sample 2")" "$before"

# A quit gives every overlay back.
press_key
require "with none left, the key makes the foreground window click-through" vtx_wait_until 5 is_overlay "Sample 2"
require "the menu makes Sample 1 one again" menu_on "Sample 1" "Cl&ick Through"
require "both are click-through" vtx_wait_until 5 is_overlay "Sample 1"
quit_by_window_menu
check "Vitrex quits" wait_app_gone
check_eq "the quit left nothing click-through" "$(exstyle_of "Sample 2")" "$before"
check_eq "nor the overlay made from the menu" "$(exstyle_of "Sample 1")" "$before1"

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
