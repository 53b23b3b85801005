# Settings from the first start to the quit: the first start writes the defaults and welcomes
# the user; closing only hides; the exit entry of the window menu saves and ends the program; a
# second start with the stored defaults stays hidden; a log-off request saves and quits.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The title carries the CPU read-out after the first second, so the class finds the window.
target=(--class TVTXForm)
key='Software\Vitrex'

# The names of the values under the settings key, one a line.
value_names() { probe reg "$key" | awk -F'\t' '$1 == "value" { print $2 }'; }
reg_data() { field data "$(probe reg "$key" "$1")"; }

start_app
require "the main window appears" wait_window "${target[@]}" --visible --timeout 30000
names=$(value_names)
echo "$names" | tr '\n' ' ' | sed 's/^/# values: /'
echo
check_eq "a first start writes nineteen values" "$(grep -c . <<<"$names")" 19
check_eq "HideProgram defaults to true" "$(reg_data HideProgram)" 1
check_eq "SC_AoT_On defaults to Ctrl+Alt+F1" "$(reg_data SC_AoT_On)" 49264
check "no language is stored before the first quit" bash -c "! grep -qx Language <<<'$names'"
children=$(probe children "${target[@]}")
check "the welcome page shows its heading" grep -q $'\t1\t.*\tVitrex - First Steps$' <<<"$children"

check "WM_CLOSE is delivered" probe close "${target[@]}"
check "closing hides the window" wait_window "${target[@]}" --hidden --timeout 5000
check "the program keeps running" app_running

check "the window-menu exit command is delivered" quit_by_window_menu
check "the exit command ends the program" wait_app_gone
check "the quit saved the settings (Language is written at quit)" bash -c "grep -qx Language <<<'$(value_names)'"
check_eq "the quit did not add an autostart entry" \
    "$(probe reg 'Software\Microsoft\Windows\CurrentVersion\Run' Vitrex >/dev/null 2>&1; echo $?)" 1

start_app
check "a second start creates its window" wait_window "${target[@]}" --timeout 30000
check "its start-up is over: it polls its commands" command_polled
check_eq "a second start with the stored defaults stays hidden" \
    "$(field visible "$(probe find "${target[@]}")")" 0

wine reg delete 'HKCU\Software\Vitrex' /v ChangeProcessAB /f >/dev/null 2>&1
answer=$(probe queryend "${target[@]}")
check_eq "the log-off question is answered yes" "$(field result "$answer")" 1
check "the log-off request ends the program" wait_app_gone
check_eq "the log-off request saved the settings" "$(reg_data ChangeProcessAB)" 0
finish
