#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/platform/Http.h"
#include "win32/platform/Win32HttpTransfer.h"
#include "win32/ui/MessageLoop.h"

namespace vitrex::win32 {

// The HTTP client on WinHTTP: the user's proxy settings, HTTPS with the system's certificate
// checks, one session (and so one cookie store) for the life of the object.
//
// Each transfer runs with synchronous WinHTTP calls on a worker thread of its own, while the
// calling (user-interface) thread waits in a nested message pump; progress, the body's pieces
// and the outcome are raised on the calling thread from that pump. A blocked WinHTTP call cannot
// be interrupted everywhere (under Wine neither closing its handle nor the session's time-outs
// end it), so a cancel does not wait for the worker: the call throws at once and the worker,
// which owns everything it touches, finishes on its own later. For the same reason the wait
// gives up by itself when the worker has shown no progress for the connect and receive
// time-outs together.
//
// Failures are HttpErrors: a WinHTTP call that failed carries its name in Api() and its code in
// Code(); a reply that is not a success (a redirect, which is never followed, included) has an
// empty Api() and the status in Code(); a cancel has ERROR_WINHTTP_OPERATION_CANCELLED (12017)
// and a wait that gave up ERROR_WINHTTP_TIMEOUT (12002). A WM_QUIT met while waiting cancels the
// transfer, is posted again for the outer loop, and ends the call with SilentAbort. A call made
// while another waits (from a handler run by the pump) fails at once.
class Win32Http : public Http {
public:
    // The pump shows every message to `window` first, as the program's message loop does; it may
    // be given later (the client is made before the main window).
    explicit Win32Http(FormWindow* window = nullptr, HttpTimeouts timeouts = {});
    ~Win32Http() override;
    Win32Http(const Win32Http&) = delete;
    Win32Http& operator=(const Win32Http&) = delete;

    void SetWindow(FormWindow* window) { pump_.SetWindow(window); }

    std::string Get(const std::string& url) override;
    void Get(const std::string& url, FunctionRef<void(std::string_view)> sink) override;
    std::string Post(const std::string& url, std::string_view body, const std::string& contentType) override;
    void Disconnect() override;
    bool Busy() const override { return running_ != nullptr; }
    std::string ReplyContentType() const override { return contentType_; }

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<TransferState> state;
    };

    void Transfer(HttpRequest request, FunctionRef<void(std::string_view)> sink);
    void Wait(TransferState& state, FunctionRef<void(std::string_view)> sink, const std::string& context);
    void JoinFinishedWorkers();

    NestedPump pump_;
    HttpTimeouts timeouts_;
    std::shared_ptr<HttpSession> session_;
    std::shared_ptr<TransferState> running_;
    std::vector<Worker> workers_;
    std::string contentType_;
};

}  // namespace vitrex::win32
