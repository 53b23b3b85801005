#include "win32/app/CrashRestore.h"

#include <windows.h>

#include <atomic>

#include "win32/platform/LayeredAttributesBits.h"
#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {
namespace {

struct KeptWindow {
    HWND window;
    BYTE alpha;
    bool hasProgramAttributes;
    COLORREF colorKey;
    BYTE programAlpha;
    DWORD flags;
};

// Filled while `keptCount` is 0, so a crash in the middle of an update finds an empty copy rather
// than a half-written one.
KeptWindow kept[kCrashRestoreCapacity];
std::atomic<std::size_t> keptCount{0};
LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;

// Room for the filter after a stack overflow: the guard page leaves too little to call user32.
constexpr ULONG kStackReserveBytes = 64 * 1024;

LONG WINAPI RestoreOnCrash(EXCEPTION_POINTERS* exception) {
    RestoreKeptWindows();
    return previousFilter != nullptr ? previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void KeepForCrashRestore(const std::vector<transparency::JournalEntry>& entries) noexcept {
    keptCount.store(0, std::memory_order_seq_cst);
    std::size_t count = 0;
    for (const transparency::JournalEntry& entry : entries) {
        if (count == kCrashRestoreCapacity) break;
        const auto& own = entry.programAttributes;
        const LayeredAttributesCall call = own ? ToLayeredCall(*own) : LayeredAttributesCall{};
        kept[count++] = KeptWindow{ToHwnd(entry.window), entry.alpha, own.has_value(),
                                   call.colorKey,        call.alpha,  call.flags};
    }
    keptCount.store(count, std::memory_order_seq_cst);
}

void InstallCrashRestore() noexcept {
    ULONG reserve = kStackReserveBytes;
    SetThreadStackGuarantee(&reserve);
    previousFilter = SetUnhandledExceptionFilter(RestoreOnCrash);
}

int RestoreKeptWindows() noexcept {
    const std::size_t count = keptCount.load(std::memory_order_seq_cst);
    int restored = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const KeptWindow& entry = kept[i];
        const LONG style = GetWindowLongW(entry.window, GWL_EXSTYLE);
        if ((style & WS_EX_LAYERED) == 0) continue;
        BYTE alpha = 0;
        DWORD flags = 0;
        // Another alpha, or none: someone else has changed the window since, or the handle now
        // belongs to another window.
        if (!GetLayeredWindowAttributes(entry.window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0 ||
            alpha != entry.alpha) {
            continue;
        }
        if (entry.hasProgramAttributes) {
            SetLayeredWindowAttributes(entry.window, entry.colorKey, entry.programAlpha, entry.flags);
        } else {
            SetWindowLongW(entry.window, GWL_EXSTYLE, style & ~static_cast<LONG>(WS_EX_LAYERED));
        }
        ++restored;
    }
    return restored;
}

}  // namespace vitrex::win32
