#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "core/platform/InstanceLock.h"
#include "core/platform/Registry.h"

namespace vitrex::app {

inline constexpr std::string_view kInstanceName = "Vitrex";

// The commands a second start hands over, as the running instance compares them.
inline constexpr std::string_view kCommandConfig = "CONFIG";
inline constexpr std::string_view kCommandClose = "CLOSE";
inline constexpr std::string_view kCommandChangeStatus = "CHANGESTATUS";
inline constexpr std::string_view kCommandDebug = "DEBUG";
// Not handed over: the package's removal runs it (see MadeFiles.h).
inline constexpr std::string_view kCommandCleanUp = "CLEANUP";

// Letters a to z become A to Z; every other byte stays as it is.
std::string UpperCaseAscii(std::string_view text);

// True for the four commands above, compared with an upper-cased argument.
bool IsCommand(std::string_view upperCased);

// The accepted commands, as a start with an unknown word, "--help" or "/?" prints them.
std::string UsageText();

// What the instance check decided.
struct InstanceCheck {
    bool startProgram = true;  // false: the process ends at once with exitCode
    int exitCode = 0;
    // Why a second start could not hand over its command (empty when it could): the running
    // instance never hears of it, so the second start says so itself.
    std::string error;
    // For whoever started the program: the accepted commands, when the argument was none of them.
    std::string usage;
    // A first start's command ("CONFIG", "DEBUG" or "CHANGESTATUS"), carried out once start-up
    // is done; empty for none.
    std::string startCommand;
};

// The exit code of a start whose argument is no command (also "--help" and "/?").
inline constexpr int kExitUsage = 1;
// The exit code of a second start whose command could not be written.
inline constexpr int kExitCommandNotDelivered = 2;
// The exit code of a second start "close" whose instance still ran at the end of its wait.
inline constexpr int kExitInstanceStillRuns = 3;

// How long a second start "close" waits for the running instance to end. The instance looks for
// commands once a second and then saves its settings; whoever sent "close" (the package's removal
// among them) may replace the program's files once the second start has returned 0.
inline constexpr std::chrono::milliseconds kCloseWaitLimit{15000};

// Runs before anything else of the program exists. An argument that is no command ends the start
// with the usage text, before the instance is looked at. A second start writes its upper-cased
// command (when it has one) into the command slot for the running instance; with "close" it
// returns only once that instance has ended (or kCloseWaitLimit has passed). A first start with
// "close" has nothing to close; with another command it starts and carries the command out.
InstanceCheck CheckSingleInstance(InstanceLock& lock, Registry& registry, std::string_view firstArgument);

}  // namespace vitrex::app
