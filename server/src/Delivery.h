#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace httplib {
struct Response;
}

namespace vitrex::server {

// Wakes the replies that wait (a stall, a throttled download) when the server ends, so that its
// worker threads can be joined.
class StopSignal {
public:
    void Raise();
    bool Raised() const { return raised_; }
    // False when the signal came first.
    bool Sleep(std::chrono::milliseconds duration);
    void WaitForever();

private:
    std::atomic<bool> raised_{false};
    std::mutex lock_;
    std::condition_variable wake_;
};

// Reads `length` bytes at `offset` of a body into `out`; false when it cannot.
using BodySource = std::function<bool(std::uint64_t offset, std::size_t length, std::string& out)>;

struct Pace {
    std::uint64_t bytes_per_second = 0;  // 0: as fast as the socket takes it
    bool cut = false;                    // send the first half only, then drop the connection
};

// Promises `size` bytes in Content-Length and sends them from `source` at the given pace.
void Deliver(httplib::Response& response, std::uint64_t size, const std::string& content_type,
             BodySource source, Pace pace, StopSignal& stop);

void DeliverText(httplib::Response& response, std::string body, const std::string& content_type, Pace pace,
                 StopSignal& stop);

}  // namespace vitrex::server
