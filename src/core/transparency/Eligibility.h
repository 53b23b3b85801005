#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/platform/WindowSystem.h"
#include "core/sysinfo/SystemInspector.h"
#include "core/sysinfo/SystemLists.h"
#include "core/transparency/KnownWindows.h"

namespace vitrex::transparency {

// The user's exceptions as the eligibility test reads them: the exceptions list and the class
// exception of the debug page.
class ExceptionsSource {
public:
    virtual ~ExceptionsSource() = default;
    // Whether the list holds this executable name as a whole string, letter case ignored.
    virtual bool Contains(std::string_view exeName) const = 0;
    // The class exception; empty for none.
    virtual std::string ClassException() const = 0;
};

// A desktop or shell window that always stays opaque: the first top-level window in z-order with
// this class and, when given, this title.
struct ShellWindowRule {
    std::string_view className;
    std::optional<std::string_view> title;
};

// In the order they are tested: program manager, untitled tooltip, drag image, taskbar, desktop
// worker.
inline constexpr std::array<ShellWindowRule, 5> kShellWindowRules{{
    {"ProgMan", "Program Manager"},
    {"tooltips_class32", ""},
    {"SysDragImage", "Drag"},
    {"Shell_TrayWnd", std::nullopt},
    {"WorkerW", std::nullopt},
}};

// Whether the engine may change a window's opacity, and which program a window belongs to.
//
// Every check sees the desktop and the process list as they are at that moment. Between
// BeginShared and EndShared (see SharedLookups) the desktop is taken not to change, so the shell
// windows, the class exception's window and one process snapshot are looked up once and shared
// by all checks in between: the answers are those that fresh lookups per check would give.
//
// Shared lookups may trust the process list of the last refresh for the windows the engine knows:
// a known window was met with a list read after it existed, and while it exists its process
// keeps its id, so every later list names that process rightly. A window the engine does not
// know yet may belong to a new process that took a listed process's id: its process is asked
// for its name by its id, and only when that differs from the list's (or cannot be had) is the
// list read anew. The same name gives the same answers, since exceptions and remembered levels go
// by the name. A foreground switch then takes no process snapshot at all, and a new window of a
// running program none either; a new program's window does.
class Eligibility {
public:
    // `listFailed` is told at once of every process-list request that did not come back whole, so
    // that the owner can tell the user while the request's handler is still running.
    Eligibility(WindowSystem& windows, sysinfo::SystemInspector& inspector,
                const ExceptionsSource& exceptions, std::function<void(sysinfo::ListOutcome)> listFailed = {})
        : windows_(windows),
          inspector_(inspector),
          exceptions_(exceptions),
          listFailed_(std::move(listFailed)) {}

    bool IsTransparencyAllowed(WindowHandle window);
    // The executable name of the window's process, empty when no process has the window's
    // process id (window 0 included). With `refresh` the process list is read anew first;
    // window 0 with `refresh` only reloads the list.
    std::string GetWindowProcessName(WindowHandle window, bool refresh);
    // The process list of the last refresh, in the order the system gave it.
    const sysinfo::ProcessList& ProcessCache() const { return processCache_; }

    // `trusted`: the windows whose process may be named from the last list (see above).
    void BeginShared(const KnownWindows* trusted = nullptr);
    void EndShared();

    // What a window counts as while the process list cannot be read: by default a window of no
    // program (no exception matches it, so it may be restored); the engine, while it gives levels,
    // counts it as excepted, since it cannot tell whether the user excepted its program.
    void SetUnreadableProgramsExcepted(bool excepted) { unreadableExcepted_ = excepted; }

private:
    void RefreshProcessCache();
    bool IsShellOrClassException(WindowHandle window);
    bool IsExceptedProgram(WindowHandle window);
    // The index of the process's cache entry, or nothing.
    std::optional<std::size_t> FindProcess(std::uint32_t processId) const;
    // Whether the window's process is named rightly by the last list without reading it anew.
    bool ListNamesRightly(WindowHandle window, std::uint32_t processId);

    WindowSystem& windows_;
    sysinfo::SystemInspector& inspector_;
    const ExceptionsSource& exceptions_;
    std::function<void(sysinfo::ListOutcome)> listFailed_;
    sysinfo::ProcessList processCache_;
    // Open-addressed (process id, cache index) of the first entry of each id, so a window's
    // process is found without a scan of the whole list. Id 0 marks a free slot: no window
    // belongs to process 0.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> entryById_;

    bool unreadableExcepted_ = false;
    bool processesUnreadable_ = false;
    int sharedDepth_ = 0;
    bool sharedSnapshotTaken_ = false;
    const KnownWindows* trusted_ = nullptr;
    // Processes whose listed name their id confirmed within the shared lookups. Beyond a few, one
    // whole list costs less than asking each.
    static constexpr std::size_t kNamesConfirmedAtMost = 4;
    std::vector<std::uint32_t> namesConfirmed_;
    std::size_t namesAsked_ = 0;
    struct RefusedWindows {
        std::array<WindowHandle, kShellWindowRules.size()> shell{};
        bool hasClassException = false;
        WindowHandle classException = 0;
    };
    std::optional<RefusedWindows> sharedRefused_;
    // Whether each cache entry's program is excepted (1), not (0) or not asked yet (-1); the last
    // element stands for windows of no listed process.
    std::vector<std::int8_t> sharedExcepted_;
};

// Shares the lookups of all eligibility checks made while it lives (one tick, one switch-off).
class SharedLookups {
public:
    explicit SharedLookups(Eligibility& eligibility, const KnownWindows* trusted = nullptr)
        : eligibility_(eligibility) {
        eligibility_.BeginShared(trusted);
    }
    ~SharedLookups() { eligibility_.EndShared(); }
    SharedLookups(const SharedLookups&) = delete;
    SharedLookups& operator=(const SharedLookups&) = delete;

private:
    Eligibility& eligibility_;
};

}  // namespace vitrex::transparency
