#include "UiTestSupport.h"

#include <filesystem>
#include <fstream>
#include <thread>
#include "../../common/WaitUntil.h"

namespace vitrex::win32::testing {

namespace {

constexpr char kManifest[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                        processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>
</assembly>
)";

}  // namespace

CommonControls6Scope::CommonControls6Scope() {
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::filesystem::path path = std::filesystem::path(folder) / L"vitrex-binder-tests.manifest";
    std::ofstream(path, std::ios::binary) << kManifest;
    ACTCTXW context{};
    context.cbSize = sizeof context;
    const std::wstring source = path.wstring();
    context.lpSource = source.c_str();
    context_ = ::CreateActCtxW(&context);
    if (context_ != INVALID_HANDLE_VALUE) ::ActivateActCtx(context_, &cookie_);
}

CommonControls6Scope::~CommonControls6Scope() {
    if (context_ == INVALID_HANDLE_VALUE) return;
    ::DeactivateActCtx(0, cookie_);
    ::ReleaseActCtx(context_);
}

void Pump() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave it for the test that looks for it.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    return vitrex::testing::WaitUntil(done, limit, [] {
        Pump();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    });
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LONG_PTR StyleOf(HWND window) {
    return ::GetWindowLongPtrW(window, GWL_STYLE);
}

RECT ClientRectOf(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void NotifyParent(HWND control, UINT code) {
    ::SendMessageW(::GetParent(control), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), code),
                   reinterpret_cast<LPARAM>(control));
}

}  // namespace vitrex::win32::testing
