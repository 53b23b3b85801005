#pragma once

#include <string>

namespace vitrex {

// The system's shell: what the user's own programs do with a link or a file.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a URL in the user's browser, or a file with its program (a program file is started),
    // with the verb "open" in a normal window. Throws SystemError when the shell refuses.
    virtual void Open(const std::string& target) = 0;
    // Starts a program with a command line of arguments. Throws SystemError when it cannot start.
    virtual void Run(const std::string& program, const std::string& arguments) = 0;
};

}  // namespace vitrex
