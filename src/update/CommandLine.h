#pragma once

#include <string>

namespace vitrex::update {

// One argument of a command line, quoted so that CommandLineToArgvW and msiexec read it back
// whole: blanks and quotes inside survive, and so do backslashes before a quote.
std::wstring QuoteArgument(const std::wstring& argument);

// The command line that installs `package` with a progress window and no questions.
std::wstring InstallCommandLine(const std::wstring& msiexec, const std::wstring& package);

// The command line of a cmd.exe that removes `file` once the program running from it has ended,
// which no program can do for its own image: while the file is there, at most `attempts` times,
// it waits a second (ping's pause between two echoes) and deletes it.
std::wstring RemovalCommandLine(const std::wstring& cmd, const std::wstring& file, int attempts);

}  // namespace vitrex::update
