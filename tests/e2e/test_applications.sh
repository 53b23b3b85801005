# The applications page on another program's windows: they are listed with their process ids and
# the program's name, a hung program does not hold up the list, and the context menu's commands
# reach the windows (close, 50 %, always on top, exception).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
tools=$(dirname "$VTX_PROBE")
samples="$VTX_LOGDIR/samples"

# The list view's rows: index, x,y, selected, images, texts (see vtxprobe listview).
# The applications list is the second list view; the exceptions page's remembered programs come first.
rows() { probe listview "${target[@]}" --index 1 | tail -n +3; }
row_of() { awk -F '\t' -v t="$1" '$5 == t' <<<"$2" | head -n 1; }
column() { cut -f "$1" <<<"$2"; }
click_at() { xdotool mousemove "${1%,*}" "${1#*,}" click "$2"; }
listed() { row_of "$1" "$(rows)" | wc -l; }
exists() { probe find --title "$1" >/dev/null; }
alpha_of() { field alpha "$(probe alpha --title "$1")"; }
# How many rows of the program carry a picture on their Process cell.
marked_rows() { rows | awk -F '\t' -v p="$1" '$8 == p && $4 !~ /,-1$/' | wc -l; }

selected() { column 3 "$(row_of "$1" "$(rows)")"; }
# Opens the context menu on the row of the window titled $1 and takes the entries whose captions
# follow (see menu_choose).
menu_on() {
    local row place
    row=$(row_of "$1" "$(rows)")
    [ -n "$row" ] || { echo "# no row for $1"; return 1; }
    place=$(column 2 "$row")
    click_at "$place" 1
    until_eq 1 selected "$1" || { echo "# the row of $1 was not selected"; return 1; }
    click_at "$place" 3
    shift
    menu_choose "$@"
}

mkdir -p "$samples"
cp "$tools/vtxsample.exe" "$samples/vtxsample.exe"
cp "$tools/vtxsample.exe" "$samples/frozen.exe"
wine "$samples/vtxsample.exe" --count 3 --title Helper </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
wine "$samples/frozen.exe" --count 1 --title Frozen --hang-after 1000 </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
# Wine's own editor and game: their program files have icons.
wine notepad </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
wine winemine </dev/null >>"$VTX_LOGDIR/samples.log" 2>&1 &
for title in "Helper 1" "Helper 2" "Helper 3" "Frozen 1"; do
    require "the sample window $title opens" probe wait --title "$title" --visible --timeout 20000
done
check "Notepad opens" probe wait --class Notepad --visible --timeout 20000
notepad_title=$(field title "$(probe find --class Notepad)")
helper_pid=$(field pid "$(probe find --title "Helper 1")")

start_app
require "the main window appears" wait_window "${target[@]}" --visible --timeout 30000
check "the tray icon comes up" until_eq 1 bash -c "xdotool search --name 'Wine System Tray' >/dev/null && echo 1"
xdotool windowactivate --sync "$(xdotool search --name '^Vitrex( \(CPU|$)' | head -n 1)" >/dev/null 2>&1

# "Applications" is the fourth item of the panel's first group.
item=$(probe point "${target[@]}" --client 70,108)
click_at "$(field x "$item"),$(field y "$item")" 1
# until_eq gives up after five seconds: a fill held up by the hung program would not make it.
check "the list fills although a program hangs" until_eq 1 listed "Helper 2"
check "Vitrex answers afterwards" probe ping "${target[@]}" --timeout 1000

list=$(rows)
echo "$list" | sed 's/^/# row: /'
for title in "Helper 1" "Helper 2" "Helper 3"; do
    row=$(row_of "$title" "$list")
    check_eq "$title is listed with the helper's process id" "$(column 7 "$row")" "$helper_pid"
    check_eq "$title is listed with the helper's program name" "$(column 8 "$row")" "vtxsample.exe"
    check_eq "$title has its own handle" "$(column 6 "$row")" \
        "$(($(field hwnd "$(probe find --title "$title")")))"
done
check "the frozen program's window is listed" test -n "$(row_of "Frozen 1" "$list")"
check "Vitrex's own window is not listed" test -z "$(row_of "Vitrex" "$list")"
# Wine hands no icon handle to another process; the program file's icon stands in.
check "Notepad's row has an icon" test "$(column 4 "$(row_of "$notepad_title" "$list")" | cut -d, -f1)" -ge 0
import -window root "$VTX_LOGDIR/applications.png" 2>/dev/null

check "Change Transparency, 40% is taken" menu_on "Helper 2" "Change &Transparency" "&40%"
check "40 % gives alpha 153" until_eq 153 alpha_of "Helper 2"

check "Always on Top, On is taken" menu_on "Helper 1" "A&lways on Top" "&On"
exstyle=$(field exstyle "$(probe find --title "Helper 1")")
check "Always on Top sets WS_EX_TOPMOST" has_bits "$exstyle" 0x8

# Rename: the window takes the new title; a frozen window keeps its own and Vitrex goes on.
rename_to() {
    probe wait --class '#32770' --title 'Rename Window' --visible --timeout 5000 >/dev/null || return 1
    xdotool key ctrl+a
    xdotool type --delay 40 "$1"
    xdotool key Return
}
menu_on "Helper 2" "Rename &Window"
check "the rename dialog takes a new title" rename_to "Renamed 2"
check "the window takes its new title" probe wait --title "Renamed 2" --timeout 5000
check "the refilled list shows it" until_eq 1 listed "Renamed 2"
menu_on "Frozen 1" "Rename &Window"
check "the rename dialog opens for the frozen window" rename_to "Thawed"
# The rename is sent with a bounded wait: Vitrex answers a bounded question right after it.
check "renaming a frozen window does not hold Vitrex up" probe ping "${target[@]}" --timeout 3000
check "the frozen window keeps its title" exists "Frozen 1"

check "Close is taken" menu_on "Helper 3" "&Close"
check "Close posts SC_CLOSE and the window goes away" probe wait --title "Helper 3" --gone --timeout 5000

check "Exception is taken" menu_on "Helper 1" "E&xception"
check "Exception marks both remaining rows of the program" until_eq 2 marked_rows vtxsample.exe
import -window root "$VTX_LOGDIR/applications-after.png" 2>/dev/null

check "the window-menu exit command is delivered" quit_by_window_menu
check "Vitrex quits" wait_app_gone
finish
