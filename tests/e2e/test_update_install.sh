# update.exe replaces an installed older package: started from the program's folder (where the
# program saves its download) while the program runs, it waits for the program to end, installs
# the package it carries over the older one and starts the installed program, whose settings are
# the user's. The program's own part (the check, the download, the digest, the quit) has its own
# tests; here its quit is the "close" it receives. update.exe is VITREX_E2E_UPDATE, else dist/update.exe;
# the older package is made from the same program with scripts/package --msi-version.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dist=$(dirname "$(dirname "$VTX_E2E_EXE")")
update=${VITREX_E2E_UPDATE:-$dist/update.exe}
require "update.exe exists (scripts/package)" test -f "$update"
old=$(older_package "$dist")
require "an older package is made" test -f "$old"

folder="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Vitrex"
target=(--class TVTXForm)
key='Software\Vitrex'
installed_version() { installed_versions | head -n 1; }

check "the older package installs" timeout 120 wine msiexec /i "$(winepath -w "$old")" /qn
check_eq "its version is recorded" "$(installed_version)" 0.0.1

VTX_E2E_EXE=$folder/Vitrex.exe
start_app
require "the installed program shows its window" wait_window "${target[@]}" --visible --timeout 30000
check_eq "it quits on close" "$(second_start close)" 0
check "and ends" wait_app_gone
# Changed while no program runs, which would save its own values over it on quitting.
check "a setting of the user's is changed" wine reg add 'HKCU\Software\Vitrex' /v AB_ActiveWindow /t REG_DWORD /d 42 /f
start_app
require "the program runs again" wait_window "${target[@]}" --timeout 30000
cp "$update" "$folder/update.exe"

(cd "$folder" && exec wine ./update.exe) </dev/null >>"$VTX_LOGDIR/update.log" 2>&1 &
check_eq "the program is asked to quit, as it does after starting the update" "$(second_start close)" 0
check "it ends" wait_app_gone

# update.exe hands over to a copy in a private folder in the temporary folder and ends; that copy
# installs.
# The carried package's version: MAJOR.MINOR.BUILD of Version.h, as scripts/package stamps it.
constant() { sed -n "s/.*$1 = \"\\([^\"]*\\)\".*/\\1/p" "$repo/src/core/app/Version.h"; }
want=$(grep -oE '^[0-9]+\.[0-9]+' <<<"$(constant kVersionText)").$((10#$(constant kBuildNumber)))
newer() { [ "$(installed_version)" = "$want" ]; }
replaced() {
    local deadline=$((SECONDS + 120))
    while [ $SECONDS -lt $deadline ]; do
        newer && return 0
        sleep 1
    done
    return 1
}
check "the carried package replaces the older one" replaced
echo "# installed version: $(installed_version)"
APP_PID=
check "the installed program is started again" wait_window "${target[@]}" --timeout 60000
check "the program is in place" test -f "$folder/Vitrex.exe" -a -f "$folder/languages/en.ini"
check_eq "one package of it is installed" "$(installed_versions | wc -l)" 1
temp=$(winepath -u "$(wine cmd /d /c echo %TEMP% | tr -d '\r')")
check "the temporary folder is found" test -d "$temp"
# Its work is done in a private folder of a random name, which goes with the copy and the package.
no_private_folder() { [ -z "$(ls -d "$temp"/Vitrex-update-* 2>/dev/null)" ]; }
check "the private working folder is removed with everything in it" vtx_wait_until 40 no_private_folder
check_eq "the new program quits on close" "$(second_start close)" 0
check "the new program ends" probe wait "${target[@]}" --gone --timeout 20000
check_eq "having read and kept the user's setting" "$(field data "$(probe reg "$key" AB_ActiveWindow)")" 42
finish
