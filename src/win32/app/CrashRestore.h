#pragma once

#include <cstddef>
#include <vector>

#include "core/transparency/WindowJournal.h"

namespace vitrex::win32 {

// How many journalled windows the crash copy holds; the journal in the registry covers the rest
// at the next start.
inline constexpr std::size_t kCrashRestoreCapacity = 1024;

// Keeps a copy of the journal that a crashed process can still use: a fixed array, filled
// without allocating anything the filter would need. Called on every new content of the journal.
void KeepForCrashRestore(const std::vector<transparency::JournalEntry>& entries) noexcept;

// Installs the unhandled-exception filter that gives the kept windows back before the process
// ends, and keeps stack in reserve on the calling thread so that the filter can run after a stack
// overflow there.
void InstallCrashRestore() noexcept;

// What the filter does, callable on its own: first every kept overlay that is still transparent to
// the mouse with the alpha it was given gets its earlier style (topmost included) and attributes
// back; then every kept window that still carries the alpha the engine gave it gets its own
// program's attributes back or loses the layered style. Only user32 calls on the kept array: no
// allocation, no lock. Returns how many windows it gave back.
int RestoreKeptWindows() noexcept;

}  // namespace vitrex::win32
