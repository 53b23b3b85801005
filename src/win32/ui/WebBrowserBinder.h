#pragma once

#include <windows.h>

#include <exdisp.h>
#include <ole2.h>

#include <memory>
#include <string>

#include "core/ui/WebBrowser.h"
#include "win32/UniqueHandle.h"
#include "win32/ui/BrowserSite.h"
#include "win32/ui/ContainerWindow.h"
#include "win32/ui/ControlBinder.h"

namespace vitrex::win32 {

// The system's web browser control (IWebBrowser2) in a window of its own at the widget's place,
// embedded through BrowserSite. When the control cannot be made (no such component), the window
// stays empty and reports nothing; the widget's owner sees that no document ever finishes.
class WebBrowserBinder : public ControlBinder {
public:
    WebBrowserBinder(Binding& binding, ui::WebBrowser& browser)
        : ControlBinder(binding, browser), browser_(browser) {}
    ~WebBrowserBinder() override;

    void Create() override;
    void Apply(ui::Change change) override;
    void Layout() override;

    // The embedded control, or null when it could not be made.
    IWebBrowser2* Control() const { return control_.Get(); }
    // Whether the event sink is connected to the control.
    bool EventsConnected() const { return eventsCookie_ != 0; }
    BrowserSite* Site() const { return site_.Get(); }

private:
    void Embed();
    void Unembed() noexcept;
    void Navigate();
    void FitControl() const;
    std::string TopLevelTitle() const;
    void OnDocumentComplete();

    ui::WebBrowser& browser_;
    std::unique_ptr<ContainerWindow> window_;
    bool oleInitialized_ = false;
    UniqueCom<BrowserSite> site_;
    UniqueCom<IOleObject> object_;
    UniqueCom<IWebBrowser2> control_;
    UniqueCom<IConnectionPoint> events_;
    DWORD eventsCookie_ = 0;
};

}  // namespace vitrex::win32
