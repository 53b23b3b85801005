# Nothing is lost and nothing grows without bound: a setting that cannot be read stops start-up
# at its step, and the next quit leaves every value start-up never loaded as it was; with the
# settings key refusing writes, the failing command poll stays one counted crash-log entry, and a
# second start that cannot hand over its command says so and exits non-zero.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
key='Software\Vitrex'
kept=(NoABList SC_AoT_On SC_AoT_Off SC_Transparency SC_AoT UpdateCheck HideProgram AB_InActiveWindow AB_TaskBar)

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
reg_add HideProgram REG_DWORD 1
reg_add AB_InActiveWindow REG_DWORD 40
reg_add AB_TaskBar REG_DWORD 30
before=$(snapshot "${kept[@]}")

for bad in "REG_SZ abc" "REG_BINARY 01020304"; do
    read -r type data <<<"$bad"
    reg_add AB_ActiveWindow "$type" "$data"
    stored=$(snapshot AB_ActiveWindow)
    start_app
    require "Vitrex starts with AB_ActiveWindow as $type" wait_window "${target[@]}" --timeout 30000
    second_start close >/dev/null
    check "a second start \"close\" ends it" wait_app_gone
    check_eq "the unreadable AB_ActiveWindow ($type) is left as it was" "$(snapshot AB_ActiveWindow)" "$stored"
    after=$(snapshot "${kept[@]}")
    if [ "$after" = "$before" ]; then
        pass "every value start-up never loaded keeps what it held ($type)"
    else
        fail "values changed at quit ($type): $(diff <(echo "$before") <(echo "$after") | tr '\n' ' ')"
    fi
done

# A key that refuses writes: the poll fails every second, the log stays one counted entry.
reg_add AB_ActiveWindow REG_DWORD 10
start_app
require "Vitrex starts" wait_window "${target[@]}" --timeout 30000
require "the settings key is made read-only" probe regprotect "$key" --read-only
output=$(second_start_output config)
code=$?
check "a second start that cannot write its command exits non-zero (got $code)" test "$code" -ne 0
check "and says why on its error output" grep -q 'could not be handed to the running instance' <<<"$output"
sleep 3
list=$(crash_log_list)
require "the crash log's list box is found" test -n "$list"
first=$(field count "$(probe listbox --hwnd "$list")")
check_ge "the failing poll is in the log" "$first" 6
sleep 60
log=$(probe listbox --hwnd "$list")
check_eq "a minute later the log has not grown" "$(field count "$log")" "$first"
check "the entry counts the repeats" grep -qE '^item=.* \([0-9]+ times, last at ' <<<"$log"
probe regprotect "$key" --writable >/dev/null
quit_by_window_menu
check "Vitrex quits once the key is writable again" wait_app_gone
finish
