#pragma once

#include <functional>

#include "core/app/crashlog/CrashLog.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Files.h"
#include "core/platform/HotKeys.h"
#include "core/platform/WindowSystem.h"
#include "core/ui/Controls.h"
#include "core/ui/ListControls.h"
#include "core/views/debug/DebugTools.h"

namespace vitrex::views::debug {

// The controls of the debug page the presenter works on.
struct DebugControls {
    ui::HotKeyEdit& DebugHotKey;
    ui::Edit& DebugMakeHandleTransEdit;
    ui::ListBox& TabDebugList;
    ui::Button& TabDebugBTN;
    ui::Button& DebugMakeHandleTrans;
    ui::Button& DebugDeleteTrans;
    // TabDebugL1 to TabDebugL4: the first window of the applications list.
    WindowInfoLabels firstRow;
    // TabDebugL5 to TabDebugL8: the foreground window.
    WindowInfoLabels foreground;
};

// The applications list as the window information reads it: refilled first, then its first row.
struct ApplicationsList {
    const ui::ListView& list;
    std::function<void()> reload;
};

// The debug page: tools that give a window an alpha past the engine's rules, describe windows,
// register the debug hot key, and the crash log, which its list box mirrors.
class DebugPage {
public:
    DebugPage(DebugControls controls, ApplicationsList applications, WindowSystem& windows, HotKeys& hotKeys,
              Files& files, Dialogs& dialogs, crashlog::CrashLog& log);
    DebugPage(const DebugPage&) = delete;
    DebugPage& operator=(const DebugPage&) = delete;

    // Runs the handlers below on its controls' events.
    void AttachHandlers();
    // "Register HotKey": the debug hot key with the field's shortcut; a refused one is silently
    // not there. It is registered only here, never at start-up.
    bool TabDebugBTNClick();
    // "Make Trans.": 60 % for the typed handle, past the engine's rules and unknown to the engine.
    void DebugMakeHandleTransClick();
    // "Delete Trans.": the typed handle's window opaque again.
    void DebugDeleteTransClick();
    // The debug hot key: refills the applications list, then describes the window of its first
    // row and the foreground window. With no rows the first group shows only its prefixes.
    void DebugWindowInformation();
    // Saves the log beside the program and says where; a failed save confirms nothing.
    void TabDebugListDblClick();

private:
    DebugControls c_;
    ApplicationsList applications_;
    WindowSystem& windows_;
    HotKeys& hotKeys_;
    Files& files_;
    Dialogs& dialogs_;
    crashlog::CrashLog& log_;
};

}  // namespace vitrex::views::debug
