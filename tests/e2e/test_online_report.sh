# The bug report against the project's server: a report whose text holds "&", "=", "%", "+" and
# umlauts reaches the server's database exactly as typed, with the fallback mail when the field
# kept its placeholder, and the form keeps its contents after the success message.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

title='Tray & menu = broken'
body='Größe 100% & more=less + Übel'

require "the server starts" server_up --newest-build 0021
own_program
start_app
require "Vitrex starts" wait_window "${target[@]}" --visible --timeout 30000
open_report_page
check_eq "the mail field shows its placeholder" "$(text_of "${edits[1]}")" "(Only fill in if a answer is desired!)"

probe settext --hwnd "${edits[0]}" --text "$title" >/dev/null
probe combo --hwnd "$os_box" --select 1 >/dev/null
probe settext --hwnd "${edits[2]}" --text "$body" >/dev/null
controls >"$VTX_LOGDIR/controls-filled.txt"
probe click --hwnd "$(control_by Button Send)" >/dev/null

success_shown() { message_boxes | grep -q .; }
require "a message answers the sending" vtx_wait_until 20 success_shown
box=$(message_boxes | awk -F'\t' '{ print $1; exit }')
said=$(probe children --hwnd "$box")
echo "# the message: $(awk -F'\t' '{ print $NF }' <<<"$said" | tr '\n' ' ')"
check "it says the report was sent" grep -qF 'Bug report send sucessfully.' <<<"$said"
probe close --hwnd "$box" >/dev/null

row=$(sqlite3 -separator '|' "$DATABASE" "SELECT title, mail, os, text, language, buildnumber FROM reports ORDER BY id DESC LIMIT 1")
check_eq "the title reached the database as typed" "$(cut -d'|' -f1 <<<"$row")" "$title"
check_eq "the placeholder gave way to the project's mailbox" "$(cut -d'|' -f2 <<<"$row")" "contact@vitrex.example.org"
check_eq "the chosen system" "$(cut -d'|' -f3 <<<"$row")" "Windows XP Home Edition"
check_eq "the text with & = % + and umlauts reached the database as typed" "$(cut -d'|' -f4 <<<"$row")" "$body"
check_eq "with the language and the build" "$(cut -d'|' -f5,6 <<<"$row")" "en|0021"
check_eq "one report, no fields injected" "$(sqlite3 "$DATABASE" 'SELECT count(*) FROM reports')" 1
check_eq "the form keeps the title" "$(text_of "${edits[0]}")" "$title"
finish
