# Bug reports the server does not take, and the largest one the program sends: a report the
# server answers with "0" says so in a message and keeps every field; a 30,000-character text with
# "&" on every line is stored exactly as typed.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

title='Refused & kept'
body='Nothing typed is lost'

require "the server starts" server_up --newest-build 0021 --fault 'answer:0@/sendbug.php'
own_program
start_app
require "Vitrex starts" wait_window "${target[@]}" --visible --timeout 30000
open_report_page
probe settext --hwnd "${edits[0]}" --text "$title" >/dev/null
probe combo --hwnd "$os_box" --select 2 >/dev/null
probe settext --hwnd "${edits[2]}" --text "$body" >/dev/null

# said: the text of the message box that answers the sending, which is then closed.
said() {
    local box
    vtx_wait_until 20 eval '[ -n "$(message_boxes)" ]' || return 1
    box=$(message_boxes | awk -F'\t' '{ print $1; exit }')
    probe children --hwnd "$box" | awk -F'\t' '{ print $NF }' | tr '\n' ' '
    probe close --hwnd "$box" >/dev/null
}
probe click --hwnd "$(control_by Button Send)" >/dev/null
message=$(said)
echo "# the message: $message"
check "the refusal says the server did not accept the report" \
    grep -qF 'The server did not accept the bug report.' <<<"$message"
check "and is no connection failure" eval '! grep -qF "internet connection" <<<"$message"'
check_eq "the title is kept" "$(text_of "${edits[0]}")" "$title"
check_eq "the text is kept" "$(text_of "${edits[2]}")" "$body"
check_eq "nothing was stored" "$(sqlite3 "$DATABASE" 'SELECT count(*) FROM reports')" 0
check "the refusal is in the crash log" eval 'probe listbox --hwnd "$(crash_log_list)" | grep -qF "did not accept"'

# The longest text the field takes, "&" on every line: stored exactly.
control "clear=1"
long=$VTX_LOGDIR/long-report.txt
python3 - "$long" <<'PY'
import sys
lines, n = [], 0
while sum(len(l) + 2 for l in lines) < 30000:
    lines.append(f"line {n:05d}: a & b = c + 100% ä")
    n += 1
text = "\r\n".join(lines)[:30000]
open(sys.argv[1], "w", encoding="utf-8", newline="").write(text)
PY
check_eq "the text is 30,000 characters" "$(python3 -c 'import sys; print(len(open(sys.argv[1], encoding="utf-8", newline="").read()))' "$long")" 30000
probe settext --hwnd "${edits[2]}" --file "$long" >/dev/null
probe click --hwnd "$(control_by Button Send)" >/dev/null
message=$(said)
echo "# the message: $message"
check "the long report is sent" grep -qF 'Bug report send sucessfully.' <<<"$message"
check_eq "one report stored" "$(sqlite3 "$DATABASE" 'SELECT count(*) FROM reports')" 1
check_eq "its text is stored exactly as typed" \
    "$(sqlite3 "$DATABASE" "SELECT text = CAST(readfile('$long') AS TEXT) FROM reports")" 1
finish
