#pragma once

namespace vitrex::win32 {

// The test program started again with this flag and a window handle is a process that gives that
// window an alpha through the journal's path and then crashes.
inline constexpr const wchar_t* kCrashRestoreChildFlag = L"--crash-restore-child";
int RunCrashRestoreChild(const wchar_t* targetText);

}  // namespace vitrex::win32
