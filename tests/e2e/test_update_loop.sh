# The whole update, as a user meets it: an older package of the program is installed and runs; the
# user moves the active window's level; the project's server offers a newer build whose download is
# the real update.exe with its SHA-256. On the update page the program checks, downloads, verifies,
# starts update.exe and ends; update.exe waits for it, installs the package it carries over the
# older one and starts the installed program, which has the user's level. Nothing of the update is
# left behind. update.exe and the server's release folder are dist/'s (scripts/package); the
# installed older package carries the tests' program, which trusts the test key the update is
# signed with.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

dist=$(dirname "$(dirname "$VTX_E2E_EXE")")
update=${VITREX_E2E_UPDATE:-$dist/update.exe}
require "update.exe and the release folder exist (scripts/package)" test -f "$update" -a -d "$dist/release"
tests_program "$VTX_LOGDIR/dist/Vitrex"
old=$(older_package "$VTX_LOGDIR/dist")
require "an older package is made" test -f "$old"

constant() { sed -n "s/.*$1 = \"\\([^\"]*\\)\".*/\\1/p" "$e2e_repo/src/core/app/Version.h" | head -n 1; }
build=$(constant kBuildNumber)
# What update.exe carries: MAJOR.MINOR.BUILD of Version.h, as scripts/package stamps it.
want=$(grep -oE '^[0-9]+\.[0-9]+' <<<"$(constant kVersionText)").$((10#$build))
newer=$(printf '%04d' $((10#$build + 1)))

# The release folder with one build more, whose update file is the real update.exe.
cp -r "$dist/release" "$SERVER_DATA"
echo "$newer | 0.99 Loop | 8. Dezember 2026 | update-$newer.exe" >>"$SERVER_DATA/releases.txt"
cp "$update" "$SERVER_DATA/files/update-$newer.exe"
sign "$SERVER_DATA/files/update-$newer.exe"
for log in "$SERVER_DATA"/changelog/"$build".*.txt; do
    [ -e "$log" ] && cp "$log" "$SERVER_DATA/changelog/$newer.${log#*/"$build".}"
done

user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
folder="$user_dir/AppData/Local/Programs/Vitrex"
key='Software\Vitrex'
replaced() { [ "$(installed_versions)" = "$want" ]; }
# The command lines of the processes of this test's prefix whose command line matches $1.
prefix_processes() {
    local pid
    for pid in $(pgrep -f "$1"); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null
        echo
    done
}
running_programs() { prefix_processes 'Vitrex\.exe'; }
# The active window's level: the topmost shown track bar of the transparency page.
active_bar() {
    controls | awk -F'\t' '$3 == "msctls_trackbar32" && $5 == 1 { print $1 "\t" $6 }' |
        sort -t, -k2,2n | head -n 1 | cut -f1
}
# A level's caption on the transparency page names it: "Active Window (13%)".
caption_shows() { controls | awk -F'\t' '{ print $NF }' | grep -qF "($1%)"; }
level() { field data "$(probe reg "$key" AB_ActiveWindow)"; }
# check_shot DESCRIPTION CMD...: a check that, failing, leaves a screenshot of what the program shows.
check_shot() {
    local before=$vtx_failures
    check "$@"
    [ "$vtx_failures" = "$before" ] || import -window root "$VTX_LOGDIR/failed-$vtx_failures.png" 2>/dev/null
}
# require_shot DESCRIPTION CMD...: the same for a check that the rest of the test depends on.
require_shot() {
    local before=$vtx_failures
    check_shot "$@"
    [ "$vtx_failures" = "$before" ] || { echo "# giving up: later checks depend on this one"; finish; }
}
# within SECONDS CMD...: polls CMD until it succeeds, for at most SECONDS of the clock.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.5
    done
}
at() { echo "# at $SECONDS s: $1"; }

at "start"
require "the older package installs" timeout 120 wine msiexec /i "$(winepath -w "$old")" /qn
# Where update.exe leaves its working files: the user's temporary folder, as Wine has it.
temp=$(winepath -u "$(wine cmd /d /c echo %TEMP% | tr -d '\r')")
require "the temporary folder is found" test -d "$temp"
check_eq "it is the one version installed" "$(installed_versions)" 0.0.1

at "the older package is installed"
require "the server starts" server_up
VTX_E2E_EXE=$folder/Vitrex.exe
start_app
require "the installed program shows its window" wait_window "${target[@]}" --visible --timeout 30000
require "it has written its settings" command_polled
before=$(level)
TRANSPARENCY_ITEM=1
go_to_item "$TRANSPARENCY_ITEM"
bar_shown() { [ -n "$(active_bar)" ]; }
require "the transparency page shows the active level's track bar" vtx_wait_until 10 bar_shown
bar=$(active_bar)
require "the level is read from the settings" test -n "$before"
# Three steps up, as the arrow key moves it; saved when the program quits.
for step in 1 2 3; do probe key --hwnd "$bar" --vk 0x27 >/dev/null; done
moved=$((before + 3))
require "the level moves to $moved" vtx_wait_until 5 caption_shows "$moved"

at "the level is moved"
newer_shown() { controls | awk -F'\t' '$5 == 1' | grep -q '0.99 Loop'; }
load_page() {
    go_to_item "$UPDATE_ITEM"
    vtx_wait_until 15 newer_shown
}
check_shot "the update page offers the newer build" load_page
update_button=$(control_by Button Update)
require "its update button is found" test -n "$update_button"
at "the update page is loaded"
temp_listing() { ls -A "$temp" | tr '\n' ' '; }
temp_before=$(temp_listing)
probe click --hwnd "$update_button" >/dev/null
started=$SECONDS
require_shot "Vitrex ends for the update" within 60 eval '! app_running'
APP_PID=
at "Vitrex has ended after $((SECONDS - started)) s of download, check and quit"
# The installed program's own start-up check finds nothing newer any more.
control "newest=$build"

require_shot "the package replaces the older one" within 90 replaced
echo "# installed: $(installed_versions | tr '\n' ' ')"
check_shot "the new program is started" probe wait "${target[@]}" --timeout 60000
at "the new program has started"
check "it shows the level the user set" vtx_wait_until 10 caption_shows "$moved"
check "it runs from the install folder" vtx_wait_until 10 eval 'running_programs | grep -q "Programs.Vitrex.Vitrex\.exe"'
check_eq "as the one Vitrex" "$(running_programs | grep -c .)" 1
check "the program and its languages are in place" test -f "$folder/Vitrex.exe" -a -f "$folder/languages/en.ini"
check "update.exe's work is done, its removal included" within 30 eval '[ -z "$(prefix_processes Vitrex-update-)" ]'
check_eq "nothing new is left in the temporary folder" "$(temp_listing)" "$temp_before"
check_eq "nor in the program's folder" "$(ls -A "$folder" | tr '\n' ' ')" "Vitrex.exe languages "
check_shot "the new program quits on close" test "$(second_start close)" = 0
check "and has ended" vtx_wait_until 5 eval '[ -z "$(running_programs)" ]'
check_eq "the level the user set is kept" "$(level)" "$moved"
at "end"
finish
