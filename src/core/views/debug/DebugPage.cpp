#include "core/views/debug/DebugPage.h"

#include <charconv>
#include <string>

#include "core/transparency/Alpha.h"
#include "core/transparency/ShortCuts.h"

namespace vitrex::views::debug {
namespace {

constexpr int kDebugPercent = 60;

void ShowPrefixes(const WindowInfoLabels& labels) {
    labels.title.SetCaption("Title: ");
    labels.className.SetCaption("Class: ");
    labels.handle.SetCaption("HWnd: ");
    labels.style.SetCaption("Style: ");
}

}  // namespace

DebugPage::DebugPage(DebugControls controls, ApplicationsList applications, WindowSystem& windows,
                     HotKeys& hotKeys, Files& files, Dialogs& dialogs, crashlog::CrashLog& log)
    : c_(controls),
      applications_(std::move(applications)),
      windows_(windows),
      hotKeys_(hotKeys),
      files_(files),
      dialogs_(dialogs),
      log_(log) {
    log_.SetObserver([this] { c_.TabDebugList.SetItems(log_.Lines()); });
}

bool DebugPage::TabDebugBTNClick() {
    return transparency::RegisterShortCut(hotKeys_, c_.DebugHotKey.Value(), transparency::kHotKeyDebug, true);
}

void DebugPage::DebugMakeHandleTransClick() {
    transparency::SetWindowTransparency(windows_, ParseHandleText(c_.DebugMakeHandleTransEdit.Text()),
                                        kDebugPercent);
}

void DebugPage::DebugDeleteTransClick() {
    transparency::ClearWindowTransparency(windows_, ParseHandleText(c_.DebugMakeHandleTransEdit.Text()));
}

void DebugPage::DebugWindowInformation() {
    if (applications_.reload) applications_.reload();
    const auto& rows = applications_.list.Rows();
    if (rows.empty() || rows.front().cells.size() < 2) {
        ShowPrefixes(c_.firstRow);
    } else {
        // The list wrote the cell itself, in full: read it back as it was written.
        const std::string& cell = rows.front().cells[1];
        WindowHandle window = 0;
        std::from_chars(cell.data(), cell.data() + cell.size(), window);
        ShowWindowInfo(windows_, window, c_.firstRow);
    }
    ShowWindowInfo(windows_, windows_.ForegroundWindow(), c_.foreground);
}

void DebugPage::TabDebugListDblClick() {
    const std::string path = crashlog::SaveLog(log_.Lines(), files_);
    dialogs_.ShowMessage("List saved to: " + path);
}

void DebugPage::AttachHandlers() {
    c_.TabDebugBTN.OnClick = [this] { TabDebugBTNClick(); };
    c_.DebugMakeHandleTrans.OnClick = [this] { DebugMakeHandleTransClick(); };
    c_.DebugDeleteTrans.OnClick = [this] { DebugDeleteTransClick(); };
    c_.TabDebugList.OnDblClick = [this] { TabDebugListDblClick(); };
}
}  // namespace vitrex::views::debug
