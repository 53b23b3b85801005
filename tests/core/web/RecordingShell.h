#pragma once

#include <string>
#include <vector>

#include "core/platform/Errors.h"
#include "core/platform/Shell.h"

namespace vitrex::views::web {

// What the pages opened through the shell; can refuse like a shell without a program.
class RecordingShell : public Shell {
public:
    std::vector<std::string> opened;
    bool refuse = false;
    void Open(const std::string& target) override {
        if (refuse)
            throw SystemError("ShellExecuteExW failed (2): The system cannot find the file specified.");
        opened.push_back(target);
    }
    void Run(const std::string& program, const std::string&) override { opened.push_back(program); }
};

}  // namespace vitrex::views::web
