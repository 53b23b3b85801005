#include "Target.h"

#include "Commands.h"
#include "Output.h"

namespace vitrex::probe {

HWND Target::Find() const {
    if (byHandle) return IsWindow(hwnd) ? hwnd : nullptr;
    return FindWindowW(byClass ? className.c_str() : nullptr, byTitle ? title.c_str() : nullptr);
}

std::string Target::Describe() const {
    if (byHandle) return "window " + HandleText(hwnd);
    std::string text = "window";
    if (byClass) text += " of class \"" + Utf8(className) + "\"";
    if (byTitle) text += " titled \"" + Utf8(title) + "\"";
    return text;
}

bool TakeTarget(Args& args, Target& target) {
    if (auto handle = args.Option(L"--hwnd")) {
        auto value = ParseNumber(*handle);
        if (!value) {
            Error("--hwnd wants a number such as 0x1A2B");
            return false;
        }
        target.hwnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*value));
        target.byHandle = true;
    }
    if (auto className = args.Option(L"--class")) {
        target.className = *className;
        target.byClass = true;
    }
    if (auto title = args.Option(L"--title")) {
        target.title = *title;
        target.byTitle = true;
    }
    if (!target.byHandle && !target.byClass && !target.byTitle) {
        Error("name the window with --class, --title or --hwnd");
        return false;
    }
    return true;
}

bool NoLeftovers(const Args& args) {
    if (args.Rest().empty()) return true;
    Error("unexpected argument \"" + Utf8(args.Rest().front()) + "\"");
    return false;
}

int ResolveTarget(Args& args, HWND& hwnd) {
    Target target;
    if (!TakeTarget(args, target) || !NoLeftovers(args)) return kMisuse;
    hwnd = target.Find();
    if (hwnd) return kDone;
    Error("no " + target.Describe());
    return kFailed;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 1000, &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

}  // namespace vitrex::probe
