#pragma once

#include <string>

namespace vitrex::win32 {

// Where the embedded browser control looks up, per executable, which rendering mode to use.
inline constexpr wchar_t kBrowserEmulationKey[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
// The newest mode the control knows, for pages with or without a doctype.
inline constexpr unsigned long kBrowserEmulationNewest = 11001;
// Where it looks up whether pages from this computer (the local error pages) run locked down, as
// pages from the internet do: no script reaching the user's files.
inline constexpr wchar_t kLocalMachineLockdownKey[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_LOCALMACHINE_LOCKDOWN";

// The running executable's file name without its folder ("Vitrex.exe").
std::wstring ExecutableFileName();

// Without a value for the executable, the control renders every page in the oldest mode it has.
// Writes the value under `keyPath` of the current user; false when the registry refuses (the
// control then still works, in that old mode).
bool SetBrowserEmulation(const std::wstring& keyPath, const std::wstring& executableName);

// Locks the local machine zone down for the executable (the value 1 under `keyPath`); false when
// the registry refuses.
bool SetLocalMachineLockdown(const std::wstring& keyPath, const std::wstring& executableName);

}  // namespace vitrex::win32
