#pragma once

#include <windows.h>

#include <string>

#include "Args.h"

namespace vitrex::probe {

// Which top-level window a command is about: --hwnd 0x..., or --class and/or --title (exact;
// with both, both must match). Hidden windows count.
struct Target {
    HWND hwnd = nullptr;
    std::wstring className;
    std::wstring title;
    bool byHandle = false;
    bool byClass = false;
    bool byTitle = false;

    HWND Find() const;
    std::string Describe() const;
};

// Takes the target options out of args; false (and a message) when none was given.
bool TakeTarget(Args& args, Target& target);

// False (and a message) when words are left over after a command took its options.
bool NoLeftovers(const Args& args);

// For commands about one existing window, after they took their own options: kDone with hwnd
// set, or the exit code to give up with.
int ResolveTarget(Args& args, HWND& hwnd);

std::wstring ClassOf(HWND hwnd);
// WM_GETTEXT rather than GetWindowTextW: across processes the latter gives an edit control's
// stored caption, not what it shows. A hung owner costs at most a second per window.
std::wstring TextOf(HWND hwnd);

}  // namespace vitrex::probe
