#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "ExchangeStream.h"
#include "RequestFraming.h"

namespace vitrex::server {

struct ConnectionSettings {
    std::size_t workers = 64;
    std::size_t largest_connections = 512;  // beyond that the longest idle one is closed
    std::size_t requests_per_connection = 1000;
    std::size_t largest_body = 0;
    std::chrono::milliseconds keep_alive{5000};     // an idle connection is closed after this
    std::chrono::milliseconds head_time{10000};     // from a request's first byte to its blank line
    std::chrono::milliseconds body_silence{10000};  // the longest pause within a body
    std::chrono::milliseconds write_timeout{5000};
    // How long a worker that has answered on a kept-alive connection waits for the client's next
    // request before it hands the connection back to the waiting thread.
    std::chrono::milliseconds linger{1};
};

// The server's connections. One thread waits on all of them (epoll) and reads each request whole,
// head and body, within its limits; only a complete request takes a worker, so idle and slow
// clients cost a descriptor and a buffer, never a thread. A kept-alive connection goes back to
// the waiting thread after each reply.
class Connections {
public:
    // Answers one request on a worker; `last` asks the reply to close the connection. True when
    // the connection may stay open.
    using Exchange = std::function<bool(ExchangeStream& stream, bool last)>;
    // A request refused unread (head too large, chunked, too long a body, several ranges).
    using Refused = std::function<void(const Peer& peer, const Frame& frame)>;

    Connections(int listener, ConnectionSettings settings, Exchange exchange, Refused refused);
    ~Connections();
    Connections(const Connections&) = delete;
    Connections& operator=(const Connections&) = delete;

    // Ends the waiting, lets every worker finish its reply and closes every connection.
    void Stop();

private:
    struct Connection;
    using Clock = std::chrono::steady_clock;

    void Wait();
    void Work();
    bool Linger(Connection& connection);
    void Accept();
    void Receive(Connection& connection);
    void Examine(Connection& connection);
    void Refuse(Connection& connection, const Frame& frame);
    void Resume(Connection& connection);
    void Close(Connection& connection);
    void Sweep();
    void Arm(Connection& connection, bool add);
    void Wake();

    int listener_;
    ConnectionSettings settings_;
    Exchange exchange_;
    Refused refused_;
    int epoll_ = -1;
    int wake_ = -1;
    bool listening_ = true;
    std::unordered_map<int, std::unique_ptr<Connection>> open_;

    std::mutex lock_;
    std::condition_variable work_;
    std::deque<Connection*> ready_;     // complete requests for the workers
    std::deque<Connection*> returned_;  // connections back from the workers
    bool ending_ = false;

    std::thread waiter_;
    std::vector<std::thread> workers_;
};

}  // namespace vitrex::server
