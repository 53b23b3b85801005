#include "Connections.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vitrex::server {

struct Connections::Connection {
    enum class Phase { Idle, Head, Body, Busy, Draining };
    int fd = -1;
    Peer peer;
    std::string received;
    std::size_t request_size = 0;  // of the complete request at the start of `received`
    Phase phase = Phase::Idle;
    Clock::time_point deadline;
    std::size_t served = 0;
    bool continue_sent = false;
    bool keep = false;  // set by the worker that hands the connection back
};

namespace {

constexpr std::uint64_t kWakeTag = ~std::uint64_t{0};
constexpr std::uint64_t kListenerTag = ~std::uint64_t{0} - 1;

void Address(const sockaddr_storage& address, std::string& ip, int& port) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET6) {
        const auto& in6 = reinterpret_cast<const sockaddr_in6&>(address);
        inet_ntop(AF_INET6, &in6.sin6_addr, text, sizeof text);
        port = ntohs(in6.sin6_port);
    } else {
        const auto& in4 = reinterpret_cast<const sockaddr_in&>(address);
        inet_ntop(AF_INET, &in4.sin_addr, text, sizeof text);
        port = ntohs(in4.sin_port);
    }
    ip = text;
}

const char* StatusText(int status) {
    switch (status) {
        case 400:
            return "Bad Request";
        case 411:
            return "Length Required";
        case 413:
            return "Payload Too Large";
        case 414:
            return "URI Too Long";
        case 416:
            return "Range Not Satisfiable";
        case 431:
            return "Request Header Fields Too Large";
        default:
            return "Error";
    }
}

// Drops the "Expect: 100-continue" line: the waiting thread has answered it already.
void DropExpect(std::string& received, Frame& frame) {
    if (!frame.ExpectsContinue()) return;
    received.erase(frame.expect_begin, frame.expect_end - frame.expect_begin);
    frame.head_size -= frame.expect_end - frame.expect_begin;
}

}  // namespace

Connections::Connections(int listener, ConnectionSettings settings, Exchange exchange, Refused refused)
    : listener_(listener), settings_(settings), exchange_(std::move(exchange)), refused_(std::move(refused)) {
    epoll_ = epoll_create1(EPOLL_CLOEXEC);
    wake_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.u64 = kWakeTag;
    epoll_ctl(epoll_, EPOLL_CTL_ADD, wake_, &event);
    event.data.u64 = kListenerTag;
    epoll_ctl(epoll_, EPOLL_CTL_ADD, listener_, &event);
    for (std::size_t i = 0; i < settings_.workers; ++i)
        workers_.emplace_back([this] { Work(); });
    waiter_ = std::thread([this] { Wait(); });
}

Connections::~Connections() {
    Stop();
}

void Connections::Stop() {
    if (epoll_ < 0) return;
    {
        std::lock_guard<std::mutex> hold(lock_);
        ending_ = true;
    }
    Wake();
    work_.notify_all();
    if (waiter_.joinable()) waiter_.join();
    for (auto& worker : workers_)
        worker.join();
    workers_.clear();
    for (auto& [fd, connection] : open_)
        close(fd);
    open_.clear();
    close(wake_);
    close(epoll_);
    epoll_ = wake_ = -1;
}

void Connections::Wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = write(wake_, &one, sizeof one);
}

void Connections::Wait() {
    epoll_event events[64];
    auto swept = Clock::now();
    for (;;) {
        const int count = epoll_wait(epoll_, events, 64, 100);
        {
            std::lock_guard<std::mutex> hold(lock_);
            if (ending_) return;
        }
        for (int i = 0; i < count; ++i) {
            const std::uint64_t tag = events[i].data.u64;
            if (tag == kListenerTag) {
                Accept();
            } else if (tag == kWakeTag) {
                std::uint64_t ignored = 0;
                [[maybe_unused]] const auto read = ::read(wake_, &ignored, sizeof ignored);
                std::deque<Connection*> back;
                {
                    std::lock_guard<std::mutex> hold(lock_);
                    back.swap(returned_);
                }
                for (Connection* connection : back)
                    connection->keep ? Resume(*connection) : Close(*connection);
            } else {
                const auto found = open_.find(static_cast<int>(tag));
                if (found != open_.end() && found->second->phase != Connection::Phase::Busy) {
                    Receive(*found->second);
                }
            }
        }
        if (Clock::now() - swept >= std::chrono::milliseconds(100)) {
            Sweep();
            swept = Clock::now();
        }
    }
}

