#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Script.h"

namespace vitrex::server {

struct Options {
    int port = 8021;  // 0 picks a free port
    std::string bind = "127.0.0.1";
    std::filesystem::path data;
    std::filesystem::path database;  // empty: reports.sqlite in the data folder
    std::string base_url;            // empty: http://ADDRESS:PORT/ of the bound socket
    bool behind_proxy = false;       // the sender's address comes from the front end's X-Real-IP
    bool test_control = false;       // the scripted behaviour may be changed at /test-control
    std::string test_control_token;  // ... by a local client that gives this token
    Scripted script;
};

// Nothing, with the reason in `error`, on a bad command line; `help` is set for --help.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error, bool& help);

extern const char* const kUsage;

}  // namespace vitrex::server
