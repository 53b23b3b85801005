#include "win32/platform/Win32Http.h"

#include <windows.h>
// After windows.h, which it needs.
#include <winhttp.h>

#include "core/platform/Errors.h"

namespace vitrex::win32 {
namespace {

// How long the end of the client waits for transfers still running (cancelled ones stuck in a
// call that cannot be interrupted): the program's exit must not hang on a dead server.
constexpr std::chrono::milliseconds kWorkerGrace{1000};

}  // namespace

Win32Http::Win32Http(FormWindow* window, HttpTimeouts timeouts) : pump_(window), timeouts_(timeouts) {}

Win32Http::~Win32Http() {
    const auto deadline = std::chrono::steady_clock::now() + kWorkerGrace;
    for (Worker& worker : workers_) {
        worker.state->Cancel();
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (worker.state->WaitFinished(std::max(left, std::chrono::milliseconds(0))))
            worker.thread.join();
        else
            // It owns its state and the session by shared pointers and touches nothing else, so
            // it may outlive the client; the process's end stops it.
            worker.thread.detach();
    }
}

std::string Win32Http::Get(const std::string& url) {
    std::string body;
    Transfer({"GET", url, {}, {}, false},
             [&](std::string_view piece) { AppendWithinLimit(body, piece, kWholeReplyLimit, "GET", url); });
    return body;
}

void Win32Http::Get(const std::string& url, FunctionRef<void(std::string_view)> sink) {
    Transfer({"GET", url, {}, {}, false}, sink);
}

std::string Win32Http::Post(const std::string& url, std::string_view body, const std::string& contentType) {
    std::string reply;
    // HTTP/1.0, as the project's web server has always been sent its posts.
    Transfer({"POST", url, std::string(body), contentType, true},
             [&](std::string_view piece) { AppendWithinLimit(reply, piece, kWholeReplyLimit, "POST", url); });
    return reply;
}

void Win32Http::Disconnect() {
    if (running_) running_->Cancel();
}

void Win32Http::Transfer(HttpRequest request, FunctionRef<void(std::string_view)> sink) {
    const std::string context = request.method + " " + request.url;
    if (running_) throw HttpError(context + ": another transfer is still running");
    JoinFinishedWorkers();
    if (!session_) session_ = OpenHttpSession(timeouts_);

    auto state = std::make_shared<TransferState>();
    // Room first: a thread that started must always find its place in the list.
    workers_.reserve(workers_.size() + 1);
    workers_.push_back({std::thread([session = session_, request = std::move(request), state] {
                            RunTransfer(*session, request, *state);
                        }),
                        state});
    running_ = state;
    // However the call ends (a failure, a cancel, a sink or handler that threw), the worker is
    // told to stop and the client is free for the next call.
    struct EndOfCall {
        Win32Http& http;
        ~EndOfCall() {
            http.running_->Cancel();
            http.running_.reset();
        }
    } endOfCall{*this};
    Wait(*state, sink, context);
}

void Win32Http::Wait(TransferState& state, FunctionRef<void(std::string_view)> sink,
                     const std::string& context) {
    const auto idleLimit = timeouts_.connect + timeouts_.receive;
    auto lastSign = std::chrono::steady_clock::now();
    std::int64_t count = 0;
    for (;;) {
        TransferState::Taken taken = state.Take();
        if (!taken.events.empty()) lastSign = std::chrono::steady_clock::now();
        for (TransferEvent& event : taken.events) {
            // A handler that disconnected sees no more events of the transfer it ended.
            if (state.Cancelled()) break;
            if (event.kind == TransferEvent::Kind::Begin) {
                contentType_ = std::move(event.contentType);
                if (OnWorkBegin) OnWorkBegin(event.expected);
            } else {
                count += static_cast<std::int64_t>(event.bytes.size());
                sink(event.bytes);
                if (OnWork) OnWork(count);
            }
        }
        if (state.Cancelled())
            throw HttpError(context + ": the transfer was cancelled", {}, ERROR_WINHTTP_OPERATION_CANCELLED);
        if (taken.finished) {
            if (taken.failure) std::rethrow_exception(taken.failure);
            return;
        }
        const auto idle = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - lastSign);
        if (idle >= idleLimit)
            throw HttpError(
                context + ": the server has not answered for " + std::to_string(idle.count()) + " ms", {},
                ERROR_WINHTTP_TIMEOUT);
        if (pump_.WaitFor(state.Wake(), idleLimit - idle) == PumpWait::Quit) throw SilentAbort();
    }
}

void Win32Http::JoinFinishedWorkers() {
    std::erase_if(workers_, [](Worker& worker) {
        if (!worker.state->WaitFinished(std::chrono::milliseconds(0))) return false;
        worker.thread.join();
        return true;
    });
}

}  // namespace vitrex::win32