void Connections::Accept() {
    for (;;) {
        if (open_.size() >= settings_.largest_connections) {
            // Make room by the connection that has been idle longest; with none idle, new
            // connections wait in the backlog until one ends.
            Connection* oldest = nullptr;
            for (auto& [fd, connection] : open_) {
                if (connection->phase == Connection::Phase::Idle &&
                    (!oldest || connection->deadline < oldest->deadline)) {
                    oldest = connection.get();
                }
            }
            if (!oldest) {
                epoll_event event{};
                event.data.u64 = kListenerTag;
                epoll_ctl(epoll_, EPOLL_CTL_MOD, listener_, &event);
                listening_ = false;
                return;
            }
            Close(*oldest);
        }
        sockaddr_storage remote{};
        socklen_t length = sizeof remote;
        const int fd =
            accept4(listener_, reinterpret_cast<sockaddr*>(&remote), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        const int yes = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        auto connection = std::make_unique<Connection>();
        connection->fd = fd;
        Address(remote, connection->peer.remote_ip, connection->peer.remote_port);
        sockaddr_storage local{};
        length = sizeof local;
        getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length);
        Address(local, connection->peer.local_ip, connection->peer.local_port);
        connection->deadline = Clock::now() + settings_.keep_alive;
        Connection& added = *connection;
        open_.emplace(fd, std::move(connection));
        Arm(added, true);
    }
}

void Connections::Arm(Connection& connection, bool add) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.u64 = static_cast<std::uint64_t>(connection.fd);
    epoll_ctl(epoll_, add ? EPOLL_CTL_ADD : EPOLL_CTL_MOD, connection.fd, &event);
}

void Connections::Receive(Connection& connection) {
    // Never more than one request's worth ahead: a pipelining client waits for its replies.
    const std::size_t enough = RequestLimits::kHead + settings_.largest_body + 64 * 1024;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = recv(connection.fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            if (connection.phase != Connection::Phase::Draining) {
                connection.received.append(buffer, static_cast<std::size_t>(got));
                if (connection.received.size() >= enough) break;
            }
            continue;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        return Close(connection);  // the peer closed, or the connection failed
    }
    if (connection.phase != Connection::Phase::Draining) Examine(connection);
}

void Connections::Examine(Connection& connection) {
    if (connection.received.empty()) return;
    struct Frame frame = FrameRequest(connection.received, settings_.largest_body);
    if (frame.state == Frame::State::Refused) return Refuse(connection, frame);
    if (connection.phase == Connection::Phase::Idle) {
        connection.phase = Connection::Phase::Head;
        connection.deadline = Clock::now() + settings_.head_time;
    }
    if (frame.state == Frame::State::Incomplete) return;
    if (connection.received.size() < frame.head_size + frame.body_size) {
        if (frame.ExpectsContinue() && !connection.continue_sent) {
            static constexpr char kContinue[] = "HTTP/1.1 100 Continue\r\n\r\n";
            send(connection.fd, kContinue, sizeof kContinue - 1, MSG_NOSIGNAL);
            connection.continue_sent = true;
        }
        connection.phase = Connection::Phase::Body;
        connection.deadline = Clock::now() + settings_.body_silence;
        return;
    }
    DropExpect(connection.received, frame);
    connection.request_size = frame.head_size + frame.body_size;
    connection.phase = Connection::Phase::Busy;
    epoll_ctl(epoll_, EPOLL_CTL_DEL, connection.fd, nullptr);
    {
        std::lock_guard<std::mutex> hold(lock_);
        ready_.push_back(&connection);
    }
    work_.notify_one();
}

