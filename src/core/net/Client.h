#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/platform/Files.h"
#include "core/platform/FunctionRef.h"
#include "core/platform/Http.h"

namespace vitrex::net {

// The program's way to the project's web server: the HTTP port with the server's base URL, one
// request at a time, and a quit that waits for the running request to unwind. While a request
// waits, the window's messages run nested inside the call, so a click can ask for a second
// request (refused with HttpError) or quit the program (the transfer is ended, and the quit runs
// once the call has returned; the call then throws SilentAbort so that its caller stops there).
class Client {
public:
    // A reply read whole: the information lines, the change log, the report's answer.
    static constexpr std::size_t kTextReplyLimit = 64 * 1024;

    Client(Http& http, std::string base) : http_(http), base_(std::move(base)) {}
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    // The base URL, ending in "/".
    const std::string& Base() const { return base_; }
    // An absolute URL as it is; a relative one under the base.
    std::string Url(const std::string& url) const;

    // The whole reply, which may not pass `limit` bytes (HttpError: the transfer ends there, so a
    // server that sends without end costs no more than the limit).
    std::string Get(const std::string& url, std::size_t limit = kTextReplyLimit);
    void Get(const std::string& url, FunctionRef<void(std::string_view)> sink);
    // The whole reply as UTF-8 text, decoded by the charset its Content-Type declares (the
    // system's ANSI code page when it declares none).
    std::string GetText(const std::string& url, Files& files, std::size_t limit = kTextReplyLimit);
    std::string Post(const std::string& url, std::string_view body, const std::string& contentType);

    bool Busy() const { return running_ || http_.Busy(); }
    // Ends the running transfer: its call throws HttpError.
    void Disconnect() { http_.Disconnect(); }
    // Runs `quit` now when no request runs; else ends the request and runs `quit` once, after the
    // request's call has unwound. A second quit while one waits is the same quit.
    void QuitWhenIdle(std::function<void()> quit);

private:
    void Run(FunctionRef<void()> call);

    Http& http_;
    std::string base_;
    bool running_ = false;
    std::function<void()> pendingQuit_;
};

}  // namespace vitrex::net
