#include "core/net/Client.h"

#include <exception>
#include <string>

#include "core/net/ServerAddress.h"
#include "core/net/ServerText.h"
#include "core/platform/Errors.h"

namespace vitrex::net {

std::string Client::Url(const std::string& url) const {
    return Resolve(base_, url);
}

std::string Client::Get(const std::string& url, std::size_t limit) {
    const std::string absolute = Url(url);
    std::string body;
    Run([&] {
        http_.Get(absolute,
                  [&](std::string_view piece) { AppendWithinLimit(body, piece, limit, "GET", absolute); });
    });
    return body;
}

std::string Client::GetText(const std::string& url, Files& files, std::size_t limit) {
    const std::string body = Get(url, limit);
    return DecodeServerText(body, http_.ReplyContentType(), files);
}

void Client::Get(const std::string& url, FunctionRef<void(std::string_view)> sink) {
    Run([&] { http_.Get(Url(url), sink); });
}

std::string Client::Post(const std::string& url, std::string_view body, const std::string& contentType) {
    std::string reply;
    Run([&] { reply = http_.Post(Url(url), body, contentType); });
    return reply;
}

void Client::QuitWhenIdle(std::function<void()> quit) {
    if (!Busy()) {
        quit();
        return;
    }
    if (!pendingQuit_) pendingQuit_ = std::move(quit);
    http_.Disconnect();
}

void Client::Run(FunctionRef<void()> call) {
    if (Busy()) throw HttpError("Another request to the server is still running");
    running_ = true;
    std::exception_ptr failure;
    try {
        call();
    } catch (...) {
        // Held while the quit below runs: the request's own failure no longer matters then.
        failure = std::current_exception();
    }
    running_ = false;
    if (pendingQuit_) {
        const std::function<void()> quit = std::move(pendingQuit_);
        pendingQuit_ = nullptr;
        quit();
        throw SilentAbort();
    }
    if (failure) std::rethrow_exception(failure);
}

}  // namespace vitrex::net
