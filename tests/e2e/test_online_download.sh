# The update's download against the project's server: a throttled download shows its progress and
# is cancelled at once, leaving the page as before it and no half file; a whole download with the
# offered digest is started and Vitrex ends with its settings saved.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/online.sh"

key='Software\Vitrex'

open_update_page

# A slow download: progress, then a cancel that takes effect at once.
control "throttle=4000"
probe click --hwnd "$update_button" >/dev/null
check "the progress bar shows during the download" vtx_wait_until 10 shown "$progress"
check "the cancel button shows" shown "$cancel_button"
check "the update button is hidden meanwhile" hidden "$update_button"
check "the speed shows" vtx_wait_until 10 speed_shown
check_eq "the window answers during the download" "$(field answered "$(probe ping "${target[@]}")")" 1
probe click --hwnd "$cancel_button" >/dev/null
check "after the cancel the update button is back" vtx_wait_until 5 shown "$update_button"
check "and the manual update button" shown "$manual_button"
check "the cancel button and the progress bar are hidden" eval 'hidden "$cancel_button" && hidden "$progress"'
check "the speed label is hidden" eval '! speed_shown'
check "no half installer is left" vtx_wait_until 5 test ! -e "$installer"
check "nothing was started" test ! -e "$marker"
check "no message box came up" test -z "$(message_boxes)"
control "clear=1"

# The right file: started, and Vitrex ends with its settings saved (a value removed while it ran
# is written again at the end).
wine reg delete "HKCU\\$key" /v AB_ActiveWindow /f >/dev/null 2>&1
check "AB_ActiveWindow is removed for the moment" test -z "$(field data "$(probe reg "$key" AB_ActiveWindow)")"
probe click --hwnd "$update_button" >/dev/null
check "Vitrex ends for the installer" vtx_wait_until 30 eval '! app_running'
check "the downloaded installer was started" vtx_wait_until 20 test -e "$marker"
check "its settings were saved at the end" test -n "$(field data "$(probe reg "$key" AB_ActiveWindow)")"
finish
