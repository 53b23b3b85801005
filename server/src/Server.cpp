#include "Server.h"

#include <httplib.h>
#include <unistd.h>

#include <charconv>
#include <iostream>

#include "Connections.h"
#include "Contract.h"
#include "Delivery.h"
#include "Listener.h"
#include "LogLine.h"
#include "ReportStore.h"
#include "Script.h"
#include "TestControl.h"
#include "UtcTime.h"
#include "core/net/FormEncoding.h"

namespace vitrex::server {

// The HTTP library parses, routes and writes one request at a time on a stream it is handed;
// the connections, their limits and their waiting are the server's own.
class HttpCore : public httplib::Server {
public:
    // True when the connection may stay open.
    bool Answer(httplib::Stream& stream, bool last, const std::function<void(httplib::Request&)>& setup) {
        bool closed = false;
        const bool written = process_request(stream, last, closed, setup);
        return written && !closed;
    }
    // Content providers run while this is a valid socket; -1 ends them.
    void Listening(int fd) { svr_sock_ = fd; }
};

namespace {

// A stalled request holds a worker until the server ends; enough of them that a test's stalls
// and a few slow downloads leave the contract answering.
constexpr std::size_t kWorkers = 64;

// The reply that the current thread is writing, for the log's count of bytes sent.
thread_local const ExchangeStream* tExchange = nullptr;

std::uint64_t PromisedBytes(const httplib::Response& response) {
    const std::string length = response.get_header_value("Content-Length");
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(length.data(), length.data() + length.size(), value);
    if (!length.empty() && ec == std::errc() && end == length.data() + length.size()) return value;
    return response.content_length_ ? response.content_length_ : response.body.size();
}

std::string DefaultBaseUrl(const std::string& bind, int port) {
    std::string host = bind == "0.0.0.0" || bind == "::" || bind.empty() ? "127.0.0.1" : bind;
    if (host.find(':') != std::string::npos) host = "[" + host + "]";
    return "http://" + host + ":" + std::to_string(port) + "/";
}

// "GET /x HTTP/1.1" as "GET /x", the way the log names every request.
std::string_view WithoutVersion(std::string_view line) {
    const std::size_t blank = line.rfind(' ');
    return blank != std::string_view::npos && line.substr(blank + 1).starts_with("HTTP/")
               ? line.substr(0, blank)
               : line;
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
    int port = options.port;
    server->listener_ = OpenListener(options.bind, port, error);
    if (server->listener_ < 0) return nullptr;
    server->port_ = port;
    const std::string base =
        options.base_url.empty() ? DefaultBaseUrl(options.bind, server->port_) : options.base_url;
    server->site_ = std::unique_ptr<Site>(new Site{std::move(data),
                                                   *server->reports_,
                                                   *server->script_,
                                                   *server->stop_,
                                                   base,
                                                   options.behind_proxy,
                                                   {}});
    server->http_ = std::make_unique<HttpCore>();
    server->Configure(options);
    return server;
}

void Server::Configure(const Options& options) {
    HttpCore& http = *http_;
    ConnectionSettings settings;
    settings.workers = kWorkers;
    settings.largest_body = net::kLargestFormBody;
    http.set_payload_max_length(net::kLargestFormBody);
    // Only what the replies' Keep-Alive header announces; the connections keep to it.
    http.set_keep_alive_timeout(settings.keep_alive.count() / 1000);
    http.set_keep_alive_max_count(settings.requests_per_connection);
    http.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        const std::uint64_t promised = PromisedBytes(response);
        const std::uint64_t sent =
            request.method == "HEAD" || !tExchange ? promised : tExchange->BodyBytesSent();
        // The control route's query carries its token.
        const std::string& target = request.path == "/test-control" ? request.path : request.target;
        log_(RequestLogLine(SenderAddress(*site_, request), request.method + " " + target, response.status,
                            sent, promised));
    });
    http.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        const auto fault = script_->FaultFor(request.path, request.params);
        if (!fault || fault->kind == Fault::Kind::Cut) return httplib::Server::HandlerResponse::Unhandled;
        if (fault->kind == Fault::Kind::Stall) {
            log_(RequestLogLine(request.remote_addr, request.method + " " + request.target, 0, 0, 0) +
                 " stalled");
            stop_->WaitForever();
            response.status = 503;
        } else if (fault->kind == Fault::Kind::Status) {
            response.status = static_cast<int>(fault->amount);
            response.set_content("scripted failure\n", "text/plain");
        } else if (fault->kind == Fault::Kind::Answer) {
            response.set_content(fault->text, "text/plain; charset=windows-1252");
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
    if (options.test_control) AddTestControlRoute(http, *site_, options.test_control_token);

    http.Listening(listener_);
    // Byte ranges serve a resumed download; every other reply is generated whole.
    const auto setup = [](httplib::Request& request) {
        if (request.path != "/download.php") request.ranges.clear();
    };
    connections_ = std::make_unique<Connections>(
        listener_, settings,
        [this, setup](ExchangeStream& stream, bool last) {
            tExchange = &stream;
            const bool keep = http_->Answer(stream, last, setup);
            tExchange = nullptr;
            return keep;
        },
        [this](const Peer& peer, const Frame& frame) {
            log_(RequestLogLine(peer.remote_ip, WithoutVersion(frame.request_line), frame.status, 0, 0) +
                 " (" + frame.reason + ")");
        });
}

const std::string& Server::BaseUrl() const {
    return site_->base_url;
}

void Server::Stop() {
    if (!connections_) return;
    stop_->Raise();
    http_->Listening(-1);
    connections_->Stop();
    connections_.reset();
    close(listener_);
    listener_ = -1;
}

Server::~Server() {
    Stop();
}

}  // namespace vitrex::server
