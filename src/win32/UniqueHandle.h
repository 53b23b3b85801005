#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <utility>

namespace vitrex::win32 {

// Owns one handle and closes it exactly once. Move-only, so ownership is never shared by
// accident; Traits names the handle type, its empty value and how to close it.
template <typename Traits>
class UniqueHandleOf {
public:
    using Handle = typename Traits::Handle;

    UniqueHandleOf() noexcept = default;
    explicit UniqueHandleOf(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandleOf() { Reset(); }

    UniqueHandleOf(UniqueHandleOf&& other) noexcept : handle_(other.Release()) {}
    UniqueHandleOf& operator=(UniqueHandleOf&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandleOf(const UniqueHandleOf&) = delete;
    UniqueHandleOf& operator=(const UniqueHandleOf&) = delete;

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Empty(); }

    // Gives up ownership without closing.
    Handle Release() noexcept { return std::exchange(handle_, Traits::Empty()); }

    void Reset(Handle handle = Traits::Empty()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Empty()) Traits::Close(old);
    }

    // For APIs that return a handle through an out parameter: closes the current one first.
    Handle* Put() noexcept {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Empty();
};

namespace handle_traits {

template <typename H, auto CloseFunction>
struct NullIsEmpty {
    using Handle = H;
    static constexpr Handle Empty() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { CloseFunction(handle); }
};

// CreateFile and the Toolhelp snapshot report failure as INVALID_HANDLE_VALUE, not NULL.
struct FileHandle {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

// A FindFirstFile search: INVALID_HANDLE_VALUE when it found nothing, closed with FindClose.
struct FindHandle {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::FindClose(handle); }
};

template <typename H>
struct GdiObject {
    using Handle = H;
    static constexpr Handle Empty() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DeleteObject(handle); }
};

}  // namespace handle_traits

using UniqueRegKey = UniqueHandleOf<handle_traits::NullIsEmpty<HKEY, ::RegCloseKey>>;
using UniqueHandle = UniqueHandleOf<handle_traits::NullIsEmpty<HANDLE, ::CloseHandle>>;
using UniqueFileHandle = UniqueHandleOf<handle_traits::FileHandle>;
using UniqueFindHandle = UniqueHandleOf<handle_traits::FindHandle>;
// Only for windows this program created; other programs' windows stay raw HWNDs.
using UniqueWindow = UniqueHandleOf<handle_traits::NullIsEmpty<HWND, ::DestroyWindow>>;
// DestroyMenu also destroys the submenus attached to the menu.
using UniqueMenu = UniqueHandleOf<handle_traits::NullIsEmpty<HMENU, ::DestroyMenu>>;
using UniqueIcon = UniqueHandleOf<handle_traits::NullIsEmpty<HICON, ::DestroyIcon>>;
using UniqueBitmap = UniqueHandleOf<handle_traits::GdiObject<HBITMAP>>;
using UniqueBrush = UniqueHandleOf<handle_traits::GdiObject<HBRUSH>>;
using UniqueFont = UniqueHandleOf<handle_traits::GdiObject<HFONT>>;
using UniqueImageList = UniqueHandleOf<handle_traits::NullIsEmpty<HIMAGELIST, ::ImageList_Destroy>>;
// A memory device context from CreateCompatibleDC (not one from GetDC: see WindowDcScope).
using UniqueMemoryDc = UniqueHandleOf<handle_traits::NullIsEmpty<HDC, ::DeleteDC>>;

// One reference to a COM object, released once; Put() takes the pointer an API hands out.
template <typename Interface>
void ReleaseCom(Interface* object) noexcept {
    object->Release();
}
template <typename Interface>
using UniqueCom = UniqueHandleOf<handle_traits::NullIsEmpty<Interface*, &ReleaseCom<Interface>>>;

// Selects a GDI object into a device context and puts the previous one back at the end of the
// scope, so that the object can be deleted afterwards (an object still selected cannot be).
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectObjectScope() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint in the constructor, EndPaint in the destructor: WM_PAINT must always validate.
class PaintScope {
public:
    explicit PaintScope(HWND window) noexcept : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const noexcept { return dc_; }
    const RECT& Dirty() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A window's device context from GetDC, released at the end of the scope.
class WindowDcScope {
public:
    explicit WindowDcScope(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDcScope() {
        if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
    }
    WindowDcScope(const WindowDcScope&) = delete;
    WindowDcScope& operator=(const WindowDcScope&) = delete;

    HDC Dc() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace vitrex::win32
