#include "win32/ui/BrowserSite.h"

#include <exdisp.h>
#include <exdispid.h>

#include <utility>

namespace vitrex::win32 {

BrowserSite::BrowserSite(HWND host, std::function<void()> onDocumentComplete)
    : host_(host), onDocumentComplete_(std::move(onDocumentComplete)) {}

void BrowserSite::Detach() {
    onDocumentComplete_ = nullptr;
    host_ = nullptr;
}

STDMETHODIMP BrowserSite::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
        *object = static_cast<IDispatch*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) BrowserSite::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) BrowserSite::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP BrowserSite::SaveObject() {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) *moniker = nullptr;
    return E_NOTIMPL;
}
// No container document: the control is alone in its window.
STDMETHODIMP BrowserSite::GetContainer(IOleContainer** container) {
    if (container != nullptr) *container = nullptr;
    return E_NOINTERFACE;
}
STDMETHODIMP BrowserSite::ShowObject() {
    return S_OK;
}
STDMETHODIMP BrowserSite::OnShowWindow(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::RequestNewObjectLayout() {
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = host_;
    return host_ != nullptr ? S_OK : E_FAIL;
}
STDMETHODIMP BrowserSite::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::CanInPlaceActivate() {
    return host_ != nullptr ? S_OK : S_FALSE;
}
STDMETHODIMP BrowserSite::OnInPlaceActivate() {
    return S_OK;
}
STDMETHODIMP BrowserSite::OnUIActivate() {
    return S_OK;
}

// The control fills the host window; the frame is this site, without menus or accelerators.
STDMETHODIMP BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO frameInfo) {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
        frameInfo == nullptr)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    ::GetClientRect(host_, position);
    *clip = *position;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = host_ != nullptr ? ::GetAncestor(host_, GA_ROOT) : nullptr;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}
STDMETHODIMP BrowserSite::Scroll(SIZE) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::OnUIDeactivate(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::OnInPlaceDeactivate() {
    return S_OK;
}
STDMETHODIMP BrowserSite::DiscardUndoState() {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::DeactivateAndUndo() {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::OnPosRectChange(LPCRECT) {
    return S_OK;
}

STDMETHODIMP BrowserSite::GetBorder(LPRECT) {
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP BrowserSite::RequestBorderSpace(LPCBORDERWIDTHS) {
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP BrowserSite::SetBorderSpace(LPCBORDERWIDTHS) {
    return S_OK;
}
STDMETHODIMP BrowserSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) {
    return S_OK;
}
STDMETHODIMP BrowserSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::SetMenu(HMENU, HOLEMENU, HWND) {
    return S_OK;
}
STDMETHODIMP BrowserSite::RemoveMenus(HMENU) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::SetStatusText(LPCOLESTR) {
    return S_OK;
}
STDMETHODIMP BrowserSite::EnableModeless(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::TranslateAccelerator(LPMSG, WORD) {
    return S_FALSE;
}

STDMETHODIMP BrowserSite::GetTypeInfoCount(UINT* count) {
    if (count != nullptr) *count = 0;
    return S_OK;
}
STDMETHODIMP BrowserSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

// The control calls the sink by dispatch identifier; the arguments are not needed, since the
// title is read from the top-level document whichever document finished.
STDMETHODIMP BrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    if (id != DISPID_DOCUMENTCOMPLETE || !onDocumentComplete_) return S_OK;
    try {
        onDocumentComplete_();
    } catch (...) {
        // The callback reports its own failures; nothing may unwind into the control.
    }
    return S_OK;
}

}  // namespace vitrex::win32
