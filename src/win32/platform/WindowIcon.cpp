#include "win32/platform/WindowIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

#include "win32/UniqueHandle.h"

namespace vitrex::win32 {
namespace {

// The icon drawn over an opaque background of one colour; pixels 0x00RRGGBB.
std::optional<std::vector<std::uint32_t>> DrawOver(HICON icon, int size, COLORREF background) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!bitmap || !dc || bits == nullptr) return std::nullopt;
    SelectObjectScope select(dc.Get(), bitmap.Get());
    const RECT all{0, 0, size, size};
    UniqueBrush brush(::CreateSolidBrush(background));
    ::FillRect(dc.Get(), &all, brush.Get());
    if (!::DrawIconEx(dc.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL)) return std::nullopt;
    ::GdiFlush();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
    std::memcpy(pixels.data(), bits, pixels.size() * sizeof(std::uint32_t));
    return pixels;
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
    // Drawn over black and over white: where the two differ the icon lets the background
    // through, which gives the alpha of any kind of icon (alpha channel, mask, or both).
    const auto black = DrawOver(icon, size, RGB(0, 0, 0));
    const auto white = DrawOver(icon, size, RGB(255, 255, 255));
    if (!black || !white) return std::nullopt;
    imaging::Bitmap bitmap{size, size, std::vector<std::uint32_t>(black->size())};
    for (std::size_t i = 0; i < black->size(); ++i) {
        const std::uint32_t b = (*black)[i];
        const std::uint32_t w = (*white)[i];
        int alpha = 255;
        for (int shift : {0, 8, 16}) {
            const int through = static_cast<int>((w >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
            alpha = std::min(alpha, 255 - std::clamp(through, 0, 255));
        }
        std::uint32_t pixel = static_cast<std::uint32_t>(alpha) << 24;
        if (alpha > 0) {
            // Over black the colour arrived premultiplied by the alpha.
            for (int shift : {0, 8, 16}) {
                const int channel = static_cast<int>((b >> shift) & 0xFF);
                pixel |= static_cast<std::uint32_t>(std::min(255, channel * 255 / alpha)) << shift;
            }
        }
        bitmap.pixels[i] = pixel;
    }
    return bitmap;
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
