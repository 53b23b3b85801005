# The per-user package under Wine: a silent install puts the program, its languages and a
# Start-menu shortcut (with the argument "config") into the user's folders; the installed program starts; a silent uninstall
# while it runs ends it, removes its files, its autostart value and what it wrote beside itself,
# and keeps its settings. The package is VITREX_E2E_MSI, else the Vitrex-*.msi beside the program's
# folder in dist/ (scripts/package makes it).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

dist=$(dirname "$(dirname "$VTX_E2E_EXE")")
msi=${VITREX_E2E_MSI:-$(ls "$dist"/Vitrex-*.msi 2>/dev/null | head -n 1)}
require "the package exists (scripts/package)" test -f "$msi"

user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
folder="$user_dir/AppData/Local/Programs/Vitrex"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vitrex.lnk"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
target=(--class TVTXForm)

msiexec() { timeout 120 wine msiexec "$@" /qn </dev/null >>"$VTX_LOGDIR/msiexec.log" 2>&1; }
run_value() { wine reg query "$run_key" /v Vitrex >/dev/null 2>&1; }

check "the silent install succeeds" msiexec /i "$(winepath -w "$msi")"
check "the program is installed" test -f "$folder/Vitrex.exe"
check "with its language files" test -f "$folder/languages/en.ini" -a -f "$folder/languages/de.ini"
check "and a Start-menu shortcut" test -f "$shortcut"
# The link's arguments are UTF-16 text in the file: "config" shows the window, running or not.
check "the shortcut starts the program with config" bash -c "strings -el '$shortcut' | grep -qx config"

VTX_E2E_EXE=$folder/Vitrex.exe
start_app
require "the installed program shows its window" wait_window "${target[@]}" --visible --timeout 30000
check "it wrote its settings" command_polled
# What the program itself may leave in its folder and in the registry.
wine reg add "$run_key" /v Vitrex /t REG_SZ /d "\"$(winepath -w "$folder/Vitrex.exe")\"" /f >/dev/null 2>&1
echo "a stale update" >"$folder/update.exe"
echo "a failure" >"$folder/exceptions.log"
require "the autostart value is set" run_value

check "the silent uninstall succeeds while the program runs" msiexec /x "$(winepath -w "$msi")"
check "the running program was ended" wait_app_gone
check "the program's folder is gone" test ! -e "$folder"
check "the shortcut is gone" test ! -e "$shortcut"
check "the autostart value is gone" bash -c "! wine reg query '$run_key' /v Vitrex >/dev/null 2>&1"
check "the settings are kept" probe reg 'Software\Vitrex' Language

# The package installs again over nothing and removes itself cleanly without a running program.
check "a second install succeeds" msiexec /i "$(winepath -w "$msi")"
check "a second uninstall succeeds" msiexec /x "$(winepath -w "$msi")"
check "and leaves no folder" test ! -e "$folder"
finish
