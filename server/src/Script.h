#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vitrex::server {

using Params = std::multimap<std::string, std::string>;

// A misbehaviour the tests ask for on one path: "stall" takes the request and never answers,
// "cut" promises the whole body and closes after half of it, "huge:N" answers N bytes of filler,
// "status:N" answers with that HTTP status, "answer:TEXT" answers 200 with TEXT (a refused report's
// "0", a page where a build number belongs).
struct Fault {
    enum class Kind { Stall, Cut, Huge, Status, Answer };
    Kind kind = Kind::Stall;
    std::uint64_t amount = 0;  // the bytes of "huge", the status of "status"
    std::string text;          // the body of "answer"
    std::string path;          // "/update.php"
    // Query keys the request must carry, with the value when one was given ("check" or "check=1").
    std::vector<std::pair<std::string, std::optional<std::string>>> query;

    bool Matches(std::string_view request_path, const Params& params) const;
};

// "MODE@TARGET", e.g. "stall@/update.php?check=1", "cut@download.php", "huge:300000000@update.php?infos".
std::optional<Fault> ParseFault(std::string_view spec, std::string& error);

// What the tests have scripted; shared by the request threads, changed by the control path.
struct Scripted {
    std::optional<std::string> newest_build;  // replaces the newest build announced; "" announces none
    std::uint64_t throttle = 0;               // the download's bytes per second; 0 for full speed
    std::vector<Fault> faults;
};

class Script {
public:
    explicit Script(Scripted initial = {}) : state_(std::move(initial)) {}

    Scripted Current() const;
    std::optional<Fault> FaultFor(std::string_view path, const Params& params) const;

    // The control path's keys: "clear" first drops everything scripted, then "newest", "throttle"
    // and each "fault" are applied. On an error nothing changes.
    bool Apply(const Params& params, std::string& error);

private:
    mutable std::mutex lock_;
    Scripted state_;
};

}  // namespace vitrex::server
