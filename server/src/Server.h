#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Options.h"

namespace vitrex::server {

class Connections;
class HttpCore;
class ReportStore;
class Script;
class StopSignal;
struct Site;

// The project's web server: bound and answering from Start until Stop (or destruction).
class Server {
public:
    using Log = std::function<void(const std::string& line)>;

    // Opens the data folder and the database and binds; nothing, with the reason, when any fails.
    static std::unique_ptr<Server> Start(const Options& options, std::string& error, Log log = nullptr);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    int Port() const { return port_; }
    const std::string& BaseUrl() const;
    Script& Scripting() { return *script_; }

    // Wakes every reply that waits, ends the listening and joins the worker threads. Idempotent.
    void Stop();

private:
    Server() = default;
    void Configure(const Options& options);

    Log log_;
    std::unique_ptr<StopSignal> stop_;
    std::unique_ptr<Script> script_;
    std::unique_ptr<ReportStore> reports_;
    std::unique_ptr<Site> site_;
    std::unique_ptr<HttpCore> http_;
    std::unique_ptr<Connections> connections_;
    int listener_ = -1;
    int port_ = 0;
};

}  // namespace vitrex::server
