#include <gtest/gtest.h>

#include <windows.h>

#include <exdispid.h>

#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "core/ui/Controls.h"
#include "core/ui/Form.h"
#include "core/ui/WebBrowser.h"
#include "win32/UniqueHandle.h"
#include "win32/ui/BrowserEmulation.h"
#include "win32/ui/BrowserSite.h"
#include "win32/ui/FormWindow.h"
#include "win32/ui/WebBrowserBinder.h"

namespace vitrex::win32 {
namespace {

using namespace vitrex::win32::testing;

TEST(BrowserSite, EveryInterfaceIsOneObjectWithOneCountAndOnlyFinishedDocumentsArePassedOn) {
    int completed = 0;
    UniqueCom<BrowserSite> site(new BrowserSite(::GetDesktopWindow(), {[&] { ++completed; }, {}, {}}));
    IUnknown* identity = nullptr;
    ASSERT_EQ(site.Get()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    for (REFIID iid : {IID_IOleClientSite, IID_IOleInPlaceSite, IID_IOleWindow, IID_IOleInPlaceFrame,
                       IID_IDispatch, DIID_DWebBrowserEvents2}) {
        UniqueCom<IUnknown> face;
        ASSERT_EQ(site.Get()->QueryInterface(iid, reinterpret_cast<void**>(face.Put())), S_OK);
        UniqueCom<IUnknown> back;
        face.Get()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(back.Put()));
        EXPECT_EQ(back.Get(), identity) << "one identity for every interface";
    }
    UniqueCom<IUnknown> container;
    EXPECT_EQ(site.Get()->QueryInterface(IID_IOleContainer, reinterpret_cast<void**>(container.Put())),
              E_NOINTERFACE);
    EXPECT_EQ(identity->Release(), 1u) << "the references handed out are all given back";

    HWND window = nullptr;
    EXPECT_EQ(static_cast<IOleInPlaceSite*>(site.Get())->GetWindow(&window), S_OK);
    EXPECT_EQ(window, ::GetDesktopWindow());

    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(1);
    RECT position{}, clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof info;
    ASSERT_EQ(site.Get()->GetWindowContext(&frame, &document, &position, &clip, &info), S_OK);
    EXPECT_NE(frame, nullptr);
    EXPECT_EQ(document, nullptr);
    EXPECT_EQ(info.haccel, nullptr);
    frame->Release();

    DISPPARAMS none{};
    site.Get()->Invoke(DISPID_TITLECHANGE, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    EXPECT_EQ(completed, 0);
    site.Get()->Invoke(DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr,
                       nullptr);
    EXPECT_EQ(completed, 1);
    site.Get()->Detach();
    site.Get()->Invoke(DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr,
                       nullptr);
    EXPECT_EQ(completed, 1) << "nothing reaches a binder that is gone";
}

// The navigation events as the control raises them: the arguments in reverse order, the address as
// a BSTR (by reference for BeforeNavigate2), the answer through the Cancel argument.
TEST(BrowserSite, NavigationsAreAskedAboutAndNewWindowsAlwaysRefused) {
    std::vector<std::wstring> asked;
    std::vector<std::wstring> windows;
    UniqueCom<BrowserSite> site(
        new BrowserSite(::GetDesktopWindow(), {{},
                                               [&](const std::wstring& url) {
                                                   asked.push_back(url);
                                                   return url.starts_with(L"https://vitrex.example.org/");
                                               },
                                               [&](const std::wstring& url) { windows.push_back(url); }}));
    const auto navigate = [&](const wchar_t* url) {
        BSTR text = ::SysAllocString(url);
        VARIANT address{};
        address.vt = VT_BSTR;
        address.bstrVal = text;
        VARIANT_BOOL cancel = VARIANT_FALSE;
        VARIANT arguments[7] = {};
        arguments[0].vt = VT_BYREF | VT_BOOL;
        arguments[0].pboolVal = &cancel;
        arguments[5].vt = VT_BYREF | VT_VARIANT;
        arguments[5].pvarVal = &address;
        DISPPARAMS parameters{arguments, nullptr, 7, 0};
        site.Get()->Invoke(DISPID_BEFORENAVIGATE2, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr,
                           nullptr, nullptr);
        ::SysFreeString(text);
        return cancel == VARIANT_TRUE;
    };
    EXPECT_FALSE(navigate(L"https://vitrex.example.org/page.php")) << "allowed, not cancelled";
    EXPECT_TRUE(navigate(L"https://look-alike.example/login")) << "refused, cancelled";
    EXPECT_EQ(asked, (std::vector<std::wstring>{L"https://vitrex.example.org/page.php",
                                                L"https://look-alike.example/login"}));

    BSTR text = ::SysAllocString(L"https://elsewhere.example/");
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT arguments[5] = {};
    arguments[0].vt = VT_BSTR;
    arguments[0].bstrVal = text;
    arguments[3].vt = VT_BYREF | VT_BOOL;
    arguments[3].pboolVal = &cancel;
    DISPPARAMS parameters{arguments, nullptr, 5, 0};
    site.Get()->Invoke(DISPID_NEWWINDOW3, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, nullptr,
                       nullptr);
    ::SysFreeString(text);
    EXPECT_EQ(cancel, VARIANT_TRUE);
    EXPECT_EQ(windows, std::vector<std::wstring>{L"https://elsewhere.example/"});

    VARIANT_BOOL older = VARIANT_FALSE;
    VARIANT two[2] = {};
    two[0].vt = VT_BYREF | VT_BOOL;
    two[0].pboolVal = &older;
    DISPPARAMS twoParameters{two, nullptr, 2, 0};
    site.Get()->Invoke(DISPID_NEWWINDOW2, IID_NULL, 0, DISPATCH_METHOD, &twoParameters, nullptr, nullptr,
                       nullptr);
    EXPECT_EQ(older, VARIANT_TRUE) << "the older event, without an address, is refused too";
}

// A scratch key under the current user, deleted at the end.
struct EmulationKey {
    ~EmulationKey() { ::RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()); }
    std::wstring path = L"Software\\VitrexTest\\Emulation" + std::to_wstring(::GetCurrentProcessId());
};

DWORD ReadDword(const std::wstring& key, const std::wstring& name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_ANY, &type, &value, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return 0;
    return value;
}

TEST(BrowserEmulation, TheNewestModeIsNamedForTheRunningExecutable) {
    EXPECT_EQ(ExecutableFileName(), L"vitrex_win32_tests.exe");
    EmulationKey key;
    ASSERT_TRUE(SetBrowserEmulation(key.path, L"Some Program.exe"));
    EXPECT_EQ(ReadDword(key.path, L"Some Program.exe"), 11001u);
    EXPECT_FALSE(SetBrowserEmulation(key.path, L""));
    ASSERT_TRUE(SetLocalMachineLockdown(key.path, L"Some Program.exe"));
    EXPECT_EQ(ReadDword(key.path, L"Some Program.exe"), 1u);
}

struct BrowserForm : ::testing::Test {
    BrowserForm() {
        form.SetDispatcher(&dispatcher);
        browser.OnDocumentComplete = [this] { ++completed; };
        window = Bind(form, ::GetModuleHandleW(nullptr));
        binder = static_cast<WebBrowserBinder*>(window->Controls().BinderFor(browser));
    }
    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    ui::Form form{"BrowserForm", "TVitrexBrowserForm", 300, 200};
    ui::WebBrowser browser{"WebBrowser", &form, {10, 10, 200, 150}};
    int completed = 0;
    std::unique_ptr<FormWindow> window;
    WebBrowserBinder* binder = nullptr;
};

TEST_F(BrowserForm, TheControlIsEmbeddedWithItsEventsConnectedAndFillsItsPlace) {
    ASSERT_NE(binder, nullptr);
    ASSERT_NE(binder->Control(), nullptr) << "the system's control is made and activated in place";
    EXPECT_TRUE(binder->EventsConnected());
    EXPECT_EQ(ReadDword(kBrowserEmulationKey, L"vitrex_win32_tests.exe"), kBrowserEmulationNewest);
    EXPECT_EQ(ReadDword(kLocalMachineLockdownKey, L"vitrex_win32_tests.exe"), 1u);

    const RECT place = RectInParent(binder->Handle());
    EXPECT_EQ(place.right - place.left, 200);
    EXPECT_EQ(place.bottom - place.top, 150);
    HWND shown = nullptr;
    UniqueCom<IOleInPlaceObject> inPlace;
    ASSERT_EQ(
        binder->Control()->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(inPlace.Put())),
        S_OK);
    ASSERT_EQ(inPlace.Get()->GetWindow(&shown), S_OK);
    EXPECT_TRUE(::IsChild(binder->Handle(), shown)) << "the control's window lies in the host";

