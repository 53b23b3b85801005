// vtxprobe: looks at and pokes the windows of another program from outside, for the end-to-end
// tests. Output is UTF-8 `key=value` lines (LF only); exit code 0 done, 1 failed, 2 misuse.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Commands.h"
#include "Output.h"

namespace {

constexpr const char* kUsage =
    "usage: vtxprobe COMMAND [OPTIONS]\n"
    "  find     TARGET                 hwnd, class, title, pid, style, exstyle, visible, dpi, sysdpi,\n"
    "                                  client=WxH, rect=l,t,r,b\n"
    "  children TARGET                 one row per child: hwnd parent class id visible x,y,w,h text\n"
    "  wait     TARGET [--visible|--hidden|--gone] [--timeout MS]   (default: until it exists; 10 s)\n"
    "  alpha    TARGET                 layered=, alpha=, flags= (error=1400 when not layered)\n"
    "  close    TARGET [--send]        WM_CLOSE (posted; --send waits and prints result=)\n"
    "  syscmd   TARGET --id ID [--send]   WM_SYSCOMMAND; ID a number or SC_CLOSE/SC_MINIMIZE/...\n"
    "  queryend TARGET [--logoff]      sends WM_QUERYENDSESSION, prints result=\n"
    "  reg      KEY [VALUE]            a value under HKEY_CURRENT_USER (type=, data=), or the key's list\n"
    "  listview TARGET [--index N]     count=, columns=, then per row: index, screen x,y, selected,\n"
    "                                  each column's image, each column's text (tab-separated)\n"
    "  point    TARGET --client X,Y    the screen position x=, y= of a client-area point\n"
    "  listbox  TARGET                 count=, then item= per entry of a list box\n"
    "  tabs     TARGET                 count= of the tabs a tab control shows\n"
    "  combo    TARGET [--select N]   count=, selected=, then item= per entry; --select chooses N as a\n"
    "                                  user does (the owner hears CBN_SELCHANGE)\n"
    "  foreground                     hwnd= and title= of the foreground window\n"
    "  menus                          count= of the open popup menus (class #32768)\n"
    "  ping     TARGET [--timeout MS] answered=1 when the window's thread answers in time (1000)\n"
    "  regprotect KEY --read-only|--writable   takes write access to a HKCU key away, or gives it back\n"
    "  click    TARGET                 BM_CLICK posted, as a user presses the button\n"
    "  settext  TARGET --text TEXT     WM_SETTEXT sent, as a user types into the edit\n"
    "           TARGET --file PATH     the same with the text of a UTF-8 file\n"
    "  key      TARGET --vk NUMBER     WM_KEYDOWN and WM_KEYUP of the virtual key, posted\n"
    "  windows  [--class NAME]         one row per top-level window: hwnd class pid visible title\n"
    "  process  TARGET                 the owner process's pid=, private=, workingset= (bytes), handles=,\n"
    "                                  gdi=, user=\n"
    "  move     TARGET --rect L,T,R,B  gives the window that rectangle (SetWindowPos, not activated)\n"
    "TARGET: --class NAME and/or --title TEXT (exact), or --hwnd 0xHANDLE\n";

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace vitrex::probe;
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // Real pixels, not coordinates scaled for a DPI-unaware caller.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);

    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return kMisuse;
    }
    std::wstring command = argv[1];
    Args args(std::vector<std::wstring>(argv + 2, argv + argc));
    int code = kMisuse;
    if (command == L"find") {
        code = FindCommand(args);
    } else if (command == L"children") {
        code = ChildrenCommand(args);
    } else if (command == L"wait") {
        code = WaitCommand(args);
    } else if (command == L"alpha") {
        code = AlphaCommand(args);
    } else if (command == L"close") {
        code = CloseCommand(args);
    } else if (command == L"syscmd") {
        code = SysCommandCommand(args);
    } else if (command == L"queryend") {
        code = QueryEndCommand(args);
    } else if (command == L"reg") {
        code = RegistryCommand(args);
    } else if (command == L"listview") {
        code = ListViewCommand(args);
    } else if (command == L"point") {
        code = PointCommand(args);
    } else if (command == L"listbox") {
        code = ListBoxCommand(args);
    } else if (command == L"tabs") {
        code = TabsCommand(args);
    } else if (command == L"combo") {
        code = ComboBoxCommand(args);
    } else if (command == L"foreground") {
        code = ForegroundCommand(args);
    } else if (command == L"menus") {
        code = MenusCommand(args);
    } else if (command == L"ping") {
        code = PingCommand(args);
    } else if (command == L"regprotect") {
        code = RegistryProtectCommand(args);
    } else if (command == L"click") {
        code = ClickCommand(args);
    } else if (command == L"settext") {
        code = SetTextCommand(args);
    } else if (command == L"key") {
        code = KeyCommand(args);
    } else if (command == L"windows") {
        code = WindowsCommand(args);
    } else if (command == L"process") {
        code = ProcessCommand(args);
    } else if (command == L"move") {
        code = MoveCommand(args);
    } else {
        std::fputs(kUsage, stderr);
    }
    std::fflush(stdout);
    return code;
}
