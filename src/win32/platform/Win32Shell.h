#pragma once

#include <windows.h>

#include "core/platform/Shell.h"

namespace vitrex::win32 {

// The system's shell, with the verb "open" in a normal window; any message the shell shows is
// owned by the main window once it exists.
class Win32Shell : public Shell {
public:
    explicit Win32Shell(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    void Open(const std::string& target) override;
    // Through the shell rather than CreateProcess: a program that asks for administrator rights
    // (an installer) then gets the system's consent prompt instead of failing.
    void Run(const std::string& program, const std::string& arguments) override;

private:
    void Execute(const std::string& file, const std::string& parameters, const std::string& context);

    HWND owner_;
};

}  // namespace vitrex::win32
