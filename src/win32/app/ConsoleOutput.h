#pragma once

#include <string>

namespace vitrex::win32 {

// Where a message for whoever started the program goes.
enum class StarterStream { Output, Error };

// Writes the text to the starter's standard output or error: the handle the program was given
// when it has one (a redirection, or Wine's terminal), otherwise the console of the process that
// started it (AttachConsole(ATTACH_PARENT_PROCESS)); a program started from the desktop has
// neither, and the text goes nowhere but the debugger's output. A program of the window subsystem
// gets no console of its own, so this is the only way to a command prompt.
void WriteToStarter(StarterStream stream, const std::string& text) noexcept;

}  // namespace vitrex::win32
