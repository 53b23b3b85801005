# Nothing is lost and nothing grows without bound: a setting of the wrong type neither hides the
# program nor stops its start-up (it loads as its default with one crash-log entry) and is stored
# with its type at the next quit, every other value as it was; a removed command slot is put back
# without overwriting any setting; with the settings key refusing writes, the failing command poll
# stays one counted crash-log entry, and a second start that cannot hand over its command says so
# and exits non-zero.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
key='Software\Vitrex'
# The exceptions list is stored back in the program's own form (each entry ends with CR LF), so it
# is compared by its entries (list_data).
kept=(SC_AoT_On SC_AoT_Off SC_Transparency SC_AoT UpdateCheck HideProgram AB_ActiveWindow AB_InActiveWindow AB_TaskBar
      SYSTRAY)

reg_add() { wine reg add "HKCU\\$key" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1; }
snapshot() {
    local name
    for name in "$@"; do echo "$name $(probe reg "$key" "$name" | tr '\n' ' ')"; done
}
second_start_output() { (cd "$(dirname "$VTX_E2E_EXE")" && timeout 20 wine "$VTX_E2E_EXE" "$@" </dev/null 2>&1); }
# The debug page's list box: the one whose first line is the log's title.
crash_log_list() {
    local hwnd
    for hwnd in $(probe children "${target[@]}" | awk -F'\t' '$3 == "ListBox" { print $1 }'); do
        if probe listbox --hwnd "$hwnd" | grep -q '^item=Vitrex v0.21 PreBuild Log$'; then
            echo "$hwnd"
            return 0
        fi
    done
    return 1
}
list_data() { field data "$(probe reg "$key" NoABList)" | sed 's/\\r\\n$//'; }
levels() { snapshot AB_ActiveWindow AB_InActiveWindow; }
tray_shown() { xdotool search --name 'Wine System Tray' >/dev/null 2>&1; }

start_app
require "a first start writes the settings" wait_window "${target[@]}" --visible --timeout 30000
quit_by_window_menu
require "the first start ends" wait_app_gone

reg_add NoABList REG_SZ 'game.exe'
reg_add SC_AoT_On REG_DWORD 16496
reg_add SC_AoT_Off REG_DWORD 16497
reg_add SC_Transparency REG_DWORD 1
reg_add SC_AoT REG_DWORD 1
reg_add UpdateCheck REG_DWORD 0
reg_add HideProgram REG_DWORD 0
reg_add AB_ActiveWindow REG_DWORD 30
reg_add AB_InActiveWindow REG_DWORD 40
reg_add AB_TaskBar REG_DWORD 30
reg_add SYSTRAY REG_DWORD 1
before=$(snapshot "${kept[@]}")
levels_before=$(levels)

# CPU_TIME as text, as `reg add ... /t REG_SZ /d 10` writes it, with "Hide at Startup" off.
reg_add CPU_TIME REG_SZ 10
start_app
check "with CPU_TIME as REG_SZ the window shows" wait_window "${target[@]}" --visible --timeout 30000
check "and the tray icon" vtx_wait_until 10 tray_shown
list=$(crash_log_list)
log=$(probe listbox --hwnd "$list")
check "one crash-log entry names CPU_TIME" grep -q "^item=.*'CPU_TIME'" <<<"$log"
check_eq "and it is the only one" "$(field count "$log")" 6
check "the crash log's list scrolls sideways (WS_HSCROLL)" has_bits "$(field style "$(probe find --hwnd "$list")")" 0x00100000
quit_by_window_menu
check "Vitrex quits" wait_app_gone
check_eq "CPU_TIME is a REG_DWORD again" "$(field type "$(probe reg "$key" CPU_TIME)")" REG_DWORD
after=$(snapshot "${kept[@]}")
if [ "$after" = "$before" ]; then
    pass "every other value keeps what it held"
else
    fail "values changed at quit: $(diff <(echo "$before") <(echo "$after") | tr '\n' ' ')"
fi
check_eq "and the exceptions list keeps its entry" "$(list_data)" game.exe

# A cleaner removes the command slot alone: the next start writes it back, and nothing else.
wine reg delete "HKCU\\$key" /v ApplicationCommand /f >/dev/null 2>&1
require "the command slot is gone" bash -c "! wine reg query 'HKCU\\$key' /v ApplicationCommand >/dev/null 2>&1"
start_app
require "Vitrex starts without its command slot" wait_window "${target[@]}" --visible --timeout 30000
check "the slot is back" command_polled
check_eq "the levels are kept" "$(levels)" "$levels_before"
check_eq "and the exceptions list" "$(list_data)" game.exe
quit_by_window_menu
check "Vitrex quits" wait_app_gone
check_eq "after the quit the levels are still kept" "$(levels)" "$levels_before"
check_eq "and the exceptions list" "$(list_data)" game.exe

# A key that refuses writes: the poll fails every second, the log stays one counted entry.
reg_add AB_ActiveWindow REG_DWORD 10
start_app
require "Vitrex starts" wait_window "${target[@]}" --timeout 30000
require "the settings key is made read-only" probe regprotect "$key" --read-only
output=$(second_start_output config)
code=$?
check "a second start that cannot write its command exits non-zero (got $code)" test "$code" -ne 0
check "and says why on its error output" grep -q 'could not be handed to the running instance' <<<"$output"
list=$(crash_log_list)
require "the crash log's list box is found" test -n "$list"
log_count() { field count "$(probe listbox --hwnd "$list")"; }
# How often the last counted entry has happened; nothing before it repeats.
repeats() { probe listbox --hwnd "$list" | sed -nE 's/^item=.* \(([0-9]+) times, last at .*/\1/p' | tail -n 1; }
repeats_at_least() { [ "$(repeats)" -ge "$1" ] 2>/dev/null; }
# A minute of polls on a fake clock is the host's test; here a few real ones show the same.
require "the failing poll repeats and is counted in its entry" vtx_wait_until 15 repeats_at_least 2
first=$(log_count)
seen=$(repeats)
check_ge "the failing poll is in the log" "$first" 6
check "it goes on failing once a second" vtx_wait_until 15 repeats_at_least $((seen + 2))
check_eq "and the log has not grown" "$(log_count)" "$first"
probe regprotect "$key" --writable >/dev/null
quit_by_window_menu
check "Vitrex quits once the key is writable again" wait_app_gone
finish
