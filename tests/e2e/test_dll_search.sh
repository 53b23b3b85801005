# Neither executable takes a system DLL from its own folder. Statically they import only the
# system's known DLLs and restrict the search to System32 first thing; the DLLs they need besides
# (the common controls, which import the theme library, WinHTTP, CNG) are loaded on first use,
# from System32. Shown from outside: a copy of the program with a winhttp.dll planted beside it,
# Wine told to prefer a DLL it finds over its own for that name, starts, checks for an update,
# draws its window and ends without loading it (the program with WinHTTP imported statically took
# the planted one at once and could not start).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

dist=$(dirname "$(dirname "$VTX_E2E_EXE")")
update=${VITREX_E2E_UPDATE:-$dist/update.exe}
known='ADVAPI32.dll comdlg32.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll OLEAUT32.dll SHELL32.dll USER32.dll'
# Only winhttp.dll, which nothing but the program loads: under Wine the system's own DLLs load
# uxtheme.dll and bcrypt.dll by themselves, by Wine's own search (a copy planted beside the program
# was taken even while the program did not import it at all), and the side-by-side common controls
# do not come up when Wine is told to prefer found DLLs. The program loads all of them only on
# first use, which the import tables above show.
planted=(winhttp.dll)

# static_imports EXE: the DLLs its import table names (the delay-load table not counted).
static_imports() {
    x86_64-w64-mingw32-objdump -p "$1" | awk '/^The / { on = /^The Import Tables/ } on && /DLL Name:/ { print $3 }'
}
for exe in "$VTX_E2E_EXE" "$update"; do
    name=$(basename "$exe")
    require "$name exists" test -f "$exe"
    unknown=$(static_imports "$exe" | while read -r dll; do [[ " $known " == *" $dll "* ]] || echo "$dll"; done)
    check_eq "$name imports no DLL outside the known ones statically" "$unknown" ""
    check "$name restricts the DLL search" eval 'x86_64-w64-mingw32-objdump -p "$exe" | grep -q SetDefaultDllDirectories'
done

# The planted copy, with Wine preferring a DLL it finds to its own for these names.
folder=$VTX_LOGDIR/planted
mkdir -p "$folder"
cp -r "$(dirname "$VTX_E2E_EXE")"/. "$folder/"
for dll in "${planted[@]}"; do cp "$(dirname "$VTX_PROBE")/vtxplant.dll" "$folder/$dll"; done
VTX_E2E_EXE=$folder/$(basename "$VTX_E2E_EXE")
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winhttp=n,b"
# Nothing listens on port 9: the start-up check's request fails at once, after WinHTTP is loaded.
export VITREX_SERVER_URL=http://127.0.0.1:9/
start_app
require "the planted copy starts" wait_window --class TVTXForm --visible --timeout 30000
# The debug page's crash log holds the failed check once WinHTTP has done its part.
update_check_failed() {
    local list
    for list in $(probe children --class TVTXForm | awk -F'\t' '$3 == "ListBox" { print $1 }'); do
        probe listbox --hwnd "$list" | grep -q 'HttpError' && return 0
    done
    return 1
}
check "its update check ran (and failed: nothing listens)" vtx_wait_until 20 update_check_failed
quit_by_window_menu
check "it ends" wait_app_gone
for dll in "${planted[@]}"; do
    check "the planted $dll was not loaded" test ! -e "$folder/$dll.loaded"
done
finish
