#include "win32/platform/WindowIcon.h"

#include <shellapi.h>

#include <iterator>

#include "core/imaging/Compositing.h"
#include "win32/Dib.h"
#include "win32/UniqueHandle.h"

namespace vitrex::win32 {
namespace {

// The icon drawn over an opaque background of one colour.
std::optional<imaging::Bitmap> DrawOver(HICON icon, int size, COLORREF background) {
    DibSection dib(size, size);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dib || !dc) return std::nullopt;
    {
        SelectObjectScope select(dc.Get(), dib.Get());
        const RECT all{0, 0, size, size};
        UniqueBrush brush(::CreateSolidBrush(background));
        ::FillRect(dc.Get(), &all, brush.Get());
        if (!::DrawIconEx(dc.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL)) return std::nullopt;
    }
    return dib.Read();
}

// Whether the last SendMessageTimeout ran out of time rather than failing otherwise.
bool TimedOut() {
    return ::GetLastError() == ERROR_TIMEOUT;
}

struct Answer {
    HICON icon = nullptr;
    bool timedOut = false;
    bool refused = false;
};

Answer AskForIcon(HWND window, WPARAM which, UINT waitMs) {
    DWORD_PTR result = 0;
    ::SetLastError(0);
    if (::SendMessageTimeoutW(window, WM_GETICON, which, 0, SMTO_ABORTIFHUNG, waitMs, &result) != 0)
        return {reinterpret_cast<HICON>(result), false, false};
    if (TimedOut()) return {nullptr, true, false};
    // A window that is gone is no refusal.
    return {nullptr, false, ::GetLastError() != ERROR_INVALID_WINDOW_HANDLE};
}

// The first small icon of the executable that runs the window's process; ours to destroy.
UniqueIcon ProgramFileIcon(HWND window) {
    DWORD processId = 0;
    if (::GetWindowThreadProcessId(window, &processId) == 0) return {};
    UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return {};
    wchar_t path[MAX_PATH * 4] = {};
    DWORD length = static_cast<DWORD>(std::size(path));
    if (!::QueryFullProcessImageNameW(process.Get(), 0, path, &length)) return {};
    HICON smallIcon = nullptr;
    if (::ExtractIconExW(path, 0, nullptr, &smallIcon, 1) == 0 || smallIcon == nullptr) return {};
    return UniqueIcon(smallIcon);
}

int SystemSmallIconSize() {
    const int size = ::GetSystemMetrics(SM_CXSMICON);
    return size > 0 ? size : 16;
}

std::optional<imaging::Bitmap> Picture(HICON icon) {
    const int size = SystemSmallIconSize();
    // A copy at the small-icon size, so that the system picks and scales the frame once.
    UniqueIcon copy(static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, size, size, 0)));
    return IconToBitmap(copy ? copy.Get() : icon, size);
}

}  // namespace

std::optional<imaging::Bitmap> IconToBitmap(HICON icon, int size) {
    if (icon == nullptr || size <= 0) return std::nullopt;
    const auto black = DrawOver(icon, size, RGB(0, 0, 0));
    const auto white = DrawOver(icon, size, RGB(255, 255, 255));
    if (!black || !white) return std::nullopt;
    return imaging::FromBlackAndWhiteDrawings(*black, *white);
}

WindowIcon QuerySmallIcon(HWND window, UINT waitMs) {
    // The class's icon is read without asking the window's thread.
    if (const auto classIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(window, GCLP_HICONSM)))
        return {Picture(classIcon), false};
    bool refused = false;
    for (WPARAM which : {static_cast<WPARAM>(ICON_SMALL), static_cast<WPARAM>(ICON_BIG)}) {
        const Answer answer = AskForIcon(window, which, waitMs);
        if (answer.timedOut) return {std::nullopt, true};
        if (answer.icon != nullptr) return {Picture(answer.icon), false};
        refused = refused || answer.refused;
    }
    if (refused) {
        if (UniqueIcon icon = ProgramFileIcon(window)) return {Picture(icon.Get()), false};
    }
    return {};
}

}  // namespace vitrex::win32
