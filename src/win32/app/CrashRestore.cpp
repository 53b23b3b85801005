#include "win32/app/CrashRestore.h"

#include <windows.h>

#include <atomic>

#include "win32/platform/ExStyleRestore.h"
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
    // An overlay, with the whole extended style it had before.
    bool overlay;
    DWORD styleWord;
    // Given back by the filter's first pass.
    bool givenBack;
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
        kept[count++] = KeptWindow{ToHwnd(entry.window),
                                   entry.alpha,
                                   own.has_value(),
                                   call.colorKey,
                                   call.alpha,
                                   call.flags,
                                   entry.overlayStyleWord.has_value(),
                                   static_cast<DWORD>(entry.overlayStyleWord.value_or(0)),
                                   false};
    }
    keptCount.store(count, std::memory_order_seq_cst);
}

void InstallCrashRestore() noexcept {
    ULONG reserve = kStackReserveBytes;
    SetThreadStackGuarantee(&reserve);
    previousFilter = SetUnhandledExceptionFilter(RestoreOnCrash);
}

namespace {

// The alpha a layered window carries; 255 when it has none (per-pixel alpha, a colour key only).
BYTE CarriedAlpha(HWND window) noexcept {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) return 255;
    return alpha;
}

// An overlay that is still one, transparent to the mouse with the alpha it was given, gets its
// earlier style (topmost included) and then its earlier attributes back.
bool RestoreOverlay(const KeptWindow& entry) noexcept {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(entry.window, GWL_EXSTYLE));
    if ((style & WS_EX_LAYERED) == 0 || (style & WS_EX_TRANSPARENT) == 0) return false;
    if (CarriedAlpha(entry.window) != entry.alpha) return false;
    RestoreExStyle(entry.window, entry.styleWord);
    if (entry.hasProgramAttributes && (entry.styleWord & WS_EX_LAYERED) != 0)
        SetLayeredWindowAttributes(entry.window, entry.colorKey, entry.programAlpha, entry.flags);
    return true;
}

bool RestoreEngineWindow(const KeptWindow& entry) noexcept {
    const LONG style = GetWindowLongW(entry.window, GWL_EXSTYLE);
    if ((style & WS_EX_LAYERED) == 0) return false;
    BYTE alpha = 0;
    DWORD flags = 0;
    // Another alpha, or none: someone else has changed the window since, or the handle now
    // belongs to another window.
    if (!GetLayeredWindowAttributes(entry.window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0 ||
        alpha != entry.alpha) {
        return false;
    }
    if (entry.hasProgramAttributes) {
        SetLayeredWindowAttributes(entry.window, entry.colorKey, entry.programAlpha, entry.flags);
    } else {
        SetWindowLongW(entry.window, GWL_EXSTYLE, style & ~static_cast<LONG>(WS_EX_LAYERED));
    }
    return true;
}

}  // namespace

int RestoreKeptWindows() noexcept {
    const std::size_t count = keptCount.load(std::memory_order_seq_cst);
    int restored = 0;
    // The overlays first: one may carry an alpha the engine gave it before, which the engine's
    // entry then takes away. A window given back by both passes counts once.
    for (std::size_t i = 0; i < count; ++i) {
        kept[i].givenBack = kept[i].overlay && RestoreOverlay(kept[i]);
        if (kept[i].givenBack) ++restored;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (kept[i].overlay || !RestoreEngineWindow(kept[i])) continue;
        bool counted = false;
        for (std::size_t j = 0; j < count && !counted; ++j)
            counted = kept[j].givenBack && kept[j].window == kept[i].window;
        if (!counted) ++restored;
    }
    return restored;
}

}  // namespace vitrex::win32
