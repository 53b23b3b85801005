#include "ExchangeStream.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vitrex::server {

ExchangeStream::ExchangeStream(int fd, std::string_view request, const Peer& peer,
                               std::chrono::milliseconds write_timeout)
    : fd_(fd), request_(request), peer_(peer), write_timeout_(write_timeout) {}

ssize_t ExchangeStream::read(char* ptr, size_t size) {
    const std::size_t count = std::min(size, request_.size() - read_);
    std::memcpy(ptr, request_.data() + read_, count);
    read_ += count;
    return static_cast<ssize_t>(count);
}

ssize_t ExchangeStream::write(const char* ptr, size_t size) {
    if (failed_) return -1;
    if (!head_written_) {
        // The library writes the status line and the headers in one piece, first.
        head_written_ = true;
        head_ = size;
        held_.assign(ptr, size);
        return static_cast<ssize_t>(size);
    }
    if (!held_.empty()) {
        held_.append(ptr, size);
        if (!Flush()) return -1;
        return static_cast<ssize_t>(size);
    }
    return SendAll(ptr, size) ? static_cast<ssize_t>(size) : -1;
}

bool ExchangeStream::Flush() {
    if (held_.empty()) return !failed_;
    std::string out;
    out.swap(held_);
    return SendAll(out.data(), out.size());
}

bool ExchangeStream::SendAll(const char* data, std::size_t size) {
    while (size > 0 && !failed_) {
        const ssize_t sent = ::send(fd_, data, size, MSG_NOSIGNAL);
        if (sent > 0) {
            sent_ += static_cast<std::uint64_t>(sent);
            data += sent;
            size -= static_cast<std::size_t>(sent);
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // A reader slower than the write time-out loses its connection.
            pollfd wait{fd_, POLLOUT, 0};
            if (::poll(&wait, 1, static_cast<int>(write_timeout_.count())) <= 0) failed_ = true;
        } else {
            failed_ = true;
        }
    }
    return !failed_;
}

void ExchangeStream::get_remote_ip_and_port(std::string& ip, int& port) const {
    ip = peer_.remote_ip;
    port = peer_.remote_port;
}

void ExchangeStream::get_local_ip_and_port(std::string& ip, int& port) const {
    ip = peer_.local_ip;
    port = peer_.local_port;
}

}  // namespace vitrex::server
