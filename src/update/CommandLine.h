#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vitrex::update {

// One argument of a command line, quoted so that CommandLineToArgvW and msiexec read it back
// whole: blanks and quotes inside survive, and so do backslashes before a quote.
std::wstring QuoteArgument(const std::wstring& argument);

// The command line that installs `package` with a progress window and no questions.
std::wstring InstallCommandLine(const std::wstring& msiexec, const std::wstring& package);

// The name of update.exe's private working folder in the temporary folder: "Vitrex-update-" and
// the 16 random bytes in hex, so that no one can have made it or a file in it beforehand.
std::wstring PrivateFolderName(const std::array<std::uint8_t, 16>& random);

// The command line of a cmd.exe that removes the private folder `folderName` (with the program
// running from it) once that program has ended, which no program can do for its own image: while
// the folder is there, at most `attempts` times, it waits a second (ping's pause between two
// echoes) and removes it. cmd expands "%...%" anywhere in its command line, quoted or not, so no
// path is part of it: cmd is started in the folder's parent, and the name, which holds letters,
// digits and "-" only, is relative to it. Throws std::invalid_argument for any other name.
std::wstring RemovalCommandLine(const std::wstring& cmd, const std::wstring& folderName, int attempts);

}  // namespace vitrex::update
