#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "CrashRestoreChild.h"
#include "core/transparency/Alpha.h"
#include "core/transparency/OwnAlphas.h"
#include "core/transparency/WindowJournal.h"
#include "win32/UniqueHandle.h"
#include "win32/app/CrashRestore.h"
#include "win32/platform/Win32Registry.h"
#include "win32/platform/Win32WindowSystem.h"
#include "win32/platform/WindowHandle.h"

namespace vitrex::win32 {

namespace {

constexpr const wchar_t* kScratchKey = L"Software\\VitrexTests\\CrashRestore";

int SystemAlpha(HWND window) {
    if ((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) return -1;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags)) return -2;
    return (flags & LWA_ALPHA) != 0 ? alpha : 255;
}

UniqueWindow CreateVisible(const wchar_t* title) {
    return UniqueWindow(CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200,
                                        120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

void MakeLayered(HWND window, BYTE alpha) {
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

DWORD ExStyle(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
}

// Makes the window an overlay as the program does, and returns the style it had before.
DWORD MakeOverlay(HWND window, BYTE alpha, bool keepAttributes) {
    const DWORD before = ExStyle(window);
    SetWindowLongPtrW(window, GWL_EXSTYLE, before | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    if (!keepAttributes) SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return before;
}

// Set by the test once it has seen the window translucent; the child crashes only then.
std::wstring SeenEventName(const std::wstring& targetText) {
    return L"VitrexCrashRestoreSeen-" + targetText;
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

TEST(CrashRestore, GivesBackOnlyTheKeptWindowsThatStillCarryTheirAlpha) {
    UniqueWindow plain = CreateVisible(L"Kept plain");
    UniqueWindow program = CreateVisible(L"Kept program");
    UniqueWindow changed = CreateVisible(L"Kept changed");
    MakeLayered(plain.Get(), 191);
    MakeLayered(program.Get(), 191);
    MakeLayered(changed.Get(), 127);
    KeepForCrashRestore({{FromHwnd(plain.Get()), 191, std::nullopt, std::nullopt},
                         {FromHwnd(program.Get()), 191, LayeredAttributes{std::nullopt, 200}, std::nullopt},
                         {FromHwnd(changed.Get()), 191, std::nullopt, std::nullopt}});

    EXPECT_EQ(RestoreKeptWindows(), 2);
    EXPECT_EQ(SystemAlpha(plain.Get()), -1);
    EXPECT_EQ(SystemAlpha(program.Get()), 200);
    EXPECT_EQ(SystemAlpha(changed.Get()), 127);
    KeepForCrashRestore({});
    EXPECT_EQ(RestoreKeptWindows(), 0);
}

TEST(CrashRestore, GivesOverlaysTheirEarlierStyleTopmostAndAttributesBeforeTheEnginesWindows) {
    UniqueWindow plain = CreateVisible(L"Overlay plain");
    UniqueWindow keyed = CreateVisible(L"Overlay keyed");
    UniqueWindow engine = CreateVisible(L"Overlay engine");
    UniqueWindow clickable = CreateVisible(L"Overlay clickable again");
    SetWindowLongPtrW(keyed.Get(), GWL_EXSTYLE, ExStyle(keyed.Get()) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(keyed.Get(), RGB(255, 0, 255), 0, LWA_COLORKEY);
    SetLayeredWindowAttributes(keyed.Get(), RGB(255, 0, 255), 153, LWA_COLORKEY | LWA_ALPHA);
    MakeLayered(engine.Get(), 191);
    const DWORD plainBefore = MakeOverlay(plain.Get(), 153, false);
    const DWORD keyedBefore = MakeOverlay(keyed.Get(), 153, true);
    const DWORD engineBefore = MakeOverlay(engine.Get(), 191, true);
    const DWORD clickableBefore = MakeOverlay(clickable.Get(), 153, false);
    SetWindowLongPtrW(clickable.Get(), GWL_EXSTYLE, ExStyle(clickable.Get()) & ~WS_EX_TRANSPARENT);
    ASSERT_TRUE(ExStyle(plain.Get()) & WS_EX_TOPMOST);
    KeepForCrashRestore({{FromHwnd(plain.Get()), 153, std::nullopt, plainBefore},
                         {FromHwnd(keyed.Get()), 153, LayeredAttributes{0xFF00FF, std::nullopt}, keyedBefore},
                         {FromHwnd(engine.Get()), 191, LayeredAttributes{std::nullopt, 191}, engineBefore},
                         {FromHwnd(clickable.Get()), 153, std::nullopt, clickableBefore},
                         {FromHwnd(engine.Get()), 191, std::nullopt, std::nullopt}});

    EXPECT_EQ(RestoreKeptWindows(), 3);
    EXPECT_EQ(ExStyle(plain.Get()), plainBefore);
    EXPECT_EQ(ExStyle(keyed.Get()), keyedBefore);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(keyed.Get(), &key, &alpha, &flags));
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
    EXPECT_EQ(key, RGB(255, 0, 255));
    EXPECT_EQ(ExStyle(engine.Get()), engineBefore & ~static_cast<DWORD>(WS_EX_LAYERED))
        << "its earlier style, then the engine's alpha taken away";
    EXPECT_TRUE(ExStyle(clickable.Get()) & WS_EX_TOPMOST) << "changed since: left alone";
    KeepForCrashRestore({});
}

TEST(CrashRestore, AnAccessViolationInAnotherProcessLeavesItsWindowsOpaque) {
    UniqueWindow target = CreateVisible(L"Crash target");
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring targetText = std::to_wstring(reinterpret_cast<std::uintptr_t>(target.Get()));
    const UniqueHandle seen(CreateEventW(nullptr, TRUE, FALSE, SeenEventName(targetText).c_str()));
    ASSERT_TRUE(seen) << GetLastError();
    std::wstring command = L"\"" + std::wstring(self) + L"\" " + kCrashRestoreChildFlag + L" " + targetText;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &child));
    UniqueHandle process(child.hProcess);
    CloseHandle(child.hThread);

    // The child's style changes are messages to this thread: keep answering them.
    bool sawTranslucent = false;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 20000) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &child.hProcess, FALSE, 50, QS_ALLINPUT);
        Pump();
        if (!sawTranslucent && SystemAlpha(target.Get()) == 191) {
            sawTranslucent = true;
            SetEvent(seen.Get());
        }
        if (woke == WAIT_OBJECT_0) break;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.Get(), &exitCode);
    if (exitCode == STILL_ACTIVE) TerminateProcess(process.Get(), 1);
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
    Pump();

    EXPECT_EQ(exitCode, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    EXPECT_TRUE(sawTranslucent) << "the crashing process gave the window its alpha";
    EXPECT_EQ(SystemAlpha(target.Get()), -1);
}

}  // namespace

int RunCrashRestoreChild(const wchar_t* targetText) {
    // The system's crash report would hold the process; the filter runs before it either way.
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
    InstallCrashRestore();
    const HWND target =
        reinterpret_cast<HWND>(static_cast<std::uintptr_t>(_wcstoui64(targetText, nullptr, 10)));
    Win32WindowSystem system;
    Win32Registry registry;
    transparency::OwnAlphas own(system);
    transparency::WindowJournal journal(registry, "Software\\VitrexTests\\CrashRestore");
    journal.SetObserver(&KeepForCrashRestore);
    transparency::SetWindowTransparency(own, FromHwnd(target), 25);
    std::vector<transparency::JournalEntry> entries;
    for (const auto& [window, alpha] : own.Noted())
        entries.push_back({window, alpha, std::nullopt, std::nullopt});
    journal.Write(entries);
    // Crashes once the test has seen the window translucent (or has given up waiting for it).
    if (const UniqueHandle seen(OpenEventW(SYNCHRONIZE, FALSE, SeenEventName(targetText).c_str())); seen)
        WaitForSingleObject(seen.Get(), 20000);
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}

}  // namespace vitrex::win32
