#include "Delivery.h"

#include <httplib.h>

#include <algorithm>
#include <memory>

namespace vitrex::server {

void StopSignal::Raise() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        raised_ = true;
    }
    wake_.notify_all();
}

bool StopSignal::Sleep(std::chrono::milliseconds duration) {
    std::unique_lock<std::mutex> hold(lock_);
    return !wake_.wait_for(hold, duration, [this] { return raised_.load(); });
}

void StopSignal::WaitForever() {
    std::unique_lock<std::mutex> hold(lock_);
    wake_.wait(hold, [this] { return raised_.load(); });
}

void Deliver(httplib::Response& response, std::uint64_t size, const std::string& content_type,
             BodySource source, Pace pace, StopSignal& stop) {
    constexpr std::uint64_t kPiece = 64 * 1024;
    const std::uint64_t end = pace.cut ? size / 2 : size;
    // A throttled body goes out in tenths of a second's worth, so the rate shows within a second.
    const std::uint64_t piece =
        pace.bytes_per_second ? std::clamp<std::uint64_t>(pace.bytes_per_second / 10, 1, kPiece) : kPiece;
    response.set_content_provider(
        static_cast<std::size_t>(size), content_type,
        [=, &stop, buffer = std::make_shared<std::string>()](std::size_t offset, std::size_t length,
                                                             httplib::DataSink& sink) {
            if (offset >= end || stop.Raised()) return false;  // the connection closes short of the promise
            const auto count =
                static_cast<std::size_t>(std::min<std::uint64_t>({length, piece, end - offset}));
            buffer->clear();
            if (!source(offset, count, *buffer) || buffer->size() != count) return false;
            if (!sink.write(buffer->data(), buffer->size())) return false;
            if (pace.bytes_per_second) {
                const auto wait = std::chrono::milliseconds(count * 1000 / pace.bytes_per_second);
                if (!stop.Sleep(wait)) return false;
            }
            return true;
        });
}

void DeliverText(httplib::Response& response, std::string body, const std::string& content_type, Pace pace,
                 StopSignal& stop) {
    if (!pace.cut && !pace.bytes_per_second) {
        response.set_content(body, content_type);
        return;
    }
    const auto text = std::make_shared<std::string>(std::move(body));
    Deliver(
        response, text->size(), content_type,
        [text](std::uint64_t offset, std::size_t length, std::string& out) {
            out.assign(*text, static_cast<std::size_t>(offset), length);
            return true;
        },
        pace, stop);
}

}  // namespace vitrex::server
