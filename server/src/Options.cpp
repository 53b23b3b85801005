#include "Options.h"

#include <charconv>

namespace vitrex::server {

const char* const kUsage =
    "usage: vitrex_server --data DIR [options]\n"
    "  --data DIR            releases.txt, changelog/, pages/ and files/ (required)\n"
    "  --port N              port to listen on (default 8021); 0 picks a free one\n"
    "  --bind ADDRESS        address to listen on (default 127.0.0.1)\n"
    "  --database FILE       SQLite file of the bug reports (default DIR/reports.sqlite)\n"
    "  --base-url URL        public base URL of the replies' links, ending in \"/\"\n"
    "                        (default http://ADDRESS:PORT/)\n"
    "  --behind-proxy        take the sender's address from the front end's X-Real-IP header\n"
    "For tests:\n"
    "  --newest-build B      announce B as the newest build (\"\" announces none)\n"
    "  --throttle N          send the update at N bytes per second\n"
    "  --fault MODE@PATH     misbehave on PATH[?key[=value]&...]: MODE is stall, cut,\n"
    "                        huge:BYTES or status:CODE (may be given more than once)\n"
    "  --test-control        allow GET /test-control?clear=1&newest=B&throttle=N&fault=MODE@PATH\n"
    "The chosen port is printed on the first line of standard output; a line per request goes\n"
    "to standard error. SIGINT or SIGTERM ends the server.\n";

namespace {

std::optional<long long> ParseNumber(const std::string& text) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error, bool& help) {
    Options options;
    help = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            help = true;
            return options;
        }
        if (name == "--behind-proxy") {
            options.behind_proxy = true;
            continue;
        }
        if (name == "--test-control") {
            options.test_control = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.starts_with("--") ? name + " needs a value" : "unexpected argument " + name;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (name == "--port") {
            const auto port = ParseNumber(value);
            if (!port || *port < 0 || *port > 65535) {
                error = "--port takes 0 to 65535, not \"" + value + "\"";
                return std::nullopt;
            }
            options.port = static_cast<int>(*port);
        } else if (name == "--bind") {
            options.bind = value;
        } else if (name == "--data") {
            options.data = value;
        } else if (name == "--database") {
            options.database = value;
        } else if (name == "--base-url") {
            options.base_url = value.ends_with('/') ? value : value + "/";
        } else if (name == "--newest-build") {
            options.script.newest_build = value;
        } else if (name == "--throttle") {
            const auto rate = ParseNumber(value);
            if (!rate || *rate < 0) {
                error = "--throttle takes a count of bytes per second, not \"" + value + "\"";
                return std::nullopt;
            }
            options.script.throttle = static_cast<std::uint64_t>(*rate);
        } else if (name == "--fault") {
            auto fault = ParseFault(value, error);
            if (!fault) return std::nullopt;
            options.script.faults.push_back(std::move(*fault));
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    if (options.data.empty()) {
        error = "--data DIR is required";
        return std::nullopt;
    }
    if (options.database.empty()) options.database = options.data / "reports.sqlite";
    return options;
}

}  // namespace vitrex::server
