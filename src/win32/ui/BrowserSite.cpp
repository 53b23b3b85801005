#include "win32/ui/BrowserSite.h"

#include <exdisp.h>
#include <exdispid.h>

#include <utility>

namespace vitrex::win32 {

BrowserSite::BrowserSite(HWND host, Events events) : host_(host), events_(std::move(events)) {}

void BrowserSite::Detach() {
    events_ = {};
    host_ = nullptr;
}

namespace {

// The text of an argument the control passes as a BSTR, directly or by reference to a VARIANT.
std::wstring TextOf(const VARIANT& argument) {
    const VARIANT* value = &argument;
    if (value->vt == (VT_BYREF | VT_VARIANT) && value->pvarVal != nullptr) value = value->pvarVal;
    if (value->vt == VT_BSTR && value->bstrVal != nullptr)
        return std::wstring(value->bstrVal, ::SysStringLen(value->bstrVal));
    return {};
}

// The Cancel argument: a VARIANT_BOOL by reference.
void SetCancel(VARIANT& argument, bool cancel) {
    if (argument.vt == (VT_BYREF | VT_BOOL) && argument.pboolVal != nullptr)
        *argument.pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
}

}  // namespace

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

// The control calls the sink by dispatch identifier, with the arguments in reverse order. A
// finished document needs none: the title is read from the top-level document.
STDMETHODIMP BrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                 UINT*) {
    VARIANT* arguments = parameters != nullptr ? parameters->rgvarg : nullptr;
    const UINT count = parameters != nullptr ? parameters->cArgs : 0;
    try {
        if (id == DISPID_DOCUMENTCOMPLETE && events_.documentComplete) {
            events_.documentComplete();
        } else if (id == DISPID_BEFORENAVIGATE2 && count == 7 && arguments != nullptr) {
            // pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel.
            const bool allowed = !events_.beforeNavigate || events_.beforeNavigate(TextOf(arguments[5]));
            SetCancel(arguments[0], !allowed);
        } else if (id == DISPID_NEWWINDOW3 && count == 5 && arguments != nullptr) {
            // ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl.
            SetCancel(arguments[3], true);
            if (events_.newWindow) events_.newWindow(TextOf(arguments[0]));
        } else if (id == DISPID_NEWWINDOW2 && count == 2 && arguments != nullptr) {
            // ppDisp, Cancel: no address to pass on; the window is refused all the same.
            SetCancel(arguments[0], true);
        }
    } catch (...) {
        // The callbacks report their own failures; nothing may unwind into the control.
    }
    return S_OK;
}

}  // namespace vitrex::win32
