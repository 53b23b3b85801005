# The links and the web tab: the donation pictures and the about page's links reach the system's
# shell (a handler registered in this prefix for a scratch URL scheme and for mail records what it
# is given); the web tab, whose browser control finishes no page here, shows the message and a
# link to the page in the browser's place, and the program keeps answering meanwhile.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

target=(--class TVTXForm)
opened=$VTX_LOGDIR/opened.txt
: >"$opened"
recorder="C:\\windows\\system32\\cmd.exe /c echo \"%1\">>$(winepath -w "$opened" 2>/dev/null)"
for scheme in vtxtest mailto; do
    wine reg add "HKCR\\$scheme" /ve /d "URL:$scheme" /f >/dev/null 2>&1
    wine reg add "HKCR\\$scheme" /v "URL Protocol" /d "" /f >/dev/null 2>&1
    wine reg add "HKCR\\$scheme\\shell\\open\\command" /ve /d "$recorder" /f >/dev/null 2>&1
done
export VITREX_SERVER_URL=vtxtest://vitrex/

rows() { probe children "${target[@]}"; }
# The row of the visible control whose text is $1.
visible_row() { rows | text=$1 awk -F'\t' '$5 == "1" && $7 == ENVIRON["text"]' | head -n 1; }
shows() { test -n "$(visible_row "$1")"; }
# Clicks the middle of a control given by its row.
click_row() {
    local place x y w h point
    place=$(cut -f6 <<<"$1")
    IFS=, read -r x y w h <<<"$place"
    point=$(probe point "${target[@]}" --client $((x + w / 2)),$((y + h / 2)))
    xdotool mousemove "$(field x "$point")" "$(field y "$point")" click 1
}
click_client() {
    local point
    point=$(probe point "${target[@]}" --client "$1")
    xdotool mousemove "$(field x "$point")" "$(field y "$point")" click 1
}
was_opened() { grep -qxF "\"$1\"" <(tr -d '\r' <"$opened"); }
opened_soon() { vtx_wait_until 10 was_opened "$1"; }

start_app
require "the first start shows the window" wait_window "${target[@]}" --visible --timeout 30000

# The welcome page's donation picture: the only visible picture of its size.
picture=$(rows | awk -F'\t' '$3 == "Static" && $5 == "1" && $6 ~ /,110,40$/ && $7 == ""' | head -n 1)
require "the welcome page shows the donation picture" test -n "$picture"
click_row "$picture"
check "the donation picture opens the donation page" opened_soon "vtxtest://vitrex/page.php?paypal=1&language=en"

# "About Vitrex", the first item of the panel's second group.
click_client 70,173
require "the about page shows the homepage link" vtx_wait_until 5 shows vtxtest://vitrex/
import -window root "$VTX_LOGDIR/about.png" 2>/dev/null
click_row "$(visible_row vtxtest://vitrex/)"
check "the homepage link opens the server's root" opened_soon "vtxtest://vitrex/"
click_row "$(visible_row contact@vitrex.example.org)"
check "the mail link opens a mail to the contact mailbox" opened_soon "mailto:contact@vitrex.example.org"
translator=$(rows | awk -F'\t' '$5 == "1" && $7 ~ /^The Vitrex Project \(/' | head -n 1)
check "the translator is named with his address" test -n "$translator"
: >"$opened"
click_row "$translator"
check "the translator link opens a mail to the translator" opened_soon "mailto:contact@vitrex.example.org"
picture=$(rows | awk -F'\t' '$3 == "Static" && $5 == "1" && $6 ~ /,110,40$/ && $7 == ""' | head -n 1)
: >"$opened"
click_row "$picture"
check "the about page's donation picture opens the donation page" \
    opened_soon "vtxtest://vitrex/page.php?paypal=1&language=en"

# "Homepage", the fourth item of the same group. No page ever finishes here: the message takes
# the browser's place after its wait.
click_client 70,233
check "the program answers while the page loads" probe ping "${target[@]}" --timeout 1000
message="Couldn't download site!\\nPlease check your internet connection."
check "the message shows in the web tab" vtx_wait_until 20 shows "$message"
link=$(visible_row "Open the page in your web browser")
check "with a link to the page" test -n "$link"
check "the program answers afterwards" probe ping "${target[@]}" --timeout 1000
import -window root "$VTX_LOGDIR/web.png" 2>/dev/null
: >"$opened"
click_row "$link"
check "the link opens the page in the user's browser" opened_soon "vtxtest://vitrex/page.php?intern=1&language=en"

quit_by_window_menu
check "the quit ends the program" wait_app_gone
finish