void Connections::Refuse(Connection& connection, const struct Frame& frame) {
    const std::string body = frame.reason + "\n";
    const std::string reply =
        "HTTP/1.1 " + std::to_string(frame.status) + " " + StatusText(frame.status) +
        "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " + std::to_string(body.size()) +
        "\r\nConnection: close\r\n\r\n" + body;
    send(connection.fd, reply.data(), reply.size(), MSG_NOSIGNAL);
    if (refused_) refused_(connection.peer, frame);
    // What the client still sends is read and dropped for a moment, so that it sees the reply
    // rather than a reset.
    shutdown(connection.fd, SHUT_WR);
    connection.received.clear();
    connection.received.shrink_to_fit();
    connection.phase = Connection::Phase::Draining;
    connection.deadline = Clock::now() + std::chrono::seconds(2);
}

void Connections::Resume(Connection& connection) {
    connection.phase = Connection::Phase::Idle;
    connection.continue_sent = false;
    connection.deadline = Clock::now() + settings_.keep_alive;
    Arm(connection, true);
    Examine(connection);
}

void Connections::Close(Connection& connection) {
    const int fd = connection.fd;
    epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, nullptr);
    close(fd);
    open_.erase(fd);
    if (!listening_) {
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = kListenerTag;
        epoll_ctl(epoll_, EPOLL_CTL_MOD, listener_, &event);
        listening_ = true;
    }
}

void Connections::Sweep() {
    const auto now = Clock::now();
    std::vector<Connection*> expired;
    for (auto& [fd, connection] : open_) {
        if (connection->phase != Connection::Phase::Busy && connection->deadline <= now) {
            expired.push_back(connection.get());
        }
    }
    for (Connection* connection : expired)
        Close(*connection);
}

// A client that sends its requests one after another (a kept-alive connection of a front end, the
// program's page loads) gets the next one answered by the same worker, without the two hand-overs
// through the waiting thread, which cost more than the request itself on a busy machine. False
// when nothing came within the linger time or the client closed: the waiting thread takes over
// and sees either.
bool Connections::Linger(Connection& connection) {
    pollfd wanted{connection.fd, POLLIN, 0};
    if (poll(&wanted, 1, static_cast<int>(settings_.linger.count())) <= 0) return false;
    char buffer[16 * 1024];
    const ssize_t got = recv(connection.fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got <= 0) return false;
    connection.received.append(buffer, static_cast<std::size_t>(got));
    return true;
}

void Connections::Work() {
    for (;;) {
        Connection* connection = nullptr;
        {
            std::unique_lock<std::mutex> hold(lock_);
            work_.wait(hold, [this] { return ending_ || !ready_.empty(); });
            if (ready_.empty()) return;
            connection = ready_.front();
            ready_.pop_front();
        }
        bool keep = true;
        while (keep) {
            bool ending = false;
            {
                std::lock_guard<std::mutex> hold(lock_);
                ending = ending_;
            }
            const bool last = ++connection->served >= settings_.requests_per_connection || ending;
            ExchangeStream stream(connection->fd,
                                  std::string_view(connection->received).substr(0, connection->request_size),
                                  connection->peer, settings_.write_timeout);
            keep = exchange_(stream, last);
            keep = stream.Flush() && keep && !last;
            connection->received.erase(0, connection->request_size);
            connection->request_size = 0;
            if (!keep) break;
            if (connection->received.empty() && !Linger(*connection)) break;
            // A request that came right behind this one is answered at once.
            struct Frame next = FrameRequest(connection->received, settings_.largest_body);
            if (next.state != Frame::State::Complete ||
                connection->received.size() < next.head_size + next.body_size || next.ExpectsContinue()) {
                break;
            }
            connection->request_size = next.head_size + next.body_size;
        }
        connection->keep = keep;
        {
            std::lock_guard<std::mutex> hold(lock_);
            returned_.push_back(connection);
        }
        Wake();
    }
}

}  // namespace vitrex::server
