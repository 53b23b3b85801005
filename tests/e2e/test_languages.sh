# The languages: a first start speaks English and offers the languages on its welcome page;
# choosing Deutsch there turns the window German at once and drops the placeholder; the quit stores
# the display name and the next start is German. Without any language file the program says so
# and ends.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
key='Software\Vitrex'

# The texts of the main window's controls, one a line.
control_texts() { probe children "${target[@]}" | awk -F'\t' '{ print $7 }'; }
shows() { control_texts | grep -qxF "$1"; }
lacks() { ! shows "$1"; }
says() { shows "$1" && echo yes; }
# The chosen entry of a combo box, as item=TEXT.
chosen() {
    local listing
    listing=$(probe combo --hwnd "$1")
    grep '^item=' <<<"$listing" | sed -n "$(($(field selected "$listing") + 1))p"
}
offers() { probe combo --hwnd "$1" | grep -qxF "item=$2"; }
not_offered() { ! offers "$@"; }
# The combo box whose entries include $1.
combo_holding() {
    local hwnd
    for hwnd in $(probe children "${target[@]}" | awk -F'\t' '$3 == "ComboBox" { print $1 }'); do
        if probe combo --hwnd "$hwnd" | grep -qxF "item=$1"; then
            echo "$hwnd"
            return 0
        fi
    done
    return 1
}

start_app
require "a first start shows the window" wait_window "${target[@]}" --visible --timeout 30000
check "the captions are English" shows "Show CPU Usage"
welcome=$(combo_holding "Select Language")
require "the welcome page offers the languages" test -n "$welcome"
items=$(probe combo --hwnd "$welcome")
check_eq "with the placeholder chosen first" "$(field selected "$items")" 0
check "English is offered" grep -qxF "item=English" <<<"$items"
check "Deutsch is offered" grep -qxF "item=Deutsch" <<<"$items"
deutsch=$(grep '^item=' <<<"$items" | grep -nxF 'item=Deutsch' | cut -d: -f1)
probe combo --hwnd "$welcome" --select $((deutsch - 1)) >/dev/null
check "choosing Deutsch turns the window German at once" until_eq yes says "CPU-Last anzeigen"
check "the placeholder is gone" not_offered "$welcome" "Select Language"
check_eq "the welcome box keeps Deutsch chosen" "$(chosen "$welcome")" "item=Deutsch"
settings_box=$(combo_holding "Mehr...")
check "the settings page's box ends with the German entry for more languages" test -n "$settings_box"
check_eq "and has Deutsch chosen" "$(chosen "$settings_box")" "item=Deutsch"
quit_by_window_menu
require "the quit ends the program" wait_app_gone
check_eq "the quit stores the display name" "$(field data "$(probe reg "$key" Language)")" "Deutsch"

start_app
require "a second start makes its window" wait_window "${target[@]}" --timeout 30000
check "the next start is German" shows "CPU-Last anzeigen"
check "and no English caption is left behind" lacks "Show CPU Usage"
quit_by_window_menu
require "the second run ends" wait_app_gone

# The program alone in a folder without languages.
alone=$VTX_LOGDIR/alone
mkdir -p "$alone"
cp "$VTX_E2E_EXE" "$alone/"
VTX_E2E_EXE=$alone/$(basename "$VTX_E2E_EXE")
start_app
require "the fatal message shows" probe wait --class '#32770' --visible --timeout 20000
box=$(field hwnd "$(probe find --class '#32770')")
check "it names the missing language file" grep -qF 'Fatal Error: No language file found. Please reinstall the program.' \
    <<<"$(probe children --hwnd "$box")"
probe close --hwnd "$box" >/dev/null
check "the program ends once the message is answered" wait_app_gone
finish
