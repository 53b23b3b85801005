#pragma once

#include <httplib.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace vitrex::server {

struct Peer {
    std::string remote_ip;
    int remote_port = 0;
    std::string local_ip;
    int local_port = 0;
};

// One request and its reply on a kept-alive connection, as the HTTP library sees them: it reads
// exactly the framed request from memory (nothing of the next one, nor of a body it leaves
// unread) and writes to the socket. The reply's head is held back and leaves with the first piece
// of the body, so that a small reply is one segment and never waits for the peer's delayed ACK.
class ExchangeStream : public httplib::Stream {
public:
    ExchangeStream(int fd, std::string_view request, const Peer& peer,
                   std::chrono::milliseconds write_timeout);

    bool is_readable() const override { return read_ < request_.size(); }
    bool is_writable() const override { return !failed_; }
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    int socket() const override { return fd_; }

    // Sends what is held back; false when the connection failed.
    bool Flush();
    bool Failed() const { return failed_; }
    // The bytes of the reply after its head that the connection took.
    std::uint64_t BodyBytesSent() const { return sent_ > head_ ? sent_ - head_ : 0; }

private:
    bool SendAll(const char* data, std::size_t size);

    int fd_;
    std::string_view request_;
    std::size_t read_ = 0;
    const Peer& peer_;
    std::chrono::milliseconds write_timeout_;
    std::string held_;
    bool head_written_ = false;
    std::uint64_t head_ = 0;
    std::uint64_t sent_ = 0;
    bool failed_ = false;
};

}  // namespace vitrex::server
