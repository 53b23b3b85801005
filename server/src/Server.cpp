#include "Server.h"

#include <httplib.h>

#include <iostream>

#include "Contract.h"
#include "Delivery.h"
#include "ReportStore.h"
#include "Script.h"
#include "UtcTime.h"

namespace vitrex::server {
namespace {

// A stalled request holds a worker until the server ends; enough of them that a test's stalls
// leave the contract answering.
constexpr std::size_t kWorkers = 32;
constexpr std::size_t kLargestRequest = 1024 * 1024;

std::string LogLine(const std::string& address, const httplib::Request& request,
                    const httplib::Response& response) {
    const std::size_t size = response.content_length_ ? response.content_length_ : response.body.size();
    return address + " \"" + request.method + " " + request.target + "\" " + std::to_string(response.status) +
           " " + std::to_string(size);
}

std::string DefaultBaseUrl(const std::string& bind, int port) {
    std::string host = bind == "0.0.0.0" || bind == "::" || bind.empty() ? "127.0.0.1" : bind;
    if (host.find(':') != std::string::npos) host = "[" + host + "]";
    return "http://" + host + ":" + std::to_string(port) + "/";
}

}  // namespace

std::unique_ptr<Server> Server::Start(const Options& options, std::string& error, Log log) {
    std::unique_ptr<Server> server(new Server());
    // Whole lines in one write, so that the request threads' lines never mix.
    server->log_ = log ? std::move(log) : [](const std::string& line) {
        std::cerr << (UtcTimestamp() + " " + line + "\n") << std::flush;
    };
    DataFolder data = DataFolder::Open(options.data, error);
    if (!error.empty()) return nullptr;
    for (const Release& release : data.Releases()) {
        std::error_code missing;
        if (!std::filesystem::is_regular_file(data.FileOf(release), missing)) {
            server->log_("warning: the update of build " + release.build +
                         " is missing: " + data.FileOf(release).string());
        }
    }
    server->reports_ = ReportStore::Open(options.database, error);
    if (!server->reports_) return nullptr;
    server->stop_ = std::make_unique<StopSignal>();
    server->script_ = std::make_unique<Script>(options.script);
    server->http_ = std::make_unique<httplib::Server>();
    server->port_ = options.port == 0
                        ? server->http_->bind_to_any_port(options.bind)
                        : (server->http_->bind_to_port(options.bind, options.port) ? options.port : -1);
    if (server->port_ <= 0) {
        error = "cannot listen on " + options.bind + " port " + std::to_string(options.port);
        return nullptr;
    }
    const std::string base =
        options.base_url.empty() ? DefaultBaseUrl(options.bind, server->port_) : options.base_url;
    server->site_ = std::unique_ptr<Site>(new Site{std::move(data), *server->reports_, *server->script_,
                                                   *server->stop_, base, options.behind_proxy});
    server->Configure(options);
    server->listener_ = std::thread([http = server->http_.get()] { http->listen_after_bind(); });
    return server;
}

void Server::Configure(const Options& options) {
    httplib::Server& http = *http_;
    http.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    http.set_payload_max_length(kLargestRequest);
    // Short keep-alive, so that ending the server does not wait long on an idle connection.
    http.set_keep_alive_timeout(1);
    http.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        const bool proxied = site_->behind_proxy && request.has_header("X-Real-IP");
        log_(LogLine(proxied ? request.get_header_value("X-Real-IP") : request.remote_addr, request,
                     response));
    });
    http.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        const auto fault = script_->FaultFor(request.path, request.params);
        if (!fault || fault->kind == Fault::Kind::Cut) return httplib::Server::HandlerResponse::Unhandled;
        if (fault->kind == Fault::Kind::Stall) {
            log_(request.remote_addr + " \"" + request.method + " " + request.target + "\" stalled");
            stop_->WaitForever();
            response.status = 503;
        } else if (fault->kind == Fault::Kind::Status) {
            response.status = static_cast<int>(fault->amount);
            response.set_content("scripted failure\n", "text/plain");
        } else {
            Deliver(
                response, fault->amount, "text/plain",
                [](std::uint64_t, std::size_t length, std::string& out) {
                    out.assign(length, 'x');
                    return true;
                },
                Pace{}, *stop_);
        }
        return httplib::Server::HandlerResponse::Handled;
    });
    AddContractRoutes(http, *site_);
    if (options.test_control) {
        http.Get("/test-control", [this](const httplib::Request& request, httplib::Response& response) {
            std::string error;
            if (script_->Apply(request.params, error)) {
                response.set_content("ok\n", "text/plain");
            } else {
                response.status = 400;
                response.set_content(error + "\n", "text/plain");
            }
        });
    }
}

const std::string& Server::BaseUrl() const {
    return site_->base_url;
}

void Server::Stop() {
    if (!http_) return;
    stop_->Raise();
    http_->stop();
    if (listener_.joinable()) listener_.join();
}

Server::~Server() {
    Stop();
}

}  // namespace vitrex::server
