#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "update/CommandLine.h"

namespace vitrex::update {

// How long the old program gets to save its settings and end after starting the update.
inline constexpr DWORD kInstanceEndTimeoutMs = 30000;

// Waits until no thread of any process holds the mutex `name` any more (none existing counts).
// False when it is still held after `timeoutMs`.
bool WaitForMutexToGo(const wchar_t* name, DWORD timeoutMs);

// Writes `bytes` to `path`, replacing a file there. False (and no file) when that fails.
bool WriteWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes);

// The package this program carries: resource RCDATA 1 of its own image; empty when missing.
std::span<const std::uint8_t> CarriedPackage();

// Where the package puts the program for this user: %LOCALAPPDATA%\Programs\Vitrex\Vitrex.exe.
std::wstring InstalledProgramPath();

// Starts `commandLine` and waits for it to end; its exit code, or -1 when it could not start.
long RunAndWait(const std::wstring& commandLine);

}  // namespace vitrex::update