    browser.SetBounds({10, 10, 250, 170});
    Pump();
    RECT client = ClientRectOf(binder->Handle());
    EXPECT_EQ(client.right, 250);

    browser.SetVisible(false);
    EXPECT_FALSE(::IsWindowVisible(binder->Handle()));
}

TEST_F(BrowserForm, ANavigationReachesTheControlAndTheProgramStaysResponsive) {
    ASSERT_NE(binder->Control(), nullptr);
    browser.Navigate("about:blank");
    BSTR location = nullptr;
    // Without a rendering engine no document finishes here; the request itself must still arrive
    // and the window keep answering.
    PumpUntil([&] { return completed > 0; }, std::chrono::milliseconds(500));
    EXPECT_EQ(binder->Control()->get_LocationURL(&location), S_OK);
    ::SysFreeString(location);
    DWORD_PTR answer = 0;
    EXPECT_NE(::SendMessageTimeoutW(window->Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer), 0);
}

TEST_F(BrowserForm, AFinishedDocumentReachesTheWidgetWithTheTopLevelTitle) {
    ASSERT_NE(binder->Site(), nullptr);
    DISPPARAMS none{};
    binder->Site()->Invoke(DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr,
                           nullptr);
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(dispatcher.senders.back(), "WebBrowser") << "through the form's dispatch boundary";
}

struct LinkForm : ::testing::Test {
    LinkForm() {
        form.SetDispatcher(&dispatcher);
        link.SetStyle(ui::TextStyle::Link);
        link.OnClick = [this] { ++linkClicks; };
        ok.SetDefault(true);
        ok.OnClick = [this] { ++okClicks; };
        window = Bind(form, ::GetModuleHandleW(nullptr));
        linkWindow = window->HandleOf(link);
    }
    void Key(WPARAM key) {
        MSG message{linkWindow, WM_KEYDOWN, key, 0, 0, {}};
        if (!window->TranslateDialogMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        Pump();
    }
    CommonControls6Scope controls6;
    CountingDispatcher dispatcher;
    ui::Form form{"LinkForm", "TVitrexLinkForm", 300, 100};
    ui::Label plain{"Plain", &form, {10, 10, 100, 16}, "plain"};
    ui::Label link{"Link", &form, {10, 30, 200, 16}, "https://vitrex.example.org/"};
    ui::Button ok{"OK", &form, {10, 60, 80, 25}, "OK"};
    int linkClicks = 0;
    int okClicks = 0;
    std::unique_ptr<FormWindow> window;
    HWND linkWindow = nullptr;
};

TEST_F(LinkForm, ALinkIsATabStopAndOpensOnEnterAndSpaceInsteadOfTheDefaultButton) {
    EXPECT_TRUE(StyleOf(linkWindow) & WS_TABSTOP);
    EXPECT_FALSE(StyleOf(window->HandleOf(plain)) & WS_TABSTOP);
    form.BringToFront();
    Pump();
    ::SetFocus(linkWindow);
    ASSERT_EQ(::GetFocus(), linkWindow);
    Key(VK_RETURN);
    Key(VK_SPACE);
    EXPECT_EQ(linkClicks, 2);
    EXPECT_EQ(okClicks, 0);

    // A label that stops being a link leaves the tab order.
    link.SetStyle(ui::TextStyle::Normal);
    EXPECT_FALSE(StyleOf(linkWindow) & WS_TABSTOP);
}

}  // namespace
}  // namespace vitrex::win32
