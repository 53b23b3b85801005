#include "testing/FakeHttp.h"

#include <algorithm>

#include "core/platform/Errors.h"

namespace vitrex::fakes {

std::string FakeHttp::Get(const std::string& url) {
    std::string body;
    Transfer({"GET", url, {}, {}},
             [&](std::string_view piece) { AppendWithinLimit(body, piece, kWholeReplyLimit, "GET", url); });
    return body;
}

void FakeHttp::Get(const std::string& url, FunctionRef<void(std::string_view)> sink) {
    Transfer({"GET", url, {}, {}}, sink);
}

std::string FakeHttp::Post(const std::string& url, std::string_view body, const std::string& contentType) {
    std::string reply;
    Transfer({"POST", url, std::string(body), contentType},
             [&](std::string_view piece) { AppendWithinLimit(reply, piece, kWholeReplyLimit, "POST", url); });
    return reply;
}

void FakeHttp::Transfer(const Request& request, FunctionRef<void(std::string_view)> sink) {
    if (busy_) ++overlappingCalls;
    requests.push_back(request);
    const auto it = replies.find(request.url);
    const Reply reply = it != replies.end() ? it->second : Reply{};
    busy_ = true;
    disconnected_ = false;
    struct Done {
        bool& busy;
        ~Done() { busy = false; }
    } done{busy_};
    std::int64_t total = 0;
    for (const std::string& piece : reply.pieces)
        total += static_cast<std::int64_t>(piece.size());
    total *= static_cast<std::int64_t>(reply.repeat);
    contentType_.clear();
    if (reply.status)
        throw HttpError(request.url + ": " + reply.failure.value_or("refused"), {}, *reply.status);
    const bool refused = reply.pieces.empty() && reply.failure;
    if (!refused) contentType_ = reply.contentType;
    if (!refused && OnWorkBegin) OnWorkBegin(reply.expected.value_or(total));
    std::int64_t count = 0;
    const std::size_t sent = reply.pieces.size() * reply.repeat;
    const std::size_t steps = std::max<std::size_t>(sent, 1);
    for (std::size_t i = 0; i < steps; ++i) {
        if (inside) inside(i);
        if (disconnected_) throw HttpError("Connection closed by Disconnect");
        if (i >= sent) break;
        const std::string& piece = reply.pieces[i % reply.pieces.size()];
        sink(piece);
        count += static_cast<std::int64_t>(piece.size());
        if (OnWork) OnWork(count);
    }
    if (reply.failure) throw HttpError(*reply.failure);
}

}  // namespace vitrex::fakes
