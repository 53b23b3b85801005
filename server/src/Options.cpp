#include "Options.h"

#include <arpa/inet.h>

#include <algorithm>
#include <charconv>

#include "DataFolder.h"
#include "TestControl.h"

namespace vitrex::server {

const char* const kUsage =
    "usage: vitrex_server --data DIR [options]\n"
    "  --data DIR            releases.txt, changelog/, pages/ and files/ (required)\n"
    "  --port N              port to listen on (default 8021); 0 picks a free one\n"
    "  --bind ADDRESS        IPv4 or IPv6 address to listen on (default 127.0.0.1)\n"
    "  --database FILE       SQLite file of the bug reports (default DIR/reports.sqlite)\n"
    "  --base-url URL        public http:// or https:// base URL of the replies' links\n"
    "                        (default http://ADDRESS:PORT/)\n"
    "  --behind-proxy        take the sender's address from the front end's X-Real-IP header\n"
    "For tests:\n"
    "  --newest-build B      announce B as the newest build (\"\" announces none)\n"
    "  --throttle N          send the update at N bytes per second\n"
    "  --fault MODE@PATH     misbehave on PATH[?key[=value]&...]: MODE is stall, cut,\n"
    "                        huge:BYTES, status:CODE or answer:TEXT (may be given more\n"
    "                        than once)\n"
    "  --test-control TOKEN  allow GET /test-control?token=TOKEN&clear=1&newest=B&throttle=N&\n"
    "                        fault=MODE@PATH from this machine; TOKEN is 16 to 128 letters,\n"
    "                        digits, \"-\" or \"_\"\n"
    "The chosen port is printed on the first line of standard output; a line per request goes\n"
    "to standard error. SIGINT or SIGTERM ends the server.\n";

namespace {

std::optional<long long> ParseNumber(const std::string& text) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool IsIpAddress(const std::string& text) {
    unsigned char address[sizeof(in6_addr)];
    return inet_pton(AF_INET, text.c_str(), address) == 1 || inet_pton(AF_INET6, text.c_str(), address) == 1;
}

// "http://" or "https://", a host, and nothing that needs quoting in a link.
bool IsBaseUrl(const std::string& text) {
    const std::size_t scheme = text.starts_with("https://") ? 8 : text.starts_with("http://") ? 7 : 0;
    if (scheme == 0 || text.size() == scheme || text[scheme] == '/' || text[scheme] == ':') return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 && byte < 0x7F && c != '"' && c != '<' && c != '>' && c != '\\' && c != '`';
    });
}

const char* const kValued[] = {"--port",         "--bind",     "--data",  "--database",    "--base-url",
                               "--newest-build", "--throttle", "--fault", "--test-control"};

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
        if (std::find(std::begin(kValued), std::end(kValued), name) == std::end(kValued)) {
            error = name.starts_with("-") ? "unknown option " + name : "unexpected argument " + name;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
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
            if (!IsIpAddress(value)) {
                error = "--bind takes an IPv4 or IPv6 address, not \"" + value + "\"";
                return std::nullopt;
            }
            options.bind = value;
        } else if (name == "--data" || name == "--database") {
            if (value.empty()) {
                error = name + " needs a path, not \"\"";
                return std::nullopt;
            }
            (name == "--data" ? options.data : options.database) = value;
        } else if (name == "--base-url") {
            if (!IsBaseUrl(value)) {
                error = "--base-url takes an http:// or https:// URL, not \"" + value + "\"";
                return std::nullopt;
            }
            options.base_url = value.ends_with('/') ? value : value + "/";
        } else if (name == "--newest-build") {
            if (!value.empty() && !ParseBuild(value)) {
                error = "--newest-build takes a build number of one to nine digits or \"\", not \"" + value +
                        "\"";
                return std::nullopt;
            }
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
        } else if (name == "--test-control") {
            if (!IsValidControlToken(value)) {
                error = "--test-control takes a token of 16 to 128 letters, digits, \"-\" or \"_\"";
                return std::nullopt;
            }
            options.test_control = true;
            options.test_control_token = value;
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
