#include "Script.h"

#include <charconv>

#include "DataFolder.h"

namespace vitrex::server {
namespace {

std::optional<std::uint64_t> ParseCount(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string WithSlash(std::string_view path) {
    return path.starts_with('/') ? std::string(path) : "/" + std::string(path);
}

}  // namespace

bool Fault::Matches(std::string_view request_path, const Params& params) const {
    if (request_path != path) return false;
    for (const auto& [key, value] : query) {
        const auto [first, last] = params.equal_range(key);
        if (first == last) return false;
        if (value && first->second != *value) return false;
    }
    return true;
}

std::optional<Fault> ParseFault(std::string_view spec, std::string& error) {
    const std::size_t at = spec.find('@');
    if (at == std::string_view::npos || at + 1 == spec.size()) {
        error = "a fault is MODE@PATH, e.g. stall@/update.php?check=1: \"" + std::string(spec) + "\"";
        return std::nullopt;
    }
    const std::string_view mode = spec.substr(0, at);
    const std::string_view target = spec.substr(at + 1);
    Fault fault;
    const std::size_t colon = mode.find(':');
    const std::string_view name = mode.substr(0, colon);
    const bool bare = colon == std::string_view::npos;
    const auto amount = bare ? std::nullopt : ParseCount(mode.substr(colon + 1));
    fault.amount = amount.value_or(0);
    if (name == "stall" && bare) {
        fault.kind = Fault::Kind::Stall;
    } else if (name == "cut" && bare) {
        fault.kind = Fault::Kind::Cut;
    } else if (name == "huge" && amount) {
        fault.kind = Fault::Kind::Huge;
    } else if (name == "status" && amount && fault.amount >= 100 && fault.amount <= 599) {
        fault.kind = Fault::Kind::Status;
    } else if (name == "answer" && !bare) {
        fault.kind = Fault::Kind::Answer;
        fault.text = std::string(mode.substr(colon + 1));
    } else {
        error = "unknown fault mode \"" + std::string(mode) +
                "\" (stall, cut, huge:BYTES, status:CODE, answer:TEXT)";
        return std::nullopt;
    }
    const std::size_t question = target.find('?');
    fault.path = WithSlash(target.substr(0, question));
    if (question != std::string_view::npos) {
        std::string_view query = target.substr(question + 1);
        while (!query.empty()) {
            const std::size_t amp = query.find('&');
            const std::string_view pair = query.substr(0, amp);
            query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
            if (pair.empty()) continue;
            const std::size_t equals = pair.find('=');
            if (equals == std::string_view::npos) {
                fault.query.emplace_back(std::string(pair), std::nullopt);
            } else {
                fault.query.emplace_back(std::string(pair.substr(0, equals)),
                                         std::string(pair.substr(equals + 1)));
            }
        }
    }
    return fault;
}

Scripted Script::Current() const {
    std::lock_guard<std::mutex> hold(lock_);
    return state_;
}

std::optional<Fault> Script::FaultFor(std::string_view path, const Params& params) const {
    std::lock_guard<std::mutex> hold(lock_);
    for (const Fault& fault : state_.faults) {
        if (fault.Matches(path, params)) return fault;
    }
    return std::nullopt;
}

bool Script::Apply(const Params& params, std::string& error) {
    std::lock_guard<std::mutex> hold(lock_);
    Scripted next = params.count("clear") ? Scripted{} : state_;
    for (const auto& [key, value] : params) {
        if (key == "newest") {
            // Written into every client's update information: nothing but a build number.
            if (!value.empty() && !ParseBuild(value)) {
                error = "newest is a build number of one to nine digits: \"" + value + "\"";
                return false;
            }
            next.newest_build = value;
        } else if (key == "throttle") {
            const auto rate = ParseCount(value);
            if (!rate) {
                error = "throttle is a count of bytes per second: \"" + value + "\"";
                return false;
            }
            next.throttle = *rate;
        } else if (key == "fault") {
            auto fault = ParseFault(value, error);
            if (!fault) return false;
            next.faults.push_back(std::move(*fault));
        } else if (key != "clear") {
            error = "unknown control key \"" + key + "\" (clear, newest, throttle, fault)";
            return false;
        }
    }
    state_ = std::move(next);
    return true;
}

}  // namespace vitrex::server
