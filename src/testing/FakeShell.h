#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/Errors.h"
#include "core/platform/Shell.h"

namespace vitrex::fakes {

// Records what the program opened and started; can refuse like a shell without a program.
class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    std::vector<std::pair<std::string, std::string>> run;
    bool refuse = false;
    // Runs at each Open, after it is recorded (a test looks at the files the moment a program
    // starts).
    std::function<void(const std::string&)> onOpen;

    void Open(const std::string& target) override {
        if (refuse) throw SystemError("ShellExecuteW failed (2): The system cannot find the file specified.");
        opened.push_back(target);
        if (onOpen) onOpen(target);
    }
    void Run(const std::string& program, const std::string& arguments) override {
        if (refuse)
            throw SystemError("CreateProcessW failed (2): The system cannot find the file specified.");
        run.emplace_back(program, arguments);
    }
};

}  // namespace vitrex::fakes
