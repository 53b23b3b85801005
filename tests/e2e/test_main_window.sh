# The main window on a first start: class and caption, a fixed border with only the window menu
# and the minimise button, the client size at 96 DPI, the real controls made for the widgets.
# Closing it only hides it: the program goes on in the notification area.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The title carries the CPU read-out after the first second, so the class finds the window.
target=(--class TVTXForm)

start_app
require "the main window appears" wait_window "${target[@]}" --timeout 30000
info=$(probe find "${target[@]}")
echo "$info" | sed 's/^/# /'

check_eq "a first start shows the window" "$(field visible "$info")" 1
style=$(field style "$info")
check "no sizing border (WS_THICKFRAME clear)" lacks_bits "$style" 0x00040000
check "no maximise button (WS_MAXIMIZEBOX clear)" lacks_bits "$style" 0x00010000
check "window menu (WS_SYSMENU)" has_bits "$style" 0x00080000
check "minimise button (WS_MINIMIZEBOX)" has_bits "$style" 0x00020000
check "a caption (WS_CAPTION)" has_bits "$style" 0x00C00000
check_eq "the fresh prefix runs at 96 DPI" "$(field sysdpi "$info")" 96
check_eq "client area at 96 DPI" "$(field client "$info")" 531x333

children=$(probe children "${target[@]}")
echo "$children" | cut -f 3,4,5,7 | sed 's/^/# child: /'
check_ge "a tab control" "$(cut -f 3 <<<"$children" | grep -cx SysTabControl32)" 1
check_ge "buttons" "$(cut -f 3 <<<"$children" | grep -cx Button)" 2

check "WM_CLOSE is delivered" probe close "${target[@]}"
check "closing hides the window" wait_window "${target[@]}" --hidden --timeout 5000
check "the program keeps polling its commands after it" command_polled
check "the program keeps running" app_running
check_eq "the window still exists, hidden" "$(field visible "$(probe find "${target[@]}")")" 0
finish
