#pragma once

#include "core/platform/Files.h"
#include "core/platform/Registry.h"

namespace vitrex::app {

// What the program made outside its package, which the package's removal takes away with it (but
// not on the way to a newer version, which uses the same places): the autostart value and, beside
// the program, the downloaded installer and the failure log. The settings stay. Run by "Vitrex.exe
// cleanup" from the package, so that no path passes through a command interpreter. Whatever did
// not exist is no failure; false when something that exists could not be removed.
bool RemoveMadeFiles(Registry& registry, Files& files);

// The exit code of "cleanup" when something stayed.
inline constexpr int kExitCleanUpIncomplete = 4;

}  // namespace vitrex::app
