#include "win32/ui/WebBrowserBinder.h"

#include <mshtml.h>
#include <oleauto.h>

#include "core/platform/Errors.h"
#include "win32/platform/SystemMessage.h"
#include "win32/platform/TextConvert.h"
#include "win32/ui/BrowserEmulation.h"
#include "win32/ui/FailureReport.h"

namespace vitrex::win32 {

namespace {

// A BSTR owned for the length of one call.
class BString {
public:
    explicit BString(const std::wstring& text)
        : value_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    BString() = default;
    ~BString() { ::SysFreeString(value_); }
    BString(const BString&) = delete;
    BString& operator=(const BString&) = delete;
    BSTR Get() const { return value_; }
    BSTR* Put() {
        ::SysFreeString(value_);
        value_ = nullptr;
        return &value_;
    }

private:
    BSTR value_ = nullptr;
};

void Check(HRESULT result, const char* api) {
    if (FAILED(result)) ThrowErrorCode(api, static_cast<std::uint32_t>(result), "Embedding the web browser");
}

}  // namespace

WebBrowserBinder::~WebBrowserBinder() {
    Unembed();
}

void WebBrowserBinder::Create() {
    window_ = std::make_unique<ContainerWindow>(&binding_);
    window_->CreateChild(binding_.Instance(), binding_.ParentHandleFor(browser_),
                         binding_.DeviceBounds(browser_), ChildStyle() | WS_CLIPCHILDREN,
                         binding_.NextControlId());
    SetHandle(window_->Handle());
    try {
        Embed();
    } catch (...) {
        Unembed();
        ReportFailure(&browser_, std::current_exception());
    }
}

void WebBrowserBinder::Embed() {
    // The rendering mode and the local zone's lockdown are read when the process makes its first
    // control. Locked down, the local error pages cannot run script against the user's files even
    // should a language file's text carry some past the escaping.
    static const bool emulationSet = SetBrowserEmulation(kBrowserEmulationKey, ExecutableFileName());
    static const bool lockdownSet = SetLocalMachineLockdown(kLocalMachineLockdownKey, ExecutableFileName());
    (void)emulationSet;
    (void)lockdownSet;

    const HRESULT initialized = ::OleInitialize(nullptr);
    Check(initialized, "OleInitialize");
    oleInitialized_ = true;

    site_.Reset(new BrowserSite(
        Handle(), {[this] { OnDocumentComplete(); },
                   [this](const std::wstring& url) { return browser_.UserBeforeNavigate(Narrow(url)); },
                   [this](const std::wstring& url) { browser_.UserNewWindow(Narrow(url)); }}));
    Check(::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                             reinterpret_cast<void**>(object_.Put())),
          "CoCreateInstance");
    Check(object_.Get()->SetClientSite(site_.Get()), "IOleObject::SetClientSite");
    ::OleSetContainedObject(object_.Get(), TRUE);

    RECT area{};
    ::GetClientRect(Handle(), &area);
    Check(object_.Get()->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, Handle(), &area),
          "IOleObject::DoVerb");
    Check(object_.Get()->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(control_.Put())),
          "QueryInterface(IWebBrowser2)");
    // Script errors of a page are the page's business, never a message box of ours.
    control_.Get()->put_Silent(VARIANT_TRUE);

    UniqueCom<IConnectionPointContainer> points;
    Check(
        control_.Get()->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(points.Put())),
        "QueryInterface(IConnectionPointContainer)");
    Check(points.Get()->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.Put()), "FindConnectionPoint");
    Check(events_.Get()->Advise(static_cast<IDispatch*>(site_.Get()), &eventsCookie_),
          "IConnectionPoint::Advise");
    FitControl();
}

void WebBrowserBinder::Unembed() noexcept {
    if (events_ && eventsCookie_ != 0) events_.Get()->Unadvise(eventsCookie_);
    eventsCookie_ = 0;
    events_.Reset();
    control_.Reset();
    if (object_) {
        object_.Get()->Close(OLECLOSE_NOSAVE);
        object_.Get()->SetClientSite(nullptr);
        object_.Reset();
    }
    if (site_) site_.Get()->Detach();
    site_.Reset();
    if (oleInitialized_) ::OleUninitialize();
    oleInitialized_ = false;
}

void WebBrowserBinder::Apply(ui::Change change) {
    if (change == ui::Change::Navigation) {
        Navigate();
        return;
    }
    ControlBinder::Apply(change);
}

void WebBrowserBinder::Layout() {
    ControlBinder::Layout();
    FitControl();
}

void WebBrowserBinder::FitControl() const {
    if (!object_) return;
    UniqueCom<IOleInPlaceObject> inPlace;
    if (FAILED(object_.Get()->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.Put()))))
        return;
    RECT area{};
    ::GetClientRect(Handle(), &area);
    inPlace.Get()->SetObjectRects(&area, &area);
}

void WebBrowserBinder::Navigate() {
    if (!control_) return;
    const BString url(Widen(browser_.RequestedUrl()));
    VARIANT empty;
    ::VariantInit(&empty);
    const HRESULT result = control_.Get()->Navigate(url.Get(), &empty, &empty, &empty, &empty);
    if (FAILED(result))
        ThrowErrorCode("IWebBrowser2::Navigate", static_cast<std::uint32_t>(result), browser_.RequestedUrl());
}

std::string WebBrowserBinder::TopLevelTitle() const {
    if (!control_) return {};
    UniqueCom<IDispatch> document;
    if (FAILED(control_.Get()->get_Document(document.Put())) || !document) return {};
    UniqueCom<IHTMLDocument2> html;
    if (FAILED(document.Get()->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(html.Put()))))
        return {};
    BString title;
    if (FAILED(html.Get()->get_title(title.Put())) || title.Get() == nullptr) return {};
    return Narrow(std::wstring(title.Get(), ::SysStringLen(title.Get())));
}

void WebBrowserBinder::OnDocumentComplete() {
    try {
        browser_.UserDocumentComplete(TopLevelTitle());
    } catch (...) {
        ReportFailure(&browser_, std::current_exception());
    }
}

}  // namespace vitrex::win32
