// Input a user gives a control, delivered from outside: a button pressed, an edit typed into, a
// key pressed on a window that has its own keyboard handling; and the list of top-level windows,
// for windows whose title or class is not known in advance (a message box, a notice).
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "Commands.h"
#include "Output.h"
#include "Target.h"

namespace vitrex::probe {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

BOOL CALLBACK ListOne(HWND hwnd, LPARAM lParam) {
    const auto* wanted = reinterpret_cast<const std::wstring*>(lParam);
    const std::wstring className = ClassOf(hwnd);
    if (!wanted->empty() && className != *wanted) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    Line(HandleText(hwnd) + "\t" + Utf8(className) + "\t" + std::to_string(pid) + "\t" +
         (IsWindowVisible(hwnd) ? "1" : "0") + "\t" + Escaped(TextOf(hwnd)));
    return TRUE;
}

// A UTF-8 file's text, for texts longer than a command line carries.
std::optional<std::wstring> FileText(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty()) return std::wstring();
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

}  // namespace

// Posted, as a click arrives: a handler that opens a modal window does not hold up the probe.
int ClickCommand(Args& args) {
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    if (!PostMessageW(hwnd, BM_CLICK, 0, 0)) {
        Field("error", static_cast<long long>(GetLastError()));
        return kFailed;
    }
    Field("posted", 1);
    return kDone;
}

// Sent, so the text is in place when the probe ends; the owner hears EN_CHANGE as for typing.
int SetTextCommand(Args& args) {
    auto text = args.Option(L"--text");
    if (auto file = args.Option(L"--file")) {
        text = FileText(*file);
        if (!text) {
            Error("settext cannot read the file");
            return kFailed;
        }
    }
    if (!text) {
        Error("settext wants --text TEXT or --file UTF8-FILE");
        return kMisuse;
    }
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text->c_str()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &result)) {
        Field("error", static_cast<long long>(GetLastError()));
        return kFailed;
    }
    // A multi-line edit says nothing of text set this way; typing would have raised EN_CHANGE.
    if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_MULTILINE) != 0) {
        const auto id = static_cast<WORD>(GetDlgCtrlID(hwnd));
        SendMessageTimeoutW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE),
                            reinterpret_cast<LPARAM>(hwnd), SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
    }
    Field("result", static_cast<long long>(result));
    return kDone;
}

// A key press and release posted to the window, whatever has the focus.
int KeyCommand(Args& args) {
    auto vkText = args.Option(L"--vk");
    auto vk = vkText ? ParseNumber(*vkText) : std::nullopt;
    if (!vk) {
        Error("key wants --vk NUMBER");
        return kMisuse;
    }
    HWND hwnd = nullptr;
    if (int code = ResolveTarget(args, hwnd); code != kDone) return code;
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(*vk), MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    const LPARAM up = down | (1LL << 30) | (1LL << 31);
    if (!PostMessageW(hwnd, WM_KEYDOWN, static_cast<WPARAM>(*vk), down) ||
        !PostMessageW(hwnd, WM_KEYUP, static_cast<WPARAM>(*vk), up)) {
        Field("error", static_cast<long long>(GetLastError()));
        return kFailed;
    }
    Field("posted", 1);
    return kDone;
}

int WindowsCommand(Args& args) {
    const std::wstring wanted = args.Option(L"--class").value_or(L"");
    if (!NoLeftovers(args)) return kMisuse;
    EnumWindows(ListOne, reinterpret_cast<LPARAM>(&wanted));
    return kDone;
}

}  // namespace vitrex::probe
