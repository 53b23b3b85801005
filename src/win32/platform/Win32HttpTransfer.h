#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>

#include "win32/UniqueHandle.h"

// The worker's side of a transfer. No WinHTTP type appears here: winhttp.h and wininet.h cannot
// be included together, so only Win32HttpTransfer.cpp includes it.
namespace vitrex::win32 {

struct HttpTimeouts {
    // Each of resolving the name, connecting and sending the request.
    std::chrono::milliseconds connect{15000};
    // Waiting for the reply's headers, and for each piece of its body.
    std::chrono::milliseconds receive{30000};
};

struct HttpRequest {
    std::string method;
    std::string url;
    std::string body;
    std::string contentType;  // sent when not empty
    bool http10 = false;
};

// What the worker reports, in order: Begin once the headers are in, then the body's pieces.
struct TransferEvent {
    enum class Kind { Begin, Piece };
    Kind kind = Kind::Begin;
    std::int64_t expected = 0;
    std::string bytes;        // Piece: the body's bytes
    std::string contentType;  // Begin: the reply's Content-Type header, empty without one
};

// Shared by the worker thread and the call waiting for it, so that either may end first: a
// cancelled call returns at once and the worker, stuck in a call that nothing can interrupt,
// finishes later on its own.
class TransferState {
public:
    TransferState();
    TransferState(const TransferState&) = delete;
    TransferState& operator=(const TransferState&) = delete;

    // Signalled (auto-reset) whenever there is something new for the waiting call.
    HANDLE Wake() const noexcept { return wake_.Get(); }

    // The worker's side.
    void Push(TransferEvent event);
    void Finish(std::exception_ptr failure) noexcept;
    bool Cancelled() const noexcept;

    // The waiting side.
    void Cancel() noexcept;
    struct Taken {
        std::deque<TransferEvent> events;
        bool finished = false;
        std::exception_ptr failure;
    };
    // Everything reported since the last call; `finished` only once every event is taken.
    Taken Take();
    // Whether the worker has finished, waiting at most `limit` for it.
    bool WaitFinished(std::chrono::milliseconds limit);

private:
    UniqueHandle wake_;
    mutable std::mutex mutex_;
    std::condition_variable finishedChanged_;
    std::deque<TransferEvent> events_;
    bool finished_ = false;
    bool cancelled_ = false;
    std::exception_ptr failure_;
};

// One WinHTTP session for the life of the client: the cookies the server sets are kept in it.
class HttpSession;
std::shared_ptr<HttpSession> OpenHttpSession(const HttpTimeouts& timeouts);

// Runs the request on the calling thread (the worker) and reports to the state until the reply
// has arrived, failed or the transfer is cancelled. Failures are HttpErrors handed to Finish.
void RunTransfer(const HttpSession& session, const HttpRequest& request, TransferState& state) noexcept;

}  // namespace vitrex::win32
